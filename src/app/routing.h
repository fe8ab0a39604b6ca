#pragma once

#include "model/camera_model.h"

namespace kestrova::app {

// Which variant of each setup form belongs to a camera model, as the model table says. Numbers
// outside 1..7 get the table's row for any other number.
inline CameraForm cameraFormFor(int model) {
    return cameraModel(model).cameraForm;
}

inline MmsForm mmsFormFor(int model) {
    return cameraModel(model).mmsForm;
}

inline SmtpForm smtpFormFor(int model) {
    return cameraModel(model).smtpForm;
}

inline bool hasSmtp(int model) {
    return cameraModel(model).sendsEmail;
}

} // namespace kestrova::app
