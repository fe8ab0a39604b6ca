#pragma once

#include "i18n/language.h"
#include "i18n/own_text.h"

#include <QString>

#include <span>

namespace kestrova::i18n {

// What the camera will do with a form's settings: the strip below each setup form, what a write
// changed, the settings sheet, and the warnings about settings that work against each other.
// Whole sentences with placeholders, each in every language.
enum class SummaryText {
    // The strip, the settings sheet and its menu entry.
    StripTitle,       //
    AssumedTriggers,  //
    WarningLine,      // %1: the warning, as a screen reader says it
    MenuPrintSheet,   //
    SheetTitle,       // %1: the file name
    SheetModel,       //
    SheetFolder,      //
    SheetDate,        //
    SheetCheckValue,  //
    SheetNoCheck,     // in place of a check value
    SheetSettings,    //
    SheetWarnings,    //
    SheetNoWarnings,  //
    HiddenValue,      // a masked field's value
    SheetPrintFailed, // %1: why
    SheetNotWritten,  // under the title, where the form's settings are not the card's file
    SheetAssumed,     // the heading of what the estimates assume

    // What an estimate assumes, on the sheet.
    AssumeTriggers,       // %1: triggers a day
    AssumePicture,        // %1: the image size, %2: megabytes
    AssumeVideo,          // %1: the video size, %2: megabytes
    AssumeMms,            // %1: VGA or QVGA, %2: kilobytes
    AssumeEmail,          // %1: VGA, %2: kilobytes
    AssumeSentPerTrigger, // %1: pictures
    AssumePhotoCapture,   // %1: seconds
    AssumeMonth,          // %1: days

    // The command's report around the figures.
    ReportModel,       // the heading; %1: the model's number, %2: its name
    ReportModelStored, // as above, the model taken from the preferences
    ReportAbout,       // %1: an estimate
    ReportAssumed,     // %1: the assumptions
    ReportWarning,     // %1: the warning

    // What a write changed on the card.
    ChangedHeader,         //
    ChangedLine,           // %1: the setting, %2: before, %3: after
    ChangedHiddenLine,     // %1: the setting
    ChangedMore,           // %1: how many more
    ChangeNewFile,         //
    ChangeNothing,         //
    ChangeReplacedDamaged, //
    ChangeReplacedFactory, //
    ChangeReplacedOther,   //

    // Durations and sizes.
    Seconds,        // %1
    Minutes,        // %1
    Hours,          // %1
    HoursMinutes,   // %1 hours, %2 minutes
    MinutesSeconds, // %1 minutes, %2 seconds
    Megabytes,      // %1
    Gigabytes,      // %1

    // The camera menu.
    TriggerPhotos1,      // %1: the image size
    TriggerPhotos2,      // %1: the image size
    TriggerPhotos3,      // %1: the image size
    TriggerVideo,        // %1: the length, %2: the video size
    TriggerPhotosVideo1, // %1: the image size, %2: the length, %3: the video size
    TriggerPhotosVideo2, // as above
    TriggerPhotosVideo3, // as above
    WaitAfterTrigger,    // %1: the interval
    NoWait,              //
    MotionOn,            // %1: the sensitivity
    MotionOff,           //
    SideOn,              //
    SideOff,             //
    ActiveAllDay,        //
    ActiveOneWindow,     // %1: the window, %2: hours a day
    ActiveTwoWindows,    // %1, %2: the windows, %3: hours a day
    ActiveNever,         //
    ActiveUnknown,       // a timer on with its start equal to its stop
    TimeLapse,           // %1: the interval, %2: photos a day
    StampTimeAndText,    // %1: the serial text
    StampTime,           //
    StampText,           // %1: the serial text
    StampNothing,        //
    SdCycleOn,           //
    SdCycleOff,          //
    ClockSet,            // %1: the date and time
    FactoryReset,        //
    EstimatePhotos,      // %1: pictures, %2: megabytes
    EstimateVideo,       // %1: video time, %2: megabytes
    EstimateBoth,        // %1: pictures, %2: video time, %3: megabytes
    TriggerCap,          // %1: triggers a day
    CardLasts,           // %1: free space, %2: days
    CardOverwrites,      // %1: free space, %2: days
    SensitivityNormal,   // the motion sensor's sensitivity, in a sentence
    SensitivityHigh,     //
    SensitivityLow,      //
    ValueVideoOnly,      // the camera mode that records video alone

