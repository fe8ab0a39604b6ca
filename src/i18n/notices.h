#pragma once

#include "i18n/language.h"
#include "i18n/own_text.h"

#include <span>

namespace kestrova::i18n {

// Texts the program shows beyond the windows' captions and the classic messages: each exists in
// every language.
enum class Notice {
    // Writing a settings file.
    FileIsLink,       // %1: the file name
    NoFolderChosen,   //
    WriteInProgress,  // %1: the file
    WrittenUnchecked, // %1: the file
    ReasonPathTooLong,

    // What a camera owner is told beyond the classic messages.
    FileWritten,         // %1: the full path of the file
    ConfirmFactoryReset, // %1: the folder
    PortNotNumber,       //
    UrlNotOpened,        // %1: the address
    ModelSendsNoEmail,   //

    // The card workflow: loading what a card holds, profiles, the files a write replaced.
    MenuLoadFromCard,    //
    MenuLoadProfile,     //
    MenuSaveProfile,     //
    MenuRestorePrevious, //
    FileAbsent,          // %1: the file name
    FileDamaged,         // %1: the file name
    FileOtherForm,       // %1: the file name
    ProfileUnusable,     // %1: the profile file, %2: why
    ProfileSaved,        // followed by the FileWritten line
    NoPreviousFile,      // %1: the file name
    AskRestorePrevious,  // %1: the file name, %2: when it was replaced
    NoCopyKept,          //

    // The setup forms' menu button, and what loading a file tells.
    MenuMore,           //
    LoadedFrom,         // %1: the file the settings came from
    FileIsFactoryReset, // %1: the file name
    AskReplaceProfile,  // %1: the profile file

    // What keeps, cleans and locks the files: the writer's turn, odd folder names, the history.
    LockUnavailable,     // %1: the file, %2: why (the place and the system's reason)
    NameNotUtf8,         //
    FolderNotFlushed,    // %1: the file, %2: the system's reason
    RestoreSetsClock,    // follows AskRestorePrevious for a camera menu
    RestoredFrom,        // %1: the file name, %2: when it was replaced
    PreviousCopyDamaged, // %1: the file name, %2: why

    // Which card a folder holds.
    AskLoadFromFolder,  // %1: the file name, %2: the folder, %3: what it holds (HoldsMenuOf, a
                        // model)
    HoldsMenuOf,        // %1: the model's name, %2: the camera clock the file carries
    AskRestoreFromCard, // %1: the file name, %2: when it was replaced, %3: the card it came from
    RestoreOtherCard,   // %1: the file name, %2: the card it came from, %3: the card there now
};

struct NoticeRow {
    Notice id;
    OwnTextSource text;
};

// The context of these texts in translations/*.ts.
inline constexpr const char* noticeTextContext = "Notice";

std::span<const NoticeRow> noticeRows();

// The text in the given language (English outside the language table), placeholders unfilled.
QString noticeText(Notice id, int language);

} // namespace kestrova::i18n
