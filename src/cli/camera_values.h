#pragma once

#include "camera/camera_settings.h"
#include "camera/menu_profile.h"
#include "cli/json_values.h"

#include <QJsonObject>
#include <QStringList>

namespace kestrova::cli {

// The profile and the --set flags of the menu command, as the core reads them for one model's
// camera form; a refusal ends the command with ExitBadInput. Nothing is half-applied because the
// caller writes nothing until all values are in.
class CameraValues {
public:
    CameraValues(int model, int language);

    // A JSON object as "inspect --json" prints it; fields that are not settings are ignored.
    void applyProfile(const QJsonObject& profile);

    // The names a menu profile may hold.
    ProfileKeys profileKeys() const;

    // "NAME=VALUE"
    void applyAssignment(const QString& assignment);

    // The form's opening values with every value applied.
    camera::CameraSettings settings() const;

private:
    camera::MenuProfileReader reader_;
};

} // namespace kestrova::cli
