#include "plan/setting_lines.h"

#include "camera/camera_lists.h"
#include "camera/menu_field_entries.h"
#include "camera/menu_fields.h"
#include "i18n/mms_texts.h"
#include "i18n/smtp_texts.h"
#include "i18n/summary_texts.h"
#include "mms/mms_fields.h"
#include "mms/operator_presets.h"
#include "plan/amounts.h"
#include "plan/day_windows.h"
#include "plan/form_captions.h"
#include "plan/own_wording.h"
#include "res/camera_templates.h"
#include "smtp/gprs_presets.h"
#include "smtp/smtp_fields.h"

#include <map>

namespace kestrova::plan {

namespace {

using camera::MenuField;
using codec::FieldKind;

// The settings shown on another's line: the owner's caption names them all.
// clang-format off
const std::map<MenuField, MenuField> menuParts{
    {MenuField::IntervalUnit, MenuField::IntervalValue},
    {MenuField::TimerStartHour, MenuField::Timer}, {MenuField::TimerStartMinute, MenuField::Timer},
    {MenuField::TimerStopHour, MenuField::Timer}, {MenuField::TimerStopMinute, MenuField::Timer},
    {MenuField::Timer2StartHour, MenuField::Timer2}, {MenuField::Timer2StartMinute, MenuField::Timer2},
    {MenuField::Timer2StopHour, MenuField::Timer2}, {MenuField::Timer2StopMinute, MenuField::Timer2},
    {MenuField::TimeLapseHour, MenuField::TimeLapse}, {MenuField::TimeLapseMinute, MenuField::TimeLapse},
    {MenuField::TimeLapseSecond, MenuField::TimeLapse},
    {MenuField::SerialChar1, MenuField::SerialNo}, {MenuField::SerialChar2, MenuField::SerialNo},
    {MenuField::SerialChar3, MenuField::SerialNo}, {MenuField::SerialChar4, MenuField::SerialNo},
};
// clang-format on

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// The value of a line that holds parts: the owner's own value, then its parts as the form
// arranges them.
QString menuValue(const camera::MenuFieldRow& row, const MenuFacts& menu, int language) {
    const camera::CameraSettings& s = menu.settings;
    const auto entry = [&](const camera::MenuFieldRow& r) {
        return camera::fieldEntries(r, menu.form, menu.model, language).value(r.numberIn(s));
    };
    if (row.kind == FieldKind::Number) {
        if (row.id == MenuField::VideoLength)
            return i18n::summaryText(i18n::SummaryText::Seconds, language).arg(s.video_length);
        if (row.id == MenuField::IntervalValue)
            return QString::number(s.interval_value) + u' ' +
                   entry(camera::menuField(MenuField::IntervalUnit));
        return QString::number(row.numberIn(s));
    }
    const QString own = entry(row);
    switch (row.id) {
    case MenuField::Timer:
        return own + u' ' +
               windowText({s.timer_start_hour * 60 + s.timer_start_minute,
                           s.timer_stop_hour * 60 + s.timer_stop_minute});
    case MenuField::Timer2:
        return own + u' ' +
               windowText({s.timer2_start_hour * 60 + s.timer2_start_minute,
                           s.timer2_stop_hour * 60 + s.timer2_stop_minute});
    case MenuField::TimeLapse:
        return own + u' ' +
               QStringLiteral("%1:%2:%3")
                   .arg(twoDigits(s.time_lapse_hour), twoDigits(s.time_lapse_minute),
                        twoDigits(s.time_lapse_second));
    case MenuField::SerialNo: {
        const QStringList& characters = camera::serialCharacters();
        return own + u' ' + characters.value(s.serial_char1) + characters.value(s.serial_char2) +
               characters.value(s.serial_char3) + characters.value(s.serial_char4);
    }
    default:
        return own;
    }
}

// A sending row's value as its form shows it: a text as it stands, a number, a list's entry.
// The mode's list has "Auto" first; in "Manual" mode the country and operator lists hold "Other"
// alone, whatever code the record keeps.
template <typename Row, typename Settings, typename Entries>
QString rowValue(const Row& row, const Settings& s, bool automatic, const Entries& entries) {
    using Field = decltype(row.id);
    if (row.kind == FieldKind::Text)
        return s.*row.text;
    const int value = row.numberIn(s);
    if (row.kind == FieldKind::Number)
        return QString::number(value);
    int position = value;
    if (row.id == Field::Mode)
        position = automatic ? 0 : 1;
    else if (!automatic && (row.id == Field::Country || row.id == Field::Operator))
        position = 0;
    return entries(row.id).value(position, QString::number(value));
}

// A password is never shown, whether its form masks its box or not.
template <typename Row> bool hidden(const Row& row, const FormCaptions& captions, int control) {
    return captions.masked(control) || isPassword(row.nameText());
}

// Two settings with one caption (the two "Password" boxes) are told apart by their group.
void nameTwins(std::vector<SettingLine>& lines, const std::vector<QString>& groups) {
    std::map<QString, int> count;
    for (const SettingLine& line : lines)
        ++count[line.caption];
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (count[lines[i].caption] > 1 && !groups[i].isEmpty())
            lines[i].caption += QStringLiteral(" (%1)").arg(groups[i]);
    }
}

} // namespace

