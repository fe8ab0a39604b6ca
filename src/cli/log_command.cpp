#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/fleet_files.h"
#include "cli/json_values.h"
#include "fleet/camtrap_export.h"

namespace kestrova::cli {

namespace {

// Thousands of cards a season are a few megabytes.
constexpr qint64 logLimit = 256 * 1024 * 1024;

} // namespace

int runLog(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Exports the deployments of a log kestrova deploy wrote as a Camtrap DP 1.0\n"
        "deployments table: one deployment for each card written in full."));
    const QCommandLineOption camtrap{QStringLiteral("camtrap-dp"),
                                     QStringLiteral("The deployments table to write."),
                                     QStringLiteral("deployments.csv")};
    parser.addOption(camtrap);
    parseCommand(parser, arguments, 1);
    if (!parser.isSet(camtrap) || parser.value(camtrap).isEmpty())
        fail(ExitBadInput, QStringLiteral("--camtrap-dp is required: the table to write"));
    const QString path = parser.positionalArguments().constFirst();
    const QByteArray log = readInputFile(path, logLimit, QStringLiteral("the log"));
    const fleet::DeploymentsExport table = fleet::exportDeployments(log);
    if (table.problem)
        fail(ExitBadInput, QStringLiteral("the log %1 %2").arg(escapedText(path), *table.problem));
    saveWhole(parser.value(camtrap), table.csv);
    printLine(QStringLiteral("%1 deployments written to %2")
                  .arg(table.deployments)
                  .arg(parser.value(camtrap)));
    if (!table.emptyRequired.isEmpty())
        printErrorLine(QStringLiteral("kestrova: required columns left empty, as the log does "
                                      "not know them: %1")
                           .arg(escapedText(table.emptyRequired.join(QStringLiteral("; ")))));
    return ExitOk;
}

} // namespace kestrova::cli
