#include "cli/report_text.h"

#include "i18n/language.h"

#include <QJsonArray>

namespace kestrova::cli {

QString hex16(std::uint16_t value) {
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(4, u'0');
}

QString verdict(bool ok) {
    return ok ? QStringLiteral("(ok)") : QStringLiteral("(DAMAGED)");
}

QString okOr(bool ok, const QString& good, const QString& bad) {
    return (ok ? good : bad) + u' ' + verdict(ok);
}

QString languageLine(const QString& key, int byte) {
    return QStringLiteral("%1: %2 (%3)").arg(key).arg(byte).arg(i18n::cameraLanguageName(byte));
}

void addOutOfRangeLine(QStringList& lines, const QStringList& outOfRange) {
    if (!outOfRange.isEmpty())
        lines << QStringLiteral("out of range: %1 (DAMAGED)")
                     .arg(outOfRange.join(QStringLiteral(", ")));
}

void addRefusalLine(QStringList& lines, const std::optional<QString>& refusal) {
    if (refusal)
        lines << QStringLiteral("checks: %1 (DAMAGED)").arg(escapedText(*refusal));
}

void addRefusal(QJsonObject& object, const std::optional<QString>& refusal) {
    if (refusal)
        object[QStringLiteral("refusal")] = *refusal;
}

QJsonObject jsonHead(const QString& kind, bool crcOk, bool intact) {
    QJsonObject object;
    object[QStringLiteral("kind")] = kind;
    object[QStringLiteral("crc_ok")] = crcOk;
    object[QStringLiteral("intact")] = intact;
    return object;
}

void addRangeAndModel(QJsonObject& object, const QStringList& outOfRange,
                      std::optional<int> model) {
    if (!outOfRange.isEmpty())
        object[QStringLiteral("out_of_range")] = QJsonArray::fromStringList(outOfRange);
    if (model)
        object[QStringLiteral("model")] = *model;
}

void insertSettings(QJsonObject& object, const QJsonObject& settings) {
    for (auto it = settings.begin(); it != settings.end(); ++it)
        object[it.key()] = it.value();
}

} // namespace kestrova::cli
