#pragma once

#include <QStringList>

namespace kestrova::plan {

// Amounts as a summary shows them in a language.

// A whole number or one decimal, with the language's decimal sign and digit groups
// ("17,280", "17.280", "17 280").
QString numberText(double value, int language);
// A count, in the language's digit groups.
QString countText(qint64 count, int language);
// Items of a list as the language lists them: "a, b" or "a、b".
QString listText(const QStringList& items, int language);
// "30 s", "2 min 30 s", "5 min", "1 h 30 min", "2 h"; beyond an hour with seconds "1:00:30".
QString durationText(int seconds, int language);
// "850 MB", "7.3 GB" (powers of ten, as card makers count).
QString sizeText(qint64 bytes, int language);
QString megabytesText(double megabytes, int language);
// "2026-12-07 13:12:46".
QString clockText(int year, int month, int day, int hour, int minute, int second);

} // namespace kestrova::plan
