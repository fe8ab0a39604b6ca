#pragma once

#include "common/range_check.h"
#include "i18n/tables/languages.h"

#include <QLocale>
#include <QStringList>

#include <cstdint>

namespace kestrova::i18n {

// The languages are the rows of src/i18n/tables/languages.csv, which gives `Language` and
// `languageCount`. A language's row in the main window's list is its number minus 1.

constexpr bool isValidLanguage(int language) {
    return language >= 1 && language <= languageCount;
}

// The language whose texts are shown: a number outside the table shows English.
constexpr int textLanguage(int language) {
    return isValidLanguage(language) ? language : English;
}

// A language's row; a number outside the table reads English's.
constexpr const LanguageRow& languageRow(int language) {
    return languageTable[static_cast<std::size_t>(textLanguage(language) - 1)];
}

// The language byte a record carries for a language the user chose: the camera's own byte for
// that language (English's for a language the camera does not know), never its number.
constexpr int cameraLanguageByte(int language) {
    return languageRow(language).cameraByte;
}

namespace detail {
constexpr IntRange cameraByteSpan() {
    IntRange span{languageTable[0].cameraByte, languageTable[0].cameraByte};
    for (const LanguageRow& row : languageTable) {
        span.lower = row.cameraByte < span.lower ? row.cameraByte : span.lower;
        span.upper = row.cameraByte > span.upper ? row.cameraByte : span.upper;
    }
    return span;
}

constexpr bool noByteMissingIn(IntRange span) {
    for (int byte = span.lower; byte <= span.upper; ++byte) {
        bool carried = false;
        for (const LanguageRow& row : languageTable)
            carried = carried || row.cameraByte == byte;
        if (!carried)
            return false;
    }
    return true;
}
} // namespace detail

// The language bytes the camera knows: every byte of the table, from the lowest to the highest.
inline constexpr IntRange cameraLanguageBytes = detail::cameraByteSpan();
static_assert(detail::noByteMissingIn(cameraLanguageBytes),
              "languages.csv: a camera_byte is another language's, or the next after the highest");

// A record's language byte by the list entry of the language the camera knows by it; "unknown"
// for a byte the camera does not know.
QString cameraLanguageName(int byte);

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

    // The language the user chose: what the preferences keep.
    int chosenLanguage() const { return chineseRequested ? Chinese : language; }
    // The language byte every record carries: the camera's byte for the chosen language.
    int recordByte() const { return cameraLanguageByte(chosenLanguage()); }
};

// The state after start-up, from the stored (or default) language number.
LanguageState languageAtStart(int language, bool systemIsChinese);

// The rows of the main window's language list, one a language, and the row that shows as
// selected.
QStringList languageListRows(const LanguageState& state);
int selectedLanguageRow(const LanguageState& state);

// The state after the user picks a row of the language list.
LanguageState chooseLanguageRow(LanguageState state, int row);

} // namespace kestrova::i18n
