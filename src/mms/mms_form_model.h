#pragma once

#include "common/form_variants.h"
#include "mms/mms_file.h"
#include "mms/mms_plan.h"
#include "sending/sending_form_model.h"

#include <initializer_list>

namespace kestrova::mms {

// An MMS setup form (A or B): how the camera sends pictures, the network it sends them through
// (an operator preset or typed by hand) and to whom; Generate writes "setup.dat". Beyond what
// every sending form does, it opens the further recipients' boxes one after the other and locks
// its boxes by pattern: the network's in "Auto" mode, the address's when only an SMS is sent.
class MmsFormModel final : public sending::SendingFormModel<MmsFile> {
public:
    // With a plan, the form shows what the camera will do, says what a write changed and prints
    // a settings sheet.
    MmsFormModel(MmsForm form, const dialog::FormContext& context, dialog::Host& host,
                 MmsPlanPtr plan = nullptr);

    void listChanged(int id) override;
    void editChanged(int id) override;

    bool isSmsOnly() const;
    // The most characters "Phone No" may hold with the scope as it stands.
    int phoneLimit() const;

private:
    enum class Pattern { Auto, Manual, Sms };

    void opened() override;
    void loadList(const Row& row, int position) override;
    std::optional<TextFault> textFault(const Row& row, const QString& text) const override;

    void applyPattern(Pattern pattern);
    void applyModePattern();
    void setReadOnly(std::initializer_list<int> fields, bool readOnly);
    void closeRecipients(bool second, bool third);

    void modeChanged();
    void statusChanged();
    void countryChanged();
    void scopeChanged();
    void phoneChanged();
    void emailChanged();
    void firstRecipientChanged();
};

} // namespace kestrova::mms
