#include "camera/menu_profile.h"
#include "cli/cli_error.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/json_values.h"
#include "common/version.h"
#include "mms/mms_profile.h"
#include "smtp/smtp_profile.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <array>

namespace {

using namespace kestrova::cli;

const QString usage = QStringLiteral(
    "Usage:\n"
    "  kestrova menu --model N [--out DIR] [--allow-fixed] [--time YYYY-MM-DDTHH:MM:SS]\n"
    "                [--language N] [--chinese-requested] [--tv-mode N] [--profile FILE.json]\n"
    "                [--set NAME=VALUE]... [--dry-run [--triggers-per-day N] [--card-size SIZE]]\n"
    "  kestrova factory-reset [--out DIR] [--allow-fixed] [--language N]\n"
    "  kestrova mms --model N [--out DIR] [--allow-fixed] [--language N] [--chinese-requested]\n"
    "               [--tv-mode N] [--profile FILE.json] [--set NAME=VALUE]...\n"
    "               [--dry-run [--triggers-per-day N] [--card-size SIZE]]\n"
    "  kestrova smtp --model N [--out DIR] [--allow-fixed] [--language N] [--chinese-requested]\n"
    "                [--profile FILE.json] [--set NAME=VALUE]...\n"
    "                [--dry-run [--triggers-per-day N] [--card-size SIZE]]\n"
    "  kestrova inspect FILE|DIR [--model N] [--json] [--language N] [--triggers-per-day N]\n"
    "                   [--card-size SIZE]\n"
    "  kestrova diff A B [--model N]\n"
    "  kestrova sheet FILE|DIR --pdf OUT.pdf [--model N] [--language N] [--chinese-requested]\n"
    "                 [--triggers-per-day N] [--card-size SIZE]\n"
    "  kestrova cards [--json]\n"
    "  kestrova history [--json]\n"
    "  kestrova restore ID [--out DIR] [--force] [--keep-clock] [--other-card] [--allow-fixed]\n"
    "  kestrova kit DIR --out KIT.json [--model N] [--name NAME]\n"
    "  kestrova deploy KIT.json [--cameras CAMERAS.csv] [--log LOG.csv] [--setup-by NAME]\n"
    "                  [--deployment-start TIME] [--card DIR] [--camera ID] [--again ID]...\n"
    "                  [--once] [--yes]\n"
    "  kestrova log LOG.csv --camtrap-dp DIR [--force]\n"
    "  kestrova report CARD|FOLDER [--log LOG.csv] [--clock-photo FILE=TIME]...\n"
    "                  [--retrieved TIME] [--tz ZONE] [--json] [--camtrap-dp DIR]\n"
    "                  [--model N] [--language N] [--triggers-per-day N] [--setup-by NAME]\n"
    "  kestrova preferences\n"
    "  kestrova --help | --version\n"
    "\n"
    "Writes the settings files a Kestrova trail camera reads from its SD card, and checks them.\n"
    "Run 'kestrova COMMAND --help' for a command's options.");

// Every command, in the order of the usage text. A command's settings names are what --set
// takes; shell completion reads both lists through the hidden flags below.
struct Command {
    const char* name;
    int (*run)(const QStringList& arguments);
    QStringList (*settingNames)() = nullptr;
};

// The commands, in the order the usage text lists them.
constexpr auto commands = std::to_array<Command>({
    {"menu", runMenu, kestrova::camera::menuSettingNames},
    {"factory-reset", runFactoryReset},
    {"mms", runMms, kestrova::sending::settingNamesOf<kestrova::mms::MmsFile>},
    {"smtp", runSmtp, kestrova::sending::settingNamesOf<kestrova::smtp::SmtpFile>},
    {"inspect", runInspect},
    {"diff", runDiff},
    {"sheet", runSheet},
    {"cards", runCards},
    {"history", runHistory},
    {"restore", runRestore},
    {"kit", runKit},
    {"deploy", runDeploy},
    {"log", runLog},
    {"report", runReport},
    {"preferences", runPreferences},
});

// A command's lines of the usage text, unindented: the usage line its --help shows.
QString synopsisOf(const QString& name) {
    const QString start = QStringLiteral("  kestrova ") + name;
    QStringList lines;
    for (const QString& line : usage.split(u'\n')) {
        const bool commandLine = line.startsWith(QStringLiteral("  kestrova "));
        if (commandLine && line.startsWith(start) &&
            (line.size() == start.size() || line.at(start.size()) == u' '))
            lines << line.mid(2);
        else if (!lines.isEmpty() && !commandLine && line.startsWith(QStringLiteral("    ")))
            lines << line.mid(2);
        else if (!lines.isEmpty())
            break;
    }
    return lines.join(u'\n');
}

const Command* findCommand(const QString& name) {
    for (const Command& command : commands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

// --list-commands prints the command names, --list-settings COMMAND the names its --set takes,
// one a line, for shell completion.
int listForCompletion(const QStringList& arguments) {
    QStringList names;
    if (arguments[1] == QStringLiteral("--list-commands")) {
        if (arguments.size() != 2)
            fail(ExitBadInput, QStringLiteral("--list-commands takes no argument"));
        for (const Command& command : commands)
            names << QLatin1String(command.name);
    } else {
        const Command* command = arguments.size() == 3 ? findCommand(arguments[2]) : nullptr;
        if (!command)
            fail(ExitBadInput, QStringLiteral("--list-settings expects one command name"));
        if (command->settingNames)
            names = command->settingNames();
    }
    for (const QString& name : names)
        printLine(name);
    return ExitOk;
}

int run(const QStringList& arguments) {
    if (arguments.size() < 2) {
        printErrorLine(usage);
        return ExitBadInput;
    }
    const QString& name = arguments[1];
    if (name == QStringLiteral("--help") || name == QStringLiteral("-h")) {
        printLine(usage);
        return ExitOk;
    }
    if (name == QStringLiteral("--version")) {
        printLine(QStringLiteral("kestrova " KESTROVA_VERSION_TEXT));
        return ExitOk;
    }
    if (name == QStringLiteral("--list-commands") || name == QStringLiteral("--list-settings"))
        return listForCompletion(arguments);
    const Command* command = findCommand(name);
    if (!command) {
        printErrorLine(
            QStringLiteral("kestrova: unknown command \"%1\"\n\n%2").arg(shownValue(name), usage));
        return ExitBadInput;
    }
    // The command's own arguments, with a program name first as the parser expects: the
    // command's usage line, which its help shows.
    QStringList commandArguments = arguments.mid(1);
    commandArguments[0] = synopsisOf(name);
    return command->run(commandArguments);
}

// Qt reads every argument as UTF-8: other bytes in a folder's name would name another folder,
// or none, so such a name is refused before anything is read or written.
void refuseNonUtf8(int argc, char** argv) {
    for (int at = 1; at < argc; ++at) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(QByteArrayView(argv[at]));
        if (decoder.hasError())
            fail(ExitBadInput,
                 QStringLiteral("argument %1 (\"%2\") is not UTF-8 text; a folder or file named "
                                "with other bytes cannot be used: rename it, or mount the card "
                                "under another name")
                     .arg(at)
                     .arg(shownValue(text)));
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        refuseNonUtf8(argc, argv);
        return run(QCoreApplication::arguments());
    } catch (const CliError& error) {
        if (!error.message.isEmpty())
            printErrorLine(QStringLiteral("kestrova: ") + error.message);
        return error.status;
    }
}
