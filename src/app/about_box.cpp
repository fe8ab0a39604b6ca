#include "app/about_box.h"

#include "res/main_templates.h"

namespace kestrova::app {

AboutBox::AboutBox(dialog::Host& host)
    : FormModel(res::aboutBoxTemplate(), host) {}

void AboutBox::buttonPressed(int id) {
    if (id == res::about_box::ok)
        end(dialog::DialogResult::Accepted);
}

} // namespace kestrova::app
