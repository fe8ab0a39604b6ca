#pragma once

#include <QByteArray>
#include <QString>

namespace kestrova {

// Why a settings file could not be put in place.
enum class WriteFailure {
    None,
    FolderMissing, // the folder does not exist, or the card was removed
    ReadOnly,      // the card is read-only or locked
    CardFull,
    ReadBackDiffers,
    Other, // see WriteResult::systemText
};

struct WriteResult {
    QString path;
    WriteFailure failure = WriteFailure::None;
    QString systemText; // the system's own description, when there is one
    bool ok() const { return failure == WriteFailure::None; }
};

// The folder a form starts with and falls back to: "C:\" on Windows, the home folder elsewhere.
QString defaultTargetFolder();

// The folder and the file name joined with the platform's separator.
QString recordFilePath(const QString& folder, const QString& fileName);

// Writes a record file in one piece: a temporary file in the folder, renamed over the old
// file only once every byte is written, then read back and compared. On any failure the
// file that was there before is left as it was.
WriteResult writeRecordFile(const QString& folder, const QString& fileName,
                            const QByteArray& bytes);

} // namespace kestrova
