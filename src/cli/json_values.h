#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <optional>

namespace kestrova::cli {

// A value as the user wrote it, for error messages: texts quoted, others as JSON.
QString describe(const QJsonValue& value);

// A whole number from a JSON number or from text; nothing for any other kind of value.
std::optional<int> wholeNumber(const QJsonValue& value);

// Reads a JSON profile file: one object of settings. Anything else ends the command.
QJsonObject readProfile(const QString& path);

} // namespace kestrova::cli
