#pragma once

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace kestrova::fleet {

// One card as the log keeps it.
struct LogEntry {
    QDateTime written; // with its UTC offset
    QString cameraId;
    QString model; // the model's name
    QString device;
    QString label;
    QString uuid;
    QMap<QString, QString> sha256; // by file name: each file written, as hex
    QString clock;                 // the camera clock in menu.dat, "2026-05-06T07:08:09"
    QString kitName;
    QString kitSha256;
    QString result; // "done", "failed: why" or "incomplete"
    QString setupBy;
    QString cameraDelay;            // seconds between triggers, where the kit has a camera menu
    QString summary;                // what the camera will do with its files, in plain words
    QMap<QString, QString> carried; // the cameras table's columns for the log
};

// The log's columns, in their order.
QStringList logColumns();

// The record of which card got which settings: a CSV file only ever appended to, each row on
// the disk before the next card is started.
class DeployLog {
public:
    DeployLog();
    ~DeployLog();
    DeployLog(const DeployLog&) = delete;
    DeployLog& operator=(const DeployLog&) = delete;

    // Opens the log for appending: a new or empty file gets the header row, an existing one
    // must have it. Why it cannot be used.
    std::optional<QString> open(const QString& path);
    // Appends the row, then flushes it to the disk; why that failed.
    std::optional<QString> append(const LogEntry& entry) const;

private:
    std::unique_ptr<QFile> file_;
};

} // namespace kestrova::fleet
