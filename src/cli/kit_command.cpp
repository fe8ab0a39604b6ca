#include "app/camera_models.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/fleet_files.h"
#include "cli/json_values.h"
#include "cli/process_options.h"
#include "fleet/kit_from_card.h"

#include <QFileInfo>

namespace kestrova::cli {

int runKit(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes a kit of the settings files a card holds: menu.dat, setup.dat and smtp.dat, each\n"
        "as inspect --json prints it. A damaged file is refused, and no kit is written."));
    const QCommandLineOption out{QStringLiteral("out"), QStringLiteral("The kit file to write."),
                                 QStringLiteral("KIT.json")};
    const QCommandLineOption name{QStringLiteral("name"),
                                  QStringLiteral("The kit's name (default: the file's name)."),
                                  QStringLiteral("NAME")};
    ProcessOptions process;
    parser.addOptions({out, name, process.model});
    parseCommand(parser, arguments, 1);
    if (!parser.isSet(out) || parser.value(out).isEmpty())
        fail(ExitBadInput, QStringLiteral("--out is required: the kit file to write"));
    const QString folder = parser.positionalArguments().constFirst();
    if (!QFileInfo(folder).isDir())
        fail(ExitBadInput, QStringLiteral("%1 is not a folder").arg(escapedText(folder)));
    const int model = parser.isSet(process.model)
                          ? integerFlag(parser, process.model, 1, app::modelCount)
                          : ProcessOptions::stored().model;
    const QString kitName =
        parser.isSet(name) ? parser.value(name) : QFileInfo(parser.value(out)).completeBaseName();
    if (kitName.trimmed().isEmpty() || holdsControl(kitName))
        fail(ExitBadInput, QStringLiteral("--name: a kit needs a name without control characters"));

    const fleet::CardKit made =
        fleet::kitFromFolder(folder, model, kitName, storedRecordDefaults());
    if (!made.refused.isEmpty())
        fail(ExitDamaged, QStringLiteral("no kit was written: %1")
                              .arg(escapedText(made.refused.join(QStringLiteral("; ")))));
    if (made.empty())
        fail(ExitBadInput, QStringLiteral("no kit was written: %1 holds no settings file")
                               .arg(escapedText(folder)));
    saveWhole(parser.value(out), fleet::kitJson(made.kit));
    printLine(parser.value(out));
    return ExitOk;
}

} // namespace kestrova::cli
