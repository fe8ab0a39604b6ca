#pragma once

#include "dialog/target_folder.h"
#include "i18n/language.h"

#include <QStringList>

#include <cstdint>
#include <functional>

namespace kestrova {
class FileHistory;
}

namespace kestrova::dialog {

// What a setup form reads of the program's state when it opens.
struct FormContext {
    i18n::LanguageState language;
    int model = 1;
    std::uint16_t tvMode = 0;
    // The folder the last form wrote to or the user last picked; empty for the default one.
    ChosenFolder folder = {};
    // Told of every folder the user picks or writes to, so the next form starts there.
    std::function<void(const ChosenFolder&)> folderChosen = {};
    // The mount points of the cards detected as the form opened, in mount point order.
    QStringList cards = {};
    // Where the files a form replaces are kept; none when null.
    FileHistory* history = nullptr;

    int textLanguage() const { return i18n::textLanguage(language.language); }
    int recordLanguage() const { return language.chosenLanguage(); }
};

} // namespace kestrova::dialog
