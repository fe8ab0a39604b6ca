#pragma once

#include <QString>

namespace kestrova {

// C0 and C1 control characters and DEL: a terminal or the camera's menu would act on them
// rather than show them, so no text of a record may hold one.
bool isControlCharacter(char32_t code);

// A character as a message shows it: a control character by its code ("U+001B"), since the
// character itself would act on the screen or end the message; any other as it stands.
QString shownCharacter(const QString& character);

// The code point of a character given as one or two UTF-16 units; 0 for an empty text.
char32_t codePoint(const QString& character);

} // namespace kestrova
