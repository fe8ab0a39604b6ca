#pragma once

#include "common/form_variants.h"
#include "dialog/settings_file.h"
#include "dialog/setup_form_model.h"
#include "mms/mms_checks.h"
#include "mms/mms_plan.h"
#include "mms/mms_settings.h"

#include <QString>

#include <initializer_list>

namespace kestrova::mms {

// An MMS setup form (A or B): how the camera sends pictures, the network it sends them through
// (an operator preset or typed by hand) and to whom; Generate writes "setup.dat".
// The ten texts, the folder and the picture count are kept as stored values, taken from the
// controls in one fixed order after each change and shown again where a handler says so; the lists
// are read where they are needed.
class MmsFormModel final : public dialog::SetupFormModel {
public:
    // With a plan, the form shows what the camera will do, says what a write changed and prints
    // a settings sheet.
    MmsFormModel(MmsForm form, const dialog::FormContext& context, dialog::Host& host,
                 MmsPlanPtr plan = nullptr);

    void initialise() override;
    void listChanged(int id) override;
    void editChanged(int id) override;
    void editFinished(int id) override;

    MmsForm form() const { return form_; }

    // The stored values with the lists as they stand: what Generate checks. The network texts are
    // the typed ones (empty in "Auto" mode); country and operator are the record's codes as last
    // set.
    MmsSettings settings() const;
    bool isAuto() const;
    bool isSmsOnly() const;
    // The most characters "Phone No" may hold with the scope as it stands.
    int phoneLimit() const;

private:
    enum class Pattern { Auto, Manual, Sms };

    // Copies the controls into the stored values in the fixed order; the first failing field
    // check shows its message, moves the focus to its field and ends the taking there.
    bool takeValues();
    // Puts the stored values back into their controls.
    void showValues() override;

    void applyPattern(Pattern pattern);
    void applyModePattern();
    void setReadOnly(std::initializer_list<int> fields, bool readOnly);
    void closeRecipients(bool second, bool third);
    void fillLists();
    void fillForAuto();
    void fillForManual();
    // In "Auto" mode the network boxes stay empty; the preset they stand for shows in grey.
    void showPreset();

    void modeChanged();
    void statusChanged();
    void countryChanged();
    void scopeChanged();
    void phoneChanged();
    void emailChanged();
    void firstRecipientChanged();
    void picturesChanged();
    // The settings of a file or profile, shown as if the user had picked and typed them.
    void showSettings(const MmsSettings& settings);
    // The settings as written: the preset's network texts in "Auto" mode.
    MmsSettings writtenSettings() const;
    // The settings Generate checks: the chosen operator's codes in "Auto" mode.
    MmsSettings typedSettings() const;
    PreparedMmsFile prepared() const;
    MmsPlanInput planInput() const;
    dialog::StripContent stripContent() const override;
    QStringList statusEntries() const;
    dialog::CardFileHooks cardFileHooks();
    void generate() override;

    void fail(int field, const QString& message);
    int controlOf(MmsField field) const;
    QString captionOf(MmsField field) const;

    MmsForm form_;
    MmsPlanPtr plan_;
    MmsSettings stored_; // the texts, the picture count, the scope and the record's codes
};

} // namespace kestrova::mms
