#include "app/setup_forms.h"

namespace kestrova::app {

const FormFactory& SetupForms::factory(SetupForm form) const {
    switch (form) {
    case SetupForm::Camera:
        return camera;
    case SetupForm::Mms:
        return mms;
    case SetupForm::ManyCards:
        return manyCards;
    case SetupForm::Smtp:
        break;
    }
    return smtp;
}

} // namespace kestrova::app
