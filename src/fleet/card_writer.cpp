#include "fleet/card_writer.h"

#include "i18n/fleet_texts.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "storage/bounded_read.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace kestrova::fleet {

namespace {

using i18n::FleetText;
using i18n::fleetWording;
using i18n::Wording;

constexpr qint64 readBackLimit = 64 * 1024;

Wording sizeWording(qint64 bytes) {
    return Wording::byLanguage([bytes](int language) {
        return i18n::localeOf(language).formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
    });
}

} // namespace

std::optional<Wording> cardObstacle(const QString& folder, const std::vector<PreparedFile>& files) {
    qint64 needed = 0;
    const QStorageInfo volume(folder);
    const qint64 block = volume.isValid() && volume.blockSize() > 0 ? volume.blockSize() : 512;
    for (const PreparedFile& file : files) {
        const QFileInfo info(recordFilePath(folder, file.fileName));
        if (info.isSymLink())
            return fleetWording(FleetText::FileIsLinkOnCard, {Wording::value(file.fileName)});
        if (info.exists() && !info.isFile())
            return fleetWording(FleetText::FileNotRegularOnCard, {Wording::value(file.fileName)});
        needed += (file.bytes.size() + block - 1) / block * block;
    }
    if (volume.isValid() && volume.isReady() && volume.bytesAvailable() < needed)
        return fleetWording(FleetText::NoRoomOnCard,
                            {sizeWording(volume.bytesAvailable()), sizeWording(needed)});
    return std::nullopt;
}

namespace {

// The SHA-256 of what the card holds under that name now; empty when it cannot be read.
QByteArray heldSha256(const QString& folder, const QString& fileName) {
    const storage::BoundedRead read =
        storage::readBounded(recordFilePath(folder, fileName), readBackLimit);
    return read.ok() ? sha256Hex(read.bytes) : QByteArray();
}

} // namespace

QString CardWrite::problem(int language) const {
    if (refusal)
        return refusal->text(language);
    if (!failure)
        return {};
    QStringList replaced;
    for (const WrittenFile& file : files)
        replaced << file.fileName;
    if (replaced.isEmpty())
        return i18n::writeFailureMessage(*failure, language);
    // The files already in place are named: the card holds a mix of the old and the new.
    return i18n::fleetText(FleetText::PartlyWritten, language)
        .arg(replaced.join(QStringLiteral(", ")),
             i18n::writeFailureMessage(*failure, language, false));
}

CardWrite writeToCard(const QString& folder, const std::vector<PreparedFile>& files,
                      const WriteOptions& options, const std::atomic<bool>& stop) {
    CardWrite write;
    if (auto refused = cardObstacle(folder, files)) {
        write.result = CardWrite::Result::Failed;
        write.refusal = std::move(refused);
        return write;
    }
    for (const PreparedFile& file : files) {
        if (stop.load()) {
            write.result = CardWrite::Result::Incomplete;
            return write;
        }
        const WriteResult result = writeRecordFile(folder, file.fileName, file.bytes, options);
        if (!result.ok()) {
            write.result = CardWrite::Result::Failed;
            write.failure = result;
            // In place, but not as written: what is there now is what the log must name.
            if (result.replacedOldFile())
                write.files.push_back({file.fileName, heldSha256(folder, file.fileName)});
            return write;
        }
        if (result.oldCopy == OldCopy::NotKept)
            write.warnings << QStringLiteral("%1: no copy of the file it replaced was kept (%2)")
                                  .arg(file.fileName, result.oldCopyProblem);
        // The writer read it back from the card and compared.
        write.files.push_back({file.fileName, sha256Hex(file.bytes)});
    }
    // Every file once more, now that all are there: one write must not have undone another.
    for (std::size_t at = 0; at < files.size(); ++at) {
        const QString path = recordFilePath(folder, files[at].fileName);
        const storage::BoundedRead read = storage::readBounded(path, readBackLimit);
        if (read.ok() && read.bytes == files[at].bytes)
            continue;
        write.result = CardWrite::Result::Failed;
        write.failure =
            WriteResult{path,
                        read.ok() ? WriteFailure::ReadBackDiffers : WriteFailure::Unchecked,
                        OldCopy::NotNeeded,
                        read.reason,
                        {}};
        write.files[at].sha256 = read.ok() ? sha256Hex(read.bytes) : QByteArray();
        return write;
    }
    return write;
}

} // namespace kestrova::fleet
