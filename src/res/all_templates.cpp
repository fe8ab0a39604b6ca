#include "res/all_templates.h"

#include "res/camera_templates.h"
#include "res/fleet_templates.h"
#include "res/main_templates.h"
#include "res/mms_templates.h"
#include "res/smtp_templates.h"

namespace kestrova::res {

std::vector<const dialog::DialogTemplate*> allTemplates() {
    return {&mainWindowTemplate(),
            &aboutBoxTemplate(),
            &cameraFormTemplate(CameraForm::A),
            &cameraFormTemplate(CameraForm::B),
            &cameraFormTemplate(CameraForm::C),
            &mmsFormTemplate(MmsForm::A),
            &mmsFormTemplate(MmsForm::B),
            &smtpFormTemplate(SmtpForm::A),
            &smtpFormTemplate(SmtpForm::B),
            &manyCardsTemplate()};
}

} // namespace kestrova::res
