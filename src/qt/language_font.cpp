#include "qt/language_font.h"

#include "i18n/language.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace kestrova::qt {

namespace {

// Faces by the Debian package that brings them: fonts-noto-cjk (recommended), then the
// Japanese IPA fonts, and fonts-wqy-microhei for Chinese.
QStringList facesFor(int language) {
    if (language == i18n::Japanese)
        return {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"),
                QStringLiteral("IPAexGothic")};
    if (language == i18n::Chinese)
        return {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")};
    return {};
}

bool isKana(char16_t c) {
    return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
           (c >= 0xFF66 && c <= 0xFF9F);
}

bool isHan(char16_t c) {
    return c >= 0x4E00 && c <= 0x9FFF;
}

// Whether a face draws Chinese characters itself: it would draw them before any face after it.
bool drawsHan(const QString& family) {
    const auto systems = QFontDatabase::writingSystems(family);
    return systems.contains(QFontDatabase::SimplifiedChinese) ||
           systems.contains(QFontDatabase::TraditionalChinese) ||
           systems.contains(QFontDatabase::Japanese);
}

} // namespace

QFont languageFont(const QFont& desktop, int language) {
    // The face the desktop's font really is: a name like "Sans Serif" is only an alias, which
    // a list of faces would pass over for the next one.
    QStringList families = desktop.families();
    if (families.isEmpty())
        families << desktop.family();
    families.front() = QFontInfo(desktop).family();
    const QStringList faces = facesFor(language);
    // The desktop's face keeps the Latin letters, unless it would draw the characters too.
    if (!faces.isEmpty() && drawsHan(families.constFirst()))
        families = faces + families;
    else
        families << faces;
    QFont font = desktop;
    font.setFamilies(families);
    return font;
}

QFont fontForText(const QFont& base, const QString& text) {
    bool han = false;
    for (const QChar c : text) {
        if (isKana(c.unicode()))
            return languageFont(base, i18n::Japanese);
        han = han || isHan(c.unicode());
    }
    return han ? languageFont(base, i18n::Chinese) : base;
}

} // namespace kestrova::qt
