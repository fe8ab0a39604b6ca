#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrova::fleet {

// A comma-separated table as RFC 4180 has it: a header row, then records of as many fields.
struct CsvTable {
    QStringList header;
    QList<QStringList> rows;
    QList<int> lines; // the line each row starts on, the header being line 1

    // The column of that name, or -1.
    qsizetype column(const QString& name) const { return header.indexOf(name); }
};

struct CsvRead {
    CsvTable table;
    std::optional<QString> problem; // "line 4: ..."
};

// UTF-8 text (a byte order mark is read past), lines ending in CR LF or LF, fields quoted with
// double quotes where they hold a comma, a quote (doubled) or a line break. Blank lines are
// passed over; a record with another count of fields than the header is refused.
CsvRead parseCsv(const QByteArray& bytes);

// One record, quoted where it must be, ending in CR LF.
QByteArray csvLine(const QStringList& fields);

} // namespace kestrova::fleet
