#include "card/mount_table.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace kestrova::card {

namespace {

// The kernel writes blanks, tabs, newlines and backslashes in names as \ooo.
QString unescaped(const QByteArray& field) {
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            bytes.append(char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                              (field[i + 3] - '0')));
            i += 3;
        } else {
            bytes.append(field[i]);
        }
    }
    return QFile::decodeName(bytes);
}

} // namespace

QList<MountEntry> parseMountInfo(const QByteArray& text) {
    QList<MountEntry> entries;
    for (const QByteArray& line : text.split('\n')) {
        // ID PARENT MAJOR:MINOR ROOT MOUNT-POINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPER-OPTIONS
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-");
        if (fields.size() < 5 || separator < 6 || separator + 2 >= fields.size())
            continue;
        MountEntry entry{unescaped(fields[4]), unescaped(fields[separator + 1]),
                         unescaped(fields[separator + 2])};
        entries.removeIf(
            [&entry](const MountEntry& earlier) { return earlier.mountPoint == entry.mountPoint; });
        entries.append(entry);
    }
    return entries;
}

QList<MountEntry> readMountTable() {
#ifdef Q_OS_LINUX
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A proc file tells no size: read to its end.
    return parseMountInfo(file.readAll());
#else
    return {};
#endif
}

bool isOnBlockDevice(const MountEntry& entry) {
#ifdef Q_OS_UNIX
    if (!entry.source.startsWith(QLatin1String("/dev/")))
        return false;
    struct stat info {};
    return ::stat(QFile::encodeName(entry.source).constData(), &info) == 0 && S_ISBLK(info.st_mode);
#else
    Q_UNUSED(entry);
    return false;
#endif
}

} // namespace kestrova::card
