#include "card/system_volumes.h"
#include "cli/card_listing.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/json_values.h"

namespace kestrova::cli {

int runCards(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the cards the system detects, with their settings files: absent, intact (and\n"
        "what they read as) or damaged. Exit status 0 also when no card is found."));
    const QCommandLineOption jsonOption{QStringLiteral("json"),
                                        QStringLiteral("Print one JSON object.")};
    parser.addOption(jsonOption);
    parseCommand(parser, arguments, 0);

    // The desktop program's rule, over the facts udisks2 itself reads.
    const QList<CardListing> cards = listCards(card::SystemVolumes());
    if (parser.isSet(jsonOption)) {
        printLine(terminalJson(listingJson(cards)));
    } else {
        for (const QString& line : listingLines(cards))
            printLine(line);
    }
    return ExitOk;
}

} // namespace kestrova::cli
