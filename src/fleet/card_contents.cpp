#include "fleet/card_contents.h"

#include "camera/menu_record.h"
#include "model/camera_model.h"
#include "storage/bounded_read.h"
#include "storage/record_file.h"

#include <QFileInfo>

namespace kestrova::fleet {

namespace {

constexpr qint64 fileLimit = 64 * 1024;

// The serial text a camera menu shows on its pictures; empty when it shows none.
QString serialText(const camera::CameraSettings& s) {
    if (s.serial_no == 0)
        return {};
    QString text;
    for (const int position : {s.serial_char1, s.serial_char2, s.serial_char3, s.serial_char4})
        text += position < 10 ? QChar(u'0' + position) : QChar(u'A' + position - 10);
    return text;
}

std::optional<OtherContents> otherMenu(const QByteArray& held, const QByteArray& ours, int model) {
    const OtherContents damaged{OtherContents::Kind::Damaged, QStringLiteral("menu.dat"), {}};
    const camera::MenuRecordCheck check = camera::checkMenuRecord(held);
    if (!check.intact())
        return damaged;
    const CameraForm form = cameraModel(model).cameraForm;
    const camera::MenuRecord heldRecord = camera::toMenuRecord(held);
    const camera::MenuRecord ourRecord = camera::toMenuRecord(ours);
    const camera::DecodedMenu ourMenu = camera::decodeMenuRecord(ourRecord, form);
    // The clock is the one byte group every write changes.
    if (camera::withClock(heldRecord, ourMenu.clock) == ourRecord)
        return std::nullopt;
    const QString heldSerial =
        check.factoryReset ? QString()
                           : serialText(camera::decodeMenuRecord(heldRecord, form).settings);
    if (!heldSerial.isEmpty() && heldSerial != serialText(ourMenu.settings))
        return OtherContents{OtherContents::Kind::OtherCamera, QStringLiteral("menu.dat"),
                             heldSerial};
    return OtherContents{OtherContents::Kind::OtherKit, QStringLiteral("menu.dat"), {}};
}

} // namespace

std::optional<OtherContents> otherContents(const QString& folder,
                                           const std::vector<PreparedFile>& files, int model) {
    std::optional<OtherContents> found;
    for (const PreparedFile& file : files) {
        const QString path = recordFilePath(folder, file.fileName);
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            continue;
        const storage::BoundedRead read = storage::readBounded(path, fileLimit);
        std::optional<OtherContents> other;
        if (!read.ok())
            other = OtherContents{OtherContents::Kind::Damaged, file.fileName, {}};
        else if (file.part == KitPart::Menu)
            other = otherMenu(read.bytes, file.bytes, model);
        else if (read.bytes != file.bytes)
            other = OtherContents{OtherContents::Kind::OtherKit, file.fileName, {}};
        // Another camera's serial says the most; otherwise the first file that differs.
        if (other && (!found || other->kind == OtherContents::Kind::OtherCamera))
            found = other;
    }
    return found;
}

} // namespace kestrova::fleet
