#pragma once

#include "storage/bounded_read.h"
#include "storage/record_file.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace kestrova::storage {

// A new name for a temporary file of that file, with six random letters.
QString freshTemporaryName(const QString& fileName);
// Whether the name is one this writer gives a temporary file of that file.
bool isTemporaryNameOf(const QString& name, const QString& fileName);

// Why the system refused a step of a write, as the user is told it, with its own words.
struct Refusal {
    WriteFailure failure = WriteFailure::None;
    QString systemText{};
    explicit operator bool() const { return failure != WriteFailure::None; }
};

// The folder a settings file is written into, opened once: every later step goes through it,
// so a card pulled meanwhile leaves the PC's own folder of that name untouched. One
// implementation per system: open_folder_posix.cpp (folder descriptors), open_folder_win32.cpp
// (a folder handle that keeps the folder from being removed or renamed while it is open).
class OpenFolder {
public:
    explicit OpenFolder(const QString& path);
    ~OpenFolder();
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    // Why it could not be opened; nothing when it is open.
    Refusal openFailure() const;
    // Which folder it is, whatever the path to it: its volume and its number there.
    quint64 device() const;
    quint64 inode() const;

    // A volume's root (a card's, say), not a folder on the volume above it.
    bool isMountPoint() const;
    // Whether the path still leads to this folder: a card unmounted meanwhile leaves the PC's
    // own folder under that name.
    bool isStill(const QString& path) const;
    // Whether the folder holds a link (or another redirection) under that name.
    bool isLink(const QString& fileName) const;

    // Removes what an earlier write of this file left behind when it was cut off before its
    // rename: only regular files named as this writer names its temporary files, no larger than
    // a record. A file of any other name is the owner's, however it looks.
    void removeLeftovers(const QString& fileName, qint64 recordSize) const;
    // The file under that name, never through a link, at most `limit` bytes; nothing when
    // there is no such file.
    std::optional<BoundedRead> read(const QString& fileName, qint64 limit) const;
    // The file as the device holds it, not as the system's cache remembers it; a text longer
    // than `size` when it is larger, nothing when it cannot be read.
    std::optional<QByteArray> readFromDevice(const QString& fileName, qint64 size) const;

    // Writes the bytes under a name of the writer's own, made anew, flushed to the device; the
    // name, or nothing with `refusal` saying why (the temporary file is gone then). A private
    // file (it holds passwords) is for its owner's eyes only, whatever the umask.
    std::optional<QString> writeTemporary(const QString& fileName, const QByteArray& bytes,
                                          bool privateFile, Refusal& refusal) const;
    // Renames the temporary file over the file and waits until the device has the change. A
    // refusal of the rename leaves the old file and removes the temporary one; FolderNotFlushed
    // says the rename happened but the device did not confirm it.
    Refusal replace(const QString& temporary, const QString& fileName, qint64 size) const;

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

} // namespace kestrova::storage
