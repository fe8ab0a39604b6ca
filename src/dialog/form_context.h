#pragma once

#include "dialog/target_folder.h"
#include "i18n/language.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace kestrova {
class FileHistory;
namespace card {
class CardLookup;
class VolumeSource;
} // namespace card
} // namespace kestrova

namespace kestrova::dialog {

// What the card report window is opened for: a card's folder, read in a language as a model's
// forms wrote its settings; `offerTriggers` when the caller can take back the triggers a day the
// card measured (a setup form's strip).
struct CardReportRequest {
    QString folder;
    int language = i18n::English;
    int model = 1;
    bool offerTriggers = false;
    QString log = {}; // the deployment log that says where and by whom, where one is known
};

// Opens the card report window and waits for it to close; the triggers a day the owner chose to
// take from it, if any.
using CardReportOpener = std::function<std::optional<int>(const CardReportRequest&)>;

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
    // "Card report..." in the context menu; none: not offered.
    CardReportOpener cardReport = {};

    int textLanguage() const { return i18n::textLanguage(language.language); }
    // The language byte the form's records carry (never the language's number).
    int recordLanguage() const { return language.recordByte(); }
};

} // namespace kestrova::dialog
