#include "dialog/summary_strip.h"

#include "common/range_check.h"
#include "i18n/summary_texts.h"

#include <map>
#include <memory>

namespace kestrova::dialog {

using namespace summary_strip;

namespace {

constexpr int triggersDigits = 4;

DialogTemplate stripBeside(const DialogTemplate& form) {
    DialogTemplate extended = form;
    const int left = form.width;
    const int bottom = form.height - 5;
    extended.width = left + width;
    // The triggers' caption may take two lines in the longer languages; the field stands beside
    // its last line.
    constexpr int captionHeight = 18;
    constexpr int fieldWidth = 32;
    const int right = extended.width - 5;
    const int fieldTop = bottom - 5 - 13;
    auto& controls = extended.controls;
    controls.push_back({group, ControlKind::GroupBox, {left, 2, width - 5, bottom - 2}});
    controls.push_back(
        {lines, ControlKind::Summary, {left + 5, 13, width - 15, fieldTop - 4 - 13}});
    controls.push_back(
        {triggersLabel,
         ControlKind::Label,
         {left + 5, bottom - 3 - captionHeight, width - 19 - fieldWidth, captionHeight},
         {},
         RightAligned | Wrapped,
         triggersField});
    controls.push_back({triggersField,
                        ControlKind::Edit,
                        {right - 5 - fieldWidth, fieldTop, fieldWidth, 13},
                        {},
                        DigitsOnly | Centred});
    return extended;
}

} // namespace

const DialogTemplate& withSummaryStrip(const DialogTemplate& form) {
    // Windows keep a pointer to their template: each extended one lives as long as the program.
    static std::map<const DialogTemplate*, std::unique_ptr<DialogTemplate>> extended;
    auto& slot = extended[&form];
    if (!slot)
        slot = std::make_unique<DialogTemplate>(stripBeside(form));
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
