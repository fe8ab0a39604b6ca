#pragma once

#include "i18n/tables/languages.h"

#include <array>
#include <string_view>

namespace kestrova::i18n {

// The rows of the text tables in src/i18n/tables, which make_text_tables.py turns into
// constexpr arrays of these types (i18n/tables/<table>.h in the build).

// One text a language, in the order of the language table. A list's entries are joined by
// entrySeparator in one text (utf8Entries parts them).
using LanguageTexts = std::array<std::string_view, languageCount>;

// One caption of the main window.
struct MainCaptionRow {
    std::string_view key;
    int controlId;
    LanguageTexts texts;
};

// A camera form's label or button caption: its control on forms A and C and on form B (0: none)
// and the forms that have it, as letters ("ABC", "BC").
struct CameraLabelRow {
    std::string_view key;
    int controlAC;
    int controlB;
    std::string_view forms;
    LanguageTexts texts;
};

// A translated list of the camera forms; the control that shows it comes from the menu field
// table. The position, not the text, is what gets stored, so every language keeps one order.
struct CameraOptionRow {
    std::string_view key;
    std::string_view forms;
    int defaultPosition;
    LanguageTexts entries;
};

// A caption of a form that comes in two variants: the control it labels in each (0 where that
// variant keeps its template caption).
struct VariantCaptionRow {
    std::string_view key;
    int controlA;
    int controlB;
    LanguageTexts texts;
};

// A list of the MMS or SMTP forms, or a word they share.
struct OptionTextsRow {
    std::string_view key;
    LanguageTexts entries;
};

// Where one form's text set departs, in one language, from the row of the same key.
struct LanguageDeparture {
    Language language;
    std::string_view key;
    std::string_view text;
};

// A caption only one language's set gives, to controls that otherwise keep their template
// captions (0 ends the list of controls).
struct ExtraCaptionRow {
    Language language;
    std::string_view key;
    std::array<int, 5> controls;
    std::string_view text;
};

// The row a table of departures or extra captions gives a language and key, or nullptr.
template <typename Row, std::size_t N>
constexpr const Row* rowFor(const std::array<Row, N>& rows, int language, std::string_view key) {
    for (const Row& row : rows) {
        if (row.language == language && row.key == key)
            return &row;
    }
    return nullptr;
}

// The row of a key, found while compiling: a key the table lacks does not build.
template <typename Row, std::size_t N>
consteval const Row& rowOf(const std::array<Row, N>& rows, std::string_view key) {
    for (const Row& row : rows) {
        if (row.key == key)
            return row;
    }
    throw "no row of this key in its text table";
}

} // namespace kestrova::i18n
