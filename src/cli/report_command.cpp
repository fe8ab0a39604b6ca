#include "card/system_volumes.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/fleet_files.h"
#include "cli/json_values.h"
#include "cli/process_options.h"
#include "field/card_reading.h"
#include "field/package_export.h"
#include "field/report_json.h"
#include "field/report_text.h"
#include "field/retrieval_row.h"
#include "i18n/field_texts.h"
#include "i18n/fleet_texts.h"

#include <QTimeZone>

namespace kestrova::cli {

namespace {

QTimeZone zoneOf(const QCommandLineParser& parser, const QCommandLineOption& option) {
    if (!parser.isSet(option))
        return QTimeZone::systemTimeZone();
    const QTimeZone zone(parser.value(option).toUtf8());
    if (!zone.isValid())
        fail(ExitBadInput, QStringLiteral("--tz: \"%1\" is no time zone (Europe/Berlin, UTC, "
                                          "UTC+02:00)")
                               .arg(shownValue(parser.value(option))));
    return zone;
}

std::vector<field::ClockPhotoRequest> clockPhotos(const QStringList& values) {
    std::vector<field::ClockPhotoRequest> photos;
    for (const QString& value : values) {
        const qsizetype at = value.lastIndexOf(u'=');
        if (at <= 0 || at == value.size() - 1)
            fail(
                ExitBadInput,
                QStringLiteral("--clock-photo takes FILE=TIME, not \"%1\"").arg(shownValue(value)));
        photos.push_back({value.left(at), value.mid(at + 1)});
    }
    return photos;
}

void printPackage(const field::PackageResult& result, const QString& folder, int language) {
    if (result.problem)
        fail(ExitWriteFailed, i18n::fieldText(i18n::FieldText::ExportFailed, language)
                                  .arg(escapedText(*result.problem)));
    printLine(i18n::fieldText(i18n::FieldText::Exported, language)
                  .arg(escapedText(folder), i18n::localeOf(language).toString(result.media)));
    if (!result.missing.isEmpty())
        printErrorLine(i18n::fieldText(i18n::FieldText::ExportMissing, language)
                           .arg(result.missing.join(QStringLiteral(", "))));
}

// The card's row in the log, below the report (on the error output below JSON, which stays
// whole): what the log now says of it.
void logReturn(const QString& log, const field::CardReport& report,
               const field::PreparedReport& prepared, const QString& device, int language,
               bool json) {
    fleet::LogEntry entry = field::retrievalEntry(report, prepared, QDateTime::currentDateTime());
    entry.device = device;
    const fleet::LogAppend appended = field::logRetrieval(log, entry);
    if (appended.endedDamagedRow)
        printErrorLine(i18n::fleetText(i18n::FleetText::LogEndedDamaged, language)
                           .arg(escapedText(log))
                           .arg(*appended.endedDamagedRow));
    if (appended.replaced)
        printErrorLine(
            i18n::fleetText(i18n::FleetText::LogReplaced, language).arg(escapedText(log)));
    if (appended.problem)
        fail(ExitWriteFailed, i18n::fieldText(i18n::FieldText::RetrievalNotLogged, language)
                                  .arg(escapedText(log), escapedText(*appended.problem)));
    if (!report.deployment.fromLog)
        printErrorLine(i18n::fieldText(i18n::FieldText::RetrievalAlone, language));
    const QString logged =
        i18n::fieldText(i18n::FieldText::RetrievalLogged, language).arg(escapedText(log));
    json ? printErrorLine(logged) : printLine(logged);
}

} // namespace

int runReport(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads a returned card's pictures and videos (below DCIM, or in the folder given) and\n"
        "says what the camera did: the days it worked, the days it was down or took no\n"
        "picture, its clock, the card, and what it took against what was estimated. Nothing\n"
        "on the card is written. Exit status 0 when the camera worked every day, 1 when it\n"
        "found days down, a full card or a clock problem, 2 for bad input."));
    parser.addPositionalArgument(QStringLiteral("CARD"), QStringLiteral("The card, or a folder."));
    const QCommandLineOption log{QStringLiteral("log"),
                                 QStringLiteral("The deployment log: where, when and by whom the "
                                                "card's camera was set up; the card's return is "
                                                "logged there."),
                                 QStringLiteral("LOG.csv")};
    const QCommandLineOption clockPhoto{
        QStringLiteral("clock-photo"),
        QStringLiteral("A picture of a watch or phone on the card and the time it shows "
                       "(2026-05-07T10:05:00); twice for the drift."),
        QStringLiteral("FILE=TIME")};
    const QCommandLineOption retrieved{QStringLiteral("retrieved"),
                                       QStringLiteral("When the card was taken out of the camera."),
                                       QStringLiteral("TIME")};
    const QCommandLineOption tz{QStringLiteral("tz"),
                                QStringLiteral("The camera's time zone (default: the system's)."),
                                QStringLiteral("ZONE")};
    const QCommandLineOption json{QStringLiteral("json"),
                                  QStringLiteral("Every number and finding as JSON.")};
    const QCommandLineOption camtrap{QStringLiteral("camtrap-dp"),
                                     QStringLiteral("Writes a Camtrap DP 1.0.2 package there."),
                                     QStringLiteral("DIR")};
    const QCommandLineOption triggers{
        QStringLiteral("triggers-per-day"),
        QStringLiteral("Triggers a day the setup assumed (default 20), 0..9999."),
        QStringLiteral("N")};
    const QCommandLineOption setupBy{QStringLiteral("setup-by"),
                                     QStringLiteral("Who set the camera up, if not the log's."),
                                     QStringLiteral("NAME")};
    parser.addOptions({log, clockPhoto, retrieved, tz, json, camtrap, triggers, setupBy});
    ProcessOptions process;
    parser.addOptions({process.model, process.language});
    parseCommand(parser, arguments, 1);

    const app::ProcessState state = process.resolveLanguage(parser);
    const int language = i18n::textLanguage(state.language());
    field::ReportRequest request;
    request.folder = parser.positionalArguments().constFirst();
    if (parser.isSet(process.model))
        request.model = requiredModel(parser, process.model);
    request.fallbackModel = state.model;
    request.language = language;
    request.zone = zoneOf(parser, tz);
    if (parser.isSet(log))
        request.log = readInputFile(parser.value(log), fleet::logLimit, QStringLiteral("the log"));
    request.clockPhotos = clockPhotos(parser.values(clockPhoto));
    if (parser.isSet(retrieved)) {
        QDateTime time = QDateTime::fromString(parser.value(retrieved), Qt::ISODate);
        if (time.isValid() && time.timeSpec() == Qt::LocalTime)
            time = QDateTime(time.date(), time.time(), request.zone);
        if (!time.isValid())
            fail(ExitBadInput, QStringLiteral("--retrieved: \"%1\" is not a time "
                                              "(2026-07-09T11:20:00, with or without its offset)")
                                   .arg(shownValue(parser.value(retrieved))));
        request.retrieved = time;
    }
    if (parser.isSet(triggers))
        request.triggersPerDay = integerFlag(parser, triggers, 0, plan::maxTriggersPerDay);
    request.setupBy = parser.value(setupBy);
    static const card::SystemVolumes volumes;
    request.card = card::identityAt(&volumes, request.folder);

    const field::PreparedReport prepared = field::prepareReport(request);
    if (prepared.problem)
        fail(ExitBadInput, escapedText(*prepared.problem));
    const QString packageFolder = parser.value(camtrap);
    if (parser.isSet(camtrap)) {
        if (packageFolder.isEmpty())
            fail(ExitBadInput, QStringLiteral("--camtrap-dp needs the folder to write"));
        if (const auto onCard = field::packageOnCard(packageFolder, request.folder))
            fail(ExitBadInput, escapedText(*onCard));
    }
    const field::CardReport report = *field::readCard(prepared);
    if (parser.isSet(json)) {
        printLine(terminalJson(field::reportJson(report)));
    } else {
        for (const QString& line : field::reportLines(report, language))
            printLine(escapedText(line));
    }
    if (parser.isSet(camtrap))
        printPackage(*field::exportCardPackage(report, prepared, packageFolder), packageFolder,
                     language);
    if (parser.isSet(log))
        logReturn(parser.value(log), report, prepared,
                  volumes.volumeAt(request.folder).value_or(card::Volume{}).device, language,
                  parser.isSet(json));
    return report.allWell() ? ExitOk : 1;
}

} // namespace kestrova::cli
