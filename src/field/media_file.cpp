#include "field/media_file.h"

#include "field/media_header.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kestrova::field {

namespace {

std::optional<CameraTime> wallTimeOf(const QDateTime& modified) {
    if (!modified.isValid())
        return std::nullopt;
    const QDateTime local = modified.toLocalTime();
    return CameraTime::of(local.date(), local.time());
}

#ifndef Q_OS_WIN

// An open file read with pread: the header readers ask for a few pieces of it.
class FileSource final : public ByteSource {
public:
    FileSource(int fd, qint64 size)
        : fd_(fd)
        , size_(size) {}
    qint64 size() const override { return size_; }
    QByteArray read(qint64 offset, qint64 length) override {
        QByteArray bytes(static_cast<qsizetype>(length), Qt::Uninitialized);
        qint64 got = 0;
        while (got < length) {
            const ssize_t n = ::pread(fd_, bytes.data() + got, static_cast<size_t>(length - got),
                                      static_cast<off_t>(offset + got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                error_ = QString::fromLocal8Bit(std::strerror(errno));
                break;
            }
            if (n == 0)
                break;
            got += n;
        }
        bytes.truncate(static_cast<qsizetype>(got));
        return bytes;
    }
    const QString& error() const { return error_; }

private:
    int fd_;
    qint64 size_;
    QString error_;
};

int openForReading(const QByteArray& path) {
    const int flags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
#ifdef O_NOATIME
    // Only the file's owner (or root) may leave its access time alone; others read as usual.
    const int fd = ::open(path.constData(), flags | O_NOATIME);
    if (fd >= 0 || errno != EPERM)
        return fd;
#endif
    return ::open(path.constData(), flags);
}

#else

class FileSource final : public ByteSource {
public:
    explicit FileSource(QFile& file)
        : file_(file) {}
    qint64 size() const override { return file_.size(); }
    QByteArray read(qint64 offset, qint64 length) override {
        if (!file_.seek(offset))
            return {};
        QByteArray bytes = file_.read(length);
        if (bytes.size() < length && file_.error() != QFileDevice::NoError)
            error_ = file_.errorString();
        return bytes;
    }
    const QString& error() const { return error_; }

private:
    QFile& file_;
    QString error_;
};

#endif

MediaFacts unreadable(MediaFacts facts, const QString& reason) {
    facts.header.damage = MediaDamage::Unreadable;
    facts.reason = reason;
    return facts;
}

} // namespace

MediaFacts readMediaFile(const QString& path, const QString& relativePath, MediaKind kind) {
    MediaFacts facts;
    facts.relativePath = relativePath;
    facts.kind = kind;
#ifndef Q_OS_WIN
    const int fd = openForReading(QFile::encodeName(path));
    if (fd < 0)
        return unreadable(facts, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat status {};
    const bool statted = ::fstat(fd, &status) == 0;
    if (!statted || !S_ISREG(status.st_mode)) {
        const QString reason = statted ? QStringLiteral("not a regular file")
                                       : QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return unreadable(facts, reason);
    }
    facts.size = status.st_size;
    FileSource source(fd, facts.size);
    facts.header = readHeader(kind, path, source);
    ::close(fd);
    // Only a file without a time of its own needs the file system's, a conversion into the
    // system's zone that is not worth making for every picture of a card.
    if (!facts.header.taken)
        facts.fileTime = wallTimeOf(QDateTime::fromSecsSinceEpoch(status.st_mtime));
#else
    QFile file(path);
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile())
        return unreadable(facts, QStringLiteral("not a regular file"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return unreadable(facts, file.errorString());
    facts.size = file.size();
    FileSource source(file);
    facts.header = readHeader(kind, path, source);
    if (!facts.header.taken)
        facts.fileTime = wallTimeOf(info.lastModified());
#endif
    if (!source.error().isEmpty())
        return unreadable(facts, source.error());
    return facts;
}

std::optional<QByteArray> readCardFile(const QString& path, qint64 limit) {
#ifndef Q_OS_WIN
    const int fd = openForReading(QFile::encodeName(path));
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= limit) {
        FileSource source(fd, status.st_size);
        bytes = source.read(0, status.st_size);
        if (!source.error().isEmpty())
            bytes.reset();
    }
    ::close(fd);
    return bytes;
#else
    const QFileInfo info(path);
    QFile file(path);
    if (info.isSymLink() || !info.isFile() || info.size() > limit ||
        !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
#endif
}

} // namespace kestrova::field
