#include "codec/cp936_converter.h"

#include <windows.h>

namespace kestrova {

namespace {

constexpr UINT gbk = 936;

// UTF-16 code units as the wide-character calls take them.
const wchar_t* wide(QStringView text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

} // namespace

struct Cp936Converter::State {};

Cp936Converter::Cp936Converter() = default;
Cp936Converter::~Cp936Converter() = default;

bool Cp936Converter::available() {
    return IsValidCodePage(gbk);
}

// No best fit: a character without a code of its own must fail, not turn into a look-alike.
QByteArray Cp936Converter::encode(QStringView character) {
    const int length = static_cast<int>(character.size());
    BOOL replaced = FALSE;
    const int size = WideCharToMultiByte(gbk, WC_NO_BEST_FIT_CHARS, wide(character), length,
                                         nullptr, 0, nullptr, &replaced);
    if (size <= 0 || replaced)
        return {};
    QByteArray code(size, Qt::Uninitialized);
    WideCharToMultiByte(gbk, WC_NO_BEST_FIT_CHARS, wide(character), length, code.data(), size,
                        nullptr, &replaced);
    return replaced ? QByteArray() : code;
}

Cp936Decoded Cp936Converter::decode(QByteArrayView bytes) {
    const auto length = static_cast<int>(bytes.size());
    Cp936Decoded result;
    // Strictly first; where that fails, once more with the system's stand-ins for what is not
    // GBK, so that the rest still shows.
    int size = MultiByteToWideChar(gbk, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    DWORD flags = MB_ERR_INVALID_CHARS;
    if (size <= 0) {
        result.valid = false;
        flags = 0;
        size = MultiByteToWideChar(gbk, flags, bytes.data(), length, nullptr, 0);
    }
    if (size <= 0)
        return {QString(bytes.size(), QChar::ReplacementCharacter), false};
    result.text.resize(size);
    MultiByteToWideChar(gbk, flags, bytes.data(), length,
                        reinterpret_cast<wchar_t*>(result.text.data()), size);
    return result;
}

} // namespace kestrova
