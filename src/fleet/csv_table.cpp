#include "fleet/csv_table.h"

#include <QStringDecoder>

namespace kestrova::fleet {

namespace {

QString fieldCountProblem(int line, qsizetype count, qsizetype wanted) {
    return QStringLiteral("line %1 has %2 fields, the header %3").arg(line).arg(count).arg(wanted);
}

} // namespace

CsvRead parseCsv(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return {{}, QStringLiteral("is not UTF-8 text")};

    CsvRead read;
    QStringList record;
    QString field;
    bool quoted = false;     // inside a quoted field
    bool wasQuoted = false;  // the field began with a quote
    bool fieldBegun = false; // something of the field was read
    int line = 1;
    int recordLine = 1;
    const auto endRecord = [&]() -> std::optional<QString> {
        record << field;
        field.clear();
        fieldBegun = wasQuoted = false;
        const bool blank = record.size() == 1 && record.first().isEmpty();
        if (!blank) {
            if (read.table.header.isEmpty()) {
                read.table.header = record;
            } else if (record.size() != read.table.header.size()) {
                return fieldCountProblem(recordLine, record.size(), read.table.header.size());
            } else {
                read.table.rows << record;
                read.table.lines << recordLine;
            }
        }
        record.clear();
        return std::nullopt;
    };

    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (quoted) {
            if (c == u'"') {
                if (at + 1 < text.size() && text[at + 1] == u'"') {
                    field += u'"';
                    ++at;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"') {
            if (fieldBegun)
                return {{},
                        QStringLiteral("line %1: a quote inside a field that does not begin "
                                       "with one")
                            .arg(line)};
            quoted = wasQuoted = fieldBegun = true;
        } else if (c == u',') {
            record << field;
            field.clear();
            fieldBegun = wasQuoted = false;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')
                ++at;
            if (auto problem = endRecord())
                return {{}, problem};
            recordLine = ++line;
        } else if (wasQuoted) {
            return {{},
                    QStringLiteral("line %1: text after the closing quote of a field").arg(line)};
        } else {
            field += c;
            fieldBegun = true;
        }
    }
    if (quoted)
        return {{}, QStringLiteral("line %1: a quoted field is never closed").arg(recordLine)};
    if (fieldBegun || !record.isEmpty())
        if (auto problem = endRecord())
            return {{}, problem};
    if (read.table.header.isEmpty())
        return {{}, QStringLiteral("is empty: it needs a header row")};
    return read;
}

QByteArray csvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields) {
        const bool needsQuotes = field.contains(u',') || field.contains(u'"') ||
                                 field.contains(u'\n') || field.contains(u'\r');
        quoted << (needsQuotes ? u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"'
                               : field);
    }
    return quoted.join(u',').toUtf8() + "\r\n";
}

} // namespace kestrova::fleet
