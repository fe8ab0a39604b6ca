#pragma once

#include "storage/append_file.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrova::fleet {

// One card as the log keeps it.
struct LogEntry {
    QDateTime written; // at the desk, with its UTC offset
    QString cameraId;
    QString model; // the model's name
    QString device;
    QString label;
    QString uuid;
    QMap<QString, QString> sha256; // by file name: each file the card now holds from this run
    QString clock;                 // the camera clock in menu.dat, "2026-05-06T07:08:09"
    QString kitName;
    QString kitSha256;
    QString result; // "done", "failed: why" or "incomplete"
    QString setupBy;
    QString cameraDelay;            // seconds between triggers, where the kit has a camera menu
    QString summary;                // what the camera will do with its files, in plain words
    QString cardWarnings;           // what the card was found to be before it was written
    QString replaces;               // the earlier card of the camera this one replaces
    QMap<QString, QString> carried; // the cameras table's columns for the log
    // A card that came back (result "retrieved"): retrievalColumns() and what it held.
    QMap<QString, QString> retrieval;
};

// Thousands of cards a season are a few megabytes.
inline constexpr qint64 logLimit = 256 * 1024 * 1024;

// The log's columns, in their order.
QStringList logColumns();

// The columns a returned card's row fills: when it came out of the camera, the card written it
// closes (by that row's time_written), its first and last picture, the counts and what its
// report found (English sentences).
QStringList retrievalColumns();

// The result of a returned card's row.
inline constexpr char retrievedResult[] = "retrieved";

// The log file's bytes, at most logLimit of them (and no more room taken than it holds).
storage::BoundedRead readLogFile(const QString& path);

// A whole row of the log as a table of its columns, each value as it was given (the apostrophe
// that keeps a spreadsheet from running it read off again).
using LogRow = QMap<QString, QString>;

struct LogTable {
    QList<LogRow> rows;
    QList<int> rowLines;            // the line each row starts on
    QList<int> damagedLines;        // rows that are not whole (a write cut off), by their line
    std::optional<QString> problem; // why it cannot be read as a log: "it is not UTF-8 text"
    // The text ends in half a row: what ends it on a line of its own.
    QByteArray unfinishedEnd;
};

// The log's text read as its rows: a first line other than the log's header is refused; a row
// that is not whole is named and passed over.
LogTable readLogTable(const QByteArray& bytes);

// A card of the log with its camera's card done, as a run looks it up.
struct LoggedCard {
    QString cameraId;
    QString written; // time_written as the log has it
    QString uuid;
    QString label;
    // "card 1A2B-3C4D written 2026-05-06T07:08:09+02:00", in a language (the log's in English).
    QString describe(int language = 2) const;
};

// What an append did.
struct LogAppend {
    std::optional<QString> problem; // the row is not in the log: why
    // The log ended in half a row (a write cut off, a full disk) starting on this line: it was
    // ended on a line of its own and kept, and the row went below it.
    std::optional<int> endedDamagedRow;
    bool replaced = false; // the file at the path is not the one the last row went to
};

// The record of which card got which settings: a CSV file only ever appended to, each row on
// the disk before the next card is started. It is opened by its path for each row, so a log
// saved over by another program meanwhile still gets every row, and two runs take turns.
class DeployLog {
public:
    // Makes the log with its header where there is none; an existing one must be a log of this
    // program. Why it cannot be used.
    std::optional<QString> open(const QString& path);
    QString path() const { return path_; }

    // The cards done, the latest of each camera by its id (the cards without one too, in their
    // order), as the log holds them now.
    QList<LoggedCard> doneCards() const;
    // Appends the row, then flushes it to the disk.
    LogAppend append(const LogEntry& entry);

private:
    QString path_;
    std::optional<storage::FileIdentity> lastFile_;
};

} // namespace kestrova::fleet
