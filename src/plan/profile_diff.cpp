#include "plan/profile_diff.h"

#include "plan/own_wording.h"

#include <QJsonDocument>

namespace kestrova::plan {

namespace {

QString valueText(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Undefined:
    case QJsonValue::Null:
        return QStringLiteral("(none)");
    case QJsonValue::String:
        return QStringLiteral("\"%1\"").arg(value.toString());
    case QJsonValue::Double:
        return value.toVariant().toString();
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    default:
        return QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("v"), value}})
                                     .toJson(QJsonDocument::Compact));
    }
}

} // namespace

QStringList profileDifferences(const QJsonObject& a, const QJsonObject& b,
                               const QStringList& names) {
    QStringList differences;
    for (const QString& name : names) {
        const QJsonValue before = a.value(name);
        const QJsonValue after = b.value(name);
        if (before == after)
            continue;
        // A password is not printed, not even the one it was.
        if (isPassword(name))
            differences << QStringLiteral("%1: (changed)").arg(name);
        else
            differences
                << QStringLiteral("%1: %2 -> %3").arg(name, valueText(before), valueText(after));
    }
    return differences;
}

} // namespace kestrova::plan