    // Sending pictures.
    MmsOff,              //
    MmsSends,            // %1: VGA or QVGA, %2: the recipients
    SendsSms,            // %1: the recipients
    MessagesLimit,       // %1: pictures a day, %2: messages a day, %3: messages a month
    MessagesNoLimit,     // %1: messages a day, %2: a month, %3: triggers a day
    MessagesNoLimitMenu, // %1: messages a day, %2: a month, from menu.dat's pictures
    MmsData,             // %1: megabytes a month
    EmailOff,            //
    EmailSends,          // %1: the recipient, %2: the server, %3: the port, %4: the sender
    EmailsLimit,         // %1: pictures a day, %2: e-mails a day, %3: e-mails a month
    EmailsNoLimit,       // %1: e-mails a day, %2: a month, %3: triggers a day
    EmailsNoLimitMenu,   // %1: e-mails a day, %2: a month, from menu.dat's pictures
    EmailData,           // %1: megabytes a month
    RemoteOn,            // %1: the hour setting
    RemoteOff,           //
    NetworkPreset,       // %1: the country, %2: the operator
    NetworkTyped,        // %1: the APN

    // Settings that work against each other; %n with a setting's caption name it.
    ConflictNeverPictures,    // %1, %2: the two settings
    ConflictTimerEmpty,       // %1: the timer, %2: the time
    ConflictTimersOverlap,    // %1, %2: the timers, %3: the time they share
    ConflictTimeLapseZero,    // %1: the time lapse
    ConflictTimeLapseLong,    // %1: the time lapse, %2: its interval, %3: the window
    ConflictZeroInterval,     // %1: the interval, %2: the setting, %3: its value
    ConflictNoRecipient,      // %1: the status, %2: its value
    ConflictNoPhone,          // %1: the status, %2: its value
    ConflictEmailNoRecipient, // %1: the recipient
    ConflictUnlimited,        // %1: the pictures a day
    ConflictVideoMode,        // %1: the mode, %2: its value, %3: the sending file
    ConflictVideoModeBoth,    // %1: the mode, %2: its value
    ConflictClockNotSynced,   //
    ConflictClockEarly,       // %1: the date and time
    ConflictCardReadOnly,     //
    ConflictCardShort,        // %1: free space, %2: megabytes a day
    ConflictCardNotFat32,     // %1: the file system
    ConflictCardOldFiles,     // %1: how many files

    // Sending pictures, where the recipients are not to be named (the deployment log).
    MmsSendsUnnamed,   // %1: VGA or QVGA, %2: how many recipients
    SendsSmsUnnamed,   // %1: how many recipients
    EmailSendsUnnamed, // %1: the server, %2: the port
    // Our own words for captions and values the forms keep in English in some languages.
    CaptionBeepSound,     //
    CaptionSdCycle,       //
    CaptionTimer2,        //
    CaptionRemoteControl, //
    CaptionBearer,        //
    CaptionPhoneScope,    //
    CaptionSmtpMode,      //
    CaptionSmtpStatus,    //
    CaptionSmtpServer,    //
    CaptionSenderEmail,   //
    ValueDomestic,        //
    ValueInternational,   //
};

struct SummaryTextRow {
    SummaryText id;
    OwnTextSource text;
};

// The context of these texts in translations/*.ts.
inline constexpr const char* summaryTextContext = "SummaryText";

std::span<const SummaryTextRow> summaryTextRows();

// The text in the given language (English outside the language table), placeholders unfilled.
QString summaryText(SummaryText id, int language);

} // namespace kestrova::i18n
