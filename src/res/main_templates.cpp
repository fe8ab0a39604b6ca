#include "res/main_templates.h"

#include "common/version.h"

namespace kestrova::res {

using namespace dialog;

const DialogTemplate& mainWindowTemplate() {
    using namespace main_window;
    static const DialogTemplate dialogTemplate{
        templateId,
        354,
        170,
        QStringLiteral("Kestrova"),
        {
            {version,
             ControlKind::Label,
             {10, 7, 334, 10},
             QStringLiteral("Version:" KESTROVA_VERSION_TEXT),
             Centred},
            {listFrame, ControlKind::Frame, {10, 21, 334, 48}, {}},
            {languageLabel,
             ControlKind::Label,
             {22, 29, 150, 10},
             QStringLiteral("Select Language"),
             NoStyle,
             languageList},
            {languageList, ControlKind::List, {22, 42, 150, 14}, {}},
            {modelLabel,
             ControlKind::Label,
             {182, 29, 150, 10},
             QStringLiteral("Camera Model"),
             NoStyle,
             modelList},
            {modelList, ControlKind::List, {182, 42, 150, 14}, {}},
            {buttonFrame, ControlKind::Frame, {10, 75, 334, 55}, {}},
            {cameraSetup, ControlKind::Button, {26, 83, 84, 39}, QStringLiteral("Camera Setup")},
            {mmsSetup, ControlKind::Button, {135, 83, 84, 39}, QStringLiteral("MMS Setup")},
            {smtpSetup, ControlKind::Button, {244, 83, 84, 39}, QStringLiteral("Smtp Setup")},
            {update,
             ControlKind::Button,
             {10, 138, 334, 22},
             QStringLiteral("Click here to get the latest updates")},
        }};
    return dialogTemplate;
}

const DialogTemplate& aboutBoxTemplate() {
    using namespace about_box;
    static const DialogTemplate dialogTemplate{
        templateId,
        235,
        55,
        QStringLiteral("About Setup"),
        {
            {icon, ControlKind::Icon, {11, 14, 21, 20}, {}, NoStyle, 0, QStringLiteral("Kestrova")},
            {notice,
             ControlKind::Label,
             {40, 10, 130, 10},
             QStringLiteral("Kestrova Setup, Version " KESTROVA_VERSION_TEXT)},
            {address,
             ControlKind::Label,
             {40, 26, 130, 10},
             QStringLiteral("www.kestrova.example")},
            {ok,
             ControlKind::Button,
             {178, 8, 50, 14},
             QStringLiteral("OK"),
             DefaultButton | CancelButton},
        }};
    return dialogTemplate;
}

} // namespace kestrova::res
