#include "format/record_file.h"

#include "format/file_history.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStorageInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kestrova {

namespace {

// Writers of one file take turns on a lock outside the card. On POSIX an advisory lock on an
// open file: the system lets it go when its process ends, however it ends.
class WriterLock {
public:
    explicit WriterLock(const QString& path)
#ifdef Q_OS_UNIX
        : handle_(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
#else
        : lock_(path)
#endif
    {
    }
    ~WriterLock() {
#ifdef Q_OS_UNIX
        if (handle_ >= 0)
            ::close(handle_);
#endif
    }
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

    bool acquire(int waitMs) const {
#ifdef Q_OS_UNIX
        if (handle_ < 0)
            return false;
        QDeadlineTimer deadline(waitMs);
        while (::flock(handle_, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK || deadline.hasExpired())
                return false;
            QThread::msleep(10);
        }
        return true;
#else
        return lock_.tryLock(waitMs);
#endif
    }

private:
#ifdef Q_OS_UNIX
    int handle_;
#else
    mutable QLockFile lock_;
#endif
};

// Settings files are tiny; a far larger file of that name is nothing this program wrote.
constexpr qint64 largestKept = 1 << 20;

WriteFailure classify(const QString& folder, int error, qint64 bytesNeeded) {
    if (error == ENAMETOOLONG)
        return WriteFailure::PathTooLong;
    const QFileInfo folderInfo(folder);
    if (!folderInfo.exists() || !folderInfo.isDir())
        return WriteFailure::FolderMissing;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return WriteFailure::FolderMissing;
    case EROFS:
    case EACCES:
    case EPERM:
        return WriteFailure::ReadOnly;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return WriteFailure::CardFull;
    default:
        break;
    }
    // Where the system gave no usable error number, ask the folder itself.
    if (!folderInfo.isWritable())
        return WriteFailure::ReadOnly;
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.bytesAvailable() < bytesNeeded)
        return WriteFailure::CardFull;
    return WriteFailure::Other;
}

WriteResult failed(WriteResult result, WriteFailure failure, const QString& systemText = {}) {
    result.failure = failure;
    result.systemText = systemText;
    return result;
}

QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// What stands in the folder before anything is written: nothing when the write may go ahead.
std::optional<WriteFailure> checkTarget(const QString& folder, const QString& path) {
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0)
        return errno == ENAMETOOLONG ? WriteFailure::PathTooLong : WriteFailure::FolderMissing;
    if (!S_ISDIR(info.st_mode))
        return WriteFailure::FolderMissing;
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode))
        return WriteFailure::IsLink;
    if (errno == ENAMETOOLONG)
        return WriteFailure::PathTooLong;
#else
    if (QFileInfo(path).isSymLink())
        return WriteFailure::IsLink;
#endif
    return std::nullopt;
}

} // namespace

// One lock per target file, outside the card: the card's own file system may not support
// locks, and nothing but the settings file should ever be left on it.
QString writeLockPath(const QString& path) {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath();
    const QByteArray target = QFileInfo(path).absoluteFilePath().toUtf8();
    const QString name = QString::fromLatin1(
        QCryptographicHash::hash(target, QCryptographicHash::Sha1).toHex().left(20));
    return folder + QStringLiteral("/kestrova-write-") + name + QStringLiteral(".lock");
}

