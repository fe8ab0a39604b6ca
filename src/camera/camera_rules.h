#pragma once

#include "camera/camera_settings.h"
#include "camera/menu_fields.h"
#include "camera/menu_record.h"

#include <vector>

namespace kestrova::camera {

constexpr int targetFolderLimit = 80;

// One step of taking a form's values from its controls.
struct TakeStep {
    enum Kind { Numeric, ClockText, TargetFolder } kind;
    MenuField field = MenuField::VideoLength; // for Numeric steps
};

// The order in which a form takes and checks its fields, by the rows' take steps; the first
// failure stops it.
const std::vector<TakeStep>& takeOrder(CameraForm form);

// Brings out-of-range numbers back to a usable value after the fields were taken.
void applyCorrections(CameraSettings& settings);

// The interval unit was switched: 0 minutes is not a valid interval.
void intervalUnitChanged(CameraSettings& settings);

// Whether a number lies within its field's range.
bool inRange(const MenuFieldRow& row, int value);

// What Generate and the command write, from settings whose numbers were taken: the corrections,
// then the record. "menu.dat" has no check of its own beyond the taking, so nothing is refused
// here.
MenuRecord prepareMenuFile(CameraForm form, CameraSettings settings, const CapturedTime& time,
                           int languageByte, std::uint16_t tvMode);

} // namespace kestrova::camera
