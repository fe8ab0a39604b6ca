#pragma once

#include "common/form_variants.h"

namespace kestrova::app {

// Which variant of each setup form belongs to a camera model. Numbers outside 1..7 fall into
// the "every other number" branches.
constexpr CameraForm cameraFormFor(int model) {
    if (model == 2 || model == 4 || model == 7)
        return CameraForm::B;
    if (model == 6)
        return CameraForm::A;
    return CameraForm::C;
}

constexpr MmsForm mmsFormFor(int model) {
    return (model == 2 || model == 4 || model == 7) ? MmsForm::A : MmsForm::B;
}

constexpr SmtpForm smtpFormFor(int model) {
    return (model == 4 || model == 7) ? SmtpForm::B : SmtpForm::A;
}

// Models 1 and 2 cannot send e-mail.
constexpr bool hasSmtp(int model) {
    return model != 1 && model != 2;
}

} // namespace kestrova::app
