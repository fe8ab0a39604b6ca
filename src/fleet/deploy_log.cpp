#include "fleet/deploy_log.h"

#include "fleet/camera_list.h"
#include "fleet/csv_table.h"
#include "fleet/log_values.h"
#include "i18n/fleet_texts.h"

#include <QFileInfo>

namespace kestrova::fleet {

namespace {

const QStringList fileColumns{QStringLiteral("menu.dat"), QStringLiteral("setup.dat"),
                              QStringLiteral("smtp.dat")};

QStringList fieldsOf(const LogEntry& entry) {
    QStringList fields{entry.written.toString(Qt::ISODate),
                       entry.cameraId,
                       entry.model,
                       entry.device,
                       entry.label,
                       entry.uuid};
    for (const QString& file : fileColumns)
        fields << entry.sha256.value(file);
    fields << entry.clock << entry.kitName << entry.kitSha256 << entry.result << entry.setupBy
           << entry.cameraDelay << entry.summary << entry.cardWarnings << entry.replaces;
    for (const QString& column : carriedColumns())
        fields << entry.carried.value(column);
    for (const QString& column : retrievalColumns())
        fields << entry.retrieval.value(column);
    // Whatever a spreadsheet would run as a formula is kept as text; the coordinates are
    // numbers checked as such.
    const QStringList columns = logColumns();
    for (qsizetype at = 0; at < fields.size(); ++at) {
        if (!isNumberColumn(columns[at]))
            fields[at] = spreadsheetSafe(fields[at]);
    }
    return fields;
}

const QString notALog = QStringLiteral("it is not a deployment log of this program (its first line "
                                       "is not the log's header)");

} // namespace

QStringList logColumns() {
    QStringList columns{QStringLiteral("time_written"), QStringLiteral("camera_id"),
                        QStringLiteral("model"),        QStringLiteral("device"),
                        QStringLiteral("label"),        QStringLiteral("uuid")};
    columns << fileColumns;
    columns << QStringLiteral("clock") << QStringLiteral("kit_name") << QStringLiteral("kit_sha256")
            << QStringLiteral("result") << QStringLiteral("setup_by")
            << QStringLiteral("camera_delay") << QStringLiteral("summary")
            << QStringLiteral("card_warnings") << QStringLiteral("replaces");
    columns << carriedColumns() << retrievalColumns();
    return columns;
}

QStringList retrievalColumns() {
    return {QStringLiteral("retrieved"),
            QStringLiteral("closes"),
            QStringLiteral("first_picture"),
            QStringLiteral("last_picture"),
            QStringLiteral("pictures"),
            QStringLiteral("videos"),
            QStringLiteral("days"),
            QStringLiteral("days_working"),
            QStringLiteral("days_down"),
            QStringLiteral("clock_offset_seconds"),
            QStringLiteral("timestamp_issues"),
            QStringLiteral("capture_method"),
            QStringLiteral("findings")};
}

storage::BoundedRead readLogFile(const QString& path) {
    // Room for a log that grows while it is read.
    constexpr qint64 slack = 64 * 1024;
    return storage::readBounded(path, std::min(logLimit, QFileInfo(path).size() + slack));
}

LogTable readLogTable(const QByteArray& bytes) {
    LogTable log;
    const CsvRead read = parseCsv(bytes, {false, true});
    if (read.problem) {
        log.problem = read.problem->english();
        return log;
    }
    const CsvTable& table = read.table;
    if (table.header != logColumns()) {
        log.problem = notALog;
        return log;
    }
    for (qsizetype at = 0; at < table.rows.size(); ++at) {
        LogRow row;
        for (qsizetype column = 0; column < table.header.size(); ++column)
            row[table.header[column]] = spreadsheetValue(table.rows[at][column]);
        log.rows << row;
        log.rowLines << table.lines[at];
    }
    log.damagedLines = table.damaged;
    // A half row is closed and ended so that it never reads as whole: a row cut in its last
    // field gets one field too many.
    if (read.endsMidLine)
        log.unfinishedEnd = QByteArray(read.endsInQuotes ? "\"" : "") +
                            (read.endFields == table.header.size() ? "," : "") + "\r\n";
    return log;
}

QString LoggedCard::describe(int language) const {
    const QString card = !uuid.isEmpty() ? uuid : !label.isEmpty() ? label : QString();
    return card.isEmpty()
               ? i18n::fleetText(i18n::FleetText::CardWrittenAt, language).arg(written)
               : i18n::fleetText(i18n::FleetText::CardNamedWrittenAt, language).arg(card, written);
}

std::optional<QString> DeployLog::open(const QString& path) {
    path_ = path;
    lastFile_.reset();
    storage::AppendFile file;
    if (const auto problem = file.open(path))
        return problem;
    if (file.size() == 0) {
        if (const auto problem = file.append(csvLine(logColumns())))
            return problem;
    } else {
        const storage::BoundedRead read = file.readAll(logLimit);
        if (!read.ok())
            return read.status == storage::BoundedRead::Status::TooLarge
                       ? QStringLiteral("it is %1, more than a log of this program grows to")
                             .arg(read.sizeText())
                       : read.reason;
        if (const auto problem = readLogTable(read.bytes).problem)
            return problem;
    }
    lastFile_ = file.identity();
    return std::nullopt;
}

QList<LoggedCard> DeployLog::doneCards() const {
    const storage::BoundedRead read = readLogFile(path_);
    if (!read.ok())
        return {};
    QList<LoggedCard> cards;
    for (const LogRow& row : readLogTable(read.bytes).rows) {
        if (row.value(QStringLiteral("result")) == u"done")
            cards << LoggedCard{
                row.value(QStringLiteral("camera_id")), row.value(QStringLiteral("time_written")),
                row.value(QStringLiteral("uuid")), row.value(QStringLiteral("label"))};
    }
    return cards;
}

LogAppend DeployLog::append(const LogEntry& entry) {
    LogAppend done;
    storage::AppendFile file;
    if (const auto problem = file.open(path_)) {
        done.problem = problem;
        return done;
    }
    done.replaced = lastFile_ && file.identity() != *lastFile_;
    QByteArray bytes;
    if (file.size() == 0) {
        // Emptied, or a new file in its place: it gets the header first.
        bytes = csvLine(logColumns());
    } else {
        const storage::BoundedRead read = file.readAll(logLimit);
        if (!read.ok()) {
            done.problem = read.reason.isEmpty() ? read.sizeText() : read.reason;
            return done;
        }
        const LogTable table = readLogTable(read.bytes);
        if (table.problem) {
            done.problem = table.problem;
            return done;
        }
        // Half a row is kept as it is, on a line of its own: glued to the next row, both would
        // be lost.
        if (!table.unfinishedEnd.isEmpty()) {
            bytes = table.unfinishedEnd;
            done.endedDamagedRow = table.damagedLines.value(table.damagedLines.size() - 1);
        }
    }
    bytes += csvLine(fieldsOf(entry));
    if (const auto problem = file.append(bytes)) {
        done.problem = problem;
        return done;
    }
    lastFile_ = file.identity();
    return done;
}

} // namespace kestrova::fleet
