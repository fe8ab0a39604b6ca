#include "app/camera_models.h"
#include "app/routing.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/dry_run.h"
#include "cli/json_values.h"
#include "cli/process_options.h"
#include "cli/settings_file_options.h"
#include "smtp/smtp_checks.h"
#include "smtp/smtp_fields.h"
#include "smtp/smtp_profile.h"
#include "smtp/smtp_record.h"

#include <QJsonObject>

#include <optional>

namespace kestrova::cli {

int runSmtp(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes smtp.dat, the e-mail (GPRS) sending settings, for one camera model (3 to 7).\n"
        "Starts from the values the model's SMTP form opens with (Auto mode, China Mobile),\n"
        "then applies the profile, then each --set in order; checks them as Generate does."));
    ProcessOptions process;
    parser.addOptions({process.model, process.language, process.chineseRequested});
    // Known to the shared options, but smtp.dat has no TV mode byte: refused, not ignored.
    QCommandLineOption tvMode = process.tvMode;
    tvMode.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(tvMode);
    const SettingsFileOptions file(
        QStringLiteral("One setting: a list takes its position or English entry, a number a "
                       "whole number, a text as it stands."));
    file.addTo(parser);
    const DryRunOptions dryRun;
    dryRun.addTo(parser);
    parseCommand(parser, arguments, 0);

    const int model = requiredModel(parser, process.model);
    if (!app::hasSmtp(model))
        fail(ExitBadInput, QStringLiteral("model %1 (%2) cannot send e-mail: it has no SMTP "
                                          "settings (models 3 to 7 have)")
                               .arg(model)
                               .arg(app::modelName(model)));
    if (parser.isSet(tvMode))
        fail(ExitBadInput, QStringLiteral("--tv-mode: smtp.dat carries no TV mode"));
    const app::ProcessState state = process.resolve(parser);
    const SmtpForm form = app::smtpFormFor(model);
    const int language = state.language();

    smtp::SmtpProfileReader reader(
        form, QStringLiteral("model %1 (%2)").arg(model).arg(app::modelName(model)), language);
    const smtp::SmtpSettings settings = file.read(parser, reader, smtp::smtpProfileKeys());

    const smtp::PreparedSmtpFile prepared =
        smtp::prepareSmtpFile(settings, form, state.recordLanguage(), language);
    if (prepared.refusal) {
        const auto& refusal = *prepared.refusal;
        fail(ExitBadInput, refusal.field ? smtp::smtpField(*refusal.field).nameText() +
                                               QStringLiteral(": ") + refusal.message
                                         : refusal.message);
    }
    return writeOrDryRun(parser, dryRun, file.outFolder(parser), smtp::smtpFileName, prepared.bytes,
                         model, state);
}

} // namespace kestrova::cli
