#pragma once

#include "common/form_variants.h"
#include "i18n/control_caption.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

namespace kestrova::i18n {

// The language whose text set a camera form shows: form B has no Lithuanian set, and a language
// outside the language table has no set at all; both show English.
int cameraTextLanguage(CameraForm form, int language);

// Every label and button caption that the form's text set for `language` covers, with the control
// ids of that form's template (label.timer2 is 1041 on forms A and C and 1047 on form B; Japanese
// alone also relabels the hour/minute/second captions 1118..1128 and the second timer's start/stop
// 1061/1063). Form A has no side PIR row; form B in Magyar has no timer2 caption (the template
// caption stays). Controls not listed keep their template captions.
QList<ControlCaption> cameraCaptions(CameraForm form, int language);

// One caption by key ("label.mode", ...) for a form and language, or std::nullopt when the set
// does not cover it.
std::optional<QString> cameraLabel(CameraForm form, int language, std::string_view key);

// The entries of a translated option list ("options.camera_mode", ...) for the form and language,
// in list order; empty for an unknown key or a list the form lacks (side_pir on form A,
// beep_sound and sd_cycle on forms A and C).
QStringList cameraOptions(CameraForm form, int language, std::string_view key);

// The position selected when the form opens, or -1 for an unknown key.
int cameraOptionDefault(std::string_view key);

// All translated option keys in a fixed order.
const QList<std::string_view>& cameraOptionKeys();

} // namespace kestrova::i18n
