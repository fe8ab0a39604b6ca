#pragma once

#include "res/dialog_template.h"

#include <vector>

namespace kestrova::res {

// Every window of the program, for the checks and the screenshots that go over all of them.
std::vector<const dialog::DialogTemplate*> allTemplates();

} // namespace kestrova::res
