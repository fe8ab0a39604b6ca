#include "field/retrieval_row.h"

#include "common/profile_values.h"
#include "field/camtrap_package.h"
#include "field/report_text.h"
#include "i18n/language.h"

#include <cmath>

namespace kestrova::field {

fleet::LogEntry retrievalEntry(const CardReport& report, const PreparedReport& prepared,
                               const QDateTime& now) {
    const Deployment& deployment = report.deployment;
    const QTimeZone& zone = prepared.basis.zone;
    fleet::LogEntry entry;
    entry.written = now.toOffsetFromUtc(now.offsetFromUtc());
    entry.cameraId = deployment.cameraId;
    entry.model = report.modelName;
    // A label is the card's own: whatever it holds is shown, never acted on.
    entry.label = escapedText(deployment.card.label);
    entry.uuid = deployment.card.uuid;
    if (!prepared.identity.menuSha256.isEmpty())
        entry.sha256[QStringLiteral("menu.dat")] =
            QString::fromLatin1(prepared.identity.menuSha256);
    entry.kitName = deployment.kitName;
    entry.result = QString::fromLatin1(fleet::retrievedResult);

    QMap<QString, QString>& r = entry.retrieval;
    if (deployment.end && deployment.endSource == EndSource::Retrieved)
        r[QStringLiteral("retrieved")] = deployment.end->toString(Qt::ISODate);
    r[QStringLiteral("closes")] = deployment.written;
    if (report.firstPicture)
        r[QStringLiteral("first_picture")] = mediaTimestamp(report.firstPicture->time, zone);
    if (report.lastPicture)
        r[QStringLiteral("last_picture")] = mediaTimestamp(report.lastPicture->time, zone);
    r[QStringLiteral("pictures")] = QString::number(report.comparison.pictures);
    r[QStringLiteral("videos")] = QString::number(report.comparison.videos);
    if (report.hasMedia()) {
        int down = 0;
        for (const DayStretch& stretch : report.down)
            down += stretch.days();
        r[QStringLiteral("days")] = QString::number(report.deploymentDays);
        r[QStringLiteral("days_working")] = QString::number(report.workingDays);
        r[QStringLiteral("days_down")] = QString::number(down);
    }
    // The clock as the last photo of a watch found it: the nearest to the card's coming back.
    if (!report.clock.photos.empty())
        r[QStringLiteral("clock_offset_seconds")] = QString::number(
            std::llround(static_cast<double>(report.clock.photos.back().offsetMs) / 1000.0));
    r[QStringLiteral("timestamp_issues")] =
        report.clock.problem() ? QStringLiteral("true") : QStringLiteral("false");
    const std::optional<plan::MenuDay>& schedule = prepared.basis.schedule;
    r[QStringLiteral("capture_method")] =
        captureMethods(!schedule || schedule->motion, !prepared.basis.timeLapseTimes.empty())
            .join(u' ');
    QStringList findings = workingLines(report, i18n::English) + clockLines(report, i18n::English) +
                           cardLines(report, i18n::English);
    for (QString& line : findings)
        line = escapedText(line.trimmed());
    r[QStringLiteral("findings")] = findings.join(QStringLiteral(" | "));
    return entry;
}

fleet::LogAppend logRetrieval(const QString& path, const fleet::LogEntry& entry) {
    fleet::DeployLog log;
    if (const auto problem = log.open(path)) {
        fleet::LogAppend refused;
        refused.problem = problem;
        return refused;
    }
    return log.append(entry);
}

} // namespace kestrova::field
