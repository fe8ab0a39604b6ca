#include "cli/command_parser.h"

#include "cli/cli_error.h"
#include "cli/console.h"

namespace kestrova::cli {

void parseCommand(QCommandLineParser& parser, const QStringList& arguments,
                  qsizetype positionalCount) {
    const QCommandLineOption help = parser.addHelpOption();
    if (!parser.parse(arguments))
        fail(ExitBadInput, parser.errorText());
    if (parser.isSet(help)) {
        printLine(parser.helpText().trimmed());
        throw CliError{ExitOk, {}};
    }
    if (parser.positionalArguments().size() != positionalCount)
        fail(ExitBadInput, QStringLiteral("expected %1 argument(s), got %2; see --help")
                               .arg(positionalCount)
                               .arg(parser.positionalArguments().size()));
}

} // namespace kestrova::cli
