#include "card/system_volumes.h"
#include "card/volume_space.h"
#include "cli/card_services.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/fleet_files.h"
#include "cli/interrupt_watch.h"
#include "cli/json_values.h"
#include "cli/settings_file_options.h"
#include "common/clock.h"
#include "fleet/deploy_loop.h"
#include "fleet/log_values.h"
#include "model/camera_model.h"
#include "storage/file_history.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace kestrova::cli {

namespace {

// Each line of a text escaped on its own: a question's lines stay lines.
QString escapedLines(const QString& text) {
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = escapedText(line);
    return lines.join(u'\n');
}

// A line typed in answer, read past the event loop; no answer (the end of the input, or Ctrl+C)
// is a no.
bool readYes() {
    char line[64] = {};
    if (!std::fgets(line, sizeof line, stdin))
        return false;
    const QByteArray answer = QByteArray(line).trimmed().toLower();
    return answer == "y" || answer == "yes";
}

// Each line as it happens, also into a pipe: a run takes as long as its cards do. A card's
// label or folder may hold anything: it is shown, never acted on by the terminal.
void tell(const QString& line) {
    printLine(escapedLines(line));
    std::fflush(stdout);
}

class ConsoleObserver final : public fleet::DeployObserver {
public:
    fleet::DeployLoop* loop = nullptr;

    void status(const QString& text) override { tell(text); }
    void cardFinished(const fleet::CardReport& report) override {
        const card::Volume& card = report.card;
        QStringList facts;
        for (const QString& fact : {card.device, card.label, card.uuid}) {
            if (!fact.isEmpty())
                facts << fact;
        }
        tell(QStringLiteral("%1  %2%3: %4")
                 .arg(report.cameraName, card.mountPoint,
                      facts.isEmpty()
                          ? QString()
                          : QStringLiteral(" (%1)").arg(facts.join(QStringLiteral(", "))),
                      report.text));
    }
    void ask(const QString& question) override {
        std::fputs(qPrintable(escapedLines(question) + QStringLiteral(" [y/N] ")), stderr);
        std::fflush(stderr);
        loop->answer(readYes());
    }
    void finished(fleet::DeployEnd end, const QString& text) override {
        if (end == fleet::DeployEnd::AllDone || end == fleet::DeployEnd::Stopped)
            tell(text);
        else
            printErrorLine(QStringLiteral("kestrova: ") + escapedLines(text));
        QCoreApplication::exit(0);
    }
};

fleet::KitRead kitFrom(const QString& path, const fleet::RecordDefaults& defaults) {
    fleet::KitRead read = fleet::readKitFile(path);
    if (read.problem)
        fail(ExitBadInput, QStringLiteral("the kit %1 %2").arg(escapedText(path), *read.problem));
    const fleet::PreparedKit alone =
        fleet::prepareKit(read.kit, {}, QDateTime::currentDateTime(), defaults);
    if (alone.refusal)
        fail(ExitBadInput,
             QStringLiteral("the kit %1: %2").arg(escapedText(path), alone.refusal->message));
    return read;
}

QList<fleet::Camera> camerasFrom(const QString& path, const fleet::Kit& kit,
                                 const fleet::RecordDefaults& defaults) {
    const QByteArray table =
        readInputFile(path, fleet::camerasTableLimit, QStringLiteral("the cameras table"));
    const fleet::CameraList list = fleet::readCameraList(table, kit);
    if (list.problem)
        fail(ExitBadInput, QStringLiteral("the cameras table %1: %2")
                               .arg(escapedText(path), list.problem->english()));
    if (const auto problem = fleet::checkCameras(kit, list.cameras, defaults))
        fail(ExitBadInput,
             QStringLiteral("the cameras table %1: %2").arg(escapedText(path), problem->english()));
    return list.cameras;
}

// Each camera an option names must be a row of the cameras table.
void checkNamed(const QString& option, const QStringList& ids,
                const QList<fleet::Camera>& cameras) {
    for (const QString& id : ids) {
        const bool known = std::any_of(cameras.begin(), cameras.end(), [&id](const auto& camera) {
            return camera.id == fleet::normalisedName(id);
        });
        if (!known)
            fail(ExitBadInput, QStringLiteral("%1: the cameras table has no camera %2")
                                   .arg(option, quotedText(id)));
    }
}

// A folder whose file system does not answer (a FUSE daemon that stopped) would hold the run up
// at its first look: it is asked as `kestrova cards` asks, for half a second at most.
void checkAnswers(const QString& folder) {
    if (!card::volumeSpace(folder, card::SystemVolumes::spaceWaitMs))
        fail(ExitWriteFailed,
             QStringLiteral("--card: %1 does not answer: its file system is not responding")
                 .arg(escapedText(folder)));
}

QString partsOf(const fleet::Kit& kit) {
    QStringList files;
    for (const fleet::KitPart part : fleet::kitParts) {
        if (kit.section(part))
            files << fleet::partFileName(part);
    }
    return files.join(QStringLiteral(", "));
}

} // namespace

