#pragma once

#include "i18n/language.h"
#include "i18n/own_text.h"

#include <span>

namespace kestrova::i18n {

// The texts of a returned card's report: what `kestrova report` prints and the card report
// window shows, in the window's or the command's language.
enum class FieldText {
    Title,             // %1: the folder
    DeploymentLine,    // %1: the deployment and what is known of it
    CameraPart,        // %1: the camera's id
    SetupByPart,       // %1: who set it up
    PeriodLine,        // %1, %3: start and end; %2, %4: where they come from; %n: days
    StartCamerasTable, //
    StartWritten,      //
    StartCameraClock,  //
    StartFirstPicture, //
    EndRetrieved,      //
    EndLastPicture,    //
    CameraLine,        // %1: the model
    NoMenu,            //
    WorkingLine,       // %1: the working days; %n: the deployment's days
    DownLine,          // %1: the days
    NoPicturesLine,    // %1: the days
    GapLine,           // %1, %2: from and to; %3: the active time between
    CardFullLine,      // %1: the last day with pictures; %n: the days after it
    OverwritesLine,    //
    ClockFirstAfter,   // %1: how long
    ClockFirstBefore,  // %1: how long
    ClockPhotoAhead,   // %1: the file; %2: its time; %3: the true time; %4: how far
    ClockPhotoBehind,  // as ClockPhotoAhead
    ClockPhotoRight,   // %1, %2, %3 as ClockPhotoAhead
    ClockHourOff,      //
    ClockHalfDayOff,   //
    ClockGains,        // %1: how much a day
    ClockLoses,        // %1: how much a day
    ClockBeforeStart,  // %n: pictures; %1: the earliest's time
    ClockBefore2010,   // %n: pictures
    ClockFactory,      // %n: pictures
    ClockShiftHour,    // %n: days; %1, %2: the first and last; %3: the shift
    ClockShiftHalfDay, // %n: days; %1, %2: the first and last
    ClockFine,         //
    CardLine,          // %1: pictures; %2: their size; %3: videos; %4: their size
    CardFree,          // %1: the free space
    DamagedLine,       // %n: files
    DamagedMore,       // %n: files not named
    DamagedFileLine,   // %1: the file; %2: what is wrong with it
    DamageEmpty,       //
    DamageUnreadable,  // %1: the system's reason
    DamageNotItsKind,  //
    DamageNoEndMarker, //
    DamageTruncated,   //
    DamageBadHeader,   //
    RepeatedLine,      // %n: numbers; %1: one of the files
    FileTimeLine,      // %n: files; %1: one of them
    NoMedia,           //
    ChartTitle,        //
    ComparisonTitle,   //
    PicturesEstimated, // %1: pictures; %2: the estimate
    PicturesOnly,      // %1: pictures
    TriggersLine,      // %1: measured; %2: assumed
    MegabytesLine,     // %1: measured; %2: assumed; %3: the image size
    NextSetup,         // %1: the flag and its value
    StateBefore,       //
    StateWorking,      //
    StateNoPictures,   //
    StateDown,         //
    StateCardFull,     //
    StateAfter,        //
    MenuCardReport,    //
    WindowTitle,       //
    FolderLabel,       //
    Browse,            //
    Read,              //
    Cancel,            //
    Reading,           // %1: files read; %2: all files
    Cancelled,         //
    NotAFolder,        // %1: the folder
    Export,            //
    Exported,          // %1: the folder; %2: pictures and videos
    ExportMissing,     // %1: the values left empty
    ExportFailed,      // %1: why
    ExportOnCard,      //
    UseTriggers,       // %1: triggers a day
    Close,             //
    DayDetail,         // %1: the date; %2: its state; %3: pictures; %4: videos; %5, %6: time lapse
    DaysLabel,         //
    EstimateLegend,    //
    FirstPicture,      // %1: its time and file
    LastPicture,       // %1: its time and file
    NoThumbnail,       //

    // A returned card's row in the deployment log.
    RetrievalLogged,    // %1: the log
    RetrievalNotLogged, // %1: the log; %2: why
    RetrievalAlone,     //
};

struct FieldTextRow {
    FieldText id;
    OwnTextSource text;
    bool counts = false; // a text with %n, in the form its count takes
};

// The context of these texts in translations/*.ts.
inline constexpr const char* fieldTextContext = "FieldText";

std::span<const FieldTextRow> fieldTextRows();

// The text in the given language (English for a number outside the language table), placeholders
// unfilled.
QString fieldText(FieldText id, int language);
// A text that counts, for that count.
QString fieldText(FieldText id, int language, int n);

} // namespace kestrova::i18n
