#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/json_values.h"
#include "field/log_package.h"
#include "fleet/deploy_log.h"
#include "storage/append_file.h"

#include <QDir>
#include <QFileInfo>

namespace kestrova::cli {

namespace {

QString lineList(const QList<int>& lines) {
    QStringList numbers;
    for (const int line : lines)
        numbers << QString::number(line);
    return numbers.join(QStringLiteral(", "));
}

// The package never replaces the log it was made of, nor (unless asked) a package or any other
// file of those names in its folder; what it writes goes through the durable writer.
void checkTarget(const QString& folder, const QString& log, bool force) {
    const QFileInfo target(folder);
    if (target.exists() && !target.isDir())
        fail(ExitBadInput, QStringLiteral("--camtrap-dp: %1 is no folder; name the folder the "
                                          "package goes into")
                               .arg(escapedText(folder)));
    const auto logFile = storage::fileIdentity(log);
    for (const QString& name : field::packageFileNames()) {
        const QString path = QDir(folder).filePath(name);
        const auto there = storage::fileIdentity(path);
        if (there && there == logFile)
            fail(ExitBadInput, QStringLiteral("--camtrap-dp: %1 is the log itself; name another "
                                              "folder")
                                   .arg(escapedText(path)));
        if ((there || QFileInfo(path).isSymLink()) && !force)
            fail(ExitBadInput, QStringLiteral("--camtrap-dp: %1 exists; --force replaces it")
                                   .arg(escapedText(path)));
    }
}

} // namespace

int runLog(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the deployments a log closes as a Camtrap DP 1.0.2 package: one deployment\n"
        "for each camera's card written in full whose return kestrova report --log logged,\n"
        "its end the time the card came out of the camera, else its last picture."));
    const QCommandLineOption camtrap{QStringLiteral("camtrap-dp"),
                                     QStringLiteral("The folder the package goes into."),
                                     QStringLiteral("DIR")};
    const QCommandLineOption force{QStringLiteral("force"),
                                   QStringLiteral("Replace the package's files where they exist.")};
    parser.addOptions({camtrap, force});
    parseCommand(parser, arguments, 1);
    if (!parser.isSet(camtrap) || parser.value(camtrap).isEmpty())
        fail(ExitBadInput, QStringLiteral("--camtrap-dp is required: the folder to write"));
    const QString path = parser.positionalArguments().constFirst();
    const storage::BoundedRead log = fleet::readLogFile(path);
    if (!log.ok())
        fail(ExitBadInput,
             QStringLiteral("cannot read the log %1: %2")
                 .arg(escapedText(path), log.status == storage::BoundedRead::Status::TooLarge
                                             ? log.sizeText()
                                             : log.reason));
    const QString out = parser.value(camtrap);
    checkTarget(out, path, parser.isSet(force));
    const field::LogPackage package =
        field::exportLogPackage(log.bytes, out, QDateTime::currentDateTimeUtc());
    const fleet::DeploymentsExport& table = package.table;
    if (package.refused)
        fail(ExitBadInput,
             QStringLiteral("the log %1: %2").arg(escapedText(path), *package.refused));
    if (package.result.problem)
        fail(ExitWriteFailed, QStringLiteral("cannot write the package %1: %2")
                                  .arg(escapedText(out), escapedText(*package.result.problem)));
    printLine(QStringLiteral("%1 deployments written to %2")
                  .arg(package.result.deployments)
                  .arg(escapedText(out)));
    if (!package.open.isEmpty())
        printErrorLine(QStringLiteral("kestrova: deployments left out, as no return of their card "
                                      "is logged: %1")
                           .arg(escapedText(package.open.join(QStringLiteral(", ")))));
    if (!table.retrievalsAlone.isEmpty())
        printErrorLine(QStringLiteral("kestrova: returns of cards that close no card written in "
                                      "the log were passed over: lines %1")
                           .arg(lineList(table.retrievalsAlone)));
    if (!table.damagedLines.isEmpty())
        printErrorLine(QStringLiteral("kestrova: rows of the log that are not whole (a write cut "
                                      "off) were passed over: lines %1")
                           .arg(lineList(table.damagedLines)));
    if (!table.startedAtWriting.isEmpty())
        printErrorLine(QStringLiteral("kestrova: deploymentStart is the time the card was "
                                      "written, as no time set up in the field was given: %1")
                           .arg(escapedText(table.startedAtWriting.join(QStringLiteral(", ")))));
    if (!package.result.missing.isEmpty())
        printErrorLine(QStringLiteral("kestrova: required values left empty, as the log does not "
                                      "know them: %1")
                           .arg(package.result.missing.join(QStringLiteral(", "))));
    return ExitOk;
}

} // namespace kestrova::cli
