#include "camera/menu_profile.h"

#include "camera/camera_rules.h"
#include "camera/menu_field_entries.h"
#include "camera/menu_fields.h"
#include "common/profile_values.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "model/camera_model.h"

namespace kestrova::camera {

namespace {

ProfileError refused(const QString& name, const QString& why) {
    return {name + QStringLiteral(": ") + why};
}

// As the model list shows it; nothing for a number outside it.
QString modelName(int model) {
    return isValidModel(model) ? cameraModel(model).nameText() : QString();
}

} // namespace

QStringList menuSettingNames() {
    QStringList names;
    for (const MenuFieldRow& row : menuFields())
        names << row.nameText();
    return names;
}

ProfileKeys menuProfileKeys() {
    return {QStringLiteral("menu"),
            menuSettingNames(),
            {QStringLiteral("clock"), QStringLiteral("menu_language"), QStringLiteral("tv_mode")}};
}

MenuProfileReader::MenuProfileReader(CameraForm form, int model, int language)
    : form_(form)
    , model_(model)
    , language_(language)
    , settings_(CameraSettings::atOpen(form)) {}

std::optional<ProfileError> MenuProfileReader::takeProfile(const QJsonObject& profile) {
    for (auto it = profile.begin(); it != profile.end() && !error_; ++it) {
        if (menuFieldNamed(it.key()))
            error_ = take(it.key(), it.value());
    }
    return error_;
}

std::optional<ProfileError> MenuProfileReader::takeAssignment(const QString& assignment) {
    if (error_)
        return error_;
    const auto equals = assignment.indexOf(u'=');
    if (equals <= 0)
        error_ = ProfileError{
            QStringLiteral("--set expects NAME=VALUE, got \"%1\"").arg(shownValue(assignment))};
    else
        error_ = take(assignment.left(equals).trimmed(),
                      QJsonValue(assignment.mid(equals + 1).trimmed()));
    return error_;
}

MenuProfileSettings MenuProfileReader::settings() const {
    return {settings_, error_};
}

std::optional<ProfileError> MenuProfileReader::take(const QString& name, const QJsonValue& value) {
    const MenuFieldRow* row = menuFieldNamed(name);
    if (!row)
        return ProfileError{unknownSettingMessage(name, menuSettingNames())};
    if (!row->onForm(form_))
        return refused(
            name,
            QStringLiteral("model %1 (%2) has no such setting").arg(model_).arg(modelName(model_)));
    if (!value.isString() && !value.isDouble())
        return refused(name,
                       QStringLiteral("expected a number or a text, got %1").arg(describe(value)));

    if (row->kind == codec::FieldKind::Number) {
        const auto number = wholeNumber(value);
        if (!number)
            return refused(name, QStringLiteral("%1 (got %2)")
                                     .arg(i18n::messageFor(i18n::Message::EnterInteger, language_),
                                          describe(value)));
        if (!inRange(*row, *number))
            return refused(name,
                           QStringLiteral("%1 (got %2)")
                               .arg(i18n::integerRangeMessage(row->lower, row->upper, language_),
                                    describe(value)));
        row->setNumber(settings_, *number);
        return std::nullopt;
    }

    const QStringList entries = fieldEntries(*row, form_, model_, i18n::English);
    const auto position = listPosition(value, entries);
    if (!position)
        return refused(name, notInList(value, entries));
    row->setNumber(settings_, *position);
    return std::nullopt;
}

QJsonObject menuProfileObject(const CameraSettings& settings, CameraForm form, int model) {
    QJsonObject object;
    for (const MenuFieldRow& row : menuFields()) {
        if (!row.onForm(form))
            continue;
        const int value = row.numberIn(settings);
        object[row.nameText()] =
            row.kind == codec::FieldKind::List
                ? entryOrNumber(value, fieldEntries(row, form, model, i18n::English))
                : QJsonValue(value);
    }
    return object;
}

} // namespace kestrova::camera
