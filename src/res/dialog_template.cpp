#include "res/dialog_template.h"

#include <algorithm>

namespace kestrova::dialog {

const ControlTemplate* DialogTemplate::control(int controlId) const {
    const auto found =
        std::find_if(controls.begin(), controls.end(),
                     [controlId](const ControlTemplate& c) { return c.id == controlId; });
    return found == controls.end() ? nullptr : &*found;
}

ControlTemplate menuButtonRightOf(int id, const UnitRect& neighbour, int windowWidth) {
    const int x = neighbour.right() + 6;
    return {id,
            ControlKind::Button,
            {x, neighbour.y, windowWidth - 4 - x, neighbour.height},
            QStringLiteral("More..."),
            OpensMenu};
}

ControlTemplate sourceLineBelow(const UnitRect& folderField) {
    return {sourceLine,
            ControlKind::Label,
            {folderField.x, folderField.bottom() + 2, folderField.width, sourceLineHeight},
            {},
            ShowsPath};
}

} // namespace kestrova::dialog
