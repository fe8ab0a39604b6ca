#pragma once

#include "mms/mms_form_model.h"
#include "res/mms_templates.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/test_files.h"

#include <QFile>

#include <memory>

namespace kestrova::test {

struct MmsFormDriver : FormDriver<mms::MmsFormModel> {
    explicit MmsFormDriver(int cameraModel, int language = 2, bool chineseRequested = false,
                           std::uint16_t tvMode = 0) {
        const MmsForm form =
            cameraModel == 2 || cameraModel == 4 || cameraModel == 7 ? MmsForm::A : MmsForm::B;
        const dialog::FormContext context{
            {language, language == i18n::Chinese, chineseRequested}, cameraModel, tvMode};
        model = std::make_unique<mms::MmsFormModel>(form, context, host);
        model->initialise();
    }

    // Types a text as the user does, one character after the other: each one is a change.
    void type(int id, const QString& text) {
        QString shown = dialog().text(id);
        for (const QChar c : text) {
            shown += c;
            edit(id, shown);
            shown = dialog().text(id);
        }
    }

    int hourList() const { return res::mmsHourControls(model->form()).list; }
    int smsPosition() {
        return static_cast<int>(dialog().entries(res::mms_form::statusList).size()) - 1;
    }

    void selectFolder(const QString& folder) {
        FormDriver::selectFolder(res::mms_form::selectButton, folder);
    }
    void generate() { press(res::mms_form::generateButton); }
    QString lastMessage() const {
        return host.messages.isEmpty() ? QString() : host.messages.last();
    }
};

} // namespace kestrova::test
