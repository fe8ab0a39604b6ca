#pragma once

#include <QLocale>
#include <QStringList>

#include <cstdint>

namespace kestrova::i18n {

// Language numbers; a language's row in the main window's list is its number minus 1.
enum Language : int {
    Chinese = 1,
    English = 2,
    Deutsch = 3,
    Suomi = 4,
    Italiano = 5,
    Francais = 6,
    Magyar = 7,
    Slovenian = 8,
    Cesky = 9,
    Japanese = 10,
    Lithuanian = 11,
};
constexpr int languageCount = 11;

constexpr bool isValidLanguage(int language) {
    return language >= 1 && language <= languageCount;
}

// The language whose texts are shown: a number outside 1..11 shows English.
constexpr int textLanguage(int language) {
    return isValidLanguage(language) ? language : English;
}

// Windows language identifiers that decide the default language.
constexpr std::uint16_t langIdChinesePrc = 0x0804;
constexpr std::uint16_t langIdGermanLiechtenstein = 0x1407;
constexpr std::uint16_t langIdGermanGermany = 0x0407;
constexpr std::uint16_t langIdEnglishUs = 0x0409;

// The system's default language as a Windows language identifier (only the ones that matter
// are told apart).
std::uint16_t languageIdOf(const QLocale& locale);

// The locale whose translations the toolkit's own dialogs take for a language.
QLocale localeOf(int language);

// 1 for Chinese (PRC), 3 for German (Liechtenstein) exactly, 2 for everything else.
int defaultLanguageFor(std::uint16_t languageId);

struct LanguageState {
    int language = English;
    bool systemIsChinese = false;
    bool chineseRequested = false;

    // The language the user chose: stored in the preferences and carried by every record.
    int chosenLanguage() const { return chineseRequested ? Chinese : language; }
};

// The state after start-up, from the stored (or default) language number.
LanguageState languageAtStart(int language, bool systemIsChinese);

// The eleven rows of the main window's language list, and the row that shows as selected.
QStringList languageListRows(const LanguageState& state);
int selectedLanguageRow(const LanguageState& state);

// The state after the user picks a row of the language list.
LanguageState chooseLanguageRow(LanguageState state, int row);

} // namespace kestrova::i18n
