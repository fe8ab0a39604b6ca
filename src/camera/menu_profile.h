#pragma once

#include "camera/camera_settings.h"
#include "common/form_variants.h"
#include "common/profile_document.h"
#include "common/profile_reader.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrova::camera {

// Every name a menu profile and NAME=VALUE take, in the order of the record.
QStringList menuSettingNames();

// What a menu profile may name: its settings, and the clock and record bytes inspect prints.
ProfileKeys menuProfileKeys();

// The named values of a profile and of NAME=VALUE assignments for one camera model, taken one
// after the other onto the values the model's camera form opens with. No menu setting depends on
// another, so each is settled as it comes; an assignment's value is taken without its blanks.
// Messages about numbers are in the given display language.
class MenuProfileReader : public ProfileReader<CameraSettings> {
public:
    MenuProfileReader(CameraForm form, int model, int language);

private:
    bool isSetting(const QString& name) const override;
    std::optional<ProfileError> take(const QString& name, const QJsonValue& value) override;
    ProfileRead<CameraSettings> settle() const override;

    CameraForm form_;
    int model_;
    int language_;
    CameraSettings settings_;
};

// The settings as a profile holds them, which MenuProfileReader reads back: each setting the
// model's form shows, by its name; a list setting by its English entry, or by its position when
// that lies outside the list.
QJsonObject menuProfileObject(const CameraSettings& settings, CameraForm form, int model);

} // namespace kestrova::camera
