#pragma once

#include "common/form_variants.h"

namespace kestrova::qt {

class DialogWindow;

// A setup form in a real window filled in as an owner who uses most of it would, through the
// window's own controls: timers, a time lapse, every recipient, the operator with the longest
// name, a daily limit of 0. Its strip then says the longest sentences and warns. For the
// screenshots, the window tests and the benchmarks.
void fillCameraForm(DialogWindow& window, CameraForm form);
void fillMmsForm(DialogWindow& window, MmsForm form);
void fillSmtpForm(DialogWindow& window, SmtpForm form);

} // namespace kestrova::qt
