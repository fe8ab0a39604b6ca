#include "app/routing.h"
#include "camera/captured_time.h"
#include "camera/menu_record.h"
#include "cli/camera_values.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/process_options.h"
#include "common/record_file.h"
#include "i18n/messages.h"

#include <QDateTime>
#include <QDir>

namespace kestrova::cli {

namespace {

const QCommandLineOption outOption{QStringLiteral("out"),
                                   QStringLiteral("Folder to write into (default: this one)."),
                                   QStringLiteral("DIR"), QStringLiteral(".")};

int writeMenuFile(const QString& folder, const camera::MenuRecord& record, int language) {
    const WriteResult result = writeRecordFile(folder, QString::fromLatin1(camera::menuFileName),
                                               camera::toByteArray(record));
    if (!result.ok())
        fail(ExitWriteFailed, i18n::writeFailureMessage(result, language));
    printLine(result.path);
    return ExitOk;
}

camera::CapturedTime capturedTime(const QCommandLineParser& parser,
                                  const QCommandLineOption& timeOption) {
    if (!parser.isSet(timeOption))
        return camera::CapturedTime::capture(QDateTime::currentDateTime());
    const QString text = parser.value(timeOption);
    const QDateTime time = QDateTime::fromString(text, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    if (!time.isValid())
        fail(ExitBadInput,
             QStringLiteral("--time: expected YYYY-MM-DDTHH:MM:SS, got \"%1\"").arg(text));
    return camera::CapturedTime::capture(time);
}

} // namespace

int runMenu(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes menu.dat, the camera menu settings, for one camera model.\n"
                       "Starts from the values the model's camera form opens with, then applies\n"
                       "the profile, then each --set in order."));
    ProcessOptions process;
    process.addTo(parser, true);
    parser.addOption(outOption);
    const QCommandLineOption timeOption{QStringLiteral("time"),
                                        QStringLiteral("The camera clock (default: now)."),
                                        QStringLiteral("YYYY-MM-DDTHH:MM:SS")};
    const QCommandLineOption profileOption{
        QStringLiteral("profile"),
        QStringLiteral("Settings from a JSON object (as inspect --json prints)."),
        QStringLiteral("FILE.json")};
    const QCommandLineOption setOption{
        QStringLiteral("set"),
        QStringLiteral("One setting: a list takes its position or English entry, a number a whole "
                       "number."),
        QStringLiteral("NAME=VALUE")};
    parser.addOptions({timeOption, profileOption, setOption});
    parseCommand(parser, arguments, 0);

    const int model = requiredModel(parser, process.model);
    const app::ProcessState state = process.resolve(parser);
    const CameraForm form = app::cameraFormFor(model);
    const camera::CapturedTime time = capturedTime(parser, timeOption);

    camera::CameraSettings settings = camera::CameraSettings::atOpen(form);
    CameraValues values(settings, model, state.language());
    if (parser.isSet(profileOption))
        values.applyProfile(readProfile(parser.value(profileOption)));
    for (const QString& assignment : parser.values(setOption))
        values.applyAssignment(assignment);

    const auto record =
        camera::buildMenuRecord(form, settings, time, state.recordLanguage(), state.tvMode);
    return writeMenuFile(parser.value(outOption), record, state.language());
}

int runFactoryReset(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes menu.dat holding the factory reset record: the camera returns to its factory "
        "settings."));
    ProcessOptions process;
    process.addTo(parser, false);
    parser.addOption(outOption);
    parseCommand(parser, arguments, 0);
    const app::ProcessState state = process.resolve(parser);
    return writeMenuFile(parser.value(outOption), camera::buildFactoryResetRecord(),
                         state.language());
}

} // namespace kestrova::cli
