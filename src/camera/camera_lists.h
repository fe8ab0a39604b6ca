#pragma once

#include "common/form_variants.h"

#include <QStringList>

namespace kestrova::camera {

// The lists whose entries depend on the form and the camera model; their texts are the same
// in every language.
QStringList imageSizeEntries(CameraForm form, int model);
QStringList videoSizeEntries(CameraForm form, int model);

// How many entries the camera mode list has: forms A and C offer "camera+video" only for the
// models that can do it.
int cameraModeCount(CameraForm form, int model);

// "0".."9" then "A".."Z": position n is stored.
const QStringList& serialCharacters();

} // namespace kestrova::camera
