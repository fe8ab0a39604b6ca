#include "res/camera_templates.h"

namespace kestrova::res {

using namespace dialog;
using namespace camera_form;

namespace {

// Two columns of label and list pairs above, full-width rows below; every pair and row sits in
// a frame of its own.
constexpr int leftColumn = 5;
constexpr int rightColumn = 145;
constexpr int columnWidth = 138;
constexpr int rowLeft = 5;
constexpr int rowWidth = 278;
constexpr int pairHeight = 21;
constexpr int pairStep = 23;
constexpr int timeRowHeight = 34; // room for the "Hour" and "Min" captions above the fields
constexpr int folderRowHeight = pairHeight + sourceLineHeight + 1;

// Where the controls of a full-width row go across.
constexpr int rowLabelX = 10;
constexpr int rowLabelWidth = 58;
constexpr int rowListX = 70;
constexpr int rowListWidth = 46;
constexpr int timeFieldWidth = 19;
constexpr int startLabelX = 119;
constexpr int startHourX = 153;
constexpr int startMinuteX = 178;
constexpr int stopLabelX = 200;
constexpr int stopHourX = 236;
constexpr int stopMinuteX = 261;
constexpr int lapseSecondX = 203;

constexpr unsigned numeric = DigitsOnly | Centred;

// The controls of one time row: a timer, the second timer or the time lapse.
struct TimeRow {
    int label;
    QString caption;
    int list;
    int startLabel; // 0 for the time lapse row, which has no start and stop
    int stopLabel;
    int fields[4];   // hour, minute, then stop hour and minute (or the time lapse second)
    int captions[4]; // the captions above them
};

class Builder {
public:
    std::vector<ControlTemplate> controls;

    int staticId() { return nextStatic_++; }

    void frame(const UnitRect& rect) { add(staticId(), ControlKind::GroupBox, rect); }

    void label(int id, const UnitRect& rect, const QString& caption, int names = 0,
               unsigned style = NoStyle) {
        add(id, ControlKind::Label, rect, caption, style, names);
    }

    int staticLabel(const UnitRect& rect, const QString& caption, unsigned style = NoStyle) {
        const int id = staticId();
        label(id, rect, caption, 0, style);
        return id;
    }

    void list(int id, const UnitRect& rect, const QString& accessibleName = {}) {
        add(id, ControlKind::List, rect, {}, NoStyle, 0, accessibleName);
    }

    void field(int id, const UnitRect& rect, unsigned style = numeric) {
        add(id, ControlKind::Edit, rect, {}, style);
    }

    void button(int id, const UnitRect& rect, const QString& caption, unsigned style = NoStyle) {
        add(id, ControlKind::Button, rect, caption, style);
    }

    // A label and its list in one column of the upper part.
    void listPair(int x, int y, int labelId, const QString& caption, int listId) {
        pairFrame(x, y, labelId, caption, listId);
        list(listId, {x + 68, y + 4, 66, 14});
    }

    void pairFrame(int x, int y, int labelId, const QString& caption, int names) {
        frame({x, y, columnWidth, pairHeight});
        label(labelId, {x + 4, y + 5, 62, 10}, caption, names);
    }

    void videoLengthPair(int x, int y) {
        pairFrame(x, y, videoLengthLabel, QStringLiteral("Video Length"), videoLength);
        field(videoLength, {x + 68, y + 4, 36, 13});
        staticLabel({x + 107, y + 5, 27, 10}, QStringLiteral("Sec"));
    }

    void intervalPair(int x, int y) {
        pairFrame(x, y, intervalLabel, QStringLiteral("Interval"), intervalValue);
        field(intervalValue, {x + 68, y + 4, 26, 13});
        list(intervalUnit, {x + 96, y + 4, 38, 14}, QStringLiteral("Interval unit"));
    }

    void clockRow(int y) {
        frame({rowLeft, y, rowWidth, pairHeight});
        label(setClockLabel, {rowLabelX, y + 5, rowLabelWidth, 10}, QStringLiteral("Set Clock"),
              clockField);
        field(clockField, {rowListX, y + 4, 112, 13}, ReadOnly | Centred);
        button(getTime, {186, y + 3, 92, 15}, QStringLiteral("Get Time"));
    }

