#pragma once

#include "camera/camera_settings.h"
#include "common/range_check.h"

#include <string_view>
#include <vector>

namespace kestrova::camera {

constexpr IntRange videoLengthRange{1, 60};
constexpr IntRange intervalRange{0, 60};
constexpr IntRange hourRange{0, 23};
constexpr IntRange minuteRange{0, 59};
constexpr int targetFolderLimit = 80;

// How a failing field is reported: the program's own range message, or the dialog's standard
// one (the second timer's fields).
enum class RangeMessage { Integer, Standard };

struct NumericSetting {
    std::string_view name;
    int CameraSettings::*member;
    IntRange range;
    RangeMessage message;
};

// One step of taking a form's values from its controls.
struct TakeStep {
    enum Kind { Numeric, ClockText, TargetFolder } kind;
    NumericSetting setting; // for Numeric steps
};

// The fixed order in which a form takes and checks its fields; the first failure stops it.
const std::vector<TakeStep>& takeOrder(CameraForm form);

// Every numeric setting with its range, in the order of the record.
const std::vector<NumericSetting>& numericSettings();

// Brings out-of-range numbers back to a usable value after the fields were taken.
void applyCorrections(CameraSettings& settings);

// The interval unit was switched: 0 minutes is not a valid interval.
void intervalUnitChanged(CameraSettings& settings);

} // namespace kestrova::camera
