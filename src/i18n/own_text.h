#pragma once

#include <QString>

namespace kestrova::i18n {

// One of this program's own texts (not the behaviour's tables) in a display language: `source`
// is the English text, marked with QT_TRANSLATE_NOOP in `context` ("kestrova::ProfileFile").
QString ownText(const char* context, const char* source, int language);

} // namespace kestrova::i18n
