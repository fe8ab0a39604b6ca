#include "camera/menu_profile.h"

#include "camera/menu_field_entries.h"
#include "camera/menu_fields.h"
#include "common/profile_values.h"
#include "i18n/language.h"
#include "i18n/profile_number.h"
#include "model/camera_model.h"

namespace kestrova::camera {

namespace {

ProfileError refused(const QString& name, const Reason& why) {
    return refusedSetting(name, why);
}

ProfileError refused(const QString& name, const QString& why) {
    return refusedSetting(name, {why});
}

// As the model list shows it; nothing for a number outside it.
QString modelName(int model) {
    return isValidModel(model) ? cameraModel(model).nameText() : QString();
}

} // namespace

QStringList menuSettingNames() {
    return settingNames(menuFields());
}

ProfileKeys menuProfileKeys() {
    return {QStringLiteral("menu"),
            menuSettingNames(),
            {QStringLiteral("clock"), QStringLiteral("menu_language"), QStringLiteral("tv_mode")}};
}

MenuProfileReader::MenuProfileReader(CameraForm form, int model, int language)
    : ProfileReader(true)
    , form_(form)
    , model_(model)
    , language_(language)
    , settings_(CameraSettings::atOpen(form)) {}

bool MenuProfileReader::isSetting(const QString& name) const {
    return menuFieldNamed(name) != nullptr;
}

ProfileRead<CameraSettings> MenuProfileReader::settle() const {
    return {settings_, std::nullopt};
}

std::optional<ProfileError> MenuProfileReader::take(const QString& name, const QJsonValue& value) {
    const MenuFieldRow* row = menuFieldNamed(name);
    if (!row)
        return ProfileError{unknownSettingMessage(name, menuSettingNames())};
    if (!row->onForm(form_))
        return refused(
            name,
            QStringLiteral("model %1 (%2) has no such setting").arg(model_).arg(modelName(model_)));
    if (const auto why = notNumberOrText(value))
        return refused(name, *why);

    if (row->kind == codec::FieldKind::Number) {
        int number = 0;
        if (const auto why =
                i18n::takeProfileNumber(value, {row->lower, row->upper}, language_, number))
            return refused(name, *why);
        row->setNumber(settings_, number);
        return std::nullopt;
    }

    const QStringList entries = fieldEntries(*row, form_, model_, i18n::English);
    const auto position = listPosition(value, entries);
    if (!position)
        return refused(name, notInListReason(value, entries));
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