    void timeRow(int y, const TimeRow& row) {
        frame({rowLeft, y, rowWidth, timeRowHeight});
        label(row.label, {rowLabelX, y + 17, rowLabelWidth, 10}, row.caption, row.list);
        list(row.list, {rowListX, y + 15, rowListWidth, 14});
        const bool lapse = row.startLabel == 0;
        const int xs[4] = {startHourX, startMinuteX, lapse ? lapseSecondX : stopHourX,
                           lapse ? 0 : stopMinuteX};
        static const QString captions[4] = {QStringLiteral("Hour"), QStringLiteral("Min"),
                                            QStringLiteral("Hour"), QStringLiteral("Min")};
        for (int i = 0; i < 4; ++i) {
            if (row.fields[i] == 0)
                continue;
            const QString caption = lapse && i == 2 ? QStringLiteral("Sec") : captions[i];
            label(row.captions[i], {xs[i], y + 4, timeFieldWidth, 9}, caption, row.fields[i],
                  Centred);
            field(row.fields[i], {xs[i], y + 16, timeFieldWidth, 13});
        }
        // The ":" between hour and minute (and minute and second).
        staticLabel({startMinuteX - 5, y + 17, 4, 10}, QStringLiteral(":"), Centred);
        if (lapse) {
            staticLabel({lapseSecondX - 5, y + 17, 4, 10}, QStringLiteral(":"), Centred);
            return;
        }
        staticLabel({stopMinuteX - 5, y + 17, 4, 10}, QStringLiteral(":"), Centred);
        label(row.startLabel, {startLabelX, y + 17, 33, 10}, QStringLiteral("Start:"));
        label(row.stopLabel, {stopLabelX, y + 17, 35, 10}, QStringLiteral("Stop:"));
    }

    void serialRow(int y) {
        frame({rowLeft, y, rowWidth, pairHeight});
        label(serialNoLabel, {rowLabelX, y + 5, rowLabelWidth, 10}, QStringLiteral("Serial No."),
              serialNo);
        list(serialNo, {rowListX, y + 4, rowListWidth, 14});
        int x = startHourX;
        int position = 1;
        for (int id : {serialChar1, serialChar2, serialChar3, serialChar4}) {
            list(id, {x, y + 4, 30, 14}, QStringLiteral("Serial character %1").arg(position++));
            x += 32;
        }
    }

    // The folder, and under it the line that says where loaded settings came from.
    void folderRow(int y) {
        frame({rowLeft, y, rowWidth, folderRowHeight});
        button(selectButton, {rowLabelX, y + 3, rowLabelWidth, 15}, QStringLiteral("Select"));
        const UnitRect field{rowListX, y + 4, 208, 13};
        add(folderField, ControlKind::Edit, field, {}, NoStyle, 0, QStringLiteral("Target folder"));
        controls.push_back(sourceLineBelow(field));
    }

    void buttonRow(int y, int windowWidth) {
        button(generateButton, {24, y, 70, 17}, QStringLiteral("Generate"), DefaultButton);
        button(defaultButton, {109, y, 70, 17}, QStringLiteral("Default"));
        const UnitRect exit{194, y, 70, 17};
        button(exitButton, exit, QStringLiteral("Exit"), CancelButton);
        controls.push_back(menuButtonRightOf(moreButton, exit, windowWidth));
    }

private:
    void add(int id, ControlKind kind, const UnitRect& rect, const QString& caption = {},
             unsigned style = NoStyle, int names = 0, const QString& accessibleName = {}) {
        controls.push_back({id, kind, rect, caption, style, names, accessibleName});
    }

