#pragma once

#include "plan/plan_inputs.h"

#include <QElapsedTimer>
#include <QString>

namespace kestrova::plan {

// The card facts and the other settings files of a form's folder, for a form that asks on every
// key and every tick of its clock: the volume's space and the settings files are read again
// after a moment, the pictures in DCIM, slow to count on a full card, only for a new folder or
// after a while.
class FolderFacts {
public:
    void fill(PlanInputs& inputs, const QString& folder, int model) const;

private:
    static constexpr int freshForMs = 2000;
    static constexpr int picturesFreshForMs = 60000;
    mutable QString folder_;
    mutable int model_ = 0;
    mutable CardFacts card_;
    mutable CardFiles files_;
    mutable QElapsedTimer age_;
    mutable QElapsedTimer picturesAge_;
};

} // namespace kestrova::plan
