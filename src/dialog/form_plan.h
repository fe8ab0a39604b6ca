#pragma once

#include "dialog/settings_file.h"
#include "dialog/summary_strip.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace kestrova::dialog {

// What every setup form tells its plan besides its settings.
struct PlanRequest {
    int model = 1;
    int language = 2;
    QString folder; // where the file goes: its card, its other settings files
    int triggersPerDay = 0;
};

// What a setup form asks of the plan for its settings (`Input`): the strip below its controls,
// what a write changed on the card, and the settings sheet. The form knows nothing of how these
// are worked out; the program hands each form its plan.
template <typename Input> class FormPlan {
public:
    virtual ~FormPlan() = default;

    // The triggers a day the strip assumes until the owner says otherwise.
    virtual int defaultTriggers() const = 0;
    virtual StripContent strip(const Input& input) const = 0;
    // The lines the success message adds: what a write of these settings changed against the
    // file it replaced (nothing: there was none).
    virtual QStringList changes(const Input& input,
                                const std::optional<QByteArray>& replaced) const = 0;
    // The settings sheet as HTML of the form's settings, which no card holds yet; `bytes`: the
    // file Generate would write now, when it would.
    virtual QString sheet(const Input& input, const std::optional<QByteArray>& bytes) const = 0;
    // The settings sheet of the file the card holds (`written`), which holds the form's
    // settings: its own check value and clock.
    virtual QString cardSheet(const Input& input, const QByteArray& written) const = 0;
};

// The lines a form's success message adds from its plan, with the input as it stands when the
// file is written; none without a plan.
template <typename Input, typename InputNow>
ChangeLines changeLinesFrom(const std::shared_ptr<const FormPlan<Input>>& plan, InputNow inputNow) {
    if (!plan)
        return {};
    return [plan, inputNow](const std::optional<QByteArray>& replaced) {
        return plan->changes(inputNow(), replaced);
    };
}

} // namespace kestrova::dialog
