#pragma once

#include <QJsonValue>
#include <QString>

#include <optional>

namespace kestrova::cli {

// A value as the user wrote it, for error messages: texts quoted, others as JSON.
QString describe(const QJsonValue& value);

// A whole number from a JSON number or from text; nothing for any other kind of value.
std::optional<int> wholeNumber(const QJsonValue& value);

} // namespace kestrova::cli
