#include "storage/open_folder.h"

#include "storage/storage_log.h"
#include "storage/write_all.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace kestrova::storage {

namespace {

QByteArray nameBytes(const QString& name) {
    return QFile::encodeName(name);
}

// What a refused system call means for the user. Full FAT cards behind FUSE say EPERM, and a
// folder without write permission EACCES: the card itself tells which it is.
WriteFailure classify(int error, int folder, qint64 bytesNeeded) {
    switch (error) {
    case ENAMETOOLONG:
        return WriteFailure::PathTooLong;
    case ENOENT:
    case ENOTDIR:
        return WriteFailure::FolderMissing;
    case EROFS:
        return WriteFailure::ReadOnly;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return WriteFailure::CardFull;
    case EACCES:
    case EPERM: {
        struct statvfs volume {};
        if (::fstatvfs(folder, &volume) != 0)
            return WriteFailure::Other;
        if (volume.f_flag & ST_RDONLY)
            return WriteFailure::ReadOnly;
        if (static_cast<qint64>(volume.f_bavail) * static_cast<qint64>(volume.f_frsize) <
            bytesNeeded)
            return WriteFailure::CardFull;
        return WriteFailure::Other;
    }
    default:
        return WriteFailure::Other;
    }
}

Refusal refused(int error, int folder, qint64 bytesNeeded) {
    return {classify(error, folder, bytesNeeded), qt_error_string(error)};
}

} // namespace

struct OpenFolder::Handle {
    int fd = -1;
    int error = 0;
    struct stat info {};
};

OpenFolder::OpenFolder(const QString& path)
    : handle_(std::make_unique<Handle>()) {
    handle_->fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    handle_->error = handle_->fd < 0 ? errno : 0;
    if (handle_->fd >= 0 && ::fstat(handle_->fd, &handle_->info) != 0)
        handle_->error = errno;
}

OpenFolder::~OpenFolder() {
    if (handle_->fd >= 0)
        ::close(handle_->fd);
}

Refusal OpenFolder::openFailure() const {
    const int error = handle_->error;
    if (handle_->fd >= 0)
        return {};
    return {error == ENAMETOOLONG                 ? WriteFailure::PathTooLong
            : error == ENOENT || error == ENOTDIR ? WriteFailure::FolderMissing
                                                  : WriteFailure::Other,
            qt_error_string(error)};
}

quint64 OpenFolder::device() const {
    return handle_->info.st_dev;
}

quint64 OpenFolder::inode() const {
    return handle_->info.st_ino;
}

// A volume's root lies on another device than the folder above it (or is the root itself).
bool OpenFolder::isMountPoint() const {
    struct stat parent {};
    return ::fstatat(handle_->fd, "..", &parent, 0) == 0 &&
           (parent.st_dev != handle_->info.st_dev || parent.st_ino == handle_->info.st_ino);
}

bool OpenFolder::isStill(const QString& path) const {
    struct stat now {};
    return ::stat(QFile::encodeName(path).constData(), &now) == 0 &&
           now.st_dev == handle_->info.st_dev && now.st_ino == handle_->info.st_ino;
}

bool OpenFolder::isLink(const QString& fileName) const {
    struct stat existing {};
    return ::fstatat(handle_->fd, nameBytes(fileName).constData(), &existing,
                     AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(existing.st_mode);
}

void OpenFolder::removeLeftovers(const QString& fileName, qint64 recordSize) const {
    const int folder = handle_->fd;
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryNameOf(QFile::decodeName(entry->d_name), fileName))
            continue;
        struct stat info {};
        if (::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_size <= recordSize &&
            ::unlinkat(folder, entry->d_name, 0) != 0)
            qCWarning(writeLog, "%s, left by an earlier write, stays: %s", entry->d_name,
                      qUtf8Printable(qt_error_string(errno)));
    }
    ::closedir(dir);
}

std::optional<BoundedRead> OpenFolder::read(const QString& fileName, qint64 limit) const {
    const int fd = ::openat(handle_->fd, nameBytes(fileName).constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        return BoundedRead::failed(BoundedRead::Status::CannotOpen, qt_error_string(errno));
    }
    const BoundedRead read = readBoundedFrom(fd, limit);
    ::close(fd);
    return read;
}

std::optional<QByteArray> OpenFolder::readFromDevice(const QString& fileName, qint64 size) const {
    const int fd = ::openat(handle_->fd, nameBytes(fileName).constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
#if defined(Q_OS_LINUX)
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
#endif
    const BoundedRead read = readBoundedFrom(fd, size);
    ::close(fd);
    if (read.status == BoundedRead::Status::TooLarge)
        return QByteArray(size + 1, '\0');
    if (!read.ok())
        return std::nullopt;
    return read.bytes;
}

std::optional<QString> OpenFolder::writeTemporary(const QString& fileName, const QByteArray& bytes,
                                                  bool privateFile, Refusal& refusal) const {
    const int folder = handle_->fd;
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QString name = freshTemporaryName(fileName);
        const QByteArray encoded = nameBytes(name);
        const int fd = ::openat(folder, encoded.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                privateFile ? 0600 : 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            refusal = refused(errno, folder, bytes.size());
            return std::nullopt;
        }
        // The sync's result counts: a card that failed to take the bytes keeps its old file.
        int error = writeAll(fd, bytes) && ::fdatasync(fd) == 0 ? 0 : errno;
        if (::close(fd) != 0 && error == 0)
            error = errno;
        if (error == 0)
            return name;
        ::unlinkat(folder, encoded.constData(), 0);
        refusal = refused(error, folder, bytes.size());
        return std::nullopt;
    }
    refusal = refused(EEXIST, folder, bytes.size());
    return std::nullopt;
}

Refusal OpenFolder::replace(const QString& temporary, const QString& fileName, qint64 size) const {
    const int folder = handle_->fd;
    if (::renameat(folder, nameBytes(temporary).constData(), folder,
                   nameBytes(fileName).constData()) != 0) {
        const int error = errno;
        ::unlinkat(folder, nameBytes(temporary).constData(), 0);
        return refused(error, folder, size);
    }
    if (::fsync(folder) != 0)
        return {WriteFailure::FolderNotFlushed, qt_error_string(errno)};
    return {};
}

} // namespace kestrova::storage
