#pragma once

#include "res/smtp_templates.h"
#include "smtp/smtp_form_model.h"
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

// A byte of "smtp.dat" as it was before scrambling.
inline int plainByte(const QByteArray& file, int offset) {
    const int stored = static_cast<unsigned char>(file.at(offset));
    if (offset >= 660 || offset % 60 >= 50)
        return stored;
    const int complement = ~stored & 0xFF;
    return ((complement & 0x0F) << 4) | (complement >> 4);
}

// The text of the block at a file offset, as many bytes as its length byte says.
inline QByteArray plainText(const QByteArray& file, int blockOffset) {
    QByteArray text;
    const int length = static_cast<unsigned char>(file.at(blockOffset + 57));
    for (int i = 0; i < length; ++i)
        text += char(plainByte(file, blockOffset + i));
    return text;
}

} // namespace kestrova::test
