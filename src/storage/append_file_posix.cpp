#include "storage/append_file.h"

#include "storage/storage_log.h"
#include "storage/write_all.h"
#include "storage/writer_lock.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrova::storage {

std::optional<FileIdentity> fileIdentity(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino)};
}

struct AppendFile::Open {
    WriterLock lock;
    int fd = -1;
    ~Open() {
        if (fd >= 0)
            ::close(fd);
    }
};

AppendFile::AppendFile() = default;
AppendFile::~AppendFile() = default;

std::optional<QString> AppendFile::open(const QString& path, int lockWaitMs) {
    open_.reset();
    auto held = std::make_unique<Open>();
    const QFileInfo file(path);
    const auto folder = fileIdentity(file.absolutePath());
    if (!folder)
        return QStringLiteral("its folder %1 cannot be opened: %2")
            .arg(file.absolutePath(), qt_error_string(errno));
    switch (held->lock.acquire(folder->device, folder->inode, file.fileName(), lockWaitMs)) {
    case WriterLock::State::Held:
        break;
    case WriterLock::State::Busy:
        return busyText();
    case WriterLock::State::Unavailable:
        return held->lock.reason();
    }
    held->fd = ::open(QFile::encodeName(path).constData(),
                      O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (held->fd < 0)
        return qt_error_string(errno);
    struct stat info {};
    if (::fstat(held->fd, &info) != 0)
        return qt_error_string(errno);
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("not a regular file");
    open_ = std::move(held);
    return std::nullopt;
}

FileIdentity AppendFile::identity() const {
    struct stat info {};
    if (!open_ || ::fstat(open_->fd, &info) != 0)
        return {};
    return {static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino)};
}

qint64 AppendFile::size() const {
    struct stat info {};
    if (!open_ || ::fstat(open_->fd, &info) != 0)
        return 0;
    return info.st_size;
}

BoundedRead AppendFile::readAll(qint64 limit) const {
    if (!open_ || ::lseek(open_->fd, 0, SEEK_SET) != 0) {
        BoundedRead failed;
        failed.status = BoundedRead::Status::ReadError;
        failed.reason = qt_error_string(errno);
        return failed;
    }
    // Only what the file holds is made room for.
    return readBoundedFrom(open_->fd, std::min(limit, size() + growthAllowed));
}

std::optional<QString> AppendFile::append(const QByteArray& bytes) {
    if (!open_)
        return QStringLiteral("it is not open");
    const qint64 before = size();
    if (writeAll(open_->fd, bytes) && ::fdatasync(open_->fd) == 0)
        return std::nullopt;
    const int error = errno;
    // Half a row would be read as a damaged one, and the next row would be glued onto it.
    if (::ftruncate(open_->fd, before) != 0 || ::fsync(open_->fd) != 0)
        qCWarning(writeLog, "a failed append could not be taken back: %s",
                  qUtf8Printable(qt_error_string(errno)));
    return qt_error_string(error);
}

} // namespace kestrova::storage
