#include "common/record_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>

namespace kestrova {

namespace {

WriteFailure classify(const QString& folder, int error, qint64 bytesNeeded) {
    const QFileInfo folderInfo(folder);
    if (!folderInfo.exists() || !folderInfo.isDir())
        return WriteFailure::FolderMissing;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return WriteFailure::FolderMissing;
    case EROFS:
    case EACCES:
    case EPERM:
        return WriteFailure::ReadOnly;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return WriteFailure::CardFull;
    default:
        break;
    }
    // Where the system gave no usable error number, ask the folder itself.
    if (!folderInfo.isWritable())
        return WriteFailure::ReadOnly;
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.bytesAvailable() < bytesNeeded)
        return WriteFailure::CardFull;
    return WriteFailure::Other;
}

WriteResult failed(WriteResult result, const QString& folder, int error, qint64 bytesNeeded,
                   const QString& systemText) {
    result.failure = classify(folder, error, bytesNeeded);
    result.systemText = systemText;
    return result;
}

} // namespace

QString defaultTargetFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::homePath();
#endif
}

QString recordFilePath(const QString& folder, const QString& fileName) {
    const QChar separator = QDir::separator();
    if (folder.endsWith(separator) || folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + separator + fileName;
}

WriteResult writeRecordFile(const QString& folder, const QString& fileName,
                            const QByteArray& bytes) {
    WriteResult result;
    result.path = recordFilePath(folder, fileName);

    // Unbuffered, so a full card fails the write itself: a buffered write's error can surface
    // only while committing, and some Qt versions rename the short file over the old one then.
    QSaveFile file(result.path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(result, folder, errno, bytes.size(), file.errorString());
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        const QString text = file.errorString();
        file.cancelWriting();
        return failed(result, folder, error, bytes.size(), text);
    }
    errno = 0;
    if (!file.commit())
        return failed(result, folder, errno, bytes.size(), file.errorString());

    QFile written(result.path);
    if (!written.open(QIODevice::ReadOnly))
        return failed(result, folder, errno, bytes.size(), written.errorString());
    if (written.readAll() != bytes)
        result.failure = WriteFailure::ReadBackDiffers;
    return result;
}

} // namespace kestrova
