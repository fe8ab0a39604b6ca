#pragma once

#include "plan/plan_inputs.h"

#include <QElapsedTimer>
#include <QString>

namespace kestrova::plan {

// The card facts and the other settings files of a form's folder, read again when the folder
// changes or a moment has passed: typing in a form asks on every key, the card changes seldom.
class FolderFacts {
public:
    void fill(PlanInputs& inputs, const QString& folder, int model) const;

private:
    static constexpr int freshForMs = 1000;
    mutable QString folder_;
    mutable int model_ = 0;
    mutable CardFacts card_;
    mutable CardFiles files_;
    mutable QElapsedTimer age_;
};

} // namespace kestrova::plan
