#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrova {

struct Reason;

// How a settings profile (a JSON object, as inspect prints it) and a NAME=VALUE on the command
// line give their values, and how a message echoes them back.

// A text as a terminal gets it: control characters escaped ("\x1b"), so none of them acts on
// the screen or starts a line of its own.
QString escapedText(const QString& text);

// The same in double quotes, with the backslash and the quote escaped too.
QString quotedText(const QString& text);

// A value the user gave, as an error message echoes it: escaped, and cut after 60 characters.
QString shownValue(const QString& text);

// A value as the user wrote it, for error messages: texts quoted, others as JSON, either one
// cut as shownValue does.
QString describe(const QJsonValue& value);

// A whole number from a JSON number or from text; nothing for any other kind of value.
std::optional<int> wholeNumber(const QJsonValue& value);

// A list setting's position: a whole number (a JSON number or its digits as text) is always the
// position; "name:TEXT" is the entry TEXT whatever it reads like; any other text is an entry's
// text (blanks and case aside). Nothing when the value is none of them.
std::optional<int> listPosition(const QJsonValue& value, const QStringList& entries);

// A list entry as a profile names it: "name:" goes before an entry that reads as a number
// (the mobile operator "3"), which would otherwise be taken for a position.
QString entryName(const QString& entry);

// Whether a text holds a control character, which no form and no command writes.
bool holdsControl(const QString& text);

// A list setting as a profile holds it: its entry, or its position where it is none of them.
QJsonValue entryOrNumber(int value, const QStringList& entries);

// A name only where it leads back to the same position; the position otherwise.
QJsonValue uniqueName(int value, const QStringList& names);

// Why a value is not one of a list's entries, and what is.
QString notInList(const QJsonValue& value, const QStringList& entries);
// The same with the words of ours a window says in its language.
Reason notInListReason(const QJsonValue& value, const QStringList& entries);

// The known name nearest to a misspelt one, by edit distance over the first
// `comparedNameLength` characters of each; the first of equals.
inline constexpr qsizetype comparedNameLength = 64;
QString nearestName(const QString& name, const QStringList& known);

// Why a setting name is not taken, with the nearest known one.
QString unknownSettingMessage(const QString& name, const QStringList& settings);

} // namespace kestrova
