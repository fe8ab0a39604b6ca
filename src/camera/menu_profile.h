#pragma once

#include "camera/camera_settings.h"
#include "common/form_variants.h"
#include "common/profile_document.h"

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

// Why a named value was not taken: an English message that starts with the setting's name (or
// with "--set" for an assignment without a name).
struct ProfileError {
    QString message;

    bool operator==(const ProfileError&) const = default;
};

struct MenuProfileSettings {
    CameraSettings settings;
    std::optional<ProfileError> error;
};

// The named values of a profile and of NAME=VALUE assignments for one camera model, taken one
// after the other onto the values the model's camera form opens with. No menu setting depends on
// another, so each is settled as it comes; the first refusal stops the taking, and every later
// value is passed over. Messages about numbers are in the given display language.
class MenuProfileReader {
public:
    MenuProfileReader(CameraForm form, int model, int language);

    // A JSON object as menuProfileObject writes it; names that are no setting are passed over.
    std::optional<ProfileError> takeProfile(const QJsonObject& profile);
    // One NAME=VALUE; the name and the value are taken without their blanks.
    std::optional<ProfileError> takeAssignment(const QString& assignment);

    // The settings as the form's fields would hold them, before any correction, or the first
    // value the form could not have held.
    MenuProfileSettings settings() const;

private:
    std::optional<ProfileError> take(const QString& name, const QJsonValue& value);

    CameraForm form_;
    int model_;
    int language_;
    CameraSettings settings_;
    std::optional<ProfileError> error_;
};

// The settings as a profile holds them, which MenuProfileReader reads back: each setting the
// model's form shows, by its name; a list setting by its English entry, or by its position when
// that lies outside the list.
QJsonObject menuProfileObject(const CameraSettings& settings, CameraForm form, int model);

} // namespace kestrova::camera
