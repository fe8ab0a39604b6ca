#include "dialog/summary_strip.h"

#include "common/range_check.h"
#include "i18n/summary_texts.h"

#include <map>
#include <memory>

namespace kestrova::dialog {

using namespace summary_strip;

namespace {

constexpr int triggersDigits = 4;

DialogTemplate stripBelow(const DialogTemplate& form) {
    DialogTemplate extended = form;
    const int top = form.height;
    const int width = form.width;
    extended.height = top + height;
    auto& controls = extended.controls;
    controls.push_back({group, ControlKind::GroupBox, {4, top, width - 8, height - 4}});
    controls.push_back({lines, ControlKind::Summary, {9, top + 11, width - 18, 58}});
    controls.push_back({triggersLabel,
                        ControlKind::Label,
                        {9, top + 73, 170, 10},
                        {},
                        RightAligned,
                        triggersField});
    controls.push_back(
        {triggersField, ControlKind::Edit, {183, top + 71, 32, 13}, {}, DigitsOnly | Centred});
    return extended;
}

} // namespace

const DialogTemplate& withSummaryStrip(const DialogTemplate& form) {
    // Windows keep a pointer to their template: each extended one lives as long as the program.
    static std::map<const DialogTemplate*, std::unique_ptr<DialogTemplate>> extended;
    auto& slot = extended[&form];
    if (!slot)
        slot = std::make_unique<DialogTemplate>(stripBelow(form));
    return *slot;
}

void setUpStrip(Dialog& dialog, int language, int triggersPerDay) {
    const QString title = i18n::summaryText(i18n::SummaryText::StripTitle, language);
    dialog.setControlCaption(group, title);
    // What a screen reader calls the lines.
    dialog.setControlCaption(lines, title);
    dialog.setControlCaption(triggersLabel,
                             i18n::summaryText(i18n::SummaryText::AssumedTriggers, language));
    dialog.setLimit(triggersField, triggersDigits);
    dialog.setText(triggersField, QString::number(triggersPerDay));
}

void showStrip(Dialog& dialog, const StripContent& content, int language) {
    QStringList shown = content.sentences;
    QList<bool> warns(content.sentences.size(), false);
    // Said in words as well as by the icon, so a screen reader tells it too.
    for (const QString& warning : content.warnings) {
        shown << i18n::summaryText(i18n::SummaryText::WarningLine, language).arg(warning);
        warns << true;
    }
    dialog.setLines(lines, shown, warns);
}

std::optional<int> assumedTriggers(const Dialog& dialog) {
    return parseInteger(dialog.text(triggersField));
}

} // namespace kestrova::dialog
