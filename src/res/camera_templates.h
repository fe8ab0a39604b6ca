#pragma once

#include "common/form_variants.h"
#include "res/dialog_template.h"

namespace kestrova::res {

// Resource numbers of the three camera forms. The text tables key their captions by them, so
// they are the same on every form unless a form's second timer says otherwise.
namespace camera_form {
constexpr int templateA = 148;
constexpr int templateB = 140;
constexpr int templateC = 129;

constexpr int generateButton = 1;
constexpr int exitButton = 2;

constexpr int videoLength = 1002;
constexpr int intervalValue = 1003;
constexpr int modeLabel = 1004;
constexpr int imageSizeLabel = 1005;
constexpr int videoSizeLabel = 1006;
constexpr int pictureNoLabel = 1007;
constexpr int videoLengthLabel = 1008;
constexpr int intervalLabel = 1009;
constexpr int senseLevelLabel = 1010;
constexpr int timeStampLabel = 1011;
constexpr int sidePirLabel = 1012;
constexpr int cameraMode = 1013;
constexpr int imageSize = 1014;
constexpr int videoSize = 1015;
constexpr int pictureNo = 1016;
constexpr int timerStartHour = 1017;
constexpr int setClockLabel = 1018;
constexpr int timerLabel = 1019;
constexpr int timeLapseLabel = 1020;
constexpr int serialNoLabel = 1021;
constexpr int timerStartMinute = 1022;
constexpr int timerStopHour = 1023;
constexpr int timerStopMinute = 1024;
constexpr int timer = 1025;
constexpr int timeStamp = 1026;
constexpr int senseLevel = 1027;
constexpr int sidePir = 1028; // forms B and C
constexpr int intervalUnit = 1029;
constexpr int clockField = 1030;
constexpr int getTime = 1031;
constexpr int serialNo = 1032;
constexpr int timeLapse = 1033;
constexpr int serialChar1 = 1034;
constexpr int serialChar2 = 1035;
constexpr int serialChar3 = 1036;
constexpr int serialChar4 = 1037;
constexpr int timeLapseHour = 1038;
constexpr int timeLapseMinute = 1039;
constexpr int timeLapseSecond = 1040;
constexpr int dateFormatLabel = 1043;
constexpr int dateFormat = 1044;
constexpr int selectButton = 1057;
constexpr int startLabel = 1059;
constexpr int stopLabel = 1060;
constexpr int secondStartLabel = 1061;
constexpr int defaultButton = 1062;
constexpr int secondStopLabel = 1063;
constexpr int folderField = 1064;
constexpr int moreButton = 1190;

// Form B only; on forms A and C these numbers belong to the second timer.
constexpr int beepSound = 1042;
constexpr int sdCycle = 1046;

// The "Hour", "Min" and "Sec" captions above the time fields.
constexpr int timerStartHourCaption = 1118;
constexpr int timerStopHourCaption = 1119;
constexpr int secondStartHourCaption = 1120;
constexpr int secondStopHourCaption = 1121;
constexpr int timerStartMinuteCaption = 1122;
constexpr int timerStopMinuteCaption = 1123;
constexpr int secondStartMinuteCaption = 1124;
constexpr int secondStopMinuteCaption = 1125;
constexpr int timeLapseHourCaption = 1126;
constexpr int timeLapseMinuteCaption = 1127;
constexpr int timeLapseSecondCaption = 1128;

// Static controls that no text table names: frames, separators, fixed captions.
constexpr int firstStaticControl = 1200;
} // namespace camera_form

// The second timer is numbered differently on form B.
struct SecondTimerControls {
    int label;
    int list;
    int startHour;
    int startMinute;
    int stopHour;
    int stopMinute;
};

constexpr SecondTimerControls secondTimerControls(CameraForm form) {
    if (form == CameraForm::B)
        return {1047, 1052, 1048, 1049, 1050, 1051};
    return {1041, 1048, 1042, 1045, 1046, 1047};
}

const dialog::DialogTemplate& cameraFormTemplate(CameraForm form);

} // namespace kestrova::res
