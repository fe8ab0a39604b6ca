#include "app/camera_models.h"
#include "app/process_state.h"
#include "app/routing.h"
#include "camera/camera_rules.h"
#include "camera/menu_field_entries.h"
#include "camera/menu_fields.h"
#include "camera/menu_profile.h"
#include "camera/menu_record.h"
#include "cli/file_report.h"
#include "cli/report_text.h"
#include "common/profile_values.h"
#include "i18n/language.h"

#include <algorithm>

#include <QDate>
#include <QJsonObject>
#include <QTime>

#include <memory>
#include <optional>

namespace kestrova::cli {

namespace {

using camera::MenuField;
using camera::MenuFieldRow;
using codec::FieldKind;

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString isoClock(const camera::CapturedTime& t) {
    return QStringLiteral("%1-%2-%3T%4:%5:%6")
        .arg(t.year)
        .arg(twoDigits(t.month), twoDigits(t.day), twoDigits(t.hour), twoDigits(t.minute),
             twoDigits(t.second));
}

// One decoded menu record, as text lines and as a JSON profile.
class MenuReport final : public FileReport {
public:
    MenuReport(const QByteArray& bytes, std::optional<int> model)
        : check_(camera::checkMenuRecord(bytes))
        , size_(bytes.size())
        , model_(model)
        , form_(model ? std::optional(app::cameraFormFor(*model)) : std::nullopt)
        , record_(camera::toMenuRecord(bytes)) {}

    bool damaged() const override { return !check_.intact() || !outOfRange().isEmpty(); }

    QStringList lines() const override {
        QStringList out;
        out << QStringLiteral("kind: %1").arg(kind());
        out << QStringLiteral("size: %1")
                   .arg(okOr(check_.sizeOk, QStringLiteral("60 bytes"),
                             QStringLiteral("%1 bytes, a menu.dat has 60").arg(size_)));
        if (!check_.sizeOk)
            return out;
        out << QStringLiteral("crc: stored %1, computed %2 (%3)")
                   .arg(hex16(check_.storedCrc), hex16(check_.computedCrc),
                        check_.crcOk ? QStringLiteral("ok") : QStringLiteral("DAMAGED"));
        out << QStringLiteral("padding: %1")
                   .arg(check_.paddingOk ? QStringLiteral("zero (ok)")
                                         : QStringLiteral("not zero (DAMAGED)"));
        out << QStringLiteral("line end: %1")
                   .arg(check_.lineEndOk ? QStringLiteral("CR LF (ok)")
                                         : QStringLiteral("missing (DAMAGED)"));
        if (check_.factoryReset)
            return out;
        if (model_)
            out << QStringLiteral("model: %1 (%2), camera form %3")
                       .arg(*model_)
                       .arg(app::modelName(*model_))
                       .arg(formLetter());
        const camera::DecodedMenu menu = decoded();
        for (const MenuFieldRow& row : camera::menuFields()) {
            if (!shown(row) || row.id == MenuField::IntervalUnit)
                continue;
            if (row.id == MenuField::IntervalValue) {
                const bool seconds = menu.settings.interval_unit == camera::intervalSeconds;
                out << QStringLiteral("interval: %1 %2")
                           .arg(menu.settings.interval_value)
                           .arg(seconds ? QStringLiteral("s") : QStringLiteral("min"));
                continue;
            }
            out << QStringLiteral("%1: %2").arg(row.nameText(), textValue(row, menu.settings));
        }
        if (!form_)
            out << QStringLiteral("bytes 31-37: %1 (their meaning depends on the camera form: "
                                  "give --model)")
                       .arg(rawBytes(31, 37));
        out << QStringLiteral("clock: %1").arg(isoClock(menu.clock).replace(u'T', u' '));
        out << languageLine(QStringLiteral("menu_language"), menu.languageByte);
        out << QStringLiteral("tv_mode: %1").arg(menu.tvModeByte);
        addOutOfRangeLine(out, outOfRange());
        return out;
    }

    QJsonObject json() const override {
        QJsonObject object = jsonHead(kind(), check_.sizeOk && check_.crcOk, !damaged());
        if (!check_.sizeOk || check_.factoryReset)
            return object;
        addRangeAndModel(object, outOfRange(), model_);
        const camera::DecodedMenu menu = decoded();
        if (model_) {
            const QJsonObject settings = camera::menuProfileObject(menu.settings, *form_, *model_);
            insertSettings(object, settings);
        } else {
            // The settings every form keeps in the same place, each list by its entry where its
            // entries do not depend on the model.
            for (const MenuFieldRow& row : camera::menuFields()) {
                if (!shown(row))
                    continue;
                const int value = row.numberIn(menu.settings);
                object[row.nameText()] = row.kind == FieldKind::List
                                             ? entryOrNumber(value, listEntries(row))
                                             : QJsonValue(value);
            }
        }
        object[QStringLiteral("clock")] = isoClock(menu.clock);
        object[QStringLiteral("menu_language")] = menu.languageByte;
        object[QStringLiteral("tv_mode")] = menu.tvModeByte;
        return object;
    }

private:
    QString kind() const {
        if (!check_.sizeOk)
            return QStringLiteral("damaged");
        return check_.factoryReset ? QStringLiteral("factory-reset") : QStringLiteral("menu");
    }

