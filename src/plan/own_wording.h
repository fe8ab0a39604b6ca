#pragma once

#include "camera/menu_fields.h"
#include "i18n/summary_texts.h"
#include "mms/mms_fields.h"
#include "smtp/smtp_fields.h"

#include <QString>

#include <optional>

namespace kestrova::plan {

// Our own words for settings and values, where the forms keep theirs in English in a language
// (or spell them as typed on a keyboard without the language's letters): what the settings
// sheet and our sentences say instead.

// A setting's caption in our own words; nothing where the form's own caption serves.
std::optional<i18n::SummaryText> ownCaption(camera::MenuField field);
std::optional<i18n::SummaryText> ownCaption(mms::MmsField field);
std::optional<i18n::SummaryText> ownCaption(smtp::SmtpField field);

// The motion sensor's sensitivity (the "Sense Level" list's position) as a sentence says it.
QString sensitivityText(int senseLevel, int language);
// Whether "Phone No" may begin with "+" (the scope list's position).
QString scopeText(int international, int language);

// Whether a setting, by its profile name, is a password: never shown, not even on paper.
bool isPassword(const QString& settingName);

} // namespace kestrova::plan
