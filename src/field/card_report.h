#pragma once

#include "field/deployment.h"
#include "field/media_facts.h"
#include "plan/assumptions.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kestrova::field {

// What a day of the deployment was: the row of days colours them, the camera-operation row
// counts them (1 working, 0 not, nothing before the camera was set up or after it was taken down).
enum class DayState {
    Before,     // before the deployment started (pictures dated there tell of the clock)
    Working,    // the camera showed it worked: its time lapse kept its times, or it took pictures
    NoPictures, // inside a stretch of 24 active hours or more without a picture (no time lapse)
    Down,       // a day the time lapse should have taken pictures, without one at any of its times
    CardFull,   // after the card filled
    After,      // after the deployment ended
};

struct DayRow {
    QDate date;
    DayState state = DayState::Working;
    int pictures = 0;
    int videos = 0;
    int timeLapseTimes =
        0;               // the times the time lapse should have taken a picture, in the deployment
    int onTimeLapse = 0; // pictures (or videos) within a minute of those times
    int motion = 0;      // the rest

    std::optional<int> operation() const {
        if (state == DayState::Before || state == DayState::After)
            return std::nullopt;
        return state == DayState::Working ? 1 : 0;
    }
};

// Days one after the other in the same state.
struct DayStretch {
    QDate first;
    QDate last;
    int days() const { return static_cast<int>(first.daysTo(last)) + 1; }
};

// A stretch of the camera's active time without a picture: 24 hours or more of it.
struct Gap {
    CameraTime from; // the last picture before, or the deployment's start
    CameraTime to;   // the next picture, or the deployment's end
    double activeHours = 0;
};

// A picture of a watch or phone taken at a known time.
struct ClockPhoto {
    QString file;
    CameraTime camera;   // what the camera stamped on it
    QDateTime truth;     // when it was really taken
    qint64 offsetMs = 0; // the camera's clock against the truth: positive, ahead
};

// A stretch of days whose pictures keep the schedule only when shifted.
struct ScheduleShift {
    int seconds = 0; // the camera's time minus the schedule's: 3600, -3600, 43200
    int days = 0;
    QDate first;
    QDate last;
};

struct ClockFindings {
    int beforeStart = 0; // pictures dated before the deployment began
    std::optional<CameraTime> earliestBeforeStart;
    int before2010 = 0;
    int factoryDate = 0; // dated on a day a camera's clock starts from after losing power
    std::optional<qint64> firstAfterStartSeconds; // the first picture after the start (< 0: before)
    std::vector<ClockPhoto> photos;
    std::optional<double> driftSecondsPerDay; // from the first and the last clock photo
    std::vector<ScheduleShift> shifts;

    // Whether the clock was found wrong: pictures before the start, before 2010 or at a factory
    // date, a clock photo more than a minute off, a schedule kept only shifted.
    bool problem() const;
};

struct DamagedFile {
    QString path;
    MediaDamage damage = MediaDamage::None;
    QString reason; // the system's, for a file that cannot be read
};

struct CardFindings {
    std::optional<qint64> bytesFree; // the card's, where the folder is a card's
    std::optional<QDate> fullOn;     // pictures stop that day, and the card has no room for one
    bool overwrites = false;         // full, but SD cycle overwrites the oldest pictures
    int repeatedNumbers = 0;         // file numbers found twice: the counter started again
    QString repeatedExample;
    int damagedCount = 0;
    std::vector<DamagedFile> damaged; // the first of them, named
    int fileTimeOnly = 0;             // files without a readable time of their own
    QString fileTimeExample;
};

// What the card brought back against what the summary estimated when the camera was set up.
struct Comparison {
    int pictures = 0;
    int videos = 0;
    qint64 pictureBytes = 0;
    qint64 videoBytes = 0;
    std::optional<double> picturesEstimated; // over the deployment
    std::optional<double> picturesPerDayEstimated;
    std::optional<double> timeLapsePerDay; // exact, from the schedule
    std::optional<double> triggersPerDay;  // measured over the working days
    int triggersAssumed = plan::defaultTriggersPerDay;
    std::optional<double> megabytesPerPicture; // measured
    std::optional<plan::Assumption> megabytesAssumed;
    std::optional<int> nextTriggersPerDay; // what the next setup may take
};

// One picture at either end of the deployment: the window shows them.
struct EndPicture {
    QString relativePath;
    CameraTime time;
};

// What a returned card tells of what its camera did, measured against what it was set to do.
struct CardReport {
    QString folder;
    Deployment deployment;
    QString modelName;             // the model whose form read menu.dat
    std::optional<QString> menu;   // why the schedule is not known (no or a damaged menu.dat)
    QStringList settingsSentences; // what the camera was set to do, in the report's language
    bool timeLapse = false;
    int timeLapseTimesPerDay = 0;
    std::vector<DayRow> days;
    int deploymentDays = 0;
    int workingDays = 0;
    std::vector<DayStretch> down;
    std::vector<DayStretch> noPictures;
    std::vector<Gap> gaps;
    int fullDays = 0;
    ClockFindings clock;
    CardFindings card;
    Comparison comparison;
    std::optional<EndPicture> firstPicture;
    std::optional<EndPicture> lastPicture;

    bool hasMedia() const { return comparison.pictures + comparison.videos > 0; }
    // The camera worked every day of its deployment, with its clock right.
    bool allWell() const;
};

} // namespace kestrova::field
