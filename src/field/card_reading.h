#pragma once

#include "common/volume_identity.h"
#include "field/card_report.h"
#include "field/report_builder.h"
#include "i18n/language.h"

#include <QByteArray>
#include <QString>
#include <QTimeZone>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace kestrova::field {

// A picture of a watch or phone on the card, and the time it shows: "FILE=TIME".
struct ClockPhotoRequest {
    QString file; // on the card, from its folder, or a full path
    QString time; // ISO 8601, with or without its offset from UTC
};

// What the owner asks a card's report of.
struct ReportRequest {
    QString folder;
    std::optional<int> model; // the model whose form wrote menu.dat; else the log's
    int fallbackModel = 1;    // where neither says: the preferences'
    int language = i18n::English;
    std::optional<QByteArray> log; // the deployment log's bytes
    std::vector<ClockPhotoRequest> clockPhotos;
    std::optional<QDateTime> retrieved;
    QTimeZone zone = QTimeZone::systemTimeZone();
    int triggersPerDay = plan::defaultTriggersPerDay; // what the setup assumed
    VolumeIdentity card;                              // the volume mounted at the folder
    QString setupBy;                                  // who set the camera up, if not the log's
};

// Everything read before the pictures: the settings, the deployment, the clock photos.
struct PreparedReport {
    ReportBasis basis;
    QString folder;
    int model = 1;
    std::optional<QString> menuProblem; // why the schedule is not known
    QStringList settingsSentences;
    CardIdentity identity;          // what ties the card to its row of the log
    std::optional<QString> problem; // bad input, in English: nothing is read then
};

PreparedReport prepareReport(const ReportRequest& request);

// How far reading got, and whether to stop.
struct ReadProgress {
    std::function<void(int filesRead)> progress = {}; // every so many files
    const std::atomic_bool* cancel = nullptr;
    // Each picture and video as it is read (the Camtrap DP media table takes them).
    std::function<void(const MediaFacts&)> each = {};
};

// Reads every picture and video of the card once; nothing when cancelled.
std::optional<CardReport> readCard(const PreparedReport& prepared,
                                   const ReadProgress& reading = {});

// The model a log names ("Kes SigmaMG"); nothing for a name no model has.
std::optional<int> modelNamed(const QString& name);

} // namespace kestrova::field
