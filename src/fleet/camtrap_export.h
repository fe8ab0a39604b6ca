#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrova::fleet {

// The columns of a Camtrap DP 1.0 deployments table, in their order.
QStringList deploymentColumns();

// "Kes SigmaMG" is Kestrova's SigmaMG: the table names a camera as maker-model.
QString cameraModelName(const QString& model);

// What goes into a deployment's comments: the cameras table's own comments, then what the camera
// will do with its settings in plain words (the kit's name where the log has no such summary).
QString deploymentComment(const QString& summary, const QString& kitName, const QString& comments);

// A deployment of the log by the table's column names, its values as they are (the CSV keeps
// what a spreadsheet would run as text).
struct ExportedDeployment {
    QMap<QString, QString> columns;
    bool closed = false;        // a return of its card is logged: it has its end
    QStringList captureMethods; // as its card's return found them: "activityDetection", ...
    QString kitName;
};

struct DeploymentsExport {
    QByteArray csv;
    QList<ExportedDeployment> deploymentRows; // in the table's order
    // Each required column some deployment leaves empty, with the deployments ("every
    // deployment", or their ids): what the log does not know.
    QStringList emptyRequired;
    // The deployments whose start is the time their card was written at the desk, as no time
    // set up in the field was given.
    QStringList startedAtWriting;
    // The log's rows that are not whole (a write cut off), by their line: passed over.
    QList<int> damagedLines;
    // Returns of cards that close no card written in the log, by their line.
    QList<int> retrievalsAlone;
    int deployments = 0;
    std::optional<QString> problem; // the log cannot be read: "it is not UTF-8 text"
};

// The deployments of a log: one for each camera's card written in full, the latest where a
// camera got another card later (its comments name the cards it replaced); a card without a
// camera id is a deployment of its own, known by its file system's UUID (the latest of one card
// on one day), else by its label and time, else by a number. The latest return of a
// deployment's card closes it: deploymentEnd the time it came out of the camera, else its last
// picture; timestampIssues as its report found the clock; a deploymentStart the log does not
// give is its first picture, where that came after the card was written.
DeploymentsExport exportDeployments(const QByteArray& log);

} // namespace kestrova::fleet
