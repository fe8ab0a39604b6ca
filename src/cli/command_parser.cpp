#include "cli/command_parser.h"

#include "cli/cli_error.h"
#include "cli/console.h"

namespace kestrova::cli {

void parseCommand(QCommandLineParser& parser, const QStringList& arguments,
                  qsizetype positionalCount) {
    // Qt's own help option would add --help-all, which shows nothing a command takes.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    if (!parser.parse(arguments))
        fail(ExitBadInput, parser.errorText());
    if (parser.isSet(help)) {
        // Qt's usage line names the program's path and "[options]"; the command's own names
        // the command and what it takes.
        const QString prefix = QStringLiteral("Usage: ");
        const QString usage =
            prefix +
            QString(arguments.constFirst()).replace(u'\n', u'\n' + QString(prefix.size(), u' '));
        printLine(usage + u'\n' + parser.helpText().section(u'\n', 1).trimmed());
        throw CliError{ExitOk, {}};
    }
    if (parser.positionalArguments().size() != positionalCount)
        fail(ExitBadInput, QStringLiteral("expected %1 argument(s), got %2; see --help")
                               .arg(positionalCount)
                               .arg(parser.positionalArguments().size()));
}

} // namespace kestrova::cli
