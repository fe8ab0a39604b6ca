#include "i18n/notices.h"

#include <QString>

#include <array>

namespace kestrova::i18n {

namespace {

using enum Notice;

// The English texts with their keys; every other language's are in translations/*.ts.
// clang-format off
constexpr std::array noticeTable{
    // Writing a settings file.
    NoticeRow{FileIsLink, QT_TRANSLATE_NOOP3("Notice", "%1 in this folder is a link to another file; nothing was written.", "notice.file_is_link")},
    NoticeRow{NoFolderChosen, QT_TRANSLATE_NOOP3("Notice", "No folder chosen: choose the card's folder first.", "notice.no_folder_chosen")},
    NoticeRow{WriteInProgress, QT_TRANSLATE_NOOP3("Notice", "Another write to %1 is in progress; nothing was written. Try again in a moment.", "notice.write_in_progress")},
    NoticeRow{WrittenUnchecked, QT_TRANSLATE_NOOP3("Notice", "The file %1 was written, but it could not be read back to check it. Generate it again, or use Load from card to check it.", "notice.written_unchecked")},
    NoticeRow{ReasonPathTooLong, QT_TRANSLATE_NOOP3("Notice", "the path is too long.", "notice.reason_path_too_long")},

    // What a camera owner is told beyond the classic messages.
    NoticeRow{FileWritten, QT_TRANSLATE_NOOP3("Notice", "File: %1", "notice.file_written")},
    NoticeRow{ConfirmFactoryReset, QT_TRANSLATE_NOOP3("Notice", "Replace the menu.dat in %1 with the factory settings?", "notice.confirm_factory_reset")},
    NoticeRow{PortNotNumber, QT_TRANSLATE_NOOP3("Notice", "The port must be a whole number from 1 to 65535.", "notice.port_not_number")},
    NoticeRow{UrlNotOpened, QT_TRANSLATE_NOOP3("Notice", "The download page could not be opened. Its address is %1", "notice.url_not_opened")},
    NoticeRow{ModelSendsNoEmail, QT_TRANSLATE_NOOP3("Notice", "This model does not send e-mail.", "notice.model_sends_no_email")},

    // The card workflow: loading what a card holds, profiles, the files a write replaced.
    NoticeRow{MenuLoadFromCard, QT_TRANSLATE_NOOP3("Notice", "Load from card", "notice.menu_load_from_card")},
    NoticeRow{MenuLoadProfile, QT_TRANSLATE_NOOP3("Notice", "Load profile...", "notice.menu_load_profile")},
    NoticeRow{MenuSaveProfile, QT_TRANSLATE_NOOP3("Notice", "Save profile...", "notice.menu_save_profile")},
    NoticeRow{MenuRestorePrevious, QT_TRANSLATE_NOOP3("Notice", "Restore previous file", "notice.menu_restore_previous")},
    NoticeRow{FileAbsent, QT_TRANSLATE_NOOP3("Notice", "There is no %1 in this folder; the form was left as it was.", "notice.file_absent")},
    NoticeRow{FileDamaged, QT_TRANSLATE_NOOP3("Notice", "%1 in this folder is damaged; the form was left as it was.", "notice.file_damaged")},
    NoticeRow{FileOtherForm, QT_TRANSLATE_NOOP3("Notice", "%1 in this folder was written for a different camera model; the form was left as it was.", "notice.file_other_form")},
    NoticeRow{ProfileUnusable, QT_TRANSLATE_NOOP3("Notice", "The profile %1 cannot be used: %2", "notice.profile_unusable")},
    NoticeRow{ProfileSaved, QT_TRANSLATE_NOOP3("Notice", "Profile saved.", "notice.profile_saved")},
    NoticeRow{NoPreviousFile, QT_TRANSLATE_NOOP3("Notice", "No earlier %1 from this folder is kept in the history.", "notice.no_previous_file")},
    NoticeRow{AskRestorePrevious, QT_TRANSLATE_NOOP3("Notice", "Write back the %1 this folder held before %2?", "notice.ask_restore_previous")},
    NoticeRow{NoCopyKept, QT_TRANSLATE_NOOP3("Notice", "No copy of the replaced file could be kept, so it cannot be restored later.", "notice.no_copy_kept")},

    // The setup forms' menu button, and what loading a file tells.
    NoticeRow{MenuMore, QT_TRANSLATE_NOOP3("Notice", "More...", "notice.menu_more")},
    NoticeRow{LoadedFrom, QT_TRANSLATE_NOOP3("Notice", "Loaded from %1", "notice.loaded_from")},
    NoticeRow{FileIsFactoryReset, QT_TRANSLATE_NOOP3("Notice", "%1 in this folder is the factory reset record; it holds no settings to load.", "notice.file_is_factory_reset")},
    NoticeRow{AskReplaceProfile, QT_TRANSLATE_NOOP3("Notice", "%1 already exists. Replace it?", "notice.ask_replace_profile")},

    // What keeps, cleans and locks the files: the writer's turn, odd folder names, the history.
    NoticeRow{LockUnavailable, QT_TRANSLATE_NOOP3("Notice", "No lock could be made to write %1 safely (%2); nothing was written.", "notice.lock_unavailable")},
    NoticeRow{NameNotUtf8, QT_TRANSLATE_NOOP3("Notice", "The folder's name is not valid UTF-8 text, so the file cannot be written there. Rename the folder (or mount the card under another name) and choose it again.", "notice.name_not_utf8")},
    NoticeRow{FolderNotFlushed, QT_TRANSLATE_NOOP3("Notice", "The file %1 was written, but the card did not confirm the change to its folder (%2). Generate it again, or check the card with \"kestrova inspect\".", "notice.folder_not_flushed")},
    NoticeRow{RestoreSetsClock, QT_TRANSLATE_NOOP3("Notice", "Its camera clock will be set to the current time; every other setting stays as it was.", "notice.restore_sets_clock")},
    NoticeRow{RestoredFrom, QT_TRANSLATE_NOOP3("Notice", "%1 was restored as it was before %2.", "notice.restored_from")},
    NoticeRow{PreviousCopyDamaged, QT_TRANSLATE_NOOP3("Notice", "The kept copy of %1 cannot be written back: %2.", "notice.previous_copy_damaged")},

    // Which card a folder holds.
    NoticeRow{AskLoadFromFolder, QT_TRANSLATE_NOOP3("Notice", "%1 in %2 holds settings (%3). Load them into the form?", "notice.ask_load_from_folder")},
    NoticeRow{HoldsMenuOf, QT_TRANSLATE_NOOP3("Notice", "%1, clock %2", "notice.holds_menu_of")},
    NoticeRow{AskRestoreFromCard, QT_TRANSLATE_NOOP3("Notice", "The %1 this folder held before %2 came from the card %3; which card the folder holds now is not known. Write it back?", "notice.ask_restore_from_card")},
    NoticeRow{RestoreOtherCard, QT_TRANSLATE_NOOP3("Notice", "%1 was not written back: it came from the card %2, but the folder now holds the card %3.", "notice.restore_other_card")},
};
// clang-format on

} // namespace

std::span<const NoticeRow> noticeRows() {
    return noticeTable;
}

QString noticeText(Notice id, int language) {
    const NoticeRow& row = noticeTable[static_cast<std::size_t>(id)];
    Q_ASSERT(row.id == id);
    return ownText(noticeTextContext, row.text, language);
}

} // namespace kestrova::i18n
