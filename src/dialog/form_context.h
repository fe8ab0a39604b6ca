#pragma once

#include "dialog/target_folder.h"
#include "i18n/language.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace kestrova {
class FileHistory;
namespace card {
class CardLookup;
class VolumeSource;
} // namespace card
} // namespace kestrova

namespace kestrova::dialog {

// What a setup form reads of the program's state when it opens.
struct FormContext {
    i18n::LanguageState language;
    int model = 1;
    std::uint16_t tvMode = 0;
    // The folder the last form wrote to or the user last picked; empty for the default one.
    ChosenFolder folder = {};
    // Whether that folder was picked or written to in this run of the program, rather than
    // remembered from an earlier one.
    bool folderFromThisRun = false;
    // Told of every folder the user picks or writes to, so the next form starts there.
    std::function<void(const ChosenFolder&)> folderChosen = {};
    // The cards detected for this form, as they are found; none when null.
    std::shared_ptr<card::CardLookup> cards = {};
    // The mounted volumes, for what is mounted at a folder; none when null.
    const card::VolumeSource* volumes = nullptr;
    // Where the files a form replaces are kept; none when null.
    FileHistory* history = nullptr;

    int textLanguage() const { return i18n::textLanguage(language.language); }
    // The language byte the form's records carry (never the language's number).
    int recordLanguage() const { return language.recordByte(); }
};

} // namespace kestrova::dialog
