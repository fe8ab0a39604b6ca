#include "storage/append_file.h"

#include "storage/writer_lock.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace kestrova::storage {

std::optional<FileIdentity> fileIdentity(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return std::nullopt;
    // Where the system gives no inode, one path names one file.
    return FileIdentity{0, qHash(canonical.toLower())};
}

struct AppendFile::Open {
    WriterLock lock;
    QFile file;
};

AppendFile::AppendFile() = default;
AppendFile::~AppendFile() = default;

std::optional<QString> AppendFile::open(const QString& path, int lockWaitMs) {
    open_.reset();
    auto held = std::make_unique<Open>();
    if (held->lock.acquire(0, qHash(QFileInfo(path).absoluteFilePath()), QFileInfo(path).fileName(),
                           lockWaitMs) != WriterLock::State::Held)
        return busyText();
    held->file.setFileName(path);
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile())
        return QStringLiteral("not a regular file");
    if (!held->file.open(QIODevice::ReadWrite | QIODevice::Append))
        return held->file.errorString();
    open_ = std::move(held);
    return std::nullopt;
}

FileIdentity AppendFile::identity() const {
    return open_ ? fileIdentity(open_->file.fileName()).value_or(FileIdentity{}) : FileIdentity{};
}

qint64 AppendFile::size() const {
    return open_ ? open_->file.size() : 0;
}

BoundedRead AppendFile::readAll(qint64 limit) const {
    return readBounded(open_ ? open_->file.fileName() : QString(),
                       std::min(limit, size() + growthAllowed));
}

std::optional<QString> AppendFile::append(const QByteArray& bytes) {
    if (!open_)
        return QStringLiteral("it is not open");
    QFile& file = open_->file;
    const qint64 before = file.size();
    if (file.write(bytes) == bytes.size() && file.flush())
        return std::nullopt;
    const QString why = file.errorString();
    file.resize(before);
    return why;
}

} // namespace kestrova::storage
