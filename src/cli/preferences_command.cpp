#include "app/camera_models.h"
#include "app/preferences_store.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/json_values.h"
#include "cli/process_options.h"

namespace kestrova::cli {

int runPreferences(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints where the preferences are kept and what the desktop program reads from them at "
        "start. Changes nothing."));
    parseCommand(parser, arguments, 0);
    const app::ProcessState state = ProcessOptions::stored();
    const QStringList languages = i18n::languageListRows({i18n::English, false, false});
    const app::PreferencesStore store;
    printLine(QStringLiteral("preferences: %1%2")
                  .arg(escapedText(store.location()),
                       store.problem().isEmpty()
                           ? QString()
                           : QStringLiteral(" (not used: %1)").arg(store.problem())));
    const int chosen = state.languageState.chosenLanguage();
    printLine(QStringLiteral("language: %1 (%2)").arg(chosen).arg(languages.value(chosen - 1)));
    printLine(QStringLiteral("model: %1 (%2)").arg(state.model).arg(app::modelName(state.model)));
    printLine(QStringLiteral("tv_mode: %1").arg(state.tvMode));
    printLine(QStringLiteral("folder: %1").arg(state.folder.path));
    // A card's folder is that card's only: the forms refuse it once another is there, or none.
    if (!state.folder.volume.isEmpty())
        printLine(QStringLiteral("folder_card: %1").arg(escapedText(state.folder.volume.name())));
    return ExitOk;
}

} // namespace kestrova::cli
