#pragma once

#include "common/volume_identity.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace kestrova {

// Why a settings file could not be put in place.
enum class WriteFailure {
    None,
    NoFolder,      // no folder was given at all
    FolderMissing, // the folder does not exist, or the card was removed
    PathTooLong,
    IsLink,      // the file in the folder is a symbolic link; it is never written through
    Busy,        // another write to the same file did not finish in time
    NoLock,      // no lock could be made to take turns with other writers; systemText says why
    NameNotUtf8, // the folder's name came with bytes that are no UTF-8 text
    ReadOnly,    // the card is read-only or locked
    CardFull,
    ReadBackDiffers,  // the file was replaced, but reads back different
    Unchecked,        // the file was replaced, but could not be read back
    FolderNotFlushed, // the file was replaced, but the card did not confirm the folder's change
    Other,            // see WriteResult::systemText
};

class FileHistory;

// What became of the file a write replaced.
enum class OldCopy {
    NotNeeded, // there was none, it held the same bytes, or no history was asked for
    Kept,      // its bytes are in the history
    NotKept,   // they could not be read or kept; the write went ahead all the same
};

struct WriteResult {
    QString path;
    WriteFailure failure = WriteFailure::None;
    OldCopy oldCopy = OldCopy::NotNeeded;
    QString systemText{};     // the system's own description, when there is one
    QString oldCopyProblem{}; // why no copy was kept, when oldCopy is NotKept
    bool ok() const { return failure == WriteFailure::None; }
    // Whether the old file is gone although the write did not succeed.
    bool replacedOldFile() const {
        return failure == WriteFailure::ReadBackDiffers || failure == WriteFailure::Unchecked ||
               failure == WriteFailure::FolderNotFlushed;
    }
};

struct WriteOptions {
    // The folder was the mount point of a volume when the user chose it: when it no longer is
    // one, the card was pulled and the write would land on the PC instead.
    bool mustBeMountPoint = false;
    // How long to wait for another writer of the same file before giving up.
    int lockWaitMs = 5000;
    // Where the bytes of a replaced file are kept; none when null.
    FileHistory* history = nullptr;
    // The volume the folder held when it was chosen, and how to tell which it holds now: a
    // folder that now holds another one is refused as for a pulled card. The one it holds is
    // kept with a replaced file, so that the file goes back only to the card it came from.
    VolumeIdentity volume = {};
    std::function<VolumeIdentity(const QString& folder)> volumeAt = {};
    // A file only its owner may read (it holds passwords): made 0600, whatever the umask.
    bool privateFile = false;
};

// The folder and the file name joined with the platform's separator.
QString recordFilePath(const QString& folder, const QString& fileName);

// Whether the folder is where a volume is mounted (the root of a card, say).
bool isMountPoint(const QString& folder);

// The name of a temporary file of this writer for that file, with its six random letters:
// ".menu.dat.kestrova-Ab12Cd". Only names of this form are ever cleared away.
QString temporaryFileName(const QString& fileName, const QString& letters);

// Writes a record file in one piece: a temporary file of the writer's own name in the folder
// (where folders have no handles, QSaveFile's), synced to the device and renamed over the old
// file only once every byte is there, the folder synced, then the file read back from the device
// and compared. Everything happens relative to
// the folder opened once, after the writer's turn came (the card is checked again then). On any
// failure before the rename the file that was there before is left as it was. A file that is
// replaced by different bytes goes into the history first, when one is given.
WriteResult writeRecordFile(const QString& folder, const QString& fileName, const QByteArray& bytes,
                            WriteOptions options = {});

} // namespace kestrova
