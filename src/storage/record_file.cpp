#include "storage/record_file.h"

#include "storage/file_history.h"
#include "storage/open_folder.h"
#include "storage/storage_log.h"
#include "storage/writer_lock.h"

#include <QDateTime>
#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace kestrova {

namespace {

const QString temporaryTag = QStringLiteral(".kestrova-");

WriteResult failed(WriteResult result, WriteFailure failure, const QString& systemText = {}) {
    if (!systemText.isEmpty())
        qCWarning(storage::writeLog, "writing %s failed: %s", qUtf8Printable(result.path),
                  qUtf8Printable(systemText));
    result.failure = failure;
    result.systemText = systemText;
    return result;
}

WriteResult failed(WriteResult result, const storage::Refusal& refusal) {
    return failed(std::move(result), refusal.failure, refusal.systemText);
}

QString randomLetters() {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString out;
    for (int i = 0; i < 6; ++i)
        out += letters[QRandomGenerator::global()->bounded(static_cast<int>(letters.size()))];
    return out;
}

// Keeps in the history what the folder holds under that name, unless it holds these very bytes.
// `result` tells whether a copy was kept, or why none could be; `keptId` names the entry, so that
// a write that fails before its rename can take it back.
void keepOldFile(FileHistory& history, const storage::OpenFolder& folder, const QString& folderPath,
                 const QString& fileName, const QByteArray& bytes, const VolumeIdentity& volume,
                 WriteResult& result, QString& keptId) {
    const auto old = folder.read(fileName, FileHistory::largestKept);
    if (!old)
        return;
    if (!old->ok()) {
        result.oldCopy = OldCopy::NotKept;
        result.oldCopyProblem =
            fileName + QStringLiteral(" could not be read: ") +
            (old->status == storage::BoundedRead::Status::TooLarge ? old->sizeText() : old->reason);
        return;
    }
    if (old->bytes == bytes)
        return;
    const KeptCopy kept = history.keep(folderPath, fileName, old->bytes,
                                       QDateTime::currentDateTime(), folder.isMountPoint(), volume);
    if (!kept.kept()) {
        result.oldCopy = OldCopy::NotKept;
        result.oldCopyProblem = kept.problem;
        return;
    }
    keptId = kept.id;
    result.oldCopy = OldCopy::Kept;
}

} // namespace

namespace storage {

QString freshTemporaryName(const QString& fileName) {
    return temporaryFileName(fileName, randomLetters());
}

bool isTemporaryNameOf(const QString& name, const QString& fileName) {
    const QRegularExpression temporaryName(
        QStringLiteral("^") + QRegularExpression::escape(temporaryFileName(fileName, {})) +
        QStringLiteral("[A-Za-z0-9]{6}$"));
    return temporaryName.match(name).hasMatch();
}

} // namespace storage

QString temporaryFileName(const QString& fileName, const QString& letters) {
    return u'.' + fileName + temporaryTag + letters;
}

QString recordFilePath(const QString& folder, const QString& fileName) {
    const QChar separator = QDir::separator();
    if (folder.endsWith(separator) || folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + separator + fileName;
}

bool isMountPoint(const QString& folder) {
    if (folder.isEmpty())
        return false;
    const storage::OpenFolder open(folder);
    return !open.openFailure() && open.isMountPoint();
}

WriteResult writeRecordFile(const QString& folder, const QString& fileName, const QByteArray& bytes,
                            WriteOptions options) {
    WriteResult result;
    if (folder.isEmpty())
        return failed(result, WriteFailure::NoFolder);
    result.path = recordFilePath(folder, fileName);
    // A name Qt could not decode stands for another folder, or for none.
    if (folder.contains(QChar::ReplacementCharacter))
        return failed(result, WriteFailure::NameNotUtf8);
    const storage::OpenFolder open(folder);
    if (const storage::Refusal refusal = open.openFailure())
        return failed(result, refusal);
    // Another card in the chosen card's place is no more that card than an empty folder is. A
    // volume whose identity cannot be told now is left to the mount point check.
    const auto cardGone = [&](const VolumeIdentity& now) {
        return (options.mustBeMountPoint && !open.isMountPoint()) ||
               (!options.volume.isEmpty() && !now.isEmpty() && now.uuid != options.volume.uuid);
    };
    if (cardGone({}))
        return failed(result, WriteFailure::FolderMissing);

    WriterLock lock;
    switch (lock.acquire(open.device(), open.inode(), fileName, options.lockWaitMs)) {
    case WriterLock::State::Held:
        break;
    case WriterLock::State::Busy:
        return failed(result, WriteFailure::Busy);
    case WriterLock::State::Unavailable:
        return failed(result, WriteFailure::NoLock, lock.reason());
    }
    // The card may have been pulled, or another put in its place, while this writer waited.
    const VolumeIdentity found = options.volumeAt ? options.volumeAt(folder) : VolumeIdentity{};
    if (!open.isStill(folder) || cardGone(found))
        return failed(result, WriteFailure::FolderMissing);
    const VolumeIdentity volume = found.isEmpty() ? options.volume : found;
    if (open.isLink(fileName))
        return failed(result, WriteFailure::IsLink);

    open.removeLeftovers(fileName, bytes.size());
    QString keptId;
    if (options.history)
        keepOldFile(*options.history, open, folder, fileName, bytes, volume, result, keptId);
    if (result.oldCopy == OldCopy::NotKept)
        qCWarning(storage::historyLog, "no copy of %s was kept: %s", qUtf8Printable(result.path),
                  qUtf8Printable(result.oldCopyProblem));
    // Until the rename, the card still holds what the history entry holds.
    const auto dropKeptCopy = [&] {
        if (!keptId.isEmpty())
            options.history->remove(keptId);
        result.oldCopy = OldCopy::NotNeeded;
        result.oldCopyProblem.clear();
    };

    storage::Refusal refusal;
    const auto temporary = open.writeTemporary(fileName, bytes, options.privateFile, refusal);
    if (!temporary) {
        dropKeptCopy();
        return failed(result, refusal);
    }
    refusal = open.replace(*temporary, fileName, bytes.size());
    if (refusal.failure == WriteFailure::FolderNotFlushed)
        return failed(result, refusal);
    if (refusal) {
        dropKeptCopy();
        return failed(result, refusal);
    }
    const auto written = open.readFromDevice(fileName, bytes.size());
    if (!written) {
        qCWarning(storage::writeLog, "%s was written but cannot be read back",
                  qUtf8Printable(result.path));
        return failed(result, WriteFailure::Unchecked);
    }
    if (*written != bytes) {
        qCWarning(storage::writeLog, "%s reads back other bytes than were written",
                  qUtf8Printable(result.path));
        return failed(result, WriteFailure::ReadBackDiffers);
    }
    return result;
}

} // namespace kestrova
