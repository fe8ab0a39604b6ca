#include "i18n/language.h"

#include "i18n/utf8_text.h"

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
    const std::string_view name = languageRow(language).locale;
    return QLocale(QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())));
}

QString cameraLanguageName(int byte) {
    // The first language with the byte is the one the camera knows by it; a later one shares it.
    for (const LanguageRow& row : languageTable) {
        if (row.cameraByte == byte)
            return utf8Text(row.entry);
    }
    return QStringLiteral("unknown");
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
    QStringList rows;
    rows.reserve(languageCount);
    for (const LanguageRow& row : languageTable)
        rows << utf8Text(row.entry);
    // Chinese is written in its own letters while the program speaks it.
    if (state.language == Chinese && state.systemIsChinese)
        rows[Chinese - 1] = QStringLiteral("中文");
    return rows;
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
        state.language = languageTable[static_cast<std::size_t>(row)].number;
        state.chineseRequested = false;
    }
    return state;
}

} // namespace kestrova::i18n
