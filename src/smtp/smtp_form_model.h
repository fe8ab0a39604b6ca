#pragma once

#include "common/form_variants.h"
#include "dialog/settings_file.h"
#include "dialog/setup_form_model.h"
#include "smtp/smtp_checks.h"
#include "smtp/smtp_plan.h"
#include "smtp/smtp_settings.h"

#include <QString>

namespace kestrova::smtp {

// An SMTP setup form (A or B): the GPRS access, the mail server and accounts, the daily picture
// limit and the SMS remote control, written as "smtp.dat" into a folder the user chooses. The
// lists are read where they are needed; the edits are copied into the settings whenever any of
// them changes.
class SmtpFormModel final : public dialog::SetupFormModel {
public:
    // With a plan, the form shows what the camera will do, says what a write changed and prints
    // a settings sheet.
    SmtpFormModel(SmtpForm form, const dialog::FormContext& context, dialog::Host& host,
                  SmtpPlanPtr plan = nullptr);

    void initialise() override;
    void listChanged(int id) override;
    void editChanged(int id) override;
    void editFinished(int id) override;

    SmtpForm form() const { return form_; }
    bool isAutomatic() const;

    // The lists as they stand with the edits as last taken: what Generate checks, before it
    // takes the preset in "Auto" mode.
    SmtpSettings settings() const;

private:
    // Copies the folder and every edit into the settings; the first failing check shows its
    // message, moves the focus to its field and ends the taking. An emptied picture count is
    // passed over while the user is still typing in it.
    bool takeValues(bool typingCount = false);
    void showValues() override;

    void setGprsReadOnly(bool readOnly);
    void fillCountries();
    void fillOperators();
    // In "Auto" mode the GPRS edits stay empty; the preset they stand for shows in grey.
    void showPreset();
    void changeMode();
    // The settings of a file or profile, shown as if the user had picked and typed them.
    void showSettings(const SmtpSettings& settings);
    dialog::CardFileHooks cardFileHooks();
    void generate() override;
    PreparedSmtpFile prepared() const;
    SmtpPlanInput planInput() const;
    dialog::StripContent stripContent() const override;
    void fail(int field, const QString& message);
    // Where a field shows on this form, and how many characters its box takes.
    int controlOf(const SmtpFieldRow& row) const;
    int limitOf(const SmtpFieldRow& row) const;

    SmtpForm form_;
    SmtpPlanPtr plan_;
    SmtpSettings settings_; // the texts and pictures per day; the lists hold the rest
};

} // namespace kestrova::smtp
