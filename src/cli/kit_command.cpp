#include "app/camera_models.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/fleet_files.h"
#include "cli/json_values.h"
#include "cli/process_options.h"
#include "fleet/kit_from_card.h"
#include "fleet/log_values.h"
#include "i18n/language.h"
#include "i18n/messages.h"

#include <QFileInfo>

namespace kestrova::cli {

namespace {

// The model the files were written for: --model, or the one model whose forms give back every
// file byte for byte. A menu.dat does not say which model wrote it, and another model's kit
// would put that model's record on every card.
int kitModel(const QCommandLineParser& parser, const ProcessOptions& process, const QString& folder,
             const fleet::RecordDefaults& defaults) {
    if (parser.isSet(process.model))
        return integerFlag(parser, process.model, 1, app::modelCount);
    const QList<int> models = fleet::modelsThatWrote(folder, defaults);
    if (models.size() == 1)
        return models.first();
    QStringList named;
    for (const int model : models)
        named << QString::number(model);
    fail(ExitBadInput,
         models.isEmpty()
             ? QStringLiteral("--model is required: the files in %1 do not tell which model wrote "
                              "them")
                   .arg(escapedText(folder))
             : QStringLiteral("--model is required: the files in %1 could have been written "
                              "for models %2 (they do not say which)")
                   .arg(escapedText(folder), named.join(QStringLiteral(", "))));
}

} // namespace

int runKit(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes a kit of the settings files a card holds: menu.dat, setup.dat and smtp.dat, each\n"
        "as inspect --json prints it, for --model (needed unless the files name the one model\n"
        "that wrote them). A damaged file is refused, and no kit is written. The kit is\n"
        "readable by you alone: it may hold passwords."));
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
    const QString kitName = fleet::normalisedName(
        parser.isSet(name) ? parser.value(name) : QFileInfo(parser.value(out)).completeBaseName());
    if (kitName.isEmpty() || holdsControl(kitName))
        fail(ExitBadInput, QStringLiteral("--name: a kit needs a name without control characters"));
    if (const auto problem = fleet::nameProblem(kitName, fleet::NameKind::Name))
        fail(ExitBadInput, QStringLiteral("--name: %1").arg(problem->english()));

    const fleet::RecordDefaults defaults = storedRecordDefaults();
    const int model = kitModel(parser, process, folder, defaults);
    const fleet::CardKit made = fleet::kitFromFolder(folder, model, kitName, defaults);
    if (!made.refused.isEmpty())
        fail(ExitDamaged, QStringLiteral("no kit was written: %1")
                              .arg(escapedText(made.refused.join(QStringLiteral("; ")))));
    if (made.empty())
        fail(ExitBadInput, QStringLiteral("no kit was written: %1 holds no settings file")
                               .arg(escapedText(folder)));
    const WriteResult written = fleet::writeKitFile(parser.value(out), made.kit);
    if (!written.ok())
        fail(ExitWriteFailed, i18n::writeFailureMessage(written, i18n::English, false));
    printLine(escapedText(parser.value(out)));
    if (const QStringList passwords = fleet::kitPasswords(made.kit); !passwords.isEmpty())
        printLine(QStringLiteral("the kit holds passwords (%1): it is readable by you alone; "
                                 "keep it so")
                      .arg(passwords.join(QStringLiteral(", "))));
    return ExitOk;
}

} // namespace kestrova::cli
