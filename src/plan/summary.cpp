#include "plan/summary.h"

#include <array>
#include <cmath>

namespace kestrova::plan {

namespace {

constexpr std::array conflictKeys{
    "never_pictures", "timer_empty",    "timers_overlap", "time_lapse_zero", "time_lapse_long",
    "zero_interval",  "no_recipient",   "unlimited",      "video_mode",      "clock_not_synced",
    "clock_early",    "card_read_only", "card_short",     "card_not_fat32",  "card_old_files",
};
static_assert(conflictKeys.size() == static_cast<std::size_t>(ConflictId::CardOldFiles) + 1);

QJsonValue number(double value) {
    // Whole numbers as such; the rest to the tenth, as the assumptions hold no finer figure.
    if (value == static_cast<double>(static_cast<qint64>(value)))
        return static_cast<qint64>(value);
    return std::round(value * 10) / 10;
}

QString numberText(double value) {
    return number(value).toVariant().toString();
}

QString assumptionText(const Assumption& assumption) {
    QString text = assumption.keyText() + u' ' + numberText(assumption.value);
    if (!assumption.unit.empty())
        text +=
            u' ' + QString::fromLatin1(assumption.unit.data(), qsizetype(assumption.unit.size()));
    if (!assumption.what.empty())
        text += QStringLiteral(" for ") + assumption.whatText();
    return text;
}

} // namespace

QString conflictKey(ConflictId id) {
    return QString::fromLatin1(conflictKeys[static_cast<std::size_t>(id)]);
}

QJsonObject Summary::json() const {
    QJsonObject exact;
    QJsonObject estimated;
    QJsonArray used;
    QStringList seen;
    for (const Figure& figure : figures) {
        (figure.estimated ? estimated : exact)[figure.key] = number(figure.value);
        for (const Assumption& assumption : figure.basis) {
            const QString text = assumptionText(assumption);
            if (seen.contains(text))
                continue;
            seen << text;
            QJsonObject row{{QStringLiteral("name"), assumption.keyText()},
                            {QStringLiteral("value"), number(assumption.value)}};
            if (!assumption.what.empty())
                row[QStringLiteral("for")] = assumption.whatText();
            if (!assumption.unit.empty())
                row[QStringLiteral("unit")] =
                    QString::fromLatin1(assumption.unit.data(), qsizetype(assumption.unit.size()));
            used.append(row);
        }
    }
    return {{QStringLiteral("sentences"), QJsonArray::fromStringList(sentences)},
            {QStringLiteral("exact"), exact},
            {QStringLiteral("estimated"), estimated},
            {QStringLiteral("assumptions"), used}};
}

QJsonArray Summary::conflictsJson() const {
    QJsonArray out;
    for (const Conflict& conflict : conflicts)
        out.append(
            QJsonObject{{QStringLiteral("id"), conflictKey(conflict.id)},
                        {QStringLiteral("settings"), QJsonArray::fromStringList(conflict.settings)},
                        {QStringLiteral("text"), conflict.text}});
    return out;
}

QStringList Summary::reportLines(const QString& title) const {
    QStringList lines{title + u':'};
    for (const QString& sentence : sentences)
        lines << QStringLiteral("  ") + sentence;
    for (const Figure& figure : figures) {
        if (!figure.estimated) {
            lines << QStringLiteral("  %1: %2").arg(figure.key, numberText(figure.value));
            continue;
        }
        QStringList basis;
        for (const Assumption& assumption : figure.basis)
            basis << assumptionText(assumption);
        lines << QStringLiteral("  %1: about %2 (assumed: %3)")
                     .arg(figure.key, numberText(figure.value), basis.join(QStringLiteral("; ")));
    }
    for (const Conflict& conflict : conflicts)
        lines << QStringLiteral("  warning: ") + conflict.text;
    return lines;
}

} // namespace kestrova::plan
