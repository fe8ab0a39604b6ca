#include "res/fleet_templates.h"

namespace kestrova::res {

using namespace dialog;

const DialogTemplate& manyCardsTemplate() {
    using namespace many_cards;
    // A label and a field on each line (files with a button to browse), then the status, the
    // cameras with their cards, and the buttons that run it. 264 units stay below 700 pixels at
    // a desktop font a fifth larger than the usual.
    const auto fieldLine = [](int label, int field, int y, const char* caption) {
        return std::vector<ControlTemplate>{
            {label,
             ControlKind::Label,
             {10, y + 2, 110, 10},
             QString::fromLatin1(caption),
             NoStyle,
             field},
            {field, ControlKind::Edit, {122, y, 230, 14}, {}},
        };
    };
    const auto browse = [](int id, int y) {
        return ControlTemplate{
            id, ControlKind::Button, {356, y, 64, 14}, QStringLiteral("Browse...")};
    };
    static const DialogTemplate dialogTemplate = [&] {
        DialogTemplate t{templateId, 430, 264, QStringLiteral("Set up many cards"), {}};
        for (const auto& line : {fieldLine(kitLabel, kitField, 8, "Kit file:"),
                                 fieldLine(camerasLabel, camerasField, 26, "Cameras (CSV):"),
                                 fieldLine(logLabel, logField, 44, "Log file:"),
                                 fieldLine(setupByLabel, setupByField, 62, "Set up by:"),
                                 fieldLine(setUpAtLabel, setUpAtField, 80, "Set up in the field:")})
            t.controls.insert(t.controls.end(), line.begin(), line.end());
        t.controls.insert(
            t.controls.end(),
            {
                browse(kitBrowse, 8),
                browse(camerasBrowse, 26),
                browse(logBrowse, 44),
                {status, ControlKind::Label, {10, 100, 410, 36}, {}, Centred | LargeText},
                {camerasTableLabel,
                 ControlKind::Label,
                 {10, 140, 410, 10},
                 QStringLiteral("Cameras and their cards:"),
                 NoStyle,
                 camerasTable},
                {camerasTable, ControlKind::Table, {10, 152, 410, 84}, {}},
                {start,
                 ControlKind::Button,
                 {10, 242, 60, 16},
                 QStringLiteral("Start"),
                 DefaultButton},
                {stop, ControlKind::Button, {76, 242, 60, 16}, QStringLiteral("Stop")},
                {modeLabel,
                 ControlKind::Label,
                 {142, 245, 44, 10},
                 QStringLiteral("Cards:"),
                 NoStyle,
                 modeList},
                {modeList, ControlKind::List, {188, 243, 166, 14}, {}},
                {close,
                 ControlKind::Button,
                 {360, 242, 60, 16},
                 QStringLiteral("Close"),
                 CancelButton},
            });
        return t;
    }();
    return dialogTemplate;
}

} // namespace kestrova::res