namespace {

// Removes what an earlier write of this file left behind when it was cut off before its
// rename: only regular files named exactly as its temporary files are, no larger than a record.
void removeLeftovers(const QString& folder, const QString& fileName, qint64 recordSize) {
    const QRegularExpression temporaryName(QStringLiteral("^") +
                                           QRegularExpression::escape(fileName) +
                                           QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    const QDir dir(folder);
    const QFileInfoList candidates =
        dir.entryInfoList({fileName + QStringLiteral(".??????")},
                          QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& candidate : candidates) {
        if (temporaryName.match(candidate.fileName()).hasMatch() && !candidate.isSymLink() &&
            candidate.size() <= recordSize)
            QFile::remove(candidate.absoluteFilePath());
    }
}

// Copies what the folder holds under that name into the history before it is replaced; the
// entry's id, or nothing when no copy was needed or none could be made.
OldCopy keepOldFile(FileHistory& history, const QString& folder, const QString& fileName,
                    const QString& path, const QByteArray& bytes, const VolumeIdentity& volume,
                    QString& keptId) {
    const QFileInfo old(path);
    if (!old.exists())
        return OldCopy::NotNeeded;
    QFile file(path);
    if (!old.isFile() || old.size() > largestKept || !file.open(QIODevice::ReadOnly))
        return OldCopy::NotKept;
    const QByteArray oldBytes = file.readAll();
    if (oldBytes == bytes)
        return OldCopy::NotNeeded;
    const auto id = history.keep(folder, fileName, oldBytes, QDateTime::currentDateTime(), volume);
    if (!id)
        return OldCopy::NotKept;
    keptId = *id;
    return OldCopy::Kept;
}

// Flushes the file's data to the device; false when the device did not take it.
bool syncFile(int handle) {
#ifdef Q_OS_UNIX
    return ::fdatasync(handle) == 0;
#else
    Q_UNUSED(handle);
    return true;
#endif
}

// Makes the rename itself durable. Systems without a folder sync have nothing to do.
bool syncFolder(const QString& folder) {
#ifdef Q_OS_UNIX
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (handle < 0)
        return false;
    const bool synced = ::fsync(handle) == 0;
    ::close(handle);
    return synced;
#else
    Q_UNUSED(folder);
    return true;
#endif
}

// Reads the file as the device holds it, not as the page cache remembers it.
std::optional<QByteArray> readFromDevice(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
#if defined(Q_OS_LINUX)
    ::posix_fadvise(file.handle(), 0, 0, POSIX_FADV_DONTNEED);
#endif
    QByteArray bytes = file.read(size + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

QString defaultTargetFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::homePath();
#endif
}

QString recordFilePath(const QString& folder, const QString& fileName) {
    const QChar separator = QDir::separator();
    if (folder.endsWith(separator) || folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + separator + fileName;
}

bool isMountPoint(const QString& folder) {
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir())
        return false;
#ifdef Q_OS_UNIX
    // A volume's root lies on another device than the folder above it (or is the root itself).
    struct stat self {};
    struct stat parent {};
    const QByteArray path = QFile::encodeName(info.canonicalFilePath());
    if (::stat(path.constData(), &self) != 0 || ::stat((path + "/..").constData(), &parent) != 0)
        return false;
    return self.st_dev != parent.st_dev || self.st_ino == parent.st_ino;
#else
    const QStorageInfo storage(folder);
    return storage.isValid() &&
           QFileInfo(storage.rootPath()).canonicalFilePath() == info.canonicalFilePath();
#endif
}
WriteResult writeRecordFile(const QString& folder, const QString& fileName, const QByteArray& bytes,
                            WriteOptions options) {
    WriteResult result;
    if (folder.isEmpty())
        return failed(result, WriteFailure::NoFolder);
    result.path = recordFilePath(folder, fileName);
    if (options.mustBeMountPoint && !isMountPoint(folder))
        return failed(result, WriteFailure::FolderMissing);
    const VolumeIdentity volume = options.volumeAt ? options.volumeAt(folder) : VolumeIdentity{};
    // Another card in the chosen card's place is no more that card than an empty folder is. A
    // volume whose identity cannot be told now is left to the mount point check.
    if (!options.volume.isEmpty() && !volume.isEmpty() && volume.uuid != options.volume.uuid)
        return failed(result, WriteFailure::FolderMissing);

    WriterLock lock(writeLockPath(result.path));
    if (!lock.acquire(options.lockWaitMs))
        return failed(result, WriteFailure::Busy);
    if (const auto failure = checkTarget(folder, result.path))
        return failed(result, *failure);
    removeLeftovers(folder, fileName, bytes.size());
    QString keptId;
    if (options.history)
        result.oldCopy = keepOldFile(*options.history, folder, fileName, result.path, bytes,
                                     volume.isEmpty() ? options.volume : volume, keptId);
    // Until the rename, the card still holds what the history entry holds.
    const auto dropKeptCopy = [&] {
        if (!keptId.isEmpty())
            options.history->remove(keptId);
        result.oldCopy = OldCopy::NotNeeded;
    };

    // Unbuffered, so a full card fails the write itself: a buffered write's error can surface
    // only while committing, and some Qt versions rename the short file over the old one then.
    QSaveFile file(result.path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = errno;
        dropKeptCopy();
        return failed(result, classify(folder, error, bytes.size()), file.errorString());
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        const QString text = file.errorString();
        file.cancelWriting();
        dropKeptCopy();
        return failed(result, classify(folder, error, bytes.size()), text);
    }
    // The commit syncs too, but ignores what the sync says: a card that failed to take the
    // bytes must keep its old file.
    if (!syncFile(file.handle())) {
        const int error = errno;
        file.cancelWriting();
        dropKeptCopy();
        return failed(result, classify(folder, error, bytes.size()), systemText(error));
    }
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        dropKeptCopy();
        return failed(result, classify(folder, error, bytes.size()), file.errorString());
    }

    if (!syncFolder(folder))
        return failed(result, WriteFailure::Unchecked, systemText(errno));
    const auto written = readFromDevice(result.path, bytes.size());
    if (!written)
        return failed(result, WriteFailure::Unchecked);
    if (*written != bytes)
        return failed(result, WriteFailure::ReadBackDiffers);
    return result;
}

} // namespace kestrova
