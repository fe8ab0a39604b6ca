#pragma once

#include "storage/bounded_read.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace kestrova::storage {

// Which file a path leads to: its device and inode (following links).
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The file the path leads to now; nothing when there is none (or the system cannot tell).
std::optional<FileIdentity> fileIdentity(const QString& path);

// A file that only ever grows (a log), opened by its path for each append, so that a file put in
// its place meanwhile (a spreadsheet or a sync client saving it) is the one that grows. Appends
// to one file take turns on the writer's lock of its folder and name, for as long as this lives.
class AppendFile {
public:
    AppendFile();
    ~AppendFile();
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;

    // Takes the lock, then opens the file at the path (made empty when it is not there) without
    // following a link and without waiting on a FIFO; why it cannot be appended to.
    std::optional<QString> open(const QString& path, int lockWaitMs = 5000);

    FileIdentity identity() const;
    qint64 size() const;
    // The whole file, at most `limit` bytes.
    BoundedRead readAll(qint64 limit) const;
    // Adds the bytes at the end and syncs them to the disk; when that fails, the file is cut back
    // to the length it had before, where the system allows. Why it failed.
    std::optional<QString> append(const QByteArray& bytes);

private:
    // Room for what another program may add between the size asked and the read.
    static constexpr qint64 growthAllowed = 64 * 1024;
    static QString busyText() { return QStringLiteral("another program of ours is writing to it"); }

    struct Open;
    std::unique_ptr<Open> open_;
};

} // namespace kestrova::storage
