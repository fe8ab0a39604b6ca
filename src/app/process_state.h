#pragma once

#include "dialog/target_folder.h"
#include "i18n/language.h"

#include <cstdint>

namespace kestrova::app {

constexpr int modelCount = 7;

constexpr bool isValidModel(int model) {
    return model >= 1 && model <= modelCount;
}

// What the whole program shares while it runs: the language, its two flags, the camera model,
// the TV mode the records carry and the folder the forms write into.
struct ProcessState {
    i18n::LanguageState languageState;
    int model = 1;
    std::uint16_t tvMode = 0;
    dialog::ChosenFolder folder = {}; // empty: the forms start at the default folder
    bool folderFromThisRun = false;   // picked or written to since the program started

    int language() const { return languageState.language; }
    // The language byte every settings record carries (never the language's number).
    int recordLanguage() const { return languageState.recordByte(); }
};

} // namespace kestrova::app
