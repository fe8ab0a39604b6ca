#pragma once

#include "res/smtp_templates.h"
#include "smtp/smtp_form_model.h"
#include "support/container_bytes.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/test_files.h"

#include <QFile>

#include <memory>

namespace kestrova::test {

struct SmtpFormDriver : FormDriver<smtp::SmtpFormModel> {
    explicit SmtpFormDriver(SmtpForm form, int cameraModel, int language = 2,
                            bool chineseRequested = false) {
        const dialog::FormContext context{
            {language, language == i18n::Chinese, chineseRequested}, cameraModel, 0};
        model = std::make_unique<smtp::SmtpFormModel>(form, context, host);
        model->initialise();
    }

    SmtpForm form() const { return model->form(); }
    void type(int id, const QString& text) { edit(id, text); }
    void selectFolder(const QString& folder) {
        FormDriver::selectFolder(res::smtp_form::selectButton, folder);
    }

    // The mail fields every Generate needs, valid and short.
    void fillMail() {
        using namespace res::smtp_form;
        type(serverField, QStringLiteral("smtp.example.com"));
        type(portField, QStringLiteral("25"));
        type(senderField, QStringLiteral("trailcam@example.com"));
        type(senderPasswordField, QStringLiteral("mail-pw"));
        type(recipientField, QStringLiteral("owner@example.org"));
    }
};

} // namespace kestrova::test
