#pragma once

#include "app/process_state.h"
#include "plan/plan_inputs.h"
#include "plan/setting_lines.h"
#include "plan/summary.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QJsonObject>

#include <optional>

namespace kestrova::cli {

// --triggers-per-day and --card-size: what an estimate of what the camera will do takes.
struct SummaryOptions {
    QCommandLineOption triggers{
        QStringLiteral("triggers-per-day"),
        QStringLiteral("Triggers a day the estimates assume (default 20), 0..9999."),
        QStringLiteral("N")};
    QCommandLineOption cardSize{
        QStringLiteral("card-size"),
        QStringLiteral("Estimate for an empty card of this size (32G, 512M, 64GiB) instead of "
                       "the free space of the folder's volume."),
        QStringLiteral("SIZE")};

    void addTo(QCommandLineParser& parser) const { parser.addOptions({triggers, cardSize}); }
};

// What a summary is worked out for: which model's forms read the file, in which language, with
// the options' estimates.
struct SummaryRequest {
    int model = 1;
    bool modelGiven = false; // else the model the preferences hold
    int language = 2;
    int triggersPerDay = 20;
    std::optional<qint64> cardSize;

    static SummaryRequest from(const QCommandLineParser& parser, const SummaryOptions& options,
                               const app::ProcessState& state, std::optional<int> model,
                               bool ownLanguage);

    // The inputs for a file in `folder`: its card, its other settings files.
    plan::PlanInputs inputsFor(const QString& folder) const;
};

// "32G" as bytes: K, M, G, T in powers of ten, KiB .. TiB in powers of two, a bare number in
// bytes; nothing for anything else.
std::optional<qint64> parseSize(const QString& text);

// A settings file of the kind inspect names ("menu", "factory-reset", "mms", "smtp") as the
// model's forms show it, and what it will make the camera do.
struct FileSettings {
    std::vector<plan::SettingLine> lines;
    plan::Summary summary;
};

// Nothing for a damaged file or one that the model's forms cannot read.
std::optional<FileSettings> fileSettings(const QString& kind, const QByteArray& bytes,
                                         const QString& folder, const SummaryRequest& request);

// The section inspect prints after the values, and what its JSON adds.
QStringList summarySection(const plan::Summary& summary, const SummaryRequest& request);
void addSummaryJson(QJsonObject& report, const plan::Summary& summary,
                    const SummaryRequest& request);

} // namespace kestrova::cli
