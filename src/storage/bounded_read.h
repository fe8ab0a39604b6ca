#pragma once

#include <QByteArray>
#include <QString>

namespace kestrova::storage {

// What reading a file the user named gave. Only a regular file is read, and at most `limit`
// bytes of it: a FIFO without a writer would block, a device may never end, and a huge file
// is not worth reading to find it is none of ours.
struct BoundedRead {
    enum class Status {
        Ok,         // bytes holds the whole file
        CannotOpen, // reason says why (no such file, no permission, ...)
        NotRegular, // reason names what it is instead (a folder, a FIFO, a device)
        TooLarge,   // size holds the file's size, larger than the limit; nothing was read
        ReadError,  // the file opened but reading it failed; reason says why
    };

    Status status = Status::CannotOpen;
    QByteArray bytes;
    qint64 size = 0;
    QString reason;
    // False when the system gave no size (a /proc file says 0) and reading found more than the
    // limit: size then says only "more than the limit".
    bool sizeKnown = true;

    bool ok() const { return status == Status::Ok; }
    // "721 bytes", or "more than 720 bytes" where the true size is not known.
    QString sizeText() const;

    static BoundedRead failed(Status status, const QString& reason);
    // "not a regular file (a FIFO)"
    static BoundedRead notRegular(const QString& kind);
    static BoundedRead tooLarge(qint64 size, bool sizeKnown = true);
    // What was read, when reading found at most `limit` bytes; too large otherwise.
    static BoundedRead whole(QByteArray bytes, qint64 limit);
};

BoundedRead readBounded(const QString& path, qint64 limit);

#ifdef Q_OS_WIN
// The same for a file already opened; the handle stays open.
BoundedRead readBoundedFrom(Qt::HANDLE file, qint64 limit);
#else
// The same for a file already opened (with O_NONBLOCK, so a FIFO does not wait for a writer);
// the descriptor stays open.
BoundedRead readBoundedFrom(int fd, qint64 limit);
#endif

} // namespace kestrova::storage
