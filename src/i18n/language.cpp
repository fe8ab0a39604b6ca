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

QLocale localeOf(int language) {
    switch (textLanguage(language)) {
    case Chinese:
        return QLocale(QLocale::Chinese, QLocale::China);
    case Deutsch:
        return QLocale(QLocale::German, QLocale::Germany);
    case Suomi:
        return QLocale(QLocale::Finnish, QLocale::Finland);
    case Italiano:
        return QLocale(QLocale::Italian, QLocale::Italy);
    case Francais:
        return QLocale(QLocale::French, QLocale::France);
    case Magyar:
        return QLocale(QLocale::Hungarian, QLocale::Hungary);
    case Slovenian:
        return QLocale(QLocale::Slovenian, QLocale::Slovenia);
    case Cesky:
        return QLocale(QLocale::Czech, QLocale::CzechRepublic);
    case Japanese:
        return QLocale(QLocale::Japanese, QLocale::Japan);
    case Lithuanian:
        return QLocale(QLocale::Lithuanian, QLocale::Lithuania);
    default:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
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
