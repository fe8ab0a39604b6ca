#pragma once

#include "camera/camera_form_model.h"
#include "res/camera_templates.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/test_files.h"

#include <memory>

namespace kestrova::test {

struct CameraFormDriver : FormDriver<camera::CameraFormModel> {
    explicit CameraFormDriver(CameraForm form, int cameraModel, int language = 2,
                              bool chineseRequested = false, std::uint16_t tvMode = 0,
                              const dialog::ChosenFolder& carried = {}) {
        const dialog::FormContext context{
            {language, language == i18n::Chinese, chineseRequested}, cameraModel, tvMode, carried};
        model = std::make_unique<camera::CameraFormModel>(form, context, host);
        model->initialise();
    }

    void type(int id, const QString& text) { edit(id, text); }
    void selectFolder(const QString& folder) {
        FormDriver::selectFolder(res::camera_form::selectButton, folder);
    }
};

} // namespace kestrova::test
