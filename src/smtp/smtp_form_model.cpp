#include "smtp/smtp_form_model.h"

#include "i18n/smtp_texts.h"
#include "res/smtp_templates.h"

namespace kestrova::smtp {

using namespace res::smtp_form;

namespace {

sending::FormParts<SmtpForm> partsOf(SmtpForm form) {
    return {res::smtpFormTemplate(form),
            {selectButton, generateButton, exitButton, moreButton},
            folderField,
            0,
            i18n::smtpCaptions,
            i18n::Message::SmtpGenerated};
}

} // namespace

SmtpFormModel::SmtpFormModel(SmtpForm form, const dialog::FormContext& context, dialog::Host& host,
                             SmtpPlanPtr plan)
    : SendingFormModel(form, context, host, std::move(plan), partsOf(form)) {}

auto SmtpFormModel::textFault(const Row& row, const QString& text) const
    -> std::optional<TextFault> {
    const int limit = row.bytes[column()];
    if (text.size() > limit)
        return TextFault{i18n::maxCharactersMessage(limit, context().textLanguage())};
    return std::nullopt;
}

void SmtpFormModel::listChanged(int id) {
    if (id == modeList)
        changeMode();
    else if (id == countryList && isAutomatic())
        refill(rowOf(sending::ListRole::Operator), context().textLanguage());
    showPreset();
}

void SmtpFormModel::changeMode() {
    // A failing check does not stop the change.
    takeValues();
    clearModeTexts();
    setPresetReadOnly(isAutomatic());
    refill(rowOf(sending::ListRole::Country), context().textLanguage());
    refill(rowOf(sending::ListRole::Operator), context().textLanguage());
    showValues();
}

} // namespace kestrova::smtp
