#include "plan/card_facts.h"

#include "camera/menu_record.h"
#include "card/local_device_facts.h"
#include "codec/block_container.h"
#include "mms/mms_checks.h"
#include "mms/mms_record.h"
#include "model/camera_model.h"
#include "plan/replaced_file.h"
#include "plan/sending.h"
#include "smtp/smtp_record.h"
#include "storage/bounded_read.h"
#include "storage/record_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStorageInfo>

namespace kestrova::plan {

namespace {

int dcimFileCount(const QString& folder) {
    const QString dcim = QDir(folder).filePath(QStringLiteral("DCIM"));
    if (!QFileInfo(dcim).isDir())
        return 0;
    QDirIterator files(dcim, QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                       QDirIterator::Subdirectories);
    int count = 0;
    while (count < dcimCountLimit && files.hasNext()) {
        files.next();
        ++count;
    }
    return count;
}

std::optional<QByteArray> settingsFile(const QString& folder, const char* name) {
    const storage::BoundedRead read = storage::readBounded(
        recordFilePath(folder, QString::fromLatin1(name)), codec::settingsFileLimit);
    if (!read.ok())
        return std::nullopt;
    return read.bytes;
}

} // namespace

CardFacts readCardFacts(const QString& folder, bool countPictures) {
    CardFacts facts;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return facts;
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return facts;
    facts.known = true;
    facts.volumeRoot = QDir(storage.rootPath()) == QDir(QFileInfo(folder).canonicalFilePath());
    facts.bytesTotal = storage.bytesTotal();
    facts.bytesFree = storage.bytesAvailable();
    facts.fileSystem = QString::fromLatin1(storage.fileSystemType());
    // A FUSE mount of a device ("fuseblk", exFAT on many systems) is named as the device's file
    // system names itself, as `kestrova cards` names it.
#ifdef Q_OS_LINUX
    if (facts.fileSystem == u"fuseblk") {
        const QString named =
            card::localDeviceFacts(QString::fromLocal8Bit(storage.device())).fileSystem;
        if (!named.isEmpty())
            facts.fileSystem = named;
    }
#endif
    // A card's lock switch makes the whole volume read-only; a folder the user may not write
    // into is just as closed to the file.
    facts.readOnly = storage.isReadOnly() || !QFileInfo(folder).isWritable();
    if (countPictures)
        facts.dcimFiles = dcimFileCount(folder);
    return facts;
}

CardFiles cardFilesOf(const std::optional<QByteArray>& menu, const std::optional<QByteArray>& mms,
                      const std::optional<QByteArray>& smtp, int model) {
    CardFiles files;
    const CameraModel& camera = cameraModel(model);
    if (menu) {
        const ReadFile<MenuFacts> read = readMenuFile(*menu, camera.cameraForm, model);
        if (read.state == ReplacedFile::Readable)
            files.menu = read.facts;
    }
    if (mms) {
        const mms::DecodedMms decoded = mms::decodeMmsRecord(*mms);
        files.mmsSendsPictures =
            decoded.check.intact() && mmsSendsPictures(decoded.settings, camera.mmsForm, model);
    }
    if (smtp) {
        const smtp::DecodedSmtp decoded = smtp::decodeSmtpRecord(*smtp, camera.smtpForm);
        files.emailSendsPictures =
            decoded.check.intact() && emailSendsPictures(decoded.settings, camera.smtpForm);
    }
    return files;
}

CardFiles readCardFiles(const QString& folder, int model) {
    if (folder.isEmpty())
        return {};
    return cardFilesOf(settingsFile(folder, camera::menuFileName),
                       settingsFile(folder, mms::mmsFileName),
                       settingsFile(folder, smtp::smtpFileName), model);
}

} // namespace kestrova::plan
