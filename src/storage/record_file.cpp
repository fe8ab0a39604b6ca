#include "storage/record_file.h"

#include "storage/bounded_read.h"
#include "storage/file_history.h"
#include "storage/storage_log.h"
#include "storage/write_all.h"
#include "storage/writer_lock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStorageInfo>

#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace kestrova {

namespace {

const QString temporaryTag = QStringLiteral(".kestrova-");

WriteResult failed(WriteResult result, WriteFailure failure, const QString& systemText = {}) {
    if (!systemText.isEmpty())
        qCWarning(storage::writeLog, "writing %s failed: %s", qUtf8Printable(result.path),
                  qUtf8Printable(systemText));
    result.failure = failure;
    result.systemText = systemText;
    return result;
}

QString randomLetters() {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString out;
    for (int i = 0; i < 6; ++i)
        out += letters[QRandomGenerator::global()->bounded(static_cast<int>(letters.size()))];
    return out;
}

} // namespace

QString temporaryFileName(const QString& fileName, const QString& letters) {
    return u'.' + fileName + temporaryTag + letters;
}

QString recordFilePath(const QString& folder, const QString& fileName) {
    const QChar separator = QDir::separator();
    if (folder.endsWith(separator) || folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + separator + fileName;
}

#ifdef Q_OS_UNIX

namespace {

// An open folder, and what it was when opened.
class OpenFolder {
public:
    explicit OpenFolder(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        error_ = fd_ < 0 ? errno : 0;
        if (fd_ >= 0 && ::fstat(fd_, &info_) != 0)
            error_ = errno;
    }
    ~OpenFolder() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    int fd() const { return fd_; }
    int error() const { return error_; }
    const struct stat& info() const { return info_; }

    // A volume's root lies on another device than the folder above it (or is the root itself).
    bool isMountPoint() const {
        struct stat parent {};
        return ::fstatat(fd_, "..", &parent, 0) == 0 &&
               (parent.st_dev != info_.st_dev || parent.st_ino == info_.st_ino);
    }
    // Whether the path still leads to this folder: a card unmounted meanwhile leaves the PC's
    // own folder under that name.
    bool isStill(const QString& path) const {
        struct stat now {};
        return ::stat(QFile::encodeName(path).constData(), &now) == 0 &&
               now.st_dev == info_.st_dev && now.st_ino == info_.st_ino;
    }

private:
    int fd_;
    int error_ = 0;
    struct stat info_ {};
};

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

// Removes what an earlier write of this file left behind when it was cut off before its
// rename: only regular files named as this writer names its temporary files, no larger than a
// record. A file of any other name is the owner's, however it looks.
void removeLeftovers(int folder, const QString& fileName, qint64 recordSize) {
    const QRegularExpression temporaryName(
        QStringLiteral("^") + QRegularExpression::escape(temporaryFileName(fileName, {})) +
        QStringLiteral("[A-Za-z0-9]{6}$"));
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!temporaryName.match(QFile::decodeName(entry->d_name)).hasMatch())
            continue;
        struct stat info {};
        if (::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_size <= recordSize &&
            ::unlinkat(folder, entry->d_name, 0) != 0)
            qCWarning(storage::writeLog, "%s, left by an earlier write, stays: %s", entry->d_name,
                      qUtf8Printable(qt_error_string(errno)));
    }
    ::closedir(dir);
}

// Keeps in the history what the folder holds under that name, unless it holds these very bytes.
// `result` tells whether a copy was kept, or why none could be; `keptId` names the entry, so that
// a write that fails before its rename can take it back.
void keepOldFile(FileHistory& history, const OpenFolder& folder, const QString& folderPath,
                 const QString& fileName, const QByteArray& bytes, const VolumeIdentity& volume,
                 WriteResult& result, QString& keptId) {
    const int fd = ::openat(folder.fd(), nameBytes(fileName).constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {
            result.oldCopy = OldCopy::NotKept;
            result.oldCopyProblem =
                fileName + QStringLiteral(" could not be read: ") + qt_error_string(errno);
        }
        return;
    }
    const storage::BoundedRead old = storage::readBoundedFrom(fd, FileHistory::largestKept);
    ::close(fd);
    if (!old.ok()) {
        result.oldCopy = OldCopy::NotKept;
        result.oldCopyProblem =
            fileName + QStringLiteral(" could not be read: ") +
            (old.status == storage::BoundedRead::Status::TooLarge ? old.sizeText() : old.reason);
        return;
    }
    if (old.bytes == bytes)
        return;
    const KeptCopy kept = history.keep(folderPath, fileName, old.bytes,
                                       QDateTime::currentDateTime(), folder.isMountPoint(), volume);
    if (!kept.kept()) {
        result.oldCopy = OldCopy::NotKept;
        result.oldCopyProblem = kept.problem;
        return;
    }
    keptId = kept.id;
    result.oldCopy = OldCopy::Kept;
}