int runDeploy(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a kit onto one card after another: waits for a card, writes the next camera's\n"
        "files, reads them back, logs the card, ejects it and takes the next card. Every input\n"
        "is checked before the first card, and the cameras the log has a card done for are\n"
        "passed over. A card that fails leaves its camera next, for another card. Ctrl+C\n"
        "between cards ends at once; during a card it finishes the file being written and logs\n"
        "the card as incomplete."));
    const QCommandLineOption cameras{QStringLiteral("cameras"),
                                     QStringLiteral("One row per camera: camera_id, its own "
                                                    "settings, and columns for the log."),
                                     QStringLiteral("CAMERAS.csv")};
    const QCommandLineOption log{QStringLiteral("log"),
                                 QStringLiteral("The log to append to (default: "
                                                "kestrova-deployments.csv here)."),
                                 QStringLiteral("LOG.csv"),
                                 QStringLiteral("kestrova-deployments.csv")};
    const QCommandLineOption setupBy{QStringLiteral("setup-by"),
                                     QStringLiteral("Who sets the cameras up, for the log."),
                                     QStringLiteral("NAME")};
    const QCommandLineOption cardFolder{
        QStringLiteral("card"),
        QStringLiteral("Use this folder as the card (a reader the system calls a fixed disk)."),
        QStringLiteral("DIR")};
    const QCommandLineOption once{QStringLiteral("once"),
                                  QStringLiteral("Write one card (the next camera without one), "
                                                 "then end.")};
    const QCommandLineOption yes{QStringLiteral("yes"),
                                 QStringLiteral("Write a card that holds another camera's or "
                                                "kit's files, or that warns, without asking.")};
    const QCommandLineOption firstCamera{
        QStringLiteral("camera"),
        QStringLiteral("Begin with this camera of the cameras table (then the next without a "
                       "card)."),
        QStringLiteral("ID")};
    const QCommandLineOption again{QStringLiteral("again"),
                                   QStringLiteral("Write another card for this camera although "
                                                  "the log has one done; the new one replaces "
                                                  "it. May be given more than once."),
                                   QStringLiteral("ID")};
    const QCommandLineOption deploymentStart{
        QStringLiteral("deployment-start"),
        QStringLiteral("When the cameras are set up in the field, with its UTC offset "
                       "(2026-05-06T09:00:00+02:00), for those the cameras table gives none."),
        QStringLiteral("TIME")};
    parser.addOptions(
        {cameras, log, setupBy, cardFolder, once, yes, firstCamera, again, deploymentStart});
    parseCommand(parser, arguments, 1);

    const fleet::RecordDefaults defaults = storedRecordDefaults();
    const QString kitPath = parser.positionalArguments().constFirst();
    fleet::DeploySetup setup;
    const fleet::KitRead kit = kitFrom(kitPath, defaults);
    setup.kit = kit.kit;
    setup.kitSha256 = kit.sha256;
    if (parser.isSet(cameras))
        setup.cameras = camerasFrom(parser.value(cameras), setup.kit, defaults);
    setup.defaults = defaults;
    setup.setupBy = fleet::normalisedName(parser.value(setupBy));
    if (const auto problem = fleet::nameProblem(setup.setupBy, fleet::NameKind::Name))
        fail(ExitBadInput, QStringLiteral("--setup-by: %1").arg(problem->english()));
    setup.deploymentStart = parser.value(deploymentStart);
    if (parser.isSet(deploymentStart)) {
        if (const auto problem = fleet::deploymentStartProblem(setup.deploymentStart))
            fail(ExitBadInput, QStringLiteral("--deployment-start: %1").arg(problem->english()));
    }
    if ((parser.isSet(firstCamera) || parser.isSet(again)) && setup.cameras.isEmpty())
        fail(ExitBadInput, QStringLiteral("--camera and --again name cameras of a cameras "
                                          "table: give one with --cameras"));
    checkNamed(QStringLiteral("--camera"), parser.values(firstCamera), setup.cameras);
    checkNamed(QStringLiteral("--again"), parser.values(again), setup.cameras);
    setup.firstCamera = fleet::normalisedName(parser.value(firstCamera));
    for (const QString& id : parser.values(again))
        setup.again << fleet::normalisedName(id);
    setup.cardFolder = parser.value(cardFolder);
    if (parser.isSet(cardFolder)) {
        checkAnswers(setup.cardFolder);
        if (!QFileInfo(setup.cardFolder).isDir())
            fail(ExitBadInput,
                 QStringLiteral("--card: %1 is not a folder").arg(escapedText(setup.cardFolder)));
        // An empty mount folder whose card is not there is refused as --out refuses it.
        outFolderAt(setup.cardFolder, false);
    }
    setup.once = parser.isSet(once);
    setup.yes = parser.isSet(yes);
    setup.language = defaults.language;

    // An empty name (an unset variable in a script, say) names no file.
    if (parser.value(log).isEmpty())
        fail(ExitBadInput, QStringLiteral("--log: the file name is empty; give the log to append "
                                          "to"));
    fleet::DeployLog deployLog;
    if (const auto problem = deployLog.open(parser.value(log)))
        fail(ExitBadInput, QStringLiteral("the log %1 cannot be used: %2")
                               .arg(escapedText(parser.value(log)), *problem));

    const CardServices services = cardServices();
    const card::SystemVolumes volumes;
    FileHistory history(FileHistory::defaultRoot());
    const SystemClock clock;
    tell(QStringLiteral("kit %1 for model %2 (%3): %4; %5; log %6; cards through %7")
             .arg(quotedText(setup.kit.name))
             .arg(setup.kit.model)
             .arg(cameraModel(setup.kit.model).nameText(), partsOf(setup.kit),
                  setup.cameras.isEmpty() ? QStringLiteral("every card the same")
                                          : QStringLiteral("%1 cameras").arg(setup.cameras.size()),
                  escapedText(parser.value(log)),
                  services.udisks ? QStringLiteral("udisks2") : QStringLiteral("the mount table")));

    ConsoleObserver observer;
    fleet::DeployLoop loop(setup, volumes, *services.cards, deployLog, &history, clock, observer);
    observer.loop = &loop;

    const InterruptWatch interrupts(loop);
    services.cards->start([&loop] { loop.cardsChanged(); });
    loop.start();
    if (!loop.finished())
        QCoreApplication::exec();
    // A run stopped while a camera still waits for a card after its own failed did not go well.
    const QStringList failed = loop.stillFailed();
    if (!failed.isEmpty())
        printErrorLine(
            QStringLiteral("kestrova: ") +
            escapedText(i18n::fleetText(i18n::FleetText::StillWithoutCard, setup.language)
                            .arg(failed.join(QStringLiteral(", ")))));
    switch (*loop.end()) {
    case fleet::DeployEnd::AllDone:
    case fleet::DeployEnd::Stopped:
        return failed.isEmpty() ? ExitOk : ExitWriteFailed;
    case fleet::DeployEnd::StoppedInCard:
    case fleet::DeployEnd::Failed:
        break;
    }
    return ExitWriteFailed;
}

} // namespace kestrova::cli
