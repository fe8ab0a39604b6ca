#include "plan/summary.h"

#include "i18n/summary_texts.h"

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

// An exact figure as it is; an estimate to the tenth, as no assumption is finer.
QJsonValue number(double value, bool estimated) {
    if (estimated)
        value = std::round(value * 10) / 10;
    if (value == static_cast<double>(static_cast<qint64>(value)))
        return static_cast<qint64>(value);
    return value;
}

QString numberText(double value, bool estimated) {
    return number(value, estimated).toVariant().toString();
}

// "megabytes_per_video_second 3.1 MB/s (1280x720, Motion-JPEG AVI)": the value as the
// arithmetic took it.
QString assumptionText(const Assumption& assumption) {
    QString text = assumption.keyText() + u' ' + assumption.valueText();
    if (!assumption.unit.empty())
        text += u' ' + assumption.unitText();
    QStringList holds;
    if (!assumption.what.empty())
        holds << assumption.whatText();
    if (!assumption.note.empty())
        holds << assumption.noteText();
    if (!holds.isEmpty())
        text += QStringLiteral(" (%1)").arg(holds.join(QStringLiteral(", ")));
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
        (figure.estimated ? estimated : exact)[figure.key] = number(figure.value, figure.estimated);
        for (const Assumption& assumption : figure.basis) {
            const QString text = assumptionText(assumption);
            if (seen.contains(text))
                continue;
            seen << text;
            QJsonObject row{{QStringLiteral("name"), assumption.keyText()},
                            {QStringLiteral("value"), assumption.value}};
            if (!assumption.what.empty())
                row[QStringLiteral("for")] = assumption.whatText();
            if (!assumption.unit.empty())
                row[QStringLiteral("unit")] = assumption.unitText();
            if (!assumption.note.empty())
                row[QStringLiteral("note")] = assumption.noteText();
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

QStringList Summary::reportLines(const QString& title, int language) const {
    using i18n::SummaryText;
    const auto text = [language](SummaryText id) { return i18n::summaryText(id, language); };
    QStringList lines{title + u':'};
    for (const QString& sentence : sentences)
        lines << QStringLiteral("  ") + sentence;
    for (const Figure& figure : figures) {
        const QString value = numberText(figure.value, figure.estimated);
        QString line =
            QStringLiteral("  %1: %2")
                .arg(figure.key,
                     figure.estimated ? text(SummaryText::ReportAbout).arg(value) : value);
        QStringList basis;
        for (const Assumption& assumption : figure.basis)
            basis << assumptionText(assumption);
        if (!basis.isEmpty())
            line += u' ' + text(SummaryText::ReportAssumed).arg(basis.join(QStringLiteral("; ")));
        lines << line;
    }
    for (const Conflict& conflict : conflicts)
        lines << QStringLiteral("  ") + text(SummaryText::ReportWarning).arg(conflict.text);
    return lines;
}

} // namespace kestrova::plan
