#pragma once

#include "i18n/wording.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrova::fleet {

// A table as RFC 4180 has it: a header row, then records of as many fields.
struct CsvTable {
    QStringList header;
    QList<QStringList> rows;
    QList<int> lines;       // the line each row starts on, the header being line 1
    QChar separator = u','; // what the fields were separated by
    QList<int> damaged;     // records that are not whole, by the line they start on (kept only
                            // when asked for)

    // The column of that name, or -1.
    qsizetype column(const QString& name) const { return header.indexOf(name); }
};

struct CsvRead {
    CsvTable table;
    std::optional<i18n::Wording> problem; // "line 4: ...", a clause of its own
    // The text ends inside a quoted field, or after a record without its line break: what was
    // being written when it was cut off.
    bool endsInQuotes = false;
    bool endsMidLine = false;
    qsizetype endFields = 0; // the fields of the record cut off, the last one begun
};

struct CsvOptions {
    // A header with semicolons and no comma makes ";" the separator, as spreadsheets in many
    // European locales save their tables; otherwise fields are separated by commas.
    bool separatorFromHeader = false;
    // A record that is not whole (another count of fields than the header, a quote out of
    // place, a quoted field never closed, a last record without its line break) is kept in
    // `damaged` and the rest is read, rather than the whole table being refused.
    bool keepGoing = false;
};

// UTF-8 text (a byte order mark is read past), lines ending in CR LF or LF, fields quoted with
// double quotes where they hold the separator, a quote (doubled) or a line break. Blank lines are
// passed over.
CsvRead parseCsv(const QByteArray& bytes, CsvOptions options = {});

// One record, comma-separated and quoted where it must be, ending in CR LF.
QByteArray csvLine(const QStringList& fields);

} // namespace kestrova::fleet
