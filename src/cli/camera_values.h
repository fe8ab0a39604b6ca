#pragma once

#include "camera/camera_settings.h"
#include "cli/json_values.h"

#include <QJsonObject>
#include <QStringList>

namespace kestrova::cli {

// Applies named values to the settings of one model's camera form, as a profile or --set gives
// them. Every bad name or value ends the command with ExitBadInput; nothing is half-applied
// because the caller writes nothing until all values are in.
class CameraValues {
public:
    CameraValues(camera::CameraSettings& settings, int model, int language);

    // A JSON object as "inspect --json" prints it; fields that are not settings are ignored.
    void applyProfile(const QJsonObject& profile);

    // The names a menu profile may hold.
    ProfileKeys profileKeys() const;

    // "NAME=VALUE"
    void applyAssignment(const QString& assignment);

private:
    void apply(const QString& name, const QJsonValue& value);

    camera::CameraSettings& settings_;
    int model_;
    int language_;
};

} // namespace kestrova::cli
