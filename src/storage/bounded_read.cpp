#include "storage/bounded_read.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QDir>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kestrova::storage {

namespace {

BoundedRead failure(BoundedRead::Status status, const QString& reason) {
    BoundedRead result;
    result.status = status;
    result.reason = reason;
    return result;
}

BoundedRead tooLarge(qint64 size, bool sizeKnown = true) {
    BoundedRead result;
    result.status = BoundedRead::Status::TooLarge;
    result.size = sizeKnown ? size : size - 1;
    result.sizeKnown = sizeKnown;
    return result;
}

const QString notRegular = QStringLiteral("not a regular file (%1)");

} // namespace

QString BoundedRead::sizeText() const {
    return sizeKnown ? QStringLiteral("%1 bytes").arg(size)
                     : QStringLiteral("more than %1 bytes").arg(size);
}

#ifdef Q_OS_WIN

BoundedRead readBounded(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return failure(BoundedRead::Status::CannotOpen,
                       QStringLiteral("No such file or directory"));
    if (info.isDir())
        return failure(BoundedRead::Status::NotRegular, notRegular.arg(QStringLiteral("a folder")));
    if (!info.isFile())
        return failure(BoundedRead::Status::NotRegular, notRegular.arg(QStringLiteral("a device")));
    if (info.size() > limit)
        return tooLarge(info.size());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(BoundedRead::Status::CannotOpen, file.errorString());
    BoundedRead result;
    result.bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(BoundedRead::Status::ReadError, file.errorString());
    if (result.bytes.size() > limit)
        return tooLarge(result.bytes.size(), false);
    result.status = BoundedRead::Status::Ok;
    result.size = result.bytes.size();
    return result;
}

#else

namespace {

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a FIFO");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("a device");
}

// Closes the descriptor however the read ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

BoundedRead readBounded(const QString& path, qint64 limit) {
    if (path.isEmpty())
        return failure(BoundedRead::Status::CannotOpen, qt_error_string(ENOENT));
    // Without O_NONBLOCK, opening a FIFO waits for a writer; the check below refuses it anyway.
    const Descriptor file{
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0)
        return failure(BoundedRead::Status::CannotOpen, qt_error_string(errno));
    return readBoundedFrom(file.fd, limit);
}

BoundedRead readBoundedFrom(int fd, qint64 limit) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return failure(BoundedRead::Status::ReadError, qt_error_string(errno));
    if (!S_ISREG(status.st_mode))
        return failure(BoundedRead::Status::NotRegular, notRegular.arg(kindOf(status.st_mode)));
    if (status.st_size > limit)
        return tooLarge(status.st_size);

    // One byte past the limit tells a file that grew since fstat, or one whose size the system
    // does not give.
    BoundedRead result;
    result.bytes.resize(limit + 1);
    qint64 total = 0;
    while (total < result.bytes.size()) {
        const ssize_t got = ::read(fd, result.bytes.data() + total,
                                   static_cast<size_t>(result.bytes.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failure(BoundedRead::Status::ReadError, qt_error_string(errno));
        if (got == 0)
            break;
        total += got;
    }
    if (total > limit)
        return tooLarge(total, false);
    result.bytes.truncate(total);
    result.status = BoundedRead::Status::Ok;
    result.size = total;
    return result;
}

#endif

} // namespace kestrova::storage
