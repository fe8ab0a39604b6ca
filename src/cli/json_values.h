#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrova::cli {

// A value as the user wrote it, for error messages: texts quoted, others as JSON.
QString describe(const QJsonValue& value);

// A whole number from a JSON number or from text; nothing for any other kind of value.
std::optional<int> wholeNumber(const QJsonValue& value);

// A list setting's position from an entry's text (blanks and case aside) or from the position
// itself; nothing when it is neither.
std::optional<int> listPosition(const QJsonValue& value, const QStringList& entries);

// Why a value is not one of a list's entries, and what is.
QString notInList(const QJsonValue& value, const QStringList& entries);

// Reads a JSON profile file: one object of settings. Anything else ends the command.
QJsonObject readProfile(const QString& path);

} // namespace kestrova::cli
