#include "storage/windows_text.h"

#include <QDir>

#include <windows.h>

namespace kestrova::storage {

QString win32ErrorText(unsigned long code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text),
        0, nullptr);
    QString words = length > 0 ? QString::fromWCharArray(text, length).trimmed() : QString();
    LocalFree(text);
    if (words.isEmpty())
        words = QStringLiteral("error %1").arg(code);
    return words;
}

std::wstring win32Path(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace kestrova::storage
