#include "field/returned_card.h"

#include "field/report_text.h"
#include "field/retrieval_row.h"
#include "i18n/fleet_texts.h"

namespace kestrova::field {

fleet::ReadReturnedCard returnedCardReader(const QString& logPath, int language) {
    return [logPath, language](const card::Volume& card,
                               const std::atomic_bool& stop) -> std::optional<fleet::ReturnedCard> {
        fleet::ReturnedCard returned;
        // The log as it is now: another run may have added the card's row meanwhile.
        const storage::BoundedRead log = fleet::readLogFile(logPath);
        if (!log.ok()) {
            returned.problem = QStringLiteral("the log cannot be read: %1")
                                   .arg(log.reason.isEmpty() ? log.sizeText() : log.reason);
            return returned;
        }
        ReportRequest request;
        request.folder = card.mountPoint;
        request.language = language;
        request.log = log.bytes;
        request.card = card.identity();
        const PreparedReport prepared = prepareReport(request);
        if (prepared.problem) {
            returned.problem = *prepared.problem;
            return returned;
        }
        ReadProgress reading;
        reading.cancel = &stop;
        const std::optional<CardReport> report = readCard(prepared, reading);
        if (!report)
            return std::nullopt;
        fleet::LogEntry entry = retrievalEntry(*report, prepared, QDateTime::currentDateTime());
        entry.device = card.device;
        if (const auto problem = logRetrieval(logPath, entry).problem) {
            returned.problem =
                i18n::fleetText(i18n::FleetText::LogNotWritten, language).arg(*problem);
            return returned;
        }
        returned.cameraId = report->deployment.cameraId;
        QStringList found = workingLines(*report, language);
        if (report->clock.problem())
            found += clockLines(*report, language);
        returned.text = found.join(u' ');
        return returned;
    };
}

} // namespace kestrova::field
