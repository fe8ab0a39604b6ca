#include "cli/camera_values.h"
#include "cli/json_values.h"

#include "app/camera_models.h"
#include "app/routing.h"
#include "camera/camera_rules.h"
#include "camera/menu_field_entries.h"
#include "cli/cli_error.h"
#include "cli/commands.h"
#include "common/range_check.h"
#include "format/menu_fields.h"
#include "i18n/language.h"
#include "i18n/messages.h"

#include <QJsonArray>

#include <cmath>

namespace kestrova::cli {

QStringList menuSettingNames() {
    QStringList names;
    for (const camera::MenuFieldRow& row : camera::menuFields())
        names << row.nameText();
    return names;
}

CameraValues::CameraValues(camera::CameraSettings& settings, int model, int language)
    : settings_(settings)
    , model_(model)
    , language_(language) {}

void CameraValues::applyProfile(const QJsonObject& profile) {
    for (auto it = profile.begin(); it != profile.end(); ++it) {
        if (camera::menuFieldNamed(it.key()))
            apply(it.key(), it.value());
    }
}

ProfileKeys CameraValues::profileKeys() const {
    return {QStringLiteral("menu"),
            menuSettingNames(),
            {QStringLiteral("clock"), QStringLiteral("menu_language"), QStringLiteral("tv_mode")}};
}

void CameraValues::applyAssignment(const QString& assignment) {
    const auto equals = assignment.indexOf(u'=');
    if (equals <= 0)
        fail(ExitBadInput,
             QStringLiteral("--set expects NAME=VALUE, got \"%1\"").arg(shownValue(assignment)));
    apply(assignment.left(equals).trimmed(), QJsonValue(assignment.mid(equals + 1).trimmed()));
}

void CameraValues::apply(const QString& name, const QJsonValue& value) {
    const camera::MenuFieldRow* row = camera::menuFieldNamed(name);
    if (!row)
        unknownSetting(name, menuSettingNames());
    const CameraForm form = app::cameraFormFor(model_);
    if (!row->onForm(form))
        fail(ExitBadInput, QStringLiteral("%1: model %2 (%3) has no such setting")
                               .arg(name)
                               .arg(model_)
                               .arg(app::modelName(model_)));
    if (!value.isString() && !value.isDouble())
        fail(ExitBadInput,
             QStringLiteral("%1: expected a number or a text, got %2").arg(name, describe(value)));

    int& field = settings_.*(row->number);
    if (row->kind == format::FieldKind::Number) {
        const auto number = wholeNumber(value);
        if (!number)
            fail(ExitBadInput,
                 QStringLiteral("%1: %2 (got %3)")
                     .arg(name, i18n::messageFor(i18n::Message::EnterInteger, language_),
                          describe(value)));
        if (!camera::inRange(*row, *number))
            fail(ExitBadInput,
                 QStringLiteral("%1: %2 (got %3)")
                     .arg(name, i18n::integerRangeMessage(row->lower, row->upper, language_),
                          describe(value)));
        field = *number;
        return;
    }

    const QStringList entries = camera::fieldEntries(*row, form, model_, i18n::English);
    const auto position = listPosition(value, entries);
    if (!position)
        fail(ExitBadInput, name + QStringLiteral(": ") + notInList(value, entries));
    field = *position;
}

} // namespace kestrova::cli
