#include "i18n/fleet_texts.h"

#include <array>

#include <QString>

namespace kestrova::i18n {

namespace {

using enum FleetText;

// The English texts with their keys; every other language's are in translations/*.ts.
// clang-format off
constexpr std::array fleetTable{
    FleetTextRow{MenuManyCards, QT_TRANSLATE_NOOP3("FleetText", "Set up many cards...", "fleet.menu_many_cards")},
    FleetTextRow{MenuSaveKit, QT_TRANSLATE_NOOP3("FleetText", "Save kit from card...", "fleet.menu_save_kit")},
    FleetTextRow{WindowTitle, QT_TRANSLATE_NOOP3("FleetText", "Set up many cards", "fleet.window_title")},
    FleetTextRow{KitLabel, QT_TRANSLATE_NOOP3("FleetText", "Kit file:", "fleet.kit_label")},
    FleetTextRow{CamerasLabel, QT_TRANSLATE_NOOP3("FleetText", "Cameras (CSV):", "fleet.cameras_label")},
    FleetTextRow{LogLabel, QT_TRANSLATE_NOOP3("FleetText", "Log file:", "fleet.log_label")},
    FleetTextRow{SetupByLabel, QT_TRANSLATE_NOOP3("FleetText", "Set up by:", "fleet.setup_by_label")},
    FleetTextRow{Browse, QT_TRANSLATE_NOOP3("FleetText", "Browse...", "fleet.browse")},
    FleetTextRow{Start, QT_TRANSLATE_NOOP3("FleetText", "Start", "fleet.start")},
    FleetTextRow{Stop, QT_TRANSLATE_NOOP3("FleetText", "Stop", "fleet.stop")},
    FleetTextRow{Close, QT_TRANSLATE_NOOP3("FleetText", "Close", "fleet.close")},
    FleetTextRow{CardsDone, QT_TRANSLATE_NOOP3("FleetText", "Cards done:", "fleet.cards_done")},
    FleetTextRow{ChooseKit, QT_TRANSLATE_NOOP3("FleetText", "Choose a kit file, then press Start.", "fleet.choose_kit")},
    FleetTextRow{InsertCardFor, QT_TRANSLATE_NOOP3("FleetText", "Insert the card for camera %1 (%2 of %3)", "fleet.insert_card_for")},
    FleetTextRow{InsertNextCard, QT_TRANSLATE_NOOP3("FleetText", "Insert the next card (%1 written)", "fleet.insert_next_card")},
    FleetTextRow{Writing, QT_TRANSLATE_NOOP3("FleetText", "Writing the card for camera %1 (%2)...", "fleet.writing")},
    FleetTextRow{RemoveEjected, QT_TRANSLATE_NOOP3("FleetText", "The card for camera %1 is done and ejected: remove it.", "fleet.remove_ejected")},
    FleetTextRow{RemoveCard, QT_TRANSLATE_NOOP3("FleetText", "The card for camera %1 is done: unmount and remove the card at %2.", "fleet.remove_card")},
    FleetTextRow{RemoveSkipped, QT_TRANSLATE_NOOP3("FleetText", "The card at %1 was left as it was: remove it.", "fleet.remove_skipped")},
    FleetTextRow{AskOtherCamera, QT_TRANSLATE_NOOP3("FleetText", "The card at %1 holds the files of another camera (serial text %2). Replace them with the settings of camera %3?", "fleet.ask_other_camera")},
    FleetTextRow{AskOtherKit, QT_TRANSLATE_NOOP3("FleetText", "%2 on the card at %1 holds other settings than this kit's. Replace it with the settings of camera %3?", "fleet.ask_other_kit")},
    FleetTextRow{AskDamaged, QT_TRANSLATE_NOOP3("FleetText", "%2 on the card at %1 is damaged or cannot be read. Replace it with the settings of camera %3?", "fleet.ask_damaged")},
    FleetTextRow{ResultDone, QT_TRANSLATE_NOOP3("FleetText", "done", "fleet.result_done")},
    FleetTextRow{ResultFailed, QT_TRANSLATE_NOOP3("FleetText", "failed: %1", "fleet.result_failed")},
    FleetTextRow{ResultIncomplete, QT_TRANSLATE_NOOP3("FleetText", "incomplete (stopped)", "fleet.result_incomplete")},
    FleetTextRow{ResultSkipped, QT_TRANSLATE_NOOP3("FleetText", "left as it was", "fleet.result_skipped")},
    FleetTextRow{AllDone, QT_TRANSLATE_NOOP3("FleetText", "Every camera's card is written (%1).", "fleet.all_done")},
    FleetTextRow{OneCardWritten, QT_TRANSLATE_NOOP3("FleetText", "One card written (camera %1).", "fleet.one_card_written")},
    FleetTextRow{Stopped, QT_TRANSLATE_NOOP3("FleetText", "Stopped; %1 cards written.", "fleet.stopped")},
    FleetTextRow{StoppedDuringCard, QT_TRANSLATE_NOOP3("FleetText", "Stopped during the card for camera %1: that card is incomplete and must be written again.", "fleet.stopped_during_card")},
    FleetTextRow{CardFailed, QT_TRANSLATE_NOOP3("FleetText", "The card for camera %1 failed: %2", "fleet.card_failed")},
    FleetTextRow{InputUnusable, QT_TRANSLATE_NOOP3("FleetText", "%1 cannot be used: %2", "fleet.input_unusable")},
    FleetTextRow{KitSaved, QT_TRANSLATE_NOOP3("FleetText", "The kit \"%1\" was saved: %2", "fleet.kit_saved")},
    FleetTextRow{KitNotSaved, QT_TRANSLATE_NOOP3("FleetText", "No kit was saved: %1", "fleet.kit_not_saved")},
    FleetTextRow{NoSettingsFile, QT_TRANSLATE_NOOP3("FleetText", "%1 holds no settings file.", "fleet.no_settings_file")},
    FleetTextRow{AskStopFirst, QT_TRANSLATE_NOOP3("FleetText", "Cards are still being set up. Stop and close the window?", "fleet.ask_stop_first")},

    FleetTextRow{PassingOverDone, QT_TRANSLATE_NOOP3("FleetText", "These cameras have a card done in the log and are passed over: %1", "fleet.passing_over_done")},
    FleetTextRow{NothingLeft, QT_TRANSLATE_NOOP3("FleetText", "Every camera has a card done in the log: nothing is left to write.", "fleet.nothing_left")},
    FleetTextRow{InsertAnotherCardFor, QT_TRANSLATE_NOOP3("FleetText", "Insert another card for camera %1 (%2 of %3)", "fleet.insert_another_card_for")},
    FleetTextRow{AskAgain, QT_TRANSLATE_NOOP3("FleetText", "Camera %1 already has a card done (%2). Write another card for it, which replaces that one?", "fleet.ask_again")},
    FleetTextRow{ResultDoneReplacing, QT_TRANSLATE_NOOP3("FleetText", "done; it replaces the %1", "fleet.result_done_replacing")},
    FleetTextRow{CardNotWritten, QT_TRANSLATE_NOOP3("FleetText", "The card for camera %1 is not done.", "fleet.card_not_written")},
    FleetTextRow{StillWithoutCard, QT_TRANSLATE_NOOP3("FleetText", "These cameras still have no card: %1", "fleet.still_without_card")},
    FleetTextRow{CardNamedWrittenAt, QT_TRANSLATE_NOOP3("FleetText", "card %1 written %2", "fleet.card_named_written_at")},
    FleetTextRow{CardWrittenAt, QT_TRANSLATE_NOOP3("FleetText", "card written %1", "fleet.card_written_at")},

    FleetTextRow{ReadOnlyCard, QT_TRANSLATE_NOOP3("FleetText", "the card is read-only or locked; nothing was written", "fleet.read_only_card")},
    FleetTextRow{CardWarnings, QT_TRANSLATE_NOOP3("FleetText", "The card at %1:", "fleet.card_warnings")},
    FleetTextRow{CardOfOtherCamera, QT_TRANSLATE_NOOP3("FleetText", "The log has the card at %1 as the card of camera %2 (%3).", "fleet.card_of_other_camera")},
    FleetTextRow{AskWriteAnyway, QT_TRANSLATE_NOOP3("FleetText", "Write the settings of camera %1 onto it all the same?", "fleet.ask_write_anyway")},
    FleetTextRow{FileIsLinkOnCard, QT_TRANSLATE_NOOP3("FleetText", "%1 on the card is a link; nothing was written", "fleet.file_is_link_on_card")},
    FleetTextRow{FileNotRegularOnCard, QT_TRANSLATE_NOOP3("FleetText", "%1 on the card is a folder or a device, not a file; nothing was written", "fleet.file_not_regular_on_card")},
    FleetTextRow{NoRoomOnCard, QT_TRANSLATE_NOOP3("FleetText", "the card has %1 free, but the files need %2; nothing was written", "fleet.no_room_on_card")},
    FleetTextRow{PartlyWritten, QT_TRANSLATE_NOOP3("FleetText", "the card is only partly written: %1 already hold the new settings. %2 Write the card again before it goes out.", "fleet.partly_written")},

    FleetTextRow{StillMounted, QT_TRANSLATE_NOOP3("FleetText", "it is still mounted", "fleet.still_mounted")},
    FleetTextRow{RemoveByHand, QT_TRANSLATE_NOOP3("FleetText", "The card for camera %1 is done, but it did not eject (%2): unmount and remove the card at %3 by hand.", "fleet.remove_by_hand")},
    FleetTextRow{RemoveFailed, QT_TRANSLATE_NOOP3("FleetText", "The card at %1 is not done: remove it.", "fleet.remove_failed")},
    FleetTextRow{RemoveFailedByHand, QT_TRANSLATE_NOOP3("FleetText", "The card at %1 is not done and did not eject (%2): unmount and remove it by hand.", "fleet.remove_failed_by_hand")},
    FleetTextRow{LogNotWritten, QT_TRANSLATE_NOOP3("FleetText", "the log could not be written: %1", "fleet.log_not_written")},
    FleetTextRow{LogEndedDamaged, QT_TRANSLATE_NOOP3("FleetText", "The log %1 ended in half a row (line %2): that row is kept on a line of its own, and the new row is below it.", "fleet.log_ended_damaged")},
    FleetTextRow{LogReplaced, QT_TRANSLATE_NOOP3("FleetText", "The log %1 was saved over by another program since the last row; the new row went into the file there now.", "fleet.log_replaced")},

    FleetTextRow{CamerasTableLabel, QT_TRANSLATE_NOOP3("FleetText", "Cameras and their cards (double-click one to write its card next):", "fleet.cameras_table_label")},
    FleetTextRow{SetUpInFieldLabel, QT_TRANSLATE_NOOP3("FleetText", "Set up in the field:", "fleet.set_up_in_field_label")},
    FleetTextRow{ColumnCamera, QT_TRANSLATE_NOOP3("FleetText", "Camera", "fleet.column_camera")},
    FleetTextRow{ColumnLocation, QT_TRANSLATE_NOOP3("FleetText", "Location", "fleet.column_location")},
    FleetTextRow{ColumnCard, QT_TRANSLATE_NOOP3("FleetText", "Card", "fleet.column_card")},
    FleetTextRow{ColumnState, QT_TRANSLATE_NOOP3("FleetText", "State", "fleet.column_state")},
    FleetTextRow{StateWaiting, QT_TRANSLATE_NOOP3("FleetText", "waiting", "fleet.state_waiting")},
    FleetTextRow{StateNext, QT_TRANSLATE_NOOP3("FleetText", "next: insert its card", "fleet.state_next")},
    FleetTextRow{StateWriting, QT_TRANSLATE_NOOP3("FleetText", "writing", "fleet.state_writing")},
    FleetTextRow{StateDoneBefore, QT_TRANSLATE_NOOP3("FleetText", "done earlier (%1)", "fleet.state_done_before")},
    FleetTextRow{TimeUnusable, QT_TRANSLATE_NOOP3("FleetText", "The time set up in the field cannot be used: %1", "fleet.time_unusable")},
    FleetTextRow{NameUnusable, QT_TRANSLATE_NOOP3("FleetText", "\"%1\" cannot be used: %2", "fleet.name_unusable")},
    FleetTextRow{KitHoldsPasswords, QT_TRANSLATE_NOOP3("FleetText", "The kit holds passwords (%1): keep the file to yourself.", "fleet.kit_holds_passwords")},

    FleetTextRow{ModeLabel, QT_TRANSLATE_NOOP3("FleetText", "Cards:", "fleet.mode_label")},
    FleetTextRow{ModeSetUp, QT_TRANSLATE_NOOP3("FleetText", "Set up for the field", "fleet.mode_set_up")},
    FleetTextRow{ModeReturned, QT_TRANSLATE_NOOP3("FleetText", "Returned from the field", "fleet.mode_returned")},
    FleetTextRow{ChooseLog, QT_TRANSLATE_NOOP3("FleetText", "Choose the deployment log, then press Start.", "fleet.choose_log")},
    FleetTextRow{CamerasReturnedLabel, QT_TRANSLATE_NOOP3("FleetText", "Cameras and their returned cards:", "fleet.cameras_returned_label")},
    FleetTextRow{StateInField, QT_TRANSLATE_NOOP3("FleetText", "in the field (card written %1)", "fleet.state_in_field")},
    FleetTextRow{StateReturned, QT_TRANSLATE_NOOP3("FleetText", "returned (read %1)", "fleet.state_returned")},
    FleetTextRow{StateReading, QT_TRANSLATE_NOOP3("FleetText", "reading", "fleet.state_reading")},
    FleetTextRow{InsertReturnedCard, QT_TRANSLATE_NOOP3("FleetText", "Insert a returned card (read so far: %1)", "fleet.insert_returned_card")},
    FleetTextRow{ReadingCard, QT_TRANSLATE_NOOP3("FleetText", "Reading the card at %1...", "fleet.reading_card")},
    FleetTextRow{ResultReturned, QT_TRANSLATE_NOOP3("FleetText", "returned: %1", "fleet.result_returned")},
    FleetTextRow{ReturnNotRead, QT_TRANSLATE_NOOP3("FleetText", "The card at %1 was not read to the end or its return not logged (%2): remove it.", "fleet.return_not_read")},
    FleetTextRow{ReturnedEjected, QT_TRANSLATE_NOOP3("FleetText", "The card of %1 is read, its return logged, and it is ejected: remove it and insert the next one.", "fleet.returned_ejected")},
    FleetTextRow{ReturnedRemove, QT_TRANSLATE_NOOP3("FleetText", "The card of %1 is read and its return logged: unmount and remove the card at %2, then insert the next one.", "fleet.returned_remove")},
    FleetTextRow{ReturnedRemoveByHand, QT_TRANSLATE_NOOP3("FleetText", "The card of %1 is read and its return logged, but it was not ejected (%2): unmount and remove the card at %3.", "fleet.returned_remove_by_hand")},
    FleetTextRow{ReturnsStopped, QT_TRANSLATE_NOOP3("FleetText", "Stopped. Returned cards read: %1.", "fleet.returns_stopped")},
};
// clang-format on

} // namespace

std::span<const FleetTextRow> fleetTextRows() {
    return fleetTable;
}

QString fleetText(FleetText id, int language) {
    const FleetTextRow& row = fleetTable[static_cast<std::size_t>(id)];
    Q_ASSERT(row.id == id);
    return ownText(fleetTextContext, row.text, language);
}

Wording fleetWording(FleetText id, QList<Wording> arguments) {
    return Wording::byLanguage([id, arguments = std::move(arguments)](int language) {
        QStringList said;
        for (const Wording& argument : arguments)
            said << argument.text(language);
        return filled(fleetText(id, language), said);
    });
}

} // namespace kestrova::i18n