// The file as the device holds it, not as the page cache remembers it.
std::optional<QByteArray> readFromDevice(int folder, const QString& fileName, qint64 size) {
    const int fd = ::openat(folder, nameBytes(fileName).constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
#if defined(Q_OS_LINUX)
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
#endif
    const storage::BoundedRead read = storage::readBoundedFrom(fd, size);
    ::close(fd);
    if (read.status == storage::BoundedRead::Status::TooLarge)
        return QByteArray(size + 1, '\0');
    if (!read.ok())
        return std::nullopt;
    return read.bytes;
}

// Writes the bytes under a name of this writer's own, made anew, flushed to the device; the
// name, or the system's error number.
std::optional<QString> writeTemporary(int folder, const QString& fileName, const QByteArray& bytes,
                                      mode_t mode, int& error) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QString name = temporaryFileName(fileName, randomLetters());
        const QByteArray encoded = nameBytes(name);
        const int fd = ::openat(folder, encoded.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            error = errno;
            return std::nullopt;
        }
        // The sync's result counts: a card that failed to take the bytes keeps its old file.
        error = storage::writeAll(fd, bytes) && ::fdatasync(fd) == 0 ? 0 : errno;
        if (::close(fd) != 0 && error == 0)
            error = errno;
        if (error == 0)
            return name;
        ::unlinkat(folder, encoded.constData(), 0);
        return std::nullopt;
    }
    error = EEXIST;
    return std::nullopt;
}

} // namespace

bool isMountPoint(const QString& folder) {
    if (folder.isEmpty())
        return false;
    const OpenFolder open(folder);
    return open.fd() >= 0 && open.isMountPoint();
}

