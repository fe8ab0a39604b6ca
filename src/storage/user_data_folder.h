#pragma once

#include <QString>

namespace kestrova {

// The user's own data folder: XDG_DATA_HOME when it is an absolute path, else ~/.local/share
// (a relative XDG_DATA_HOME is ignored, as the XDG rules ask); the platform's location elsewhere.
QString userDataFolder();

} // namespace kestrova
