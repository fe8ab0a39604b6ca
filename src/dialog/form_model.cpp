#include "dialog/form_model.h"

namespace kestrova::dialog {

FormModel::FormModel(const DialogTemplate& dialogTemplate, Host& host)
    : dialog_(dialogTemplate)
    , host_(host) {}

void FormModel::enterPressed() {
    for (const ControlTemplate& c : dialog_.dialogTemplate().controls) {
        if (c.style & DefaultButton) {
            if (dialog_.control(c.id).enabled)
                buttonPressed(c.id);
            return;
        }
    }
}

} // namespace kestrova::dialog