    QChar formLetter() const { return QChar(u'A' + static_cast<int>(*form_)); }

    camera::DecodedMenu decoded() const {
        // Without a model the form is unknown: decode bytes 0..30, which every form shares.
        return camera::decodeMenuRecord(record_, form_.value_or(CameraForm::C));
    }

    // Settings of other forms are left out; without a model, those that some form lacks or
    // keeps elsewhere.
    bool shown(const MenuFieldRow& row) const {
        if (form_)
            return row.onForm(*form_);
        const auto forms = {CameraForm::A, CameraForm::B, CameraForm::C};
        return std::all_of(forms.begin(), forms.end(), [&row](CameraForm form) {
            return row.onForm(form) && row.placeOn(form) == row.placeOn(CameraForm::A);
        });
    }

    QStringList listEntries(const MenuFieldRow& row) const {
        if (row.kind != FieldKind::List)
            return {};
        // Image and video sizes differ by model; without one, only their positions are known.
        if (!model_ && (row.id == MenuField::ImageSize || row.id == MenuField::VideoSize))
            return {};
        const CameraForm form = form_.value_or(CameraForm::B);
        return camera::fieldEntries(row, form, model_.value_or(7), i18n::English);
    }

    QString textValue(const MenuFieldRow& row, const camera::CameraSettings& settings) const {
        const int value = row.numberIn(settings);
        if (row.kind == FieldKind::Number)
            return row.id == MenuField::VideoLength ? QStringLiteral("%1 s").arg(value)
                                                    : QString::number(value);
        const QStringList entries = listEntries(row);
        if (value >= 0 && value < entries.size())
            return entries[value];
        if (entries.isEmpty() && value < entryLimit(row))
            return QStringLiteral("position %1 (give --model for its text)").arg(value);
        return QStringLiteral("position %1 (not in the list: DAMAGED)").arg(value);
    }

    // How many entries a list has: on the model's form, or without a model the most any model
    // has, the one bound that is certain.
    int entryLimit(const MenuFieldRow& row) const {
        if (model_)
            return static_cast<int>(listEntries(row).size());
        qsizetype most = 0;
        for (int model = 1; model <= app::modelCount; ++model)
            most = std::max(
                most,
                camera::fieldEntries(row, app::cameraFormFor(model), model, i18n::English).size());
        return static_cast<int>(most);
    }

    // The values shown that no form and no command writes, by their names in the profile: the
    // check value can be right while they are not.
    QStringList outOfRange() const {
        if (!check_.sizeOk || check_.factoryReset)
            return {};
        QStringList wrong;
        const camera::DecodedMenu menu = decoded();
        const camera::CameraSettings& s = menu.settings;
        for (const MenuFieldRow& row : camera::menuFields()) {
            if (!shown(row))
                continue;
            const int value = row.numberIn(s);
            const bool fits = row.kind == FieldKind::Number ? camera::inRange(row, value)
                                                            : value < entryLimit(row);
            // Both form and command bring 0 minutes up to 1.
            const bool zeroMinutes = row.id == MenuField::IntervalValue && value == 0 &&
                                     s.interval_unit == camera::intervalMinutes;
            if (!fits || zeroMinutes)
                wrong << row.nameText();
        }
        const camera::CapturedTime& t = menu.clock;
        if (!QDate(t.year, t.month, t.day).isValid() ||
            !QTime(t.hour, t.minute, t.second).isValid() || t.year > 2031)
            wrong << QStringLiteral("clock");
        if (!i18n::cameraLanguageBytes.contains(menu.languageByte))
            wrong << QStringLiteral("menu_language");
        // Reserved bytes hold what every writer puts there; a profile could not carry others.
        for (const int offset : camera::unexpectedReservedBytes(record_, form_))
            wrong << QStringLiteral("byte %1").arg(offset);
        return wrong;
    }

    QString rawBytes(int from, int to) const {
        QStringList bytes;
        for (int i = from; i <= to; ++i)
            bytes << QStringLiteral("%1").arg(record_[i], 2, 16, QLatin1Char('0')).toUpper();
        return bytes.join(u' ');
    }

    camera::MenuRecordCheck check_;
    qsizetype size_;
    std::optional<int> model_;
    std::optional<CameraForm> form_;
    camera::MenuRecord record_;
};

} // namespace

std::unique_ptr<FileReport> menuReport(const QByteArray& bytes, std::optional<int> model) {
    return std::make_unique<MenuReport>(bytes, model);
}

} // namespace kestrova::cli
