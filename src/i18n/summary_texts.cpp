#include "i18n/summary_texts.h"

#include <array>

namespace kestrova::i18n {

namespace {

using enum SummaryText;

// The English texts with their keys; every other language's are in translations/*.ts. Counts
// stand after a colon ("Pictures a day: at most %1") where a language's noun would change with
// the number.
// clang-format off
constexpr std::array summaryTable{
    // The strip, the settings sheet and its menu entry.
    SummaryTextRow{StripTitle, QT_TRANSLATE_NOOP3("SummaryText", "What the camera will do", "summary.strip_title")},
    SummaryTextRow{AssumedTriggers, QT_TRANSLATE_NOOP3("SummaryText", "Triggers a day (assumed):", "summary.assumed_triggers")},
    SummaryTextRow{WarningLine, QT_TRANSLATE_NOOP3("SummaryText", "Warning: %1", "summary.warning_line")},
    SummaryTextRow{MenuPrintSheet, QT_TRANSLATE_NOOP3("SummaryText", "Print settings sheet...", "summary.menu_print_sheet")},
    SummaryTextRow{SheetTitle, QT_TRANSLATE_NOOP3("SummaryText", "Settings sheet: %1", "summary.sheet_title")},
    SummaryTextRow{SheetModel, QT_TRANSLATE_NOOP3("SummaryText", "Camera model", "summary.sheet_model")},
    SummaryTextRow{SheetFolder, QT_TRANSLATE_NOOP3("SummaryText", "Folder", "summary.sheet_folder")},
    SummaryTextRow{SheetDate, QT_TRANSLATE_NOOP3("SummaryText", "Date", "summary.sheet_date")},
    SummaryTextRow{SheetCheckValue, QT_TRANSLATE_NOOP3("SummaryText", "Check value", "summary.sheet_check_value")},
    SummaryTextRow{SheetNoCheck, QT_TRANSLATE_NOOP3("SummaryText", "none yet: these settings do not pass the checks before writing", "summary.sheet_no_check")},
    SummaryTextRow{SheetSettings, QT_TRANSLATE_NOOP3("SummaryText", "Settings", "summary.sheet_settings")},
    SummaryTextRow{SheetWarnings, QT_TRANSLATE_NOOP3("SummaryText", "Warnings", "summary.sheet_warnings")},
    SummaryTextRow{SheetNoWarnings, QT_TRANSLATE_NOOP3("SummaryText", "None.", "summary.sheet_no_warnings")},
    SummaryTextRow{HiddenValue, QT_TRANSLATE_NOOP3("SummaryText", "(hidden)", "summary.hidden_value")},
    SummaryTextRow{SheetPrintFailed, QT_TRANSLATE_NOOP3("SummaryText", "The settings sheet could not be printed: %1", "summary.sheet_print_failed")},
    SummaryTextRow{SheetNotWritten, QT_TRANSLATE_NOOP3("SummaryText", "These are the form's settings: they are not written to a card.", "summary.sheet_not_written")},
    SummaryTextRow{SheetAssumed, QT_TRANSLATE_NOOP3("SummaryText", "Assumed for the estimates", "summary.sheet_assumed")},
    SummaryTextRow{AssumeTriggers, QT_TRANSLATE_NOOP3("SummaryText", "Triggers a day: %1", "summary.assume_triggers")},
    SummaryTextRow{AssumePicture, QT_TRANSLATE_NOOP3("SummaryText", "A picture at %1: %2 MB", "summary.assume_picture")},
    SummaryTextRow{AssumeVideo, QT_TRANSLATE_NOOP3("SummaryText", "A second of video at %1: %2 MB (Motion-JPEG AVI)", "summary.assume_video")},
    SummaryTextRow{AssumeMms, QT_TRANSLATE_NOOP3("SummaryText", "An MMS at %1: %2 KB", "summary.assume_mms")},
    SummaryTextRow{AssumeEmail, QT_TRANSLATE_NOOP3("SummaryText", "An e-mail at %1: %2 KB", "summary.assume_email")},
    SummaryTextRow{AssumeSentPerTrigger, QT_TRANSLATE_NOOP3("SummaryText", "Pictures sent for each trigger: %1", "summary.assume_sent_per_trigger")},
    SummaryTextRow{AssumePhotoCapture, QT_TRANSLATE_NOOP3("SummaryText", "Time to take one photo: %1 s", "summary.assume_photo_capture")},
    SummaryTextRow{AssumeMonth, QT_TRANSLATE_NOOP3("SummaryText", "Days in a month: %1", "summary.assume_month")},
    SummaryTextRow{ReportModel, QT_TRANSLATE_NOOP3("SummaryText", "What the camera will do (model %1, %2)", "summary.report_model")},
    SummaryTextRow{ReportModelStored, QT_TRANSLATE_NOOP3("SummaryText", "What the camera will do (model %1, %2, from the preferences; give --model for another)", "summary.report_model_stored")},
    SummaryTextRow{ReportAbout, QT_TRANSLATE_NOOP3("SummaryText", "about %1", "summary.report_about")},
    SummaryTextRow{ReportAssumed, QT_TRANSLATE_NOOP3("SummaryText", "(assumed: %1)", "summary.report_assumed")},
    SummaryTextRow{ReportWarning, QT_TRANSLATE_NOOP3("SummaryText", "warning: %1", "summary.report_warning")},

    // What a write changed on the card.
    SummaryTextRow{ChangedHeader, QT_TRANSLATE_NOOP3("SummaryText", "Changed on the card:", "summary.changed_header")},
    SummaryTextRow{ChangedLine, QT_TRANSLATE_NOOP3("SummaryText", "%1: %2 -> %3", "summary.changed_line")},
    SummaryTextRow{ChangedHiddenLine, QT_TRANSLATE_NOOP3("SummaryText", "%1: changed", "summary.changed_hidden_line")},
    SummaryTextRow{ChangedMore, QT_TRANSLATE_NOOP3("SummaryText", "and %1 more", "summary.changed_more")},
    SummaryTextRow{ChangeNewFile, QT_TRANSLATE_NOOP3("SummaryText", "New file.", "summary.change_new_file")},
    SummaryTextRow{ChangeNothing, QT_TRANSLATE_NOOP3("SummaryText", "No setting changed.", "summary.change_nothing")},
    SummaryTextRow{ChangeReplacedDamaged, QT_TRANSLATE_NOOP3("SummaryText", "It replaced a damaged file.", "summary.change_replaced_damaged")},
    SummaryTextRow{ChangeReplacedFactory, QT_TRANSLATE_NOOP3("SummaryText", "It replaced the factory reset record.", "summary.change_replaced_factory")},
    SummaryTextRow{ChangeReplacedOther, QT_TRANSLATE_NOOP3("SummaryText", "It replaced a file written for another camera model.", "summary.change_replaced_other")},

    // Durations and sizes.
    SummaryTextRow{Seconds, QT_TRANSLATE_NOOP3("SummaryText", "%1 s", "summary.seconds")},
    SummaryTextRow{Minutes, QT_TRANSLATE_NOOP3("SummaryText", "%1 min", "summary.minutes")},
    SummaryTextRow{Hours, QT_TRANSLATE_NOOP3("SummaryText", "%1 h", "summary.hours")},
    SummaryTextRow{HoursMinutes, QT_TRANSLATE_NOOP3("SummaryText", "%1 h %2 min", "summary.hours_minutes")},
    SummaryTextRow{MinutesSeconds, QT_TRANSLATE_NOOP3("SummaryText", "%1 min %2 s", "summary.minutes_seconds")},
    SummaryTextRow{Megabytes, QT_TRANSLATE_NOOP3("SummaryText", "%1 MB", "summary.megabytes")},
    SummaryTextRow{Gigabytes, QT_TRANSLATE_NOOP3("SummaryText", "%1 GB", "summary.gigabytes")},

    // The camera menu.
    SummaryTextRow{TriggerPhotos1, QT_TRANSLATE_NOOP3("SummaryText", "On motion: 1 photo at %1.", "summary.trigger_photos1")},
    SummaryTextRow{TriggerPhotos2, QT_TRANSLATE_NOOP3("SummaryText", "On motion: 2 photos at %1.", "summary.trigger_photos2")},
    SummaryTextRow{TriggerPhotos3, QT_TRANSLATE_NOOP3("SummaryText", "On motion: 3 photos at %1.", "summary.trigger_photos3")},
    SummaryTextRow{TriggerVideo, QT_TRANSLATE_NOOP3("SummaryText", "On motion: a %1 video at %2.", "summary.trigger_video")},
    SummaryTextRow{TriggerPhotosVideo1, QT_TRANSLATE_NOOP3("SummaryText", "On motion: 1 photo at %1 and a %2 video at %3.", "summary.trigger_photos_video1")},
    SummaryTextRow{TriggerPhotosVideo2, QT_TRANSLATE_NOOP3("SummaryText", "On motion: 2 photos at %1 and a %2 video at %3.", "summary.trigger_photos_video2")},
    SummaryTextRow{TriggerPhotosVideo3, QT_TRANSLATE_NOOP3("SummaryText", "On motion: 3 photos at %1 and a %2 video at %3.", "summary.trigger_photos_video3")},
    SummaryTextRow{WaitAfterTrigger, QT_TRANSLATE_NOOP3("SummaryText", "After each trigger it waits %1 before the next.", "summary.wait_after_trigger")},
    SummaryTextRow{NoWait, QT_TRANSLATE_NOOP3("SummaryText", "After each trigger it is ready again at once.", "summary.no_wait")},
    SummaryTextRow{MotionOn, QT_TRANSLATE_NOOP3("SummaryText", "The motion sensor is on (sensitivity: %1).", "summary.motion_on")},
    SummaryTextRow{MotionOff, QT_TRANSLATE_NOOP3("SummaryText", "The motion sensor is off.", "summary.motion_off")},
    SummaryTextRow{SideOn, QT_TRANSLATE_NOOP3("SummaryText", "The side sensors are on.", "summary.side_on")},
    SummaryTextRow{SideOff, QT_TRANSLATE_NOOP3("SummaryText", "The side sensors are off.", "summary.side_off")},
    SummaryTextRow{ActiveAllDay, QT_TRANSLATE_NOOP3("SummaryText", "It is active all day.", "summary.active_all_day")},
    SummaryTextRow{ActiveOneWindow, QT_TRANSLATE_NOOP3("SummaryText", "It is active %1 (%2 a day).", "summary.active_one_window")},
    SummaryTextRow{ActiveTwoWindows, QT_TRANSLATE_NOOP3("SummaryText", "It is active %1 and %2 (%3 a day).", "summary.active_two_windows")},
    SummaryTextRow{ActiveNever, QT_TRANSLATE_NOOP3("SummaryText", "Its timers leave no time in which it is active.", "summary.active_never")},
    SummaryTextRow{ActiveUnknown, QT_TRANSLATE_NOOP3("SummaryText", "When it is active depends on how the camera reads a timer that starts and stops at the same time (see the warnings).", "summary.active_unknown")},
    SummaryTextRow{TimeLapse, QT_TRANSLATE_NOOP3("SummaryText", "And one photo every %1 while active: %2 a day.", "summary.time_lapse")},
    SummaryTextRow{StampTimeAndText, QT_TRANSLATE_NOOP3("SummaryText", "Pictures are stamped with the time and the text \"%1\".", "summary.stamp_time_and_text")},
    SummaryTextRow{StampTime, QT_TRANSLATE_NOOP3("SummaryText", "Pictures are stamped with the time.", "summary.stamp_time")},
    SummaryTextRow{StampText, QT_TRANSLATE_NOOP3("SummaryText", "Pictures are stamped with the text \"%1\".", "summary.stamp_text")},
    SummaryTextRow{StampNothing, QT_TRANSLATE_NOOP3("SummaryText", "Nothing is stamped on the pictures.", "summary.stamp_nothing")},
    SummaryTextRow{SdCycleOn, QT_TRANSLATE_NOOP3("SummaryText", "When the card is full, the oldest files are overwritten.", "summary.sd_cycle_on")},
    SummaryTextRow{SdCycleOff, QT_TRANSLATE_NOOP3("SummaryText", "When the card is full, the camera stops recording.", "summary.sd_cycle_off")},
    SummaryTextRow{ClockSet, QT_TRANSLATE_NOOP3("SummaryText", "The camera's clock is set to %1 when it reads this card; insert the card soon, or the clock runs behind by the time in between.", "summary.clock_set")},
    SummaryTextRow{FactoryReset, QT_TRANSLATE_NOOP3("SummaryText", "This record returns the camera to its factory settings.", "summary.factory_reset")},
    SummaryTextRow{EstimatePhotos, QT_TRANSLATE_NOOP3("SummaryText", "Estimated a day: pictures about %1, card use about %2.", "summary.estimate_photos")},
    SummaryTextRow{EstimateVideo, QT_TRANSLATE_NOOP3("SummaryText", "Estimated a day: video about %1, card use about %2.", "summary.estimate_video")},
    SummaryTextRow{EstimateBoth, QT_TRANSLATE_NOOP3("SummaryText", "Estimated a day: pictures about %1, video about %2, card use about %3.", "summary.estimate_both")},
    SummaryTextRow{TriggerCap, QT_TRANSLATE_NOOP3("SummaryText", "Triggers a day that each capture and the wait after it allow: at most %1.", "summary.trigger_cap")},
    SummaryTextRow{CardLasts, QT_TRANSLATE_NOOP3("SummaryText", "Days until the card (%1 free) is full: about %2.", "summary.card_lasts")},
    SummaryTextRow{CardOverwrites, QT_TRANSLATE_NOOP3("SummaryText", "Days until the card (%1 free) is full: about %2; then the oldest files are overwritten.", "summary.card_overwrites")},
    SummaryTextRow{SensitivityNormal, QT_TRANSLATE_NOOP3("SummaryText", "normal", "summary.sensitivity_normal")},
    SummaryTextRow{SensitivityHigh, QT_TRANSLATE_NOOP3("SummaryText", "high", "summary.sensitivity_high")},
    SummaryTextRow{SensitivityLow, QT_TRANSLATE_NOOP3("SummaryText", "low", "summary.sensitivity_low")},
    SummaryTextRow{ValueVideoOnly, QT_TRANSLATE_NOOP3("SummaryText", "Video", "summary.value_video_only")},

    // Sending pictures.
    SummaryTextRow{MmsOff, QT_TRANSLATE_NOOP3("SummaryText", "MMS sending is off.", "summary.mms_off")},
    SummaryTextRow{MmsSends, QT_TRANSLATE_NOOP3("SummaryText", "It sends each picture as a %1 MMS to %2.", "summary.mms_sends")},
    SummaryTextRow{SendsSms, QT_TRANSLATE_NOOP3("SummaryText", "It sends a text message for each picture to %1.", "summary.sends_sms")},
    SummaryTextRow{MessagesLimit, QT_TRANSLATE_NOOP3("SummaryText", "Pictures a day: at most %1; messages: at most %2 a day, %3 a month.", "summary.messages_limit")},
    SummaryTextRow{MessagesNoLimit, QT_TRANSLATE_NOOP3("SummaryText", "Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).", "summary.messages_no_limit")},
    SummaryTextRow{MessagesNoLimitMenu, QT_TRANSLATE_NOOP3("SummaryText", "Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).", "summary.messages_no_limit_menu")},
    SummaryTextRow{MmsData, QT_TRANSLATE_NOOP3("SummaryText", "Data a month: about %1 of MMS.", "summary.mms_data")},
    SummaryTextRow{EmailOff, QT_TRANSLATE_NOOP3("SummaryText", "E-mail sending is off.", "summary.email_off")},
    SummaryTextRow{EmailSends, QT_TRANSLATE_NOOP3("SummaryText", "It e-mails each picture to %1 through %2, port %3, from %4.", "summary.email_sends")},
    SummaryTextRow{EmailsLimit, QT_TRANSLATE_NOOP3("SummaryText", "Pictures a day: at most %1; e-mails: at most %2 a day, %3 a month.", "summary.emails_limit")},
    SummaryTextRow{EmailsNoLimit, QT_TRANSLATE_NOOP3("SummaryText", "Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).", "summary.emails_no_limit")},
    SummaryTextRow{EmailsNoLimitMenu, QT_TRANSLATE_NOOP3("SummaryText", "Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).", "summary.emails_no_limit_menu")},
    SummaryTextRow{EmailData, QT_TRANSLATE_NOOP3("SummaryText", "Data a month: about %1 of e-mail.", "summary.email_data")},
    SummaryTextRow{RemoteOn, QT_TRANSLATE_NOOP3("SummaryText", "SMS remote control is on; its hour setting is %1.", "summary.remote_on")},
    SummaryTextRow{RemoteOff, QT_TRANSLATE_NOOP3("SummaryText", "SMS remote control is off.", "summary.remote_off")},
    SummaryTextRow{NetworkPreset, QT_TRANSLATE_NOOP3("SummaryText", "Network: the operator preset for %1, %2.", "summary.network_preset")},
    SummaryTextRow{NetworkTyped, QT_TRANSLATE_NOOP3("SummaryText", "Network: typed in (APN %1).", "summary.network_typed")},

    // Settings that work against each other.
    SummaryTextRow{ConflictNeverPictures, QT_TRANSLATE_NOOP3("SummaryText", "%1 and %2 are both off: the camera never takes a picture.", "summary.conflict_never_pictures")},
    SummaryTextRow{ConflictTimerEmpty, QT_TRANSLATE_NOOP3("SummaryText", "%1 is on with start and stop both at %2: its window is empty, or the whole day, depending on the camera.", "summary.conflict_timer_empty")},
    SummaryTextRow{ConflictTimersOverlap, QT_TRANSLATE_NOOP3("SummaryText", "%1 and %2 overlap (%3): that time counts once.", "summary.conflict_timers_overlap")},
    SummaryTextRow{ConflictTimeLapseZero, QT_TRANSLATE_NOOP3("SummaryText", "%1 is on with an interval of 0: the camera cannot take a photo every 0 seconds.", "summary.conflict_time_lapse_zero")},
    SummaryTextRow{ConflictTimeLapseLong, QT_TRANSLATE_NOOP3("SummaryText", "The %1 interval (%2) is longer than the active window %3: only one photo is taken in it.", "summary.conflict_time_lapse_long")},
    SummaryTextRow{ConflictZeroInterval, QT_TRANSLATE_NOOP3("SummaryText", "%1 is 0 s while %2 is %3: each motion starts the next capture at once, which fills the card and drains the battery.", "summary.conflict_zero_interval")},
    SummaryTextRow{ConflictNoRecipient, QT_TRANSLATE_NOOP3("SummaryText", "%1 is %2, but no recipient is given: nothing is sent.", "summary.conflict_no_recipient")},
    SummaryTextRow{ConflictNoPhone, QT_TRANSLATE_NOOP3("SummaryText", "%1 is %2, but no phone number for SMS is given: nothing is sent.", "summary.conflict_no_phone")},
    SummaryTextRow{ConflictEmailNoRecipient, QT_TRANSLATE_NOOP3("SummaryText", "%1 is empty: the camera has no one to e-mail.", "summary.conflict_email_no_recipient")},
    SummaryTextRow{ConflictUnlimited, QT_TRANSLATE_NOOP3("SummaryText", "%1 is 0, which means no limit, not none: every picture is sent.", "summary.conflict_unlimited")},
    SummaryTextRow{ConflictVideoMode, QT_TRANSLATE_NOOP3("SummaryText", "%1 is %2 in menu.dat while %3 sends pictures: the camera takes no photos in this mode, so none are sent.", "summary.conflict_video_mode")},
    SummaryTextRow{ConflictVideoModeBoth, QT_TRANSLATE_NOOP3("SummaryText", "%1 is %2 in menu.dat while setup.dat and smtp.dat send pictures: the camera takes no photos in this mode, so none are sent.", "summary.conflict_video_mode_both")},
    SummaryTextRow{ConflictClockNotSynced, QT_TRANSLATE_NOOP3("SummaryText", "The PC's clock is not synchronised with a time server: the camera's clock will be as far off as the PC's.", "summary.conflict_clock_not_synced")},
    SummaryTextRow{ConflictClockEarly, QT_TRANSLATE_NOOP3("SummaryText", "The camera's clock is set to %1, before 2024: the PC's clock looks wrong.", "summary.conflict_clock_early")},
    SummaryTextRow{ConflictCardReadOnly, QT_TRANSLATE_NOOP3("SummaryText", "The card is read-only: nothing can be written to it (is its lock switch on?).", "summary.conflict_card_read_only")},
    SummaryTextRow{ConflictCardShort, QT_TRANSLATE_NOOP3("SummaryText", "The card's free space (%1) holds less than one day at about %2 a day.", "summary.conflict_card_short")},
    SummaryTextRow{ConflictCardNotFat32, QT_TRANSLATE_NOOP3("SummaryText", "The card is larger than 32 GB and formatted as %1: many cameras read only FAT32 cards up to 32 GB, so this one may not work.", "summary.conflict_card_not_fat32")},
    SummaryTextRow{ConflictCardOldFiles, QT_TRANSLATE_NOOP3("SummaryText", "The card still holds pictures from an earlier deployment (files in DCIM: %1).", "summary.conflict_card_old_files")},

    // Sending pictures, where the recipients are not to be named.
    SummaryTextRow{MmsSendsUnnamed, QT_TRANSLATE_NOOP3("SummaryText", "It sends each picture as a %1 MMS; recipients: %2.", "summary.mms_sends_unnamed")},
    SummaryTextRow{SendsSmsUnnamed, QT_TRANSLATE_NOOP3("SummaryText", "It sends a text message for each picture; recipients: %1.", "summary.sends_sms_unnamed")},
    SummaryTextRow{EmailSendsUnnamed, QT_TRANSLATE_NOOP3("SummaryText", "It e-mails each picture through %1, port %2.", "summary.email_sends_unnamed")},
    // Our own words for captions and values the forms keep in English in some languages.
    SummaryTextRow{CaptionBeepSound, QT_TRANSLATE_NOOP3("SummaryText", "Beep sound", "summary.caption_beep_sound")},
    SummaryTextRow{CaptionSdCycle, QT_TRANSLATE_NOOP3("SummaryText", "Overwrite when full (SD cycle)", "summary.caption_sd_cycle")},
    SummaryTextRow{CaptionTimer2, QT_TRANSLATE_NOOP3("SummaryText", "Timer 2", "summary.caption_timer2")},
    SummaryTextRow{CaptionRemoteControl, QT_TRANSLATE_NOOP3("SummaryText", "SMS remote control", "summary.caption_remote_control")},
    SummaryTextRow{CaptionBearer, QT_TRANSLATE_NOOP3("SummaryText", "Bearer", "summary.caption_bearer")},
    SummaryTextRow{CaptionPhoneScope, QT_TRANSLATE_NOOP3("SummaryText", "Phone number scope", "summary.caption_phone_scope")},
    SummaryTextRow{CaptionSmtpMode, QT_TRANSLATE_NOOP3("SummaryText", "E-mail settings mode", "summary.caption_smtp_mode")},
    SummaryTextRow{CaptionSmtpStatus, QT_TRANSLATE_NOOP3("SummaryText", "E-mail status", "summary.caption_smtp_status")},
    SummaryTextRow{CaptionSmtpServer, QT_TRANSLATE_NOOP3("SummaryText", "Mail server", "summary.caption_smtp_server")},
    SummaryTextRow{CaptionSenderEmail, QT_TRANSLATE_NOOP3("SummaryText", "Sender address", "summary.caption_sender_email")},
    SummaryTextRow{ValueDomestic, QT_TRANSLATE_NOOP3("SummaryText", "Domestic", "summary.value_domestic")},
    SummaryTextRow{ValueInternational, QT_TRANSLATE_NOOP3("SummaryText", "International", "summary.value_international")},
};
// clang-format on

constexpr bool rowsInIdOrder() {
    for (std::size_t i = 0; i < summaryTable.size(); ++i) {
        if (static_cast<std::size_t>(summaryTable[i].id) != i)
            return false;
    }
    return true;
}
static_assert(rowsInIdOrder());

} // namespace

std::span<const SummaryTextRow> summaryTextRows() {
    return summaryTable;
}

QString summaryText(SummaryText id, int language) {
    const SummaryTextRow& row = summaryTable[static_cast<std::size_t>(id)];
    return ownText(summaryTextContext, row.text, language);
}

} // namespace kestrova::i18n
