#pragma once

#include "i18n/language.h"
#include "i18n/own_text.h"
#include "i18n/wording.h"

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

    // A run that carries on: the log read first, a card that fails leaves its camera next.
    PassingOverDone,      // %1: the cameras
    NothingLeft,          //
    InsertAnotherCardFor, // %1: the camera, %2: its place, %3: how many
    AskAgain,             // %1: the camera, %2: its card done
    ResultDoneReplacing,  // %1: the card it replaces
    CardNotWritten,       // %1: the camera
    StillWithoutCard,     // %1: the cameras
    CardNamedWrittenAt,   // %1: the card's UUID or label, %2: when it was written
    CardWrittenAt,        // %1: when it was written

    // What a card is found to be before it is written.
    ReadOnlyCard,         //
    CardWarnings,         // %1: the card's folder; the warnings follow, one a line
    CardOfOtherCamera,    // %1: the card's folder, %2: the other camera, %3: its card
    AskWriteAnyway,       // %1: the camera
    FileIsLinkOnCard,     // %1: the file
    FileNotRegularOnCard, // %1: the file
    NoRoomOnCard,         // %1: the free space, %2: the space the files need
    PartlyWritten,        // %1: the files in place, %2: why the next one failed

    // Ejecting, and the log.
    StillMounted,       //
    RemoveByHand,       // %1: the camera, %2: why it did not eject, %3: the card's folder
    RemoveFailed,       // %1: the card's folder
    RemoveFailedByHand, // %1: the card's folder, %2: why it did not eject
    LogNotWritten,      // %1: why
    LogEndedDamaged,    // %1: the log, %2: the line its half row begins on
    LogReplaced,        // %1: the log

    // The many-cards window's table of cameras.
    CamerasTableLabel, //
    SetUpInFieldLabel, //
    ColumnCamera,      //
    ColumnLocation,    //
    ColumnCard,        //
    ColumnState,       //
    StateWaiting,      //
    StateNext,         //
    StateWriting,      //
    StateDoneBefore,   // %1: when it was written
    TimeUnusable,      // %1: why
    NameUnusable,      // %1: the field's caption, %2: why
    KitHoldsPasswords, // %1: the settings

    // The many-cards window's returned cards: each read, its return logged, then ejected.
    ModeLabel,            //
    ModeSetUp,            //
    ModeReturned,         //
    ChooseLog,            //
    CamerasReturnedLabel, //
    StateInField,         // %1: when its card was written
    StateReturned,        // %1: when its return was logged
    StateReading,         //
    InsertReturnedCard,   // %1: the cards read
    ReadingCard,          // %1: the card's folder
    ResultReturned,       // %1: what its report found
    ReturnNotRead,        // %1: the card's folder, %2: why
    ReturnedEjected,      // %1: the camera (or "#2")
    ReturnedRemove,       // %1: the camera, %2: the card's folder
    ReturnedRemoveByHand, // %1: the camera, %2: why it did not eject, %3: the card's folder
    ReturnsStopped,       // %1: the cards read
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

// The text with its placeholders filled, in whichever language it is said.
Wording fleetWording(FleetText id, QList<Wording> arguments = {});

} // namespace kestrova::i18n
