#pragma once

#include "i18n/language.h"
#include "i18n/own_text.h"

#include <span>

namespace kestrova::i18n {

// The texts of setting up many cards: the many-cards window, the main window's entries for it,
// and what the loop says of each card, in the window and on the command line.
enum class FleetText {
    MenuManyCards,
    MenuSaveKit,
    WindowTitle,
    KitLabel,
    CamerasLabel,
    LogLabel,
    SetupByLabel,
    Browse,
    Start,
    Stop,
    Close,
    CardsDone,
    ChooseKit,
    InsertCardFor,  // %1: the camera, %2: its place, %3: how many
    InsertNextCard, // %1: the cards written
    Writing,        // %1: the camera, %2: the card's folder
    RemoveEjected,  // %1: the camera
    RemoveCard,     // %1: the camera, %2: the card's folder
    RemoveSkipped,  // %1: the card's folder
    AskOtherCamera, // %1: the card's folder, %2: the serial text, %3: the camera
    AskOtherKit,    // %1: the card's folder, %2: the file, %3: the camera
    AskDamaged,     // %1: the card's folder, %2: the file, %3: the camera
    ResultDone,
    ResultFailed, // %1: why
    ResultIncomplete,
    ResultSkipped,
    AllDone,           // %1: the cards written
    OneCardWritten,    // %1: the camera
    Stopped,           // %1: the cards written
    StoppedDuringCard, // %1: the camera
    CardFailed,        // %1: the camera, %2: why
    InputUnusable,     // %1: the file, %2: why
    KitSaved,          // %1: the kit's name, %2: the file
    KitNotSaved,       // %1: why
    NoSettingsFile,    // %1: the folder
    AskStopFirst,
};

struct FleetTextRow {
    FleetText id;
    OwnTextSource text;
};

// The context of these texts in translations/*.ts.
inline constexpr const char* fleetTextContext = "FleetText";

std::span<const FleetTextRow> fleetTextRows();

// The text in the given language (English outside the language table), placeholders unfilled.
QString fleetText(FleetText id, int language);

} // namespace kestrova::i18n