    int nextStatic_ = firstStaticControl;
};

TimeRow timerRow() {
    return {timerLabel,
            QStringLiteral("Timer"),
            timer,
            startLabel,
            stopLabel,
            {timerStartHour, timerStartMinute, timerStopHour, timerStopMinute},
            {timerStartHourCaption, timerStartMinuteCaption, timerStopHourCaption,
             timerStopMinuteCaption}};
}

TimeRow secondTimerRow(CameraForm form) {
    const SecondTimerControls second = secondTimerControls(form);
    // Form B's label reads "Timer" until a language relabels it (Magyar never does).
    return {second.label,
            form == CameraForm::B ? QStringLiteral("Timer") : QStringLiteral("Timer2"),
            second.list,
            secondStartLabel,
            secondStopLabel,
            {second.startHour, second.startMinute, second.stopHour, second.stopMinute},
            {secondStartHourCaption, secondStartMinuteCaption, secondStopHourCaption,
             secondStopMinuteCaption}};
}

TimeRow timeLapseRow() {
    return {timeLapseLabel,
            QStringLiteral("Time Lapse"),
            timeLapse,
            0,
            0,
            {timeLapseHour, timeLapseMinute, timeLapseSecond, 0},
            {timeLapseHourCaption, timeLapseMinuteCaption, timeLapseSecondCaption, 0}};
}

DialogTemplate makeTemplate(CameraForm form) {
    Builder b;
    int y = 5;
    const auto nextPairRow = [&y] { y += pairStep; };
    b.listPair(leftColumn, y, modeLabel, QStringLiteral("Mode"), cameraMode);
    b.listPair(rightColumn, y, imageSizeLabel, QStringLiteral("Image Size"), imageSize);
    nextPairRow();
    b.listPair(leftColumn, y, videoSizeLabel, QStringLiteral("Video Size"), videoSize);
    b.listPair(rightColumn, y, pictureNoLabel, QStringLiteral("Picture No."), pictureNo);
    nextPairRow();
    b.listPair(leftColumn, y, timeStampLabel, QStringLiteral("Time Stamp"), timeStamp);
    b.listPair(rightColumn, y, senseLevelLabel, QStringLiteral("Sense Level"), senseLevel);
    nextPairRow();
    if (form == CameraForm::A) {
        // Form A has no side sensor: the interval moves up beside the video length and the
        // date format stands alone.
        b.intervalPair(leftColumn, y);
        b.videoLengthPair(rightColumn, y);
        nextPairRow();
        b.listPair(leftColumn, y, dateFormatLabel, QStringLiteral("Date Format"), dateFormat);
        nextPairRow();
    } else {
        b.listPair(leftColumn, y, sidePirLabel, QStringLiteral("Side PIR"), sidePir);
        b.videoLengthPair(rightColumn, y);
        nextPairRow();
        b.intervalPair(leftColumn, y);
        b.listPair(rightColumn, y, dateFormatLabel, QStringLiteral("Date Format"), dateFormat);
        nextPairRow();
    }
    if (form == CameraForm::B) {
        // Their labels are never relabelled, so no text table knows their numbers.
        const int beepLabel = b.staticId();
        b.listPair(leftColumn, y, beepLabel, QStringLiteral("Beep Sound"), beepSound);
        const int sdCycleLabel = b.staticId();
        b.listPair(rightColumn, y, sdCycleLabel, QStringLiteral("SD Cycle"), sdCycle);
        nextPairRow();
    }
    // Form B is taller by its extra pair row; its rows below stand a little closer.
    const int gap = form == CameraForm::B ? 3 : 5;
    y += 2;
    b.clockRow(y);
    y += pairHeight + gap;
    b.timeRow(y, timerRow());
    y += timeRowHeight + gap;
    b.timeRow(y, secondTimerRow(form));
    y += timeRowHeight + gap;
    b.serialRow(y);
    y += pairHeight + gap;
    b.timeRow(y, timeLapseRow());
    y += timeRowHeight + gap;
    b.folderRow(y);
    y += folderRowHeight + (form == CameraForm::B ? 7 : 8);
    b.buttonRow(y, form == CameraForm::B ? 289 : 288);
    // The line under the folder makes the forms taller than the behaviour's by its height.
    constexpr int taller = folderRowHeight - pairHeight;

    switch (form) {
    case CameraForm::A:
        return {templateA, 288, 348 + taller, QStringLiteral("Kestrova Omega"),
                std::move(b.controls)};
    case CameraForm::B:
        return {templateB, 289, 355 + taller, QStringLiteral("Kestrova Sigma"),
                std::move(b.controls)};
    case CameraForm::C:
        break;
    }
    return {templateC, 288, 348 + taller, QStringLiteral("Kestrova Lambda"), std::move(b.controls)};
}

} // namespace

const DialogTemplate& cameraFormTemplate(CameraForm form) {
    static const DialogTemplate a = makeTemplate(CameraForm::A);
    static const DialogTemplate b = makeTemplate(CameraForm::B);
    static const DialogTemplate c = makeTemplate(CameraForm::C);
    switch (form) {
    case CameraForm::A:
        return a;
    case CameraForm::B:
        return b;
    case CameraForm::C:
        break;
    }
    return c;
}

} // namespace kestrova::res
