#pragma once

#include <QString>

#include <memory>

namespace kestrova {

// Writers of one file take turns on an advisory lock outside the card: the card's own file system
// may not support locks, and nothing but the settings file should ever be left on it. The lock
// lives in a private folder of the user's (the runtime folder, else one in the user's data
// folder), is never opened through a link, and is named by the folder's device and inode, so two
// paths to one folder share it. The system lets it go when the process ends, however it ends.
class WriterLock {
public:
    enum class State {
        Held,
        Busy,        // another writer kept it past the wait
        Unavailable, // no lock could be made: reason() says why
    };

    WriterLock();
    ~WriterLock(); // removes the lock file, then lets the lock go
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

    // Waits up to waitMs for the lock of that file in the folder with this device and inode.
    State acquire(quint64 device, quint64 inode, const QString& fileName, int waitMs);

    // Why no lock could be made: the place and the system's reason.
    QString reason() const { return reason_; }

private:
    struct Held;
    std::unique_ptr<Held> held_;
    QString reason_;
};

// The name of the lock of that file in the folder with this device and inode.
QString writeLockName(quint64 device, quint64 inode, const QString& fileName);

// The lock file of that file in that folder, or an empty text when no lock folder can be had.
QString writeLockPath(const QString& folder, const QString& fileName);

} // namespace kestrova
