#include "cli/json_values.h"

#include "common/range_check.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace kestrova::cli {

QString describe(const QJsonValue& value) {
    if (value.isString())
        return u'"' + value.toString() + u'"';
    return QString::fromUtf8(
        QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1));
}

std::optional<int> wholeNumber(const QJsonValue& value) {
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::floor(number) != number || std::abs(number) > 1e9)
            return std::nullopt;
        return static_cast<int>(number);
    }
    if (value.isString())
        return parseInteger(value.toString());
    return std::nullopt;
}

} // namespace kestrova::cli
