#pragma once

#include "camera/menu_fields.h"

#include <QStringList>

namespace kestrova::camera {

// The entries of a List field as the form of this model shows them in a language: the
// translated option list, or the list the model gives (sizes, serial characters).
QStringList fieldEntries(const MenuFieldRow& row, CameraForm form, int model, int language);

} // namespace kestrova::camera
