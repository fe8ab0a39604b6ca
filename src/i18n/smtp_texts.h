#pragma once

#include "common/form_variants.h"
#include "i18n/control_caption.h"

#include <QList>
#include <QStringList>

#include <span>

namespace kestrova::i18n {

// The SMTP forms' hour lists take hourOptions() and hourDefault from mms_texts.h, like the MMS
// forms.

// Positions selected when an SMTP form opens.
constexpr int smtpModeDefault = 0;
constexpr int smtpSendDefault = 1;

// The caption rows of the SMTP forms (controlIds[0] for form A, [1] for form B), in the order the
// forms set them.
std::span<const VariantCaptionRow> smtpCaptionRows();

// The captions an SMTP form sets when it opens, entry language - 1 of each row; a language
// outside the language table reads English.
QList<ControlCaption> smtpCaptions(SmtpForm form, int language);

// The mode list and form B's send list; a language outside the table reads English.
QStringList smtpModeOptions(int language);
QStringList smtpSendOptions(int language);

} // namespace kestrova::i18n
