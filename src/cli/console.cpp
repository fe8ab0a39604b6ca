#include "cli/console.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kestrova::cli {

namespace {

#ifdef Q_OS_WIN
// A Windows console shows what it is given in its own code page; told once that it is UTF-8.
[[maybe_unused]] const bool utf8Console = SetConsoleOutputCP(CP_UTF8);
#endif

void write(std::FILE* stream, const QString& line) {
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

} // namespace

void printLine(const QString& line) {
    write(stdout, line);
}

void printErrorLine(const QString& line) {
    write(stderr, line);
}

} // namespace kestrova::cli
