#pragma once

#include "field/card_report.h"

#include <QJsonObject>

namespace kestrova::field {

// Every number and finding of a card's report, under English names: what `kestrova report
// --json` prints.
QJsonObject reportJson(const CardReport& report);

// Names of what the report tells of, as its JSON spells them.
QString dayStateKey(DayState state);        // "working", "no_pictures", ...
QString damageKey(MediaDamage damage);      // "no_end_marker", ...
QString startSourceKey(StartSource source); // "cameras_table", ...

} // namespace kestrova::field
