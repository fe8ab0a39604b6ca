#pragma once

#include "i18n/language.h"

#include <cstdint>

namespace kestrova::dialog {

// What a setup form reads of the program's state when it opens.
struct FormContext {
    i18n::LanguageState language;
    int model = 1;
    std::uint16_t tvMode = 0;

    int textLanguage() const { return i18n::textLanguage(language.language); }
    int recordLanguage() const { return language.chosenLanguage(); }
};

} // namespace kestrova::dialog
