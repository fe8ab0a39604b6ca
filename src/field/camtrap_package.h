#pragma once

#include "field/card_report.h"

#include <QDateTime>
#include <QMap>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <memory>
#include <optional>
#include <vector>

namespace kestrova::field {

// One deployment of a Camtrap DP package: its row of the deployments table, by the table's
// column names, and what the package's own description takes from it.
struct PackageDeployment {
    QMap<QString, QString> columns;
    QStringList captureMethods; // "activityDetection", "timeLapse"
    QString projectTitle;
};

// The wall time a camera stamped, with the offset its file states or its zone's then:
// "2026-05-07T10:04:12+02:00".
QString mediaTimestamp(const CameraTime& time, const QTimeZone& zone);

// How a camera took its pictures, as the package names it: "activityDetection" when its motion
// sensor is on (or nothing else is known), "timeLapse" with a time lapse.
QStringList captureMethods(bool motion, bool timeLapse);

// The deployment a card's report closes: where and when from the log (or the card), its end
// from the retrieval (or the last picture), timestampIssues where the clock was found wrong.
PackageDeployment packageDeployment(const CardReport& report, bool motion, bool timeLapse);

// What became of a package.
struct PackageResult {
    int deployments = 0;
    int media = 0;
    // Required values neither the card nor the log knows ("latitude", "contributors"): the
    // package does not validate until they are filled in.
    QStringList missing;
    std::optional<QString> problem; // nothing was written, or not all of it: why
};

// A Camtrap DP 1.0.2 data package in a folder of its own: datapackage.json, deployments.csv,
// media.csv (one row a picture or video) and observations.csv with its header alone, as nobody
// has looked at the pictures yet. The media table is written as the pictures are read, so a
// card of any size takes no more memory; nothing in the folder is replaced until commit().
class CamtrapPackage {
public:
    CamtrapPackage();
    ~CamtrapPackage();
    CamtrapPackage(const CamtrapPackage&) = delete;
    CamtrapPackage& operator=(const CamtrapPackage&) = delete;

    // Opens the package's folder (made where missing); why not.
    std::optional<QString> open(const QString& folder);

    // A picture or video of a deployment: `timeLapseTimes` are the day's times of the time
    // lapse that took it (the schedule's), `zone` where its camera was.
    void addMedia(const QString& deploymentId, const MediaFacts& media,
                  const std::vector<int>& timeLapseTimes, bool timeLapseTakesPhotos,
                  const QTimeZone& zone);
    void addDeployment(PackageDeployment deployment);

    PackageResult commit(const QDateTime& created);

private:
    QString folder_;
    std::unique_ptr<QSaveFile> media_;
    std::vector<PackageDeployment> deployments_;
    int mediaRows_ = 0;
    bool failed_ = false;
};

// Where a package may not go: inside the card's folder, or on a card the folder is the root of.
// Why not, or nothing.
std::optional<QString> packageOnCard(const QString& packageFolder, const QString& cardFolder);

// The columns of the Camtrap DP 1.0.2 media and observations tables, in their order.
QStringList mediaColumns();
QStringList observationColumns();

} // namespace kestrova::field
