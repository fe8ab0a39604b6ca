#include "codec/text_encoding.h"

#include "codec/cp936_converter.h"

#include <algorithm>

namespace kestrova {

namespace {

bool isAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

bool cp936Available() {
    return Cp936Converter::available();
}

Cp936Text encodeCp936(const QString& text) {
    Cp936Text result;
    if (isAscii(text)) {
        result.bytes = text.toLatin1();
        return result;
    }
    // Character by character, so a failure names the character and where it is. The converter
    // drops an unpaired surrogate without reporting it, hence the explicit test.
    Cp936Converter converter;
    for (qsizetype at = 0; at < text.size();) {
        const QChar first = text[at];
        const bool pair =
            first.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
        const QStringView character = QStringView(text).mid(at, pair ? 2 : 1);
        QByteArray code;
        if (first.unicode() < 0x80) {
            code.append(static_cast<char>(first.unicode()));
        } else if (!first.isSurrogate() || pair) {
            code = converter.encode(character);
        }
        if (code.isEmpty()) {
            result.bytes.clear();
            result.failedAt = at;
            result.failedCharacter = character.toString();
            return result;
        }
        result.bytes += code;
        at += character.size();
    }
    return result;
}

Cp936Decoded decodeCp936(QByteArrayView bytes) {
    Cp936Decoded result;
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char b) { return static_cast<unsigned char>(b) < 0x80; })) {
        result.text = QString::fromLatin1(bytes);
        return result;
    }
    if (!Cp936Converter::available()) {
        result.valid = false;
        for (char b : bytes)
            result.text += static_cast<unsigned char>(b) < 0x80
                               ? QLatin1Char(b)
                               : QChar(QChar::ReplacementCharacter);
        return result;
    }
    return Cp936Converter().decode(bytes);
}

} // namespace kestrova
