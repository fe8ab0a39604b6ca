#include "res/all_templates.h"

#include "res/main_templates.h"

namespace kestrova::res {

std::vector<const dialog::DialogTemplate*> allTemplates() {
    return {&mainWindowTemplate(), &aboutBoxTemplate()};
}

} // namespace kestrova::res
