#include "i18n/mms_texts.h"

#include "model/camera_model.h"
#include "res/mms_templates.h"

#include "i18n/language.h"
#include "i18n/tables/mms_captions.h"
#include "i18n/tables/mms_form_a.h"
#include "i18n/tables/mms_options.h"
#include "i18n/utf8_text.h"

namespace kestrova::i18n {

namespace {

constexpr std::size_t column(int language) {
    return static_cast<std::size_t>(language - 1);
}

constexpr const OptionTextsRow& modeTexts = rowOf(tables::mmsOptions, "mms.options.mode");
constexpr const OptionTextsRow& sendTexts = rowOf(tables::mmsOptions, "mms.options.send");
constexpr const OptionTextsRow& sendQvgaTexts = rowOf(tables::mmsOptions, "mms.options.send_qvga");
constexpr const OptionTextsRow& roamingTexts = rowOf(tables::mmsOptions, "mms.options.roaming");
constexpr const OptionTextsRow& offWords = rowOf(tables::mmsOptions, "off_word");

// Form A captions the "H" after its hour list; form B keeps its template's.
static_assert(rowOf(tables::mmsCaptions, "mms.hour_suffix").controlA ==
              res::mmsHourControls(MmsForm::A).suffix);

// A list as the form shows it in the language of its set: form A's own where it departs from
// form B's.
QStringList optionList(MmsForm form, const OptionTextsRow& row, int setLanguage) {
    if (form == MmsForm::A) {
        if (const LanguageDeparture* departure = rowFor(tables::mmsFormA, setLanguage, row.key))
            return utf8Entries(departure->text);
    }
    return utf8Entries(row.entries[column(setLanguage)]);
}

} // namespace

// mms_captions.csv: the original swapped the Japanese "MMS Mode" and "MMS Status" captions (the
// Auto list read "status", the VGA list "mode"); there each names its own list.
std::span<const VariantCaptionRow> mmsCaptionRows() {
    return tables::mmsCaptions;
}

QList<ControlCaption> mmsCaptions(MmsForm form, int language) {
    return variantCaptions(tables::mmsCaptions, static_cast<int>(form), language);
}

int mmsOptionLanguage(MmsForm form, int language) {
    const int shown = textLanguage(language);
    return form == MmsForm::A && shown == Lithuanian ? English : shown;
}

QStringList mmsModeOptions(MmsForm form, int language) {
    return optionList(form, modeTexts, mmsOptionLanguage(form, language));
}

QStringList mmsSendOptions(MmsForm form, int model, int language) {
    const int setLanguage = mmsOptionLanguage(form, language);
    if (form == MmsForm::B && cameraModel(model).mmsQvga)
        return optionList(form, sendQvgaTexts, setLanguage);
    return optionList(form, sendTexts, setLanguage);
}

QStringList mmsRoamingOptions(MmsForm form, int language) {
    return optionList(form, roamingTexts, mmsOptionLanguage(form, language));
}

QStringList mmsApnOptions() {
    return {QStringLiteral("APN")};
}

QStringList mmsManualApnOptions() {
    return {QStringLiteral("APN"), QStringLiteral("CSD")};
}

QString offWord(int language) {
    return utf8Text(offWords.entries[column(textLanguage(language))]);
}

QStringList hourOptions(int language) {
    QStringList hours;
    hours.reserve(hourOptionCount);
    for (int hour = 0; hour <= 24; ++hour)
        hours.append(QString::number(hour));
    hours.append(offWord(language));
    return hours;
}

} // namespace kestrova::i18n
