#include "res/all_templates.h"

#include "res/camera_templates.h"
#include "res/main_templates.h"

namespace kestrova::res {

std::vector<const dialog::DialogTemplate*> allTemplates() {
    return {&mainWindowTemplate(), &aboutBoxTemplate(), &cameraFormTemplate(CameraForm::A),
            &cameraFormTemplate(CameraForm::B), &cameraFormTemplate(CameraForm::C)};
}

} // namespace kestrova::res
