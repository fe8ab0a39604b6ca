#include "i18n/field_texts.h"

#include <QString>

#include <array>

namespace kestrova::i18n {

namespace {

using enum FieldText;

constexpr bool counts = true;

// The English texts with their keys; every other language's are in translations/*.ts.
// clang-format off
constexpr std::array fieldTable{
    FieldTextRow{Title, QT_TRANSLATE_NOOP3("FieldText", "Card report: %1", "field.title")},
    FieldTextRow{DeploymentLine, QT_TRANSLATE_NOOP3("FieldText", "Deployment: %1", "field.deployment")},
    FieldTextRow{CameraPart, QT_TRANSLATE_NOOP3("FieldText", "camera %1", "field.camera_part")},
    FieldTextRow{SetupByPart, QT_TRANSLATE_NOOP3("FieldText", "set up by %1", "field.setup_by_part")},
    FieldTextRow{PeriodLine, QT_TRANSLATE_N_NOOP3("FieldText", "From %1 (%2) to %3 (%4): %n day(s).", "field.period"), counts},
    FieldTextRow{StartCamerasTable, QT_TRANSLATE_NOOP3("FieldText", "as the cameras table says", "field.start_cameras_table")},
    FieldTextRow{StartWritten, QT_TRANSLATE_NOOP3("FieldText", "when the card was written", "field.start_written")},
    FieldTextRow{StartCameraClock, QT_TRANSLATE_NOOP3("FieldText", "the clock menu.dat set", "field.start_camera_clock")},
    FieldTextRow{StartFirstPicture, QT_TRANSLATE_NOOP3("FieldText", "the first picture", "field.start_first_picture")},
    FieldTextRow{EndRetrieved, QT_TRANSLATE_NOOP3("FieldText", "retrieved", "field.end_retrieved")},
    FieldTextRow{EndLastPicture, QT_TRANSLATE_NOOP3("FieldText", "the last picture", "field.end_last_picture")},
    FieldTextRow{CameraLine, QT_TRANSLATE_NOOP3("FieldText", "Camera: %1. It was set to do this:", "field.camera")},
    FieldTextRow{NoMenu, QT_TRANSLATE_NOOP3("FieldText", "The card holds no readable camera menu (menu.dat): the schedule is not known.", "field.no_menu")},
    FieldTextRow{WorkingLine, QT_TRANSLATE_N_NOOP3("FieldText", "Working: %1 of %n day(s).", "field.working"), counts},
    FieldTextRow{DownLine, QT_TRANSLATE_NOOP3("FieldText", "Down: %1. The time lapse took no picture at any of its times.", "field.down")},
    FieldTextRow{NoPicturesLine, QT_TRANSLATE_NOOP3("FieldText", "No pictures: %1. The camera was active 24 hours or more without taking a picture.", "field.no_pictures")},
    FieldTextRow{GapLine, QT_TRANSLATE_NOOP3("FieldText", "No pictures from %1 to %2: %3 of active time.", "field.gap")},
    FieldTextRow{CardFullLine, QT_TRANSLATE_N_NOOP3("FieldText", "Card full: no picture after %1 and no room for one, %n day(s) lost.", "field.card_full"), counts},
    FieldTextRow{OverwritesLine, QT_TRANSLATE_NOOP3("FieldText", "The card is full and SD cycle is on: the oldest pictures have been overwritten.", "field.overwrites")},
    FieldTextRow{ClockFirstAfter, QT_TRANSLATE_NOOP3("FieldText", "Clock: the first picture came %1 after the start.", "field.clock_first_after")},
    FieldTextRow{ClockFirstBefore, QT_TRANSLATE_NOOP3("FieldText", "Clock: the first picture is dated %1 before the start.", "field.clock_first_before")},
    FieldTextRow{ClockPhotoAhead, QT_TRANSLATE_NOOP3("FieldText", "Clock: %1 shows %2, taken at %3: the camera's clock is %4 ahead.", "field.clock_ahead")},
    FieldTextRow{ClockPhotoBehind, QT_TRANSLATE_NOOP3("FieldText", "Clock: %1 shows %2, taken at %3: the camera's clock is %4 behind.", "field.clock_behind")},
    FieldTextRow{ClockPhotoRight, QT_TRANSLATE_NOOP3("FieldText", "Clock: %1 shows %2, taken at %3: the camera's clock is right to the minute.", "field.clock_right")},
    FieldTextRow{ClockHourOff, QT_TRANSLATE_NOOP3("FieldText", "That is an hour: daylight saving time?", "field.clock_hour_off")},
    FieldTextRow{ClockHalfDayOff, QT_TRANSLATE_NOOP3("FieldText", "That is 12 hours: a 12-hour clock read as a 24-hour one?", "field.clock_half_day_off")},
    FieldTextRow{ClockGains, QT_TRANSLATE_NOOP3("FieldText", "Clock: it gains %1 a day.", "field.clock_gains")},
    FieldTextRow{ClockLoses, QT_TRANSLATE_NOOP3("FieldText", "Clock: it loses %1 a day.", "field.clock_loses")},
    FieldTextRow{ClockBeforeStart, QT_TRANSLATE_N_NOOP3("FieldText", "Clock: %n picture(s) dated before the deployment started (the earliest %1).", "field.clock_before_start"), counts},
    FieldTextRow{ClockBefore2010, QT_TRANSLATE_N_NOOP3("FieldText", "Clock: %n picture(s) dated before 2010.", "field.clock_before_2010"), counts},
    FieldTextRow{ClockFactory, QT_TRANSLATE_N_NOOP3("FieldText", "Clock: %n picture(s) dated 2010-01-01 or 2011-01-01, where a camera's clock starts after losing its power.", "field.clock_factory"), counts},
    FieldTextRow{ClockShiftHour, QT_TRANSLATE_N_NOOP3("FieldText", "Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by %3: daylight saving time.", "field.clock_shift_hour"), counts},
    FieldTextRow{ClockShiftHalfDay, QT_TRANSLATE_N_NOOP3("FieldText", "Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by 12 hours: a 12-hour clock read as a 24-hour one.", "field.clock_shift_half_day"), counts},
    FieldTextRow{ClockFine, QT_TRANSLATE_NOOP3("FieldText", "Clock: nothing found wrong.", "field.clock_fine")},
    FieldTextRow{CardLine, QT_TRANSLATE_NOOP3("FieldText", "Card: pictures %1 (%2), videos %3 (%4).", "field.card")},
    FieldTextRow{CardFree, QT_TRANSLATE_NOOP3("FieldText", "Free on the card: %1.", "field.card_free")},
    FieldTextRow{DamagedLine, QT_TRANSLATE_N_NOOP3("FieldText", "Damaged: %n file(s).", "field.damaged"), counts},
    FieldTextRow{DamagedMore, QT_TRANSLATE_N_NOOP3("FieldText", "and %n more", "field.damaged_more"), counts},
    FieldTextRow{DamagedFileLine, QT_TRANSLATE_NOOP3("FieldText", "%1: %2", "field.damaged_file")},
    FieldTextRow{DamageEmpty, QT_TRANSLATE_NOOP3("FieldText", "empty (0 bytes)", "field.damage_empty")},
    FieldTextRow{DamageUnreadable, QT_TRANSLATE_NOOP3("FieldText", "cannot be read: %1", "field.damage_unreadable")},
    FieldTextRow{DamageNotItsKind, QT_TRANSLATE_NOOP3("FieldText", "not what its name says", "field.damage_not_its_kind")},
    FieldTextRow{DamageNoEndMarker, QT_TRANSLATE_NOOP3("FieldText", "no end marker: the camera lost power while writing it", "field.damage_no_end_marker")},
    FieldTextRow{DamageTruncated, QT_TRANSLATE_NOOP3("FieldText", "shorter than its header says: the camera stopped writing it", "field.damage_truncated")},
    FieldTextRow{DamageBadHeader, QT_TRANSLATE_NOOP3("FieldText", "its header points outside the file", "field.damage_bad_header")},
    FieldTextRow{RepeatedLine, QT_TRANSLATE_N_NOOP3("FieldText", "The file counter started again: %n number(s) found twice, %1 among them.", "field.repeated"), counts},
    FieldTextRow{FileTimeLine, QT_TRANSLATE_N_NOOP3("FieldText", "%n file(s) tell no time of their own: the file system's time stands in (%1 among them).", "field.file_time"), counts},
    FieldTextRow{NoMedia, QT_TRANSLATE_NOOP3("FieldText", "The card holds no pictures or videos.", "field.no_media")},
    FieldTextRow{ChartTitle, QT_TRANSLATE_NOOP3("FieldText", "Pictures a day:", "field.chart")},
    FieldTextRow{ComparisonTitle, QT_TRANSLATE_NOOP3("FieldText", "Measured against estimated:", "field.comparison")},
    FieldTextRow{PicturesEstimated, QT_TRANSLATE_NOOP3("FieldText", "Pictures: %1, about %2 estimated.", "field.pictures_estimated")},
    FieldTextRow{PicturesOnly, QT_TRANSLATE_NOOP3("FieldText", "Pictures: %1.", "field.pictures_only")},
    FieldTextRow{TriggersLine, QT_TRANSLATE_NOOP3("FieldText", "Triggers a day: %1 measured, %2 assumed.", "field.triggers")},
    FieldTextRow{MegabytesLine, QT_TRANSLATE_NOOP3("FieldText", "Megabytes a picture: %1 measured, %2 assumed (%3).", "field.megabytes")},
    FieldTextRow{NextSetup, QT_TRANSLATE_NOOP3("FieldText", "For the next setup: %1", "field.next_setup")},
    FieldTextRow{StateBefore, QT_TRANSLATE_NOOP3("FieldText", "before the deployment", "field.state_before")},
    FieldTextRow{StateWorking, QT_TRANSLATE_NOOP3("FieldText", "working", "field.state_working")},
    FieldTextRow{StateNoPictures, QT_TRANSLATE_NOOP3("FieldText", "no pictures", "field.state_no_pictures")},
    FieldTextRow{StateDown, QT_TRANSLATE_NOOP3("FieldText", "down", "field.state_down")},
    FieldTextRow{StateCardFull, QT_TRANSLATE_NOOP3("FieldText", "card full", "field.state_card_full")},
    FieldTextRow{StateAfter, QT_TRANSLATE_NOOP3("FieldText", "after the deployment", "field.state_after")},
    FieldTextRow{MenuCardReport, QT_TRANSLATE_NOOP3("FieldText", "Card report...", "field.menu_card_report")},
    FieldTextRow{WindowTitle, QT_TRANSLATE_NOOP3("FieldText", "Card report", "field.window_title")},
    FieldTextRow{FolderLabel, QT_TRANSLATE_NOOP3("FieldText", "Card or folder:", "field.folder_label")},
    FieldTextRow{Browse, QT_TRANSLATE_NOOP3("FieldText", "Browse...", "field.browse")},
    FieldTextRow{Read, QT_TRANSLATE_NOOP3("FieldText", "Read", "field.read")},
    FieldTextRow{Cancel, QT_TRANSLATE_NOOP3("FieldText", "Cancel", "field.cancel")},
    FieldTextRow{Reading, QT_TRANSLATE_NOOP3("FieldText", "Reading the card: %1 of %2 files", "field.reading")},
    FieldTextRow{Cancelled, QT_TRANSLATE_NOOP3("FieldText", "Reading was cancelled.", "field.cancelled")},
    FieldTextRow{NotAFolder, QT_TRANSLATE_NOOP3("FieldText", "%1 is not a folder.", "field.not_a_folder")},
    FieldTextRow{Export, QT_TRANSLATE_NOOP3("FieldText", "Export to Camtrap DP...", "field.export")},
    FieldTextRow{Exported, QT_TRANSLATE_NOOP3("FieldText", "The Camtrap DP package is in %1 (pictures and videos: %2).", "field.exported")},
    FieldTextRow{ExportMissing, QT_TRANSLATE_NOOP3("FieldText", "Left empty, as neither the card nor the log knows them: %1. The package does not validate until they are filled in.", "field.export_missing")},
    FieldTextRow{ExportFailed, QT_TRANSLATE_NOOP3("FieldText", "No package was written: %1", "field.export_failed")},
    FieldTextRow{ExportOnCard, QT_TRANSLATE_NOOP3("FieldText", "Nothing is written onto the card: choose a folder elsewhere.", "field.export_on_card")},
    FieldTextRow{UseTriggers, QT_TRANSLATE_NOOP3("FieldText", "Use %1 triggers a day", "field.use_triggers")},
    FieldTextRow{Close, QT_TRANSLATE_NOOP3("FieldText", "Close", "field.close")},
    FieldTextRow{DayDetail, QT_TRANSLATE_NOOP3("FieldText", "%1, %2: pictures %3, videos %4, time lapse %5 of %6.", "field.day_detail")},
    FieldTextRow{DaysLabel, QT_TRANSLATE_NOOP3("FieldText", "Days:", "field.days_label")},
    FieldTextRow{EstimateLegend, QT_TRANSLATE_NOOP3("FieldText", "estimated", "field.estimate_legend")},
    FieldTextRow{FirstPicture, QT_TRANSLATE_NOOP3("FieldText", "First picture: %1", "field.first_picture")},
    FieldTextRow{LastPicture, QT_TRANSLATE_NOOP3("FieldText", "Last picture: %1", "field.last_picture")},
    FieldTextRow{NoThumbnail, QT_TRANSLATE_NOOP3("FieldText", "(none)", "field.no_thumbnail")},

    FieldTextRow{RetrievalLogged, QT_TRANSLATE_NOOP3("FieldText", "The card's return is logged in %1.", "field.retrieval_logged")},
    FieldTextRow{RetrievalNotLogged, QT_TRANSLATE_NOOP3("FieldText", "The card's return could not be logged in %1: %2", "field.retrieval_not_logged")},
    FieldTextRow{RetrievalAlone, QT_TRANSLATE_NOOP3("FieldText", "The log holds no card written that this one brings back: its return is logged on its own.", "field.retrieval_alone")},
};
// clang-format on

} // namespace

std::span<const FieldTextRow> fieldTextRows() {
    return fieldTable;
}

QString fieldText(FieldText id, int language) {
    const FieldTextRow& row = fieldTable[static_cast<std::size_t>(id)];
    Q_ASSERT(row.id == id);
    return ownText(fieldTextContext, row.text, language);
}

QString fieldText(FieldText id, int language, int n) {
    const FieldTextRow& row = fieldTable[static_cast<std::size_t>(id)];
    Q_ASSERT(row.id == id && row.counts);
    return ownText(fieldTextContext, row.text, language, n);
}

} // namespace kestrova::i18n
