#pragma once

#include "i18n/wording.h"

#include <QString>

#include <optional>

namespace kestrova::fleet {

// Ids and names as the log and its export keep them: what a spreadsheet would take for a
// formula, and what makes two names that look the same differ, never reaches them.

inline constexpr int idLimit = 64;    // camera_id, locationID
inline constexpr int nameLimit = 200; // a kit's name, who set the cameras up, locationName

enum class NameKind { Id, Name };

// The text as names are compared and kept: its composed form (NFC) without blanks around it.
QString normalisedName(const QString& text);

// Why the text cannot be an id or a name: a control, format or line separator character (a
// direction mark, a zero-width space), too many characters, and for an id, a start that a
// spreadsheet takes for a formula. Nothing when it can.
std::optional<i18n::Wording> nameProblem(const QString& text, NameKind kind);

// Whether a spreadsheet would run the value as a formula (or as one after an apostrophe).
bool startsLikeFormula(const QString& value);

// A free text as a CSV cell a spreadsheet opens safely: an apostrophe in front of one that
// starts like a formula (=, +, -, @, a tab, a carriage return) or with an apostrophe itself.
QString spreadsheetSafe(const QString& value);

// The columns of the log and its export that hold numbers checked as such (a latitude of
// "-23.8", a clock 190 seconds behind: "-190"), never given the apostrophe.
bool isNumberColumn(const QString& column);

// The value a cell of spreadsheetSafe holds: its apostrophe read off again.
QString spreadsheetValue(const QString& cell);

} // namespace kestrova::fleet
