#include "app/routing.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/dry_run.h"
#include "cli/process_options.h"
#include "cli/settings_file_options.h"
#include "i18n/messages.h"
#include "mms/mms_checks.h"
#include "mms/mms_profile.h"
#include "mms/mms_record.h"

#include <QJsonObject>

namespace kestrova::cli {

using mms::MmsSettings;

int runMms(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes setup.dat, the MMS sending settings, for one camera model.\n"
        "Starts from the values the model's MMS form opens with, then applies the profile,\n"
        "then each --set in order, and makes the checks the form's Generate makes. In auto\n"
        "mode the operator preset gives the network settings."));
    ProcessOptions process;
    process.addTo(parser, true);
    const SettingsFileOptions file(
        QStringLiteral("One setting: a list takes its position or English entry, a text as "
                       "typed. Names: %1.")
            .arg(mms::mmsSettingNames().join(QStringLiteral(", "))));
    file.addTo(parser);
    const DryRunOptions dryRun;
    dryRun.addTo(parser);
    parseCommand(parser, arguments, 0);

    const int model = requiredModel(parser, process.model);
    const app::ProcessState state = process.resolve(parser);
    const int language = state.language();

    mms::MmsProfileReader reader(app::mmsFormFor(model), model, language);
    const MmsSettings settings = file.read(parser, reader, mms::mmsProfileKeys());

    const int statusCount = mms::mmsStatusCount(app::mmsFormFor(model), model);
    const mms::PreparedMmsFile prepared =
        mms::prepareMmsFile(settings, statusCount, state.recordLanguage(), state.tvMode);
    if (const auto& failure = prepared.failure)
        fail(ExitBadInput,
             QStringLiteral("%1: %2").arg(mms::mmsField(failure->field).nameText(),
                                          i18n::messageFor(failure->message, language)));
    if (const auto& refusal = prepared.refusal)
        fail(ExitBadInput, mms::fieldErrorMessage(*refusal, refusal->field, language));

    return writeOrDryRun(parser, dryRun, file.outFolder(parser), mms::mmsFileName, prepared.bytes,
                         model, state);
}

} // namespace kestrova::cli