WriteResult writeRecordFile(const QString& folder, const QString& fileName, const QByteArray& bytes,
                            WriteOptions options) {
    WriteResult result;
    if (folder.isEmpty())
        return failed(result, WriteFailure::NoFolder);
    result.path = recordFilePath(folder, fileName);
    // A name Qt could not decode stands for another folder, or for none.
    if (folder.contains(QChar::ReplacementCharacter))
        return failed(result, WriteFailure::NameNotUtf8);
    const OpenFolder open(folder);
    if (open.fd() < 0)
        return failed(result,
                      open.error() == ENAMETOOLONG ? WriteFailure::PathTooLong
                      : open.error() == ENOENT || open.error() == ENOTDIR
                          ? WriteFailure::FolderMissing
                          : WriteFailure::Other,
                      qt_error_string(open.error()));
    // Another card in the chosen card's place is no more that card than an empty folder is. A
    // volume whose identity cannot be told now is left to the mount point check.
    const auto cardGone = [&](const VolumeIdentity& now) {
        return (options.mustBeMountPoint && !open.isMountPoint()) ||
               (!options.volume.isEmpty() && !now.isEmpty() && now.uuid != options.volume.uuid);
    };
    if (cardGone({}))
        return failed(result, WriteFailure::FolderMissing);

    WriterLock lock;
    switch (lock.acquire(open.info().st_dev, open.info().st_ino, fileName, options.lockWaitMs)) {
    case WriterLock::State::Held:
        break;
    case WriterLock::State::Busy:
        return failed(result, WriteFailure::Busy);
    case WriterLock::State::Unavailable:
        return failed(result, WriteFailure::NoLock, lock.reason());
    }
    // The card may have been pulled, or another put in its place, while this writer waited.
    const VolumeIdentity found = options.volumeAt ? options.volumeAt(folder) : VolumeIdentity{};
    if (!open.isStill(folder) || cardGone(found))
        return failed(result, WriteFailure::FolderMissing);
    const VolumeIdentity volume = found.isEmpty() ? options.volume : found;
    struct stat existing {};
    if (::fstatat(open.fd(), nameBytes(fileName).constData(), &existing, AT_SYMLINK_NOFOLLOW) ==
            0 &&
        S_ISLNK(existing.st_mode))
        return failed(result, WriteFailure::IsLink);

    removeLeftovers(open.fd(), fileName, bytes.size());
    QString keptId;
    if (options.history)
        keepOldFile(*options.history, open, folder, fileName, bytes, volume, result, keptId);
    if (result.oldCopy == OldCopy::NotKept)
        qCWarning(storage::historyLog, "no copy of %s was kept: %s", qUtf8Printable(result.path),
                  qUtf8Printable(result.oldCopyProblem));
    // Until the rename, the card still holds what the history entry holds.
    const auto dropKeptCopy = [&] {
        if (!keptId.isEmpty())
            options.history->remove(keptId);
        result.oldCopy = OldCopy::NotNeeded;
        result.oldCopyProblem.clear();
    };

    int error = 0;
    const auto temporary =
        writeTemporary(open.fd(), fileName, bytes, options.privateFile ? 0600 : 0666, error);
    if (!temporary) {
        dropKeptCopy();
        return failed(result, classify(error, open.fd(), bytes.size()), qt_error_string(error));
    }
    if (::renameat(open.fd(), nameBytes(*temporary).constData(), open.fd(),
                   nameBytes(fileName).constData()) != 0) {
        error = errno;
        ::unlinkat(open.fd(), nameBytes(*temporary).constData(), 0);
        dropKeptCopy();
        return failed(result, classify(error, open.fd(), bytes.size()), qt_error_string(error));
    }
    if (::fsync(open.fd()) != 0)
        return failed(result, WriteFailure::FolderNotFlushed, qt_error_string(errno));
    const auto written = readFromDevice(open.fd(), fileName, bytes.size());
    if (!written) {
        qCWarning(storage::writeLog, "%s was written but cannot be read back",
                  qUtf8Printable(result.path));
        return failed(result, WriteFailure::Unchecked);
    }
    if (*written != bytes) {
        qCWarning(storage::writeLog, "%s reads back other bytes than were written",
                  qUtf8Printable(result.path));
        return failed(result, WriteFailure::ReadBackDiffers);
    }
    return result;
}

#else

bool isMountPoint(const QString& folder) {
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir())
        return false;
    const QStorageInfo storage(folder);
    return storage.isValid() &&
           QFileInfo(storage.rootPath()).canonicalFilePath() == info.canonicalFilePath();
}

// Systems without folder handles write by path, through QSaveFile, which names its temporary
// file in the folder itself and removes it when the write fails. A write cut off there may
// leave that file behind: its name is not this writer's, so it is never cleared away.
WriteResult writeRecordFile(const QString& folder, const QString& fileName, const QByteArray& bytes,
                            WriteOptions options) {
    WriteResult result;
    if (folder.isEmpty())
        return failed(result, WriteFailure::NoFolder);
    result.path = recordFilePath(folder, fileName);
    if (!QFileInfo(folder).isDir() || (options.mustBeMountPoint && !isMountPoint(folder)))
        return failed(result, WriteFailure::FolderMissing);
    WriterLock lock;
    if (lock.acquire(0, 0, fileName, options.lockWaitMs) != WriterLock::State::Held)
        return failed(result, WriteFailure::Busy);
    if (QFileInfo(result.path).isSymLink())
        return failed(result, WriteFailure::IsLink);
    QSaveFile file(result.path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return failed(result, WriteFailure::Other, file.errorString());
    QFile back(result.path);
    if (!back.open(QIODevice::ReadOnly))
        return failed(result, WriteFailure::Unchecked);
    if (back.read(bytes.size() + 1) != bytes)
        return failed(result, WriteFailure::ReadBackDiffers);
    return result;
}

#endif

} // namespace kestrova
