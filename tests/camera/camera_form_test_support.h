#pragma once

#include "camera/camera_form_model.h"
#include "res/camera_templates.h"
#include "support/fake_host.h"
#include "support/test_files.h"

#include <QFile>

#include <memory>

namespace kestrova::test {

// One camera form driven as the window would drive it: the user's change first lands in the
// control, then the model hears of it.
struct CameraFormDriver {
    FakeHost host;
    std::unique_ptr<camera::CameraFormModel> model;

    explicit CameraFormDriver(CameraForm form, int cameraModel, int language = 2,
                              bool chineseRequested = false, std::uint16_t tvMode = 0) {
        const dialog::FormContext context{
            {language, language == i18n::Chinese, chineseRequested}, cameraModel, tvMode};
        model = std::make_unique<camera::CameraFormModel>(form, context, host);
        model->initialise();
    }

    dialog::Dialog& dialog() { return model->dialog(); }
    void type(int id, const QString& text) {
        dialog().userEdited(id, text);
        model->editChanged(id);
    }
    void choose(int id, int position) {
        dialog().userSelected(id, position);
        model->listChanged(id);
    }
    void press(int id) { model->buttonPressed(id); }
    QString text(int id) { return dialog().text(id); }

    // Points the form at a folder the way the user would: through Select.
    void selectFolder(const QString& folder) {
        host.folderAnswers.push_back(folder);
        press(res::camera_form::selectButton);
    }
};

} // namespace kestrova::test
