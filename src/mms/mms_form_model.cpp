#include "mms/mms_form_model.h"

#include "i18n/mms_texts.h"
#include "mms/mms_checks.h"
#include "res/mms_templates.h"

namespace kestrova::mms {

using namespace res::mms_form;
using i18n::Message;

namespace {

constexpr int internationalPosition = 1;
constexpr int folderLimit = 80;

sending::FormParts<MmsForm> partsOf(MmsForm form) {
    return {res::mmsFormTemplate(form),
            {selectButton, generateButton, exitButton, moreButton},
            folderField,
            folderLimit,
            i18n::mmsCaptions,
            Message::MmsGenerated};
}

} // namespace

MmsFormModel::MmsFormModel(MmsForm form, const dialog::FormContext& context, dialog::Host& host,
                           MmsPlanPtr plan)
    : SendingFormModel(form, context, host, std::move(plan), partsOf(form)) {}

void MmsFormModel::opened() {
    applyPattern(Pattern::Auto);
}

bool MmsFormModel::isSmsOnly() const {
    return mms::isSmsOnly(dialog().selection(statusList),
                          static_cast<int>(dialog().entries(statusList).size()));
}

int MmsFormModel::phoneLimit() const {
    return phoneDigitLimit(form(), dialog().selection(scopeList) == internationalPosition);
}

auto MmsFormModel::textFault(const Row& row, const QString& text) const
    -> std::optional<TextFault> {
    // The text is kept even when too long: the "Phone No" handler empties it.
    if (row.id == MmsField::Phone1 && text.size() > phoneLimit())
        return TextFault{i18n::maxPhoneDigitsMessage(phoneLimit(), context().textLanguage()), true};
    return std::nullopt;
}

void MmsFormModel::setReadOnly(std::initializer_list<int> fields, bool readOnly) {
    for (int id : fields)
        dialog().setReadOnly(id, readOnly);
}

void MmsFormModel::applyPattern(Pattern pattern) {
    setPresetReadOnly(pattern != Pattern::Manual);
    setReadOnly({phoneField}, false);
    setReadOnly({emailField}, pattern == Pattern::Sms);
    // The further recipients open only once a first one is there.
    setReadOnly({recipient2Field, recipient3Field, folderField}, true);
}

void MmsFormModel::applyModePattern() {
    applyPattern(isAutomatic() ? Pattern::Auto : Pattern::Manual);
}

void MmsFormModel::closeRecipients(bool second, bool third) {
    if (second) {
        stored_.phone2.clear();
        setReadOnly({recipient2Field}, true);
    }
    if (third) {
        stored_.phone3.clear();
        setReadOnly({recipient3Field}, true);
    }
}

void MmsFormModel::loadList(const Row& row, int position) {
    // The scope as stored, without the note the list gives when the user picks it.
    if (row.id == MmsField::International)
        dialog().select(controlOf(row), position);
    else
        SendingFormModel::loadList(row, position);
}

void MmsFormModel::listChanged(int id) {
    if (id == modeList)
        modeChanged();
    else if (id == statusList)
        statusChanged();
    else if (id == countryList)
        countryChanged();
    else if (id == scopeList)
        scopeChanged();
    else
        takeValues();
    showPreset();
}

void MmsFormModel::editChanged(int id) {
    switch (id) {
    case phoneField:
        phoneChanged();
        break;
    case emailField:
        emailChanged();
        break;
    case recipient2Field:
        firstRecipientChanged();
        break;
    default:
        SendingFormModel::editChanged(id);
        break;
    }
}

void MmsFormModel::modeChanged() {
    clearModeTexts();
    // The English country names from now on, also in Chinese; the operators keep their Chinese
    // names there.
    refill(rowOf(sending::ListRole::Country), i18n::English);
    refill(rowOf(sending::ListRole::Operator), context().textLanguage());
    refill(mmsField(MmsField::Bearer), context().textLanguage());
    applyModePattern();
    if (isSmsOnly())
        applyPattern(Pattern::Sms);
    showValues();
}

void MmsFormModel::statusChanged() {
    if (isSmsOnly()) {
        applyPattern(Pattern::Sms);
        showValues();
        return;
    }
    applyModePattern();
    takeValues();
}

void MmsFormModel::countryChanged() {
    // "Manual" lists hold only "Other"; there is nothing to refill.
    if (isAutomatic())
        refill(rowOf(sending::ListRole::Operator), context().textLanguage());
    showValues();
}

void MmsFormModel::scopeChanged() {
    // A number already entered is left alone; the next reading of the controls measures it.
    if (dialog().selection(scopeList) == internationalPosition)
        host().showMessage(i18n::messageFor(Message::PhoneNotShown, context().textLanguage()));
}

void MmsFormModel::phoneChanged() {
    const QString typed = dialog().text(phoneField);
    if (typed.size() > phoneLimit()) {
        // The digits up to the limit stay, and the user goes on typing where they were rather
        // than over a selected number.
        host().showMessage(i18n::maxPhoneDigitsMessage(phoneLimit(), context().textLanguage()));
        dialog().setText(phoneField, typed.left(phoneLimit()));
    }
    takeValues();
    if (stored_.phone1.size() < minRecipientLength)
        closeRecipients(true, true);
    else
        setReadOnly({recipient2Field}, false);
    showValues();
}

void MmsFormModel::emailChanged() {
    takeValues();
    if (stored_.email.size() < minRecipientLength) {
        closeRecipients(true, true);
        showValues();
    } else if (stored_.email.contains(u'@')) {
        setReadOnly({recipient2Field}, false);
        showValues();
    }
}

void MmsFormModel::firstRecipientChanged() {
    takeValues();
    if (stored_.phone2.size() < minRecipientLength)
        closeRecipients(false, true);
    else
        setReadOnly({recipient3Field}, false);
    showValues();
}

} // namespace kestrova::mms
