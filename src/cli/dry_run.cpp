#include "cli/dry_run.h"

#include "cli/cli_error.h"
#include "cli/console.h"
#include "cli/folder_files.h"
#include "cli/json_values.h"
#include "storage/record_file.h"

namespace kestrova::cli {

int printDryRun(const QCommandLineParser& parser, const DryRunOptions& options,
                const QString& folder, const char* fileName, const QByteArray& bytes, int model,
                const app::ProcessState& state) {
    const QString name = QString::fromLatin1(fileName);
    const auto report = reportByName(name, bytes, model);
    printLine(QStringLiteral("file: %1 (not written: --dry-run)")
                  .arg(escapedText(recordFilePath(folder, name))));
    for (const QString& line : report->lines())
        printLine(line);
    const SummaryRequest request =
        SummaryRequest::from(parser, options.summary, state, model, false);
    const QString kind = report->json().value(QStringLiteral("kind")).toString();
    if (const auto read = fileSettings(kind, bytes, folder, request)) {
        printLine(QString());
        for (const QString& line : summarySection(read->summary, request))
            printLine(line);
    }
    return ExitOk;
}

int writeOrDryRun(const QCommandLineParser& parser, const DryRunOptions& options,
                  const OutFolder& out, const char* fileName, const QByteArray& bytes, int model,
                  const app::ProcessState& state) {
    if (parser.isSet(options.dryRun))
        return printDryRun(parser, options, out.path, fileName, bytes, model, state);
    return writeSettingsFile(out, fileName, bytes, state.language());
}

} // namespace kestrova::cli
