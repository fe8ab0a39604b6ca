#pragma once

#include "common/volume_identity.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace kestrova::field {

// Where the deployment's start was taken from, most trusted first.
enum class StartSource {
    None,
    CamerasTable, // the log's deploymentStart, from the cameras table
    TimeWritten,  // the time the log says the card was written
    CameraClock,  // the clock menu.dat gave the camera
    FirstPicture, // nothing else tells
};

enum class EndSource { None, Retrieved, LastPicture };

// Where, when and by whom a card's camera was set up, as far as the deployment log and the
// card tell.
struct Deployment {
    QString id; // as the Camtrap DP tables name it: the camera (or the card) and the start's date
    QString cameraId;
    QString locationId;
    QString locationName;
    QString latitude; // as the log holds them
    QString longitude;
    QString setupBy;
    QString cameraDelay; // seconds between triggers
    QString modelName;   // "Kes SigmaMG"
    QString kitName;
    QString comments; // the cameras table's comments
    QString summary;  // what the camera was set to do, in plain words
    VolumeIdentity card;
    std::optional<QDateTime> start; // with its offset from UTC
    StartSource startSource = StartSource::None;
    std::optional<QDateTime> end;
    EndSource endSource = EndSource::None;
    bool fromLog = false;
    QString written; // its log row's time_written: the card written that a retrieval closes
};

// What tells a card apart in the log: its menu.dat, its file system, its serial text.
struct CardIdentity {
    QByteArray menuSha256; // hex, lower case; empty without a menu.dat
    QString uuid;
    QString serialText; // the four characters stamped on its pictures, when it stamps them
};

struct LogLookup {
    std::optional<Deployment> deployment; // nothing: no row is this card's
    std::optional<QString> problem;       // why the log cannot be read: "it is not UTF-8 text"
};

// The deployment of the card in a log kestrova deploy wrote: the last card written in full
// whose menu.dat is the card's (by its SHA-256), else whose file system is the card's, else
// whose plain summary names the card's serial text.
LogLookup findInLog(const QByteArray& log, const CardIdentity& card);

// "NORTH-01-2026-05-07": the camera, else the card's file system, else its label, else the
// folder's name, then the start's date.
QString deploymentId(const Deployment& deployment, const QString& folderName);

} // namespace kestrova::field
