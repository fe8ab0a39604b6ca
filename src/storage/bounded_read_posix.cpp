#include "storage/bounded_read.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrova::storage {

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
        return BoundedRead::failed(BoundedRead::Status::CannotOpen, qt_error_string(ENOENT));
    // Without O_NONBLOCK, opening a FIFO waits for a writer; the check below refuses it anyway.
    const Descriptor file{
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0)
        return BoundedRead::failed(BoundedRead::Status::CannotOpen, qt_error_string(errno));
    return readBoundedFrom(file.fd, limit);
}

BoundedRead readBoundedFrom(int fd, qint64 limit) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return BoundedRead::failed(BoundedRead::Status::ReadError, qt_error_string(errno));
    if (!S_ISREG(status.st_mode))
        return BoundedRead::notRegular(kindOf(status.st_mode));
    if (status.st_size > limit)
        return BoundedRead::tooLarge(status.st_size);

    QByteArray bytes(limit + 1, Qt::Uninitialized);
    qint64 total = 0;
    while (total < bytes.size()) {
        const ssize_t got =
            ::read(fd, bytes.data() + total, static_cast<size_t>(bytes.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return BoundedRead::failed(BoundedRead::Status::ReadError, qt_error_string(errno));
        if (got == 0)
            break;
        total += got;
    }
    bytes.truncate(total);
    return BoundedRead::whole(std::move(bytes), limit);
}

} // namespace kestrova::storage
