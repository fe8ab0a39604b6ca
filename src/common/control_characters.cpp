#include "common/control_characters.h"

namespace kestrova {

char32_t codePoint(const QString& character) {
    if (character.isEmpty())
        return 0;
    if (character.size() == 2 && character[0].isHighSurrogate() && character[1].isLowSurrogate())
        return QChar::surrogateToUcs4(character[0], character[1]);
    return character[0].unicode();
}

bool isControlCharacter(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

QString shownCharacter(const QString& character) {
    const char32_t code = codePoint(character);
    if (!isControlCharacter(code))
        return character;
    return QStringLiteral("U+") +
           QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, u'0');
}

} // namespace kestrova
