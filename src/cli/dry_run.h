#pragma once

#include "app/process_state.h"
#include "cli/settings_file_options.h"
#include "cli/summary_options.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>

namespace kestrova::cli {

// --dry-run, with the estimates' options, for the commands that write a settings file.
struct DryRunOptions {
    QCommandLineOption dryRun{
        QStringLiteral("dry-run"),
        QStringLiteral("Print what would be written and what the camera would do with it; "
                       "write nothing.")};
    SummaryOptions summary;

    void addTo(QCommandLineParser& parser) const {
        parser.addOption(dryRun);
        summary.addTo(parser);
    }
};

// The values the file would hold, as inspect prints them, then what the camera would do with
// them; nothing is written. Exit status 0.
int printDryRun(const QCommandLineParser& parser, const DryRunOptions& options,
                const QString& folder, const char* fileName, const QByteArray& bytes, int model,
                const app::ProcessState& state);

// The file written into the --out folder, or only shown with --dry-run.
int writeOrDryRun(const QCommandLineParser& parser, const DryRunOptions& options,
                  const OutFolder& out, const char* fileName, const QByteArray& bytes, int model,
                  const app::ProcessState& state);

} // namespace kestrova::cli
