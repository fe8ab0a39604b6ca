#include "storage/private_files.h"

#include "storage/write_all.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrova::storage {

QString writeWhole(const QString& path, const QByteArray& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return qt_error_string(errno);
    const int error = writeAll(fd, bytes) && ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error == 0 ? QString() : qt_error_string(error);
}

QString makePrivateFolder(const QString& folder) {
    if (!QDir().mkpath(folder))
        return QStringLiteral("the folder cannot be made");
    return ::chmod(QFile::encodeName(folder).constData(), 0700) == 0 ? QString()
                                                                     : qt_error_string(errno);
}

QString syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    return synced ? QString() : qt_error_string(error);
}

} // namespace kestrova::storage
