#include "i18n/smtp_texts.h"

#include "i18n/language.h"
#include "i18n/tables/smtp_captions.h"
#include "i18n/tables/smtp_options.h"
#include "i18n/utf8_text.h"

namespace kestrova::i18n {

namespace {

constexpr const OptionTextsRow& modeTexts = rowOf(tables::smtpOptions, "smtp.options.mode");
// The first entry is the language's off word, as at the end of the hour list.
constexpr const OptionTextsRow& sendTexts = rowOf(tables::smtpOptions, "smtp.options.send");

constexpr std::size_t column(int language) {
    return static_cast<std::size_t>(textLanguage(language) - 1);
}

} // namespace

std::span<const VariantCaptionRow> smtpCaptionRows() {
    return tables::smtpCaptions;
}

QList<ControlCaption> smtpCaptions(SmtpForm form, int language) {
    return variantCaptions(tables::smtpCaptions, static_cast<int>(form), language);
}

QStringList smtpModeOptions(int language) {
    return utf8Entries(modeTexts.entries[column(language)]);
}

QStringList smtpSendOptions(int language) {
    return utf8Entries(sendTexts.entries[column(language)]);
}

} // namespace kestrova::i18n
