#include "res/fleet_templates.h"

namespace kestrova::res {

using namespace dialog;

const DialogTemplate& manyCardsTemplate() {
    using namespace many_cards;
    // One line of label, field and button for each file, then the status, the cards done and
    // the buttons that run it.
    const auto fileLine = [](int label, int field, int browse, int y, const char* caption) {
        return std::vector<ControlTemplate>{
            {label,
             ControlKind::Label,
             {10, y + 2, 82, 10},
             QString::fromLatin1(caption),
             NoStyle,
             field},
            {field, ControlKind::Edit, {94, y, 150, 14}, {}},
            {browse, ControlKind::Button, {248, y, 64, 14}, QStringLiteral("Browse...")},
        };
    };
    static const DialogTemplate dialogTemplate = [&fileLine] {
        DialogTemplate t{templateId, 322, 252, QStringLiteral("Set up many cards"), {}};
        for (const auto& line :
             {fileLine(kitLabel, kitField, kitBrowse, 10, "Kit file:"),
              fileLine(camerasLabel, camerasField, camerasBrowse, 28, "Cameras (CSV):"),
              fileLine(logLabel, logField, logBrowse, 46, "Log file:")})
            t.controls.insert(t.controls.end(), line.begin(), line.end());
        t.controls.insert(
            t.controls.end(),
            {
                {setupByLabel,
                 ControlKind::Label,
                 {10, 66, 82, 10},
                 QStringLiteral("Set up by:"),
                 NoStyle,
                 setupByField},
                {setupByField, ControlKind::Edit, {94, 64, 150, 14}, {}},
                {status, ControlKind::Label, {10, 84, 302, 28}, {}, Centred | LargeText},
                {cardsLabel,
                 ControlKind::Label,
                 {10, 116, 150, 10},
                 QStringLiteral("Cards done:"),
                 NoStyle,
                 cardsList},
                {cardsList, ControlKind::ListBox, {10, 128, 302, 92}, {}},
                {start,
                 ControlKind::Button,
                 {10, 228, 60, 16},
                 QStringLiteral("Start"),
                 DefaultButton},
                {stop, ControlKind::Button, {76, 228, 60, 16}, QStringLiteral("Stop")},
                {close,
                 ControlKind::Button,
                 {252, 228, 60, 16},
                 QStringLiteral("Close"),
                 CancelButton},
            });
        return t;
    }();
    return dialogTemplate;
}

} // namespace kestrova::res
