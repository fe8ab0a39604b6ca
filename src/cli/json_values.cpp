#include "cli/json_values.h"

#include "cli/cli_error.h"
#include "common/range_check.h"

#include <QFile>
#include <QJsonParseError>

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

std::optional<int> listPosition(const QJsonValue& value, const QStringList& entries) {
    if (value.isString()) {
        const QString text = value.toString().trimmed();
        for (qsizetype at = 0; at < entries.size(); ++at) {
            if (entries[at].trimmed().compare(text, Qt::CaseInsensitive) == 0)
                return static_cast<int>(at);
        }
    }
    const auto number = wholeNumber(value);
    if (number && *number >= 0 && *number < entries.size())
        return number;
    return std::nullopt;
}

QString notInList(const QJsonValue& value, const QStringList& entries) {
    return QStringLiteral("%1 is not allowed; use a position 0..%2 or one of: %3")
        .arg(describe(value))
        .arg(entries.size() - 1)
        .arg(entries.join(QStringLiteral(", ")));
}

QJsonObject readProfile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(ExitBadInput,
             QStringLiteral("cannot read the profile %1: %2").arg(path, file.errorString()));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        fail(ExitBadInput, QStringLiteral("the profile %1 is not valid JSON: %2 at offset %3")
                               .arg(path, error.errorString())
                               .arg(error.offset));
    if (!document.isObject())
        fail(ExitBadInput,
             QStringLiteral("the profile %1 must hold one JSON object of settings").arg(path));
    return document.object();
}

} // namespace kestrova::cli
