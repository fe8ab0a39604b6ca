#include "dialog/dialog_template.h"

#include <algorithm>

namespace kestrova::dialog {

const ControlTemplate* DialogTemplate::control(int controlId) const {
    const auto found =
        std::find_if(controls.begin(), controls.end(),
                     [controlId](const ControlTemplate& c) { return c.id == controlId; });
    return found == controls.end() ? nullptr : &*found;
}

} // namespace kestrova::dialog
