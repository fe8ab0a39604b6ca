#pragma once

#include "common/form_variants.h"
#include "i18n/control_caption.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <span>

namespace kestrova::i18n {

// Positions selected when an MMS form opens. The hour lists of the SMTP forms use the same
// default: the off entry after "0".."24".
constexpr int mmsModeDefault = 0;
constexpr int mmsSendDefault = 1;
constexpr int mmsRoamingDefault = 0;
constexpr int mmsApnDefault = 0;
constexpr int hourDefault = 25;
constexpr int hourOptionCount = 26;

// The caption rows of the MMS forms (controlIds[0] for form A, [1] for form B), in the order the
// forms set them.
std::span<const VariantCaptionRow> mmsCaptionRows();

// The captions an MMS form sets when it opens, entry language - 1 of each row; a language outside
// the language table reads English.
QList<ControlCaption> mmsCaptions(MmsForm form, int language);

// The language whose option texts an MMS form shows: form A has no Lithuanian set, and a language
// outside the language table has none on either form; both show English.
int mmsOptionLanguage(MmsForm form, int language);

QStringList mmsModeOptions(MmsForm form, int language);
// Form B gives models 1 and 3 a QVGA entry before "SMS"; every other case has three entries.
QStringList mmsSendOptions(MmsForm form, int model, int language);
QStringList mmsRoamingOptions(MmsForm form, int language);
// The bearer list as the form opens (and in "Auto" mode), and in "Manual" mode.
QStringList mmsApnOptions();
QStringList mmsManualApnOptions();

// The word for off in a language (English outside the language table); it ends every hour list and
// starts the SMTP send list.
QString offWord(int language);
// "0" to "24", then the off word: the hour lists of the MMS and the SMTP forms.
QStringList hourOptions(int language);

} // namespace kestrova::i18n
