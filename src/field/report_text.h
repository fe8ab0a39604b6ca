#pragma once

#include "field/card_report.h"

#include <QString>
#include <QStringList>

namespace kestrova::field {

// A card's report in words, in a language of the language table: the command prints the lines, the
// card report window shows them part by part.
QStringList deploymentLines(const CardReport& report, int language);
QStringList workingLines(const CardReport& report, int language);
QStringList clockLines(const CardReport& report, int language);
QStringList cardLines(const CardReport& report, int language);
QStringList comparisonLines(const CardReport& report, int language);
// Pictures a day as a small chart of text, a day a line.
QStringList chartLines(const CardReport& report, int language);
// Everything, in that order.
QStringList reportLines(const CardReport& report, int language);

QString dayStateText(DayState state, int language);
QString damageText(const DamagedFile& file, int language);
// "2026-05-20, working: pictures 21, videos 0, time lapse 48 of 48."
QString dayText(const DayRow& day, int language);
// "2026-05-20, 2026-06-02–2026-06-04"
QString stretchesText(const std::vector<DayStretch>& stretches);

} // namespace kestrova::field
