#pragma once

#include <QByteArray>
#include <QString>

namespace kestrova::format {

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

    bool ok() const { return status == Status::Ok; }
};

BoundedRead readBounded(const QString& path, qint64 limit);

} // namespace kestrova::format
