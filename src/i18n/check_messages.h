#pragma once

#include "i18n/messages.h"
#include "i18n/wording.h"

namespace kestrova::i18n {

// What the checks of the settings files say, in our own words and in every language, for our
// own windows (the many-cards window names a camera's refused value this way). The setup forms
// keep the classic messages, in Chinese and English.
Wording checkMessage(Message id, QList<Wording> arguments = {});

// Whether a message is one of the checks' (every other has no wording of ours).
bool hasCheckMessage(Message id);

} // namespace kestrova::i18n
