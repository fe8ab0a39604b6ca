#pragma once

#include "plan/menu_summary.h"
#include "plan/mms_summary.h"
#include "plan/smtp_summary.h"

#include <QString>

#include <vector>

namespace kestrova::plan {

// One setting as a form shows it in a language: its caption and its value. A timer's hours,
// the interval's unit and the serial text's characters stand on their list's line, as on the
// form.
struct SettingLine {
    QString caption;
    QString value;
    bool hidden = false;  // a masked field: its value is not shown
    bool stamped = false; // set at each write (the clock), not by the owner

    bool operator==(const SettingLine&) const = default;
};

std::vector<SettingLine> menuLines(const MenuFacts& menu, int language);
std::vector<SettingLine> mmsLines(const MmsFacts& mms, int language);
std::vector<SettingLine> smtpLines(const SmtpFacts& smtp, int language);

} // namespace kestrova::plan