std::vector<SettingLine> menuLines(const MenuFacts& menu, int language) {
    const FormCaptions captions = FormCaptions::camera(menu.form, language);
    std::vector<SettingLine> lines;
    for (const camera::MenuFieldRow& row : camera::menuFields()) {
        if (!row.onForm(menu.form) || menuParts.contains(row.id))
            continue;
        lines.push_back({captions.settingName(row.controlOn(menu.form), ownCaption(row.id)),
                         menuValue(row, menu, language)});
    }
    const camera::CapturedTime& c = menu.clock;
    lines.push_back({captions.name(res::camera_form::clockField),
                     clockText(c.year, c.month, c.day, c.hour, c.minute, c.second), false, true});
    return lines;
}

std::vector<SettingLine> mmsLines(const MmsFacts& facts, int language) {
    const mms::MmsSettings& s = facts.settings;
    const FormCaptions captions = FormCaptions::mms(facts.form, language);
    const auto column = static_cast<std::size_t>(facts.form);
    const bool automatic = s.automatic == 1;
    const QStringList other{QStringLiteral("Other")};
    const auto entries = [&](mms::MmsField field) -> QStringList {
        switch (field) {
        case mms::MmsField::Mode:
            return i18n::mmsModeOptions(facts.form, language);
        case mms::MmsField::Status:
            return i18n::mmsSendOptions(facts.form, facts.model, language);
        case mms::MmsField::RemoteHours:
            return i18n::hourOptions(language);
        case mms::MmsField::Country:
            return automatic ? mms::mmsCountryNames(language) : other;
        case mms::MmsField::Operator:
            return automatic ? mms::mmsOperatorNames(s.country, language) : other;
        case mms::MmsField::Bearer:
            return automatic ? i18n::mmsApnOptions() : i18n::mmsManualApnOptions();
        case mms::MmsField::International:
            return i18n::mmsRoamingOptions(facts.form, language);
        default:
            return {};
        }
    };
    std::vector<SettingLine> lines;
    std::vector<QString> groups;
    for (const mms::MmsFieldRow& row : mms::mmsFields()) {
        const int control = row.control[column];
        QString caption = row.label ? captions.caption(row.label) : QString();
        caption += QString::fromUtf8(row.labelNote.data(), qsizetype(row.labelNote.size()));
        if (caption.isEmpty())
            caption = captions.settingName(control, ownCaption(row.id));
        QString value = rowValue(row, s, automatic, entries);
        // The scope's entries are English in most languages: our own words say it there.
        if (row.id == mms::MmsField::International &&
            i18n::textLanguage(language) != i18n::English &&
            value.trimmed() ==
                i18n::mmsRoamingOptions(facts.form, i18n::English).value(s.international).trimmed())
            value = scopeText(s.international, language);
        lines.push_back({caption, value, hidden(row, captions, control)});
        groups.push_back(captions.group(control));
    }
    nameTwins(lines, groups);
    return lines;
}

std::vector<SettingLine> smtpLines(const SmtpFacts& facts, int language) {
    const smtp::SmtpSettings& s = facts.settings;
    const FormCaptions captions = FormCaptions::smtp(facts.form, language);
    const std::size_t column = smtp::formColumn(facts.form);
    const bool automatic = s.automatic == 1;
    const QStringList other{QStringLiteral("Other")};
    const auto entries = [&](smtp::SmtpField field) -> QStringList {
        switch (field) {
        case smtp::SmtpField::Mode:
            return i18n::smtpModeOptions(language);
        case smtp::SmtpField::RemoteHours:
            return i18n::hourOptions(language);
        case smtp::SmtpField::Status:
            return i18n::smtpSendOptions(language);
        case smtp::SmtpField::Country:
            return automatic ? smtp::gprsCountryNames() : other;
        case smtp::SmtpField::Operator:
            return automatic ? smtp::gprsOperatorNames(s.country) : other;
        default:
            return {};
        }
    };
    std::vector<SettingLine> lines;
    std::vector<QString> groups;
    for (const smtp::SmtpFieldRow& row : smtp::smtpFields()) {
        if (!smtp::onForm(row, facts.form))
            continue;
        const int control = row.control[column];
        lines.push_back({captions.settingName(control, ownCaption(row.id)),
                         rowValue(row, s, automatic, entries), hidden(row, captions, control)});
        groups.push_back(captions.group(control));
    }
    nameTwins(lines, groups);
    return lines;
}

} // namespace kestrova::plan
