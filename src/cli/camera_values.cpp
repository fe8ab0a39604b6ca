#include "cli/camera_values.h"

#include "app/routing.h"
#include "cli/cli_error.h"
#include "cli/commands.h"

#include <optional>

namespace kestrova::cli {

namespace {

void refuseIf(const std::optional<camera::ProfileError>& error) {
    if (error)
        fail(ExitBadInput, error->message);
}

} // namespace

CameraValues::CameraValues(int model, int language)
    : reader_(app::cameraFormFor(model), model, language) {}

void CameraValues::applyProfile(const QJsonObject& profile) {
    refuseIf(reader_.takeProfile(profile));
}

ProfileKeys CameraValues::profileKeys() const {
    return camera::menuProfileKeys();
}

void CameraValues::applyAssignment(const QString& assignment) {
    refuseIf(reader_.takeAssignment(assignment));
}

camera::CameraSettings CameraValues::settings() const {
    const camera::MenuProfileSettings read = reader_.settings();
    refuseIf(read.error);
    return read.settings;
}

} // namespace kestrova::cli
