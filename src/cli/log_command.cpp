#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/json_values.h"
#include "fleet/camtrap_export.h"
#include "fleet/deploy_log.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "storage/append_file.h"
#include "storage/record_file.h"

#include <QFileInfo>

namespace kestrova::cli {

namespace {

QString lineList(const QList<int>& lines) {
    QStringList numbers;
    for (const int line : lines)
        numbers << QString::number(line);
    return numbers.join(QStringLiteral(", "));
}

// The export goes through the writer every settings file goes through: in one piece, synced
// and read back. It never replaces the log it was made of, nor (unless asked) any other file.
void writeExport(const QString& path, const QString& log, const QByteArray& bytes, bool force) {
    const auto target = storage::fileIdentity(path);
    if (target && target == storage::fileIdentity(log))
        fail(ExitBadInput, QStringLiteral("--camtrap-dp: %1 is the log itself; name another file")
                               .arg(escapedText(path)));
    if ((target || QFileInfo(path).isSymLink()) && !force)
        fail(ExitBadInput,
             QStringLiteral("--camtrap-dp: %1 exists; --force replaces it").arg(escapedText(path)));
    const QFileInfo file(path);
    const WriteResult written =
        writeRecordFile(file.absolutePath(), file.fileName(), bytes, WriteOptions{});
    if (!written.ok())
        fail(ExitWriteFailed, i18n::writeFailureMessage(written, i18n::English, false));
}

} // namespace

int runLog(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Exports the deployments of a log kestrova deploy wrote as a Camtrap DP 1.0\n"
        "deployments table: one deployment for each camera's card written in full."));
    const QCommandLineOption camtrap{QStringLiteral("camtrap-dp"),
                                     QStringLiteral("The deployments table to write."),
                                     QStringLiteral("deployments.csv")};
    const QCommandLineOption force{QStringLiteral("force"),
                                   QStringLiteral("Replace the table when the file exists.")};
    parser.addOptions({camtrap, force});
    parseCommand(parser, arguments, 1);
    if (!parser.isSet(camtrap) || parser.value(camtrap).isEmpty())
        fail(ExitBadInput, QStringLiteral("--camtrap-dp is required: the table to write"));
    const QString path = parser.positionalArguments().constFirst();
    const storage::BoundedRead log = fleet::readLogFile(path);
    if (!log.ok())
        fail(ExitBadInput,
             QStringLiteral("cannot read the log %1: %2")
                 .arg(escapedText(path), log.status == storage::BoundedRead::Status::TooLarge
                                             ? log.sizeText()
                                             : log.reason));
    const fleet::DeploymentsExport table = fleet::exportDeployments(log.bytes);
    if (table.problem)
        fail(ExitBadInput, QStringLiteral("the log %1: %2").arg(escapedText(path), *table.problem));
    const QString out = parser.value(camtrap);
    writeExport(out, path, table.csv, parser.isSet(force));
    printLine(QStringLiteral("%1 deployments written to %2")
                  .arg(table.deployments)
                  .arg(escapedText(out)));
    if (!table.damagedLines.isEmpty())
        printErrorLine(QStringLiteral("kestrova: rows of the log that are not whole (a write cut "
                                      "off) were passed over: lines %1")
                           .arg(lineList(table.damagedLines)));
    if (!table.startedAtWriting.isEmpty())
        printErrorLine(QStringLiteral("kestrova: deploymentStart is the time the card was "
                                      "written, as no time set up in the field was given: %1")
                           .arg(escapedText(table.startedAtWriting.join(QStringLiteral(", ")))));
    if (!table.emptyRequired.isEmpty())
        printErrorLine(QStringLiteral("kestrova: required columns left empty, as the log does "
                                      "not know them: %1")
                           .arg(escapedText(table.emptyRequired.join(QStringLiteral("; ")))));
    return ExitOk;
}

} // namespace kestrova::cli
