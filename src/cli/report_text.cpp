#include "cli/report_text.h"

#include "i18n/language.h"

namespace kestrova::cli {

QString hex16(std::uint16_t value) {
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(4, u'0');
}

QString languageName(int number) {
    if (!i18n::isValidLanguage(number))
        return QStringLiteral("unknown");
    const i18n::LanguageState english{i18n::English, false, false};
    return i18n::languageListRows(english)[number - 1];
}

QString verdict(bool ok) {
    return ok ? QStringLiteral("(ok)") : QStringLiteral("(DAMAGED)");
}

QString okOr(bool ok, const QString& good, const QString& bad) {
    return (ok ? good : bad) + u' ' + verdict(ok);
}

} // namespace kestrova::cli
