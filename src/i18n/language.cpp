#include "i18n/language.h"

namespace kestrova::i18n {

std::uint16_t languageIdOf(const QLocale& locale) {
    if (locale.language() == QLocale::Chinese && locale.territory() == QLocale::China)
        return langIdChinesePrc;
    if (locale.language() == QLocale::German)
        return locale.territory() == QLocale::Liechtenstein ? langIdGermanLiechtenstein
                                                            : langIdGermanGermany;
    return langIdEnglishUs;
}

int defaultLanguageFor(std::uint16_t languageId) {
    if (languageId == langIdChinesePrc)
        return Chinese;
    if (languageId == langIdGermanLiechtenstein)
        return Deutsch;
    return English;
}

LanguageState languageAtStart(int language, bool systemIsChinese) {
    LanguageState state{language, systemIsChinese, false};
    if (!systemIsChinese && language == Chinese) {
        state.language = English;
        state.chineseRequested = true;
    }
    return state;
}

QStringList languageListRows(const LanguageState& state) {
    const bool showChinese = state.language == Chinese && state.systemIsChinese;
    return {showChinese ? QStringLiteral("中文") : QStringLiteral("Chinese"),
            QStringLiteral("English"),
            QStringLiteral("Deutsch"),
            QStringLiteral("Suomi"),
            QStringLiteral("Italiano"),
            QStringLiteral("Francais"),
            QStringLiteral("Magyar"),
            QStringLiteral("Slovenian"),
            QStringLiteral("Cesky"),
            QStringLiteral("Japanese"),
            QStringLiteral("Lithuanian")};
}

int selectedLanguageRow(const LanguageState& state) {
    if (state.language == Chinese || (state.language == English && state.chineseRequested))
        return 0;
    return isValidLanguage(state.language) ? state.language - 1 : -1;
}

LanguageState chooseLanguageRow(LanguageState state, int row) {
    if (row == 0) {
        state.language = state.systemIsChinese ? Chinese : English;
        state.chineseRequested = true;
    } else if (row >= 1 && row < languageCount) {
        state.language = row + 1;
        state.chineseRequested = false;
    }
    return state;
}

} // namespace kestrova::i18n
