#pragma once

#include "res/dialog_template.h"

namespace kestrova::res {

// Resource numbers of the main window and the About box.
namespace main_window {
constexpr int templateId = 102;
constexpr int cameraSetup = 1000;
constexpr int mmsSetup = 1001;
constexpr int smtpSetup = 1002;
constexpr int update = 1076;
constexpr int version = 1077;
constexpr int languageLabel = 1078;
constexpr int modelLabel = 1079;
constexpr int languageList = 1080;
constexpr int modelList = 1081;
constexpr int listFrame = 2001;
constexpr int buttonFrame = 2002;
} // namespace main_window

namespace about_box {
constexpr int templateId = 100;
constexpr int ok = 1;
constexpr int icon = 2003;
constexpr int notice = 2004;
constexpr int address = 2005;
} // namespace about_box

// The program's icons: the window icon and the one message boxes show.
constexpr int applicationIcon = 152;
constexpr int messageIcon = 128;

const dialog::DialogTemplate& mainWindowTemplate();
const dialog::DialogTemplate& aboutBoxTemplate();

} // namespace kestrova::res
