#include "cli/cli_error.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/json_values.h"

#include <QCoreApplication>

namespace {

using namespace kestrova::cli;

const QString usage = QStringLiteral(
    "Usage:\n"
    "  kestrova menu --model N [--out DIR] [--time YYYY-MM-DDTHH:MM:SS] [--language N]\n"
    "                [--chinese-requested] [--tv-mode N] [--profile FILE.json] [--set "
    "NAME=VALUE]...\n"
    "  kestrova factory-reset [--out DIR]\n"
    "  kestrova mms --model N [--out DIR] [--language N] [--chinese-requested] [--tv-mode N]\n"
    "               [--profile FILE.json] [--set NAME=VALUE]...\n"
    "  kestrova smtp --model N [--out DIR] [--language N] [--chinese-requested]\n"
    "                [--profile FILE.json] [--set NAME=VALUE]...\n"
    "  kestrova inspect FILE [--model N] [--json]\n"
    "  kestrova preferences\n"
    "  kestrova --help | --version\n"
    "\n"
    "Writes the settings files a Kestrova trail camera reads from its SD card, and checks them.\n"
    "Run 'kestrova COMMAND --help' for a command's options.");

int run(const QStringList& arguments) {
    if (arguments.size() < 2) {
        printErrorLine(usage);
        return ExitBadInput;
    }
    const QString command = arguments[1];
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h")) {
        printLine(usage);
        return ExitOk;
    }
    if (command == QStringLiteral("--version")) {
        printLine(QStringLiteral("kestrova " KESTROVA_VERSION_TEXT));
        return ExitOk;
    }
    // The command's own arguments, with a program name first as the parser expects.
    QStringList commandArguments = arguments.mid(1);
    commandArguments[0] = QStringLiteral("kestrova ") + command;
    if (command == QStringLiteral("menu"))
        return runMenu(commandArguments);
    if (command == QStringLiteral("factory-reset"))
        return runFactoryReset(commandArguments);
    if (command == QStringLiteral("mms"))
        return runMms(commandArguments);
    if (command == QStringLiteral("smtp"))
        return runSmtp(commandArguments);
    if (command == QStringLiteral("inspect"))
        return runInspect(commandArguments);
    if (command == QStringLiteral("preferences"))
        return runPreferences(commandArguments);
    printErrorLine(
        QStringLiteral("kestrova: unknown command \"%1\"\n\n%2").arg(shownValue(command), usage));
    return ExitBadInput;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        return run(QCoreApplication::arguments());
    } catch (const CliError& error) {
        if (!error.message.isEmpty())
            printErrorLine(QStringLiteral("kestrova: ") + error.message);
        return error.status;
    }
}
