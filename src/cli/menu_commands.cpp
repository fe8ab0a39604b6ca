#include "app/routing.h"
#include "camera/camera_rules.h"
#include "camera/captured_time.h"
#include "camera/menu_profile.h"
#include "camera/menu_record.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/dry_run.h"
#include "cli/json_values.h"
#include "cli/process_options.h"
#include "cli/settings_file_options.h"
#include "i18n/messages.h"

#include <QDateTime>
#include <QDir>
#include <QTimeZone>

namespace kestrova::cli {

namespace {

int writeMenuFile(const OutFolder& folder, const camera::MenuRecord& record, int language) {
    return writeSettingsFile(folder, camera::menuFileName, camera::toByteArray(record), language);
}

camera::CapturedTime capturedTime(const QCommandLineParser& parser,
                                  const QCommandLineOption& timeOption) {
    if (!parser.isSet(timeOption))
        return camera::CapturedTime::capture(QDateTime::currentDateTime());
    const QString text = parser.value(timeOption);
    // The camera clock has no time zone: a date and time is taken as written, also one that a
    // daylight-saving change skips on this PC.
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime clock = QTime::fromString(text.mid(11), QStringLiteral("HH:mm:ss"));
    if (text.size() != 19 || text[10] != u'T' || !date.isValid() || !clock.isValid())
        fail(ExitBadInput, QStringLiteral("--time: expected YYYY-MM-DDTHH:MM:SS, got \"%1\"")
                               .arg(shownValue(text)));
    // The record keeps the year as 0..21 from 2010: any other year would be written as another.
    if (date.year() < camera::firstClockYear || date.year() > camera::lastClockYear)
        fail(ExitBadInput, QStringLiteral("--time: the camera clock holds %1-01-01T00:00:00 to "
                                          "%2-12-31T23:59:59, not \"%3\"")
                               .arg(camera::firstClockYear)
                               .arg(camera::lastClockYear)
                               .arg(shownValue(text)));
    return camera::CapturedTime::capture(QDateTime(date, clock, QTimeZone::utc()));
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
    const SettingsFileOptions file(QStringLiteral(
        "One setting: a list takes its position or English entry, a number a whole number."));
    file.addTo(parser);
    const QCommandLineOption timeOption{QStringLiteral("time"),
                                        QStringLiteral("The camera clock (default: now)."),
                                        QStringLiteral("YYYY-MM-DDTHH:MM:SS")};
    parser.addOption(timeOption);
    const DryRunOptions dryRun;
    dryRun.addTo(parser);
    parseCommand(parser, arguments, 0);

    const int model = requiredModel(parser, process.model);
    const app::ProcessState state = process.resolve(parser);
    const CameraForm form = app::cameraFormFor(model);
    const camera::CapturedTime time = capturedTime(parser, timeOption);

    camera::MenuProfileReader reader(form, model, state.language());
    const camera::CameraSettings settings = file.read(parser, reader, camera::menuProfileKeys());
    // The same corrections as the form's Generate: 0 minutes becomes 1.
    const auto record =
        camera::prepareMenuFile(form, settings, time, state.recordLanguage(), state.tvMode);
    return writeOrDryRun(parser, dryRun, file.outFolder(parser), camera::menuFileName,
                         camera::toByteArray(record), model, state);
}

int runFactoryReset(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes menu.dat holding the factory reset record: the camera returns to its factory "
        "settings."));
    // The record holds no settings, no language byte and no TV mode: the language is that of
    // the messages alone.
    ProcessOptions process;
    const SettingsFileOptions file(QString{});
    parser.addOptions({file.out, file.allowFixed, process.language});
    parseCommand(parser, arguments, 0);
    const app::ProcessState state = process.resolveLanguage(parser);
    return writeMenuFile(file.outFolder(parser), camera::buildFactoryResetRecord(),
                         state.language());
}

} // namespace kestrova::cli
