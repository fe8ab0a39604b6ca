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

} // namespace kestrova::i18n
