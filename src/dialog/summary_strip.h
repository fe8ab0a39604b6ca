#pragma once

#include "dialog/dialog.h"
#include "res/dialog_template.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace kestrova::dialog {

// The strip beside a setup form's controls that says what the camera will do with them. It is
// added right of the form's own controls, as high as the form: the window grows by its width
// alone, which a laptop screen has to spare, and nothing of the form moves.
namespace summary_strip {
constexpr int group = 1400;
constexpr int lines = 1401;
constexpr int triggersLabel = 1402;
constexpr int triggersField = 1403;
constexpr int width = 184; // dialog units
} // namespace summary_strip

// The form's template with the strip beside it; the same object for the same form each time.
const DialogTemplate& withSummaryStrip(const DialogTemplate& form);

// What the strip shows: sentences, and the warnings after them.
struct StripContent {
    QStringList sentences;
    QStringList warnings;
};

// The strip's captions in a language, and its triggers a day to start with.
void setUpStrip(Dialog& dialog, int language, int triggersPerDay);
void showStrip(Dialog& dialog, const StripContent& content, int language);

// The triggers a day the owner assumes in the strip; nothing while its field holds no number.
std::optional<int> assumedTriggers(const Dialog& dialog);

} // namespace kestrova::dialog
