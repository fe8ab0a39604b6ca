#pragma once

#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/dry_run.h"
#include "cli/process_options.h"
#include "cli/settings_file_options.h"
#include "sending/sending_messages.h"
#include "sending/sending_profile.h"

#include <QString>

#include <optional>

namespace kestrova::cli {

// What the command of one sending file says of itself.
struct SendingCommand {
    QString description; // the first lines of --help
    QString setHelp;     // how --set takes a value
    // Why the model cannot have the file; nothing when it can.
    std::optional<QString> (*modelRefusal)(int model) = nullptr;
};

// Writes one sending file for a model: the values its form opens with, then the profile, then
// each --set in order, checked as the form's Generate checks them. A file without a TV mode
// byte refuses --tv-mode rather than pass it over.
template <sending::SendingFile File>
int runSendingCommand(const QStringList& arguments, const SendingCommand& command) {
    QCommandLineParser parser;
    parser.setApplicationDescription(command.description);
    ProcessOptions process;
    const bool tvModeByte = File::layout(File::form(1)).tvModeByte >= 0;
    parser.addOptions({process.model, process.language, process.chineseRequested});
    QCommandLineOption tvMode = process.tvMode;
    if (!tvModeByte)
        tvMode.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(tvMode);
    const SettingsFileOptions file(command.setHelp);
    file.addTo(parser);
    const DryRunOptions dryRun;
    dryRun.addTo(parser);
    parseCommand(parser, arguments, 0);

    const int model = requiredModel(parser, process.model);
    if (command.modelRefusal)
        if (const auto why = command.modelRefusal(model))
            fail(ExitBadInput, *why);
    if (!tvModeByte && parser.isSet(tvMode))
        fail(ExitBadInput, QStringLiteral("--tv-mode: %1 carries no TV mode")
                               .arg(QString::fromLatin1(File::fileName)));
    const app::ProcessState state = process.resolve(parser);
    const int language = state.language();
    const auto form = File::form(model);

    sending::SendingProfileReader<File> reader(form, model, language);
    const typename File::Settings settings = file.read(parser, reader, File::profileKeys());
    const auto prepared =
        sending::prepare<File>(settings, form, model, state.recordLanguage(), state.tvMode);
    if (const auto why = sending::commandRefusal<File>(prepared, language))
        fail(ExitBadInput, *why);
    return writeOrDryRun(parser, dryRun, file.outFolder(parser), File::fileName, prepared.bytes,
                         model, state);
}

} // namespace kestrova::cli
