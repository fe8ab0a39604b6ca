#pragma once

#include <string_view>

namespace kestrova::i18n {

// One language of the program, a row of src/i18n/tables/languages.csv.
struct LanguageRow {
    int number;              // as the preferences and --language know it: its list row + 1
    std::string_view entry;  // its entry in the main window's language list
    std::string_view locale; // the toolkit's own dialogs and the number formats, "de_DE"
    std::string_view tag;    // translations/kestrova_<tag>.ts and its column in the text tables
    int cameraByte;          // the language byte the camera knows it by, in every record
};

} // namespace kestrova::i18n
