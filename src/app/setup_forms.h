#pragma once

#include "dialog/form_context.h"
#include "dialog/form_model.h"

#include <functional>
#include <memory>

namespace kestrova::app {

enum class SetupForm { Camera, Mms, Smtp, ManyCards };

using FormFactory =
    std::function<std::unique_ptr<dialog::FormModel>(const dialog::FormContext&, dialog::Host&)>;

// How each setup button makes its form for the current model. A button whose form has no
// factory is not offered.
struct SetupForms {
    FormFactory camera;
    FormFactory mms;
    FormFactory smtp;
    FormFactory manyCards = {};               // the window that sets up one card after another
    dialog::CardReportOpener cardReport = {}; // what a returned card tells

    const FormFactory& factory(SetupForm form) const;
};

} // namespace kestrova::app
