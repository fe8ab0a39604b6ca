#include "fleet/many_cards_form.h"

#include "card/volumes.h"
#include "fleet/camera_list.h"
#include "fleet/log_values.h"
#include "res/fleet_templates.h"
#include "storage/bounded_read.h"

#include <QDir>
#include <QFileInfo>

namespace kestrova::fleet {

using i18n::FleetText;
using namespace res::many_cards;

namespace {

// Where no source of volumes is given, none is a card.
class NoVolumes final : public card::VolumeSource {
public:
    QList<card::Volume> volumes() const override { return {}; }
};

// A card as the owner knows it: its label and its file system's UUID, else its folder.
QString cardText(const card::Volume& card) {
    QStringList facts;
    for (const QString& fact : {card.label, card.uuid}) {
        if (!fact.isEmpty())
            facts << fact;
    }
    return facts.isEmpty() ? QDir::toNativeSeparators(card.mountPoint)
                           : facts.join(QStringLiteral(", "));
}

QString cardText(const LoggedCard& card) {
    QStringList facts;
    for (const QString& fact : {card.label, card.uuid}) {
        if (!fact.isEmpty())
            facts << fact;
    }
    return facts.join(QStringLiteral(", "));
}

} // namespace

ManyCardsForm::ManyCardsForm(const dialog::FormContext& context, dialog::Host& host,
                             CardServices cards, ReturnedCardReaders returned)
    : FormModel(res::manyCardsTemplate(), host)
    , context_(context)
    , cards_(std::move(cards))
    , returnedReaders_(std::move(returned)) {}

ManyCardsForm::~ManyCardsForm() = default;

QString ManyCardsForm::text(FleetText id) const {
    return i18n::fleetText(id, context_.textLanguage());
}

void ManyCardsForm::initialise() {
    dialog().setCaption(text(FleetText::WindowTitle));
    const std::pair<int, FleetText> captions[] = {{kitLabel, FleetText::KitLabel},
                                                  {camerasLabel, FleetText::CamerasLabel},
                                                  {logLabel, FleetText::LogLabel},
                                                  {setupByLabel, FleetText::SetupByLabel},
                                                  {setUpAtLabel, FleetText::SetUpInFieldLabel},
                                                  {kitBrowse, FleetText::Browse},
                                                  {camerasBrowse, FleetText::Browse},
                                                  {logBrowse, FleetText::Browse},
                                                  {camerasTableLabel, FleetText::CamerasTableLabel},
                                                  {res::many_cards::start, FleetText::Start},
                                                  {res::many_cards::stop, FleetText::Stop},
                                                  {res::many_cards::close, FleetText::Close},
                                                  {modeLabel, FleetText::ModeLabel},
                                                  {res::many_cards::status, FleetText::ChooseKit}};
    for (const auto& [id, caption] : captions)
        dialog().setControlCaption(id, text(caption));
    dialog().setColumns(camerasTable,
                        {text(FleetText::ColumnCamera), text(FleetText::ColumnLocation),
                         text(FleetText::ColumnCard), text(FleetText::ColumnState)});
    // A date and time as the export needs it, with its UTC offset.
    dialog().setHint(
        setUpAtField,
        clock_.now().toOffsetFromUtc(clock_.now().offsetFromUtc()).toString(Qt::ISODate));
    dialog().setEntries(modeList, {text(FleetText::ModeSetUp), text(FleetText::ModeReturned)}, 0);
    setRunning(false);
    dialog().setFocus(kitField);
}

void ManyCardsForm::setRunning(bool running) {
    running_ = running;
    for (const int id :
         {camerasField, camerasBrowse, logField, logBrowse, int(res::many_cards::start)})
        dialog().setEnabled(id, !running);
    // Returned cards need no kit, and were set up by whoever set them up.
    for (const int id : {kitField, kitBrowse, setupByField, setUpAtField})
        dialog().setEnabled(id, !running && !returned_);
    dialog().setEnabled(modeList, !running && static_cast<bool>(returnedReaders_));
    dialog().setEnabled(res::many_cards::stop, running);
}

void ManyCardsForm::listChanged(int id) {
    if (id != modeList || running_)
        return;
    returned_ = dialog().selection(modeList) == 1;
    // The log alone says what each camera's card is now.
    rows_.clear();
    byCamera_ = false;
    next_ = -1;
    dialog().setControlCaption(camerasTableLabel, text(returned_ ? FleetText::CamerasReturnedLabel
                                                                 : FleetText::CamerasTableLabel));
    dialog().setControlCaption(res::many_cards::status,
                               text(returned_ ? FleetText::ChooseLog : FleetText::ChooseKit));
    setRunning(false);
    readCameras();
}

void ManyCardsForm::buttonPressed(int id) {
    const auto browse = [this](int field, auto choose) {
        if (const std::optional<QString> file = choose(dialog().text(field)))
            type(field, *file);
    };
    using Use = dialog::Host::FileUse;
    switch (id) {
    case kitBrowse:
        browse(kitField,
               [this](const QString& at) { return host().chooseProfileFile(Use::Open, at); });
        break;
    case camerasBrowse:
        browse(camerasField,
               [this](const QString& at) { return host().chooseTableFile(Use::Open, at); });
        break;
    case logBrowse:
        browse(logField,
               [this](const QString& at) { return host().chooseTableFile(Use::Save, at); });
        break;
    case res::many_cards::start:
        returned_ ? startReturns() : start();
        break;
    case res::many_cards::stop:
        stop();
        break;
    case res::many_cards::close:
        closeRequested();
        break;
    default:
        break;
    }
}

void ManyCardsForm::editChanged(int id) {
    if (!running_ && (id == kitField || id == camerasField || id == logField))
        readCameras();
}

QString ManyCardsForm::logPath() const {
    const QString named = dialog().text(logField).trimmed();
    const QString kitPath = dialog().text(kitField).trimmed();
    if (!named.isEmpty() || kitPath.isEmpty())
        return named;
    // The log goes beside the kit unless the owner names one.
    const QFileInfo kitFile(kitPath);
    return QDir::toNativeSeparators(
        kitFile.dir().filePath(kitFile.completeBaseName() + QStringLiteral("-log.csv")));
}

void ManyCardsForm::readCameras() {
    const QString camerasPath = dialog().text(camerasField).trimmed();
    if (camerasPath.isEmpty()) {
        // Without a table the rows are the cards written, kept until a table is named.
        if (byCamera_) {
            byCamera_ = false;
            rows_.clear();
            next_ = -1;
        }
        showRows();
        return;
    }
    const storage::BoundedRead read = storage::readBounded(camerasPath, camerasTableLimit);
    const QList<ListedCamera> listed =
        read.ok() ? listedCameras(read.bytes) : QList<ListedCamera>();
    QMap<QString, LoggedCard> done;
    QMap<QString, LogRow> returned; // each camera's latest return
    const storage::BoundedRead log = readLogFile(logPath());
    for (const LogRow& row : readLogTable(log.ok() ? log.bytes : QByteArray()).rows) {
        const QString camera = row.value(QStringLiteral("camera_id"));
        if (row.value(QStringLiteral("result")) == u"done")
            done[camera] =
                LoggedCard{camera, row.value(QStringLiteral("time_written")),
                           row.value(QStringLiteral("uuid")), row.value(QStringLiteral("label"))};
        else if (row.value(QStringLiteral("result")) == QLatin1String(retrievedResult))
            returned[camera] = row;
    }
    const QList<Row> before = byCamera_ ? rows_ : QList<Row>();
    const QString nextBefore = next_ >= 0 && next_ < rows_.size() ? rows_[next_].camera : QString();
    rows_.clear();
    next_ = -1;
    for (const ListedCamera& camera : listed) {
        Row row{camera.id, camera.location, {}, RowState::Waiting, {}};
        // What this window saw of the camera in an earlier run stays, unless the log says more.
        for (const Row& earlier : before) {
            if (earlier.camera == camera.id)
                row = {camera.id, camera.location, earlier.card, earlier.state, earlier.said};
        }
        if (done.contains(camera.id) && row.state != RowState::Done)
            row = {camera.id, camera.location, cardText(done[camera.id]), RowState::DoneBefore,
                   done[camera.id].written};
        // Returned cards: the camera's card is in the field until a return of it is logged.
        if (returned_ && done.contains(camera.id) && row.state != RowState::Done) {
            const LogRow back = returned.value(camera.id);
            const bool closed = back.value(QStringLiteral("closes")) == done[camera.id].written;
            row.state = closed ? RowState::Returned : RowState::InField;
            row.said =
                closed ? back.value(QStringLiteral("time_written")) : done[camera.id].written;
        }
        if (camera.id == nextBefore)
            next_ = int(rows_.size());
        rows_ << row;
    }
    byCamera_ = true;
    showRows();
}

void ManyCardsForm::showRows() {
    QList<QStringList> shown;
    for (qsizetype at = 0; at < rows_.size(); ++at) {
        const Row& row = rows_[at];
        QString state;
        switch (row.state) {
        case RowState::Waiting:
            state = text(at == next_ ? FleetText::StateNext : FleetText::StateWaiting);
            break;
        case RowState::Writing:
            state = text(returned_ ? FleetText::StateReading : FleetText::StateWriting);
            break;
        case RowState::DoneBefore:
            state = text(FleetText::StateDoneBefore).arg(row.said);
            break;
        case RowState::InField:
            state = text(FleetText::StateInField).arg(row.said);
            break;
        case RowState::Returned:
            state = text(FleetText::StateReturned).arg(row.said);
            break;
        case RowState::Done:
        case RowState::Failed:
        case RowState::Skipped:
            state = row.said;
            break;
        }
        shown << QStringList{row.camera, row.location, row.card, state};
    }
    dialog().setRows(camerasTable, shown);
    dialog().setMarked(camerasTable, next_);
}

int ManyCardsForm::rowOf(const CardReport& report, bool added) {
    if (byCamera_)
        return report.camera;
    if (added)
        rows_ << Row{report.cameraName, {}, {}, RowState::Waiting, {}};
    return int(rows_.size()) - 1;
}

void ManyCardsForm::rowActivated(int id, int row) {
    // Returned cards come in any order: their cards say whose they are.
    if (id != camerasTable || !byCamera_ || returned_ || row < 0 || row >= rows_.size())
        return;
    if (running_) {
        worker_->pickCamera(row);
        return;
    }
    // Before a run: the camera comes first; one with a card done only after a yes.
    const Row& picked = rows_[row];
    const bool done = picked.state == RowState::Done || picked.state == RowState::DoneBefore;
    if (done && !again_.contains(picked.camera)) {
        if (!host().askYesNo(text(FleetText::AskAgain).arg(picked.camera, picked.card)))
            return;
        again_.insert(picked.camera);
    }
    next_ = row;
    showRows();
}

bool ManyCardsForm::unusable(const QString& file, const std::optional<QString>& problem) {
    if (!problem)
        return false;
    host().showMessage(
        text(FleetText::InputUnusable).arg(QDir::toNativeSeparators(file), *problem));
    return true;
}

void ManyCardsForm::start() {
    const int language = context_.textLanguage();
    const RecordDefaults defaults{context_.recordLanguage(), context_.tvMode, language};
    const QString kitPath = dialog().text(kitField).trimmed();
    if (kitPath.isEmpty()) {
        host().showMessage(text(FleetText::ChooseKit));
        dialog().setFocus(kitField);
        return;
    }
    const KitRead kit = readKitFile(kitPath);
    if (unusable(kitPath, kit.problem))
        return;
    const PreparedKit alone = prepareKit(kit.kit, {}, clock_.now(), defaults);
    if (unusable(kitPath,
                 alone.refusal ? std::optional(alone.refusal->text(language)) : std::nullopt))
        return;

    DeploySetup setup;
    setup.kit = kit.kit;
    setup.kitSha256 = kit.sha256;
    setup.defaults = defaults;
    setup.language = language;
    setup.setupBy = normalisedName(dialog().text(setupByField));
    if (const auto problem = nameProblem(setup.setupBy, NameKind::Name)) {
        host().showMessage(
            text(FleetText::NameUnusable)
                .arg(dialog().controlCaption(setupByLabel), problem->text(language)));
        dialog().setFocus(setupByField);
        return;
    }
    setup.deploymentStart = dialog().text(setUpAtField).trimmed();
    if (!setup.deploymentStart.isEmpty()) {
        if (const auto problem = deploymentStartProblem(setup.deploymentStart)) {
            host().showMessage(text(FleetText::TimeUnusable).arg(problem->text(language)));
            dialog().setFocus(setUpAtField);
            return;
        }
    }
    const QString camerasPath = dialog().text(camerasField).trimmed();
    if (!camerasPath.isEmpty()) {
        const storage::BoundedRead read = storage::readBounded(camerasPath, camerasTableLimit);
        if (!read.ok()) {
            unusable(camerasPath, read.status == storage::BoundedRead::Status::TooLarge
                                      ? read.sizeText()
                                      : read.reason);
            return;
        }
        const CameraList list = readCameraList(read.bytes, kit.kit);
        if (list.problem) {
            unusable(camerasPath, list.problem->text(language));
            return;
        }
        if (const auto problem = checkCameras(kit.kit, list.cameras, defaults, true)) {
            unusable(camerasPath, problem->text(language));
            return;
        }
        setup.cameras = list.cameras;
    }
    if (dialog().text(logField).trimmed().isEmpty())
        dialog().setText(logField, logPath());
    const QString log = logPath();
    auto deployLog = std::make_unique<DeployLog>();
    if (unusable(log, deployLog->open(log)))
        return;

    readCameras();
    if (byCamera_ && next_ >= 0)
        setup.firstCamera = rows_[next_].camera;
    setup.again = again_.values();
    again_.clear();

    static const NoVolumes noVolumes;
    worker_.reset();
    setRunning(true);
    worker_ = std::make_unique<DeployWorker>(setup, std::move(deployLog), cards_,
                                             context_.volumes ? *context_.volumes : noVolumes,
                                             context_.history, clock_, *this);
}

void ManyCardsForm::startReturns() {
    const QString log = logPath();
    if (log.isEmpty()) {
        host().showMessage(text(FleetText::ChooseLog));
        dialog().setFocus(logField);
        return;
    }
    const storage::BoundedRead read = readLogFile(log);
    if (unusable(log, read.ok()
                          ? readLogTable(read.bytes).problem
                          : std::optional(read.status == storage::BoundedRead::Status::TooLarge
                                              ? read.sizeText()
                                              : read.reason)))
        return;
    readCameras();
    QStringList cameras;
    if (byCamera_) {
        for (const Row& row : std::as_const(rows_))
            cameras << row.camera;
    }
    static const NoVolumes noVolumes;
    const card::VolumeSource& volumes = context_.volumes ? *context_.volumes : noVolumes;
    ReadReturnedCard reader = returnedReaders_(log, context_.textLanguage());
    const int language = context_.textLanguage();
    worker_.reset();
    setRunning(true);
    worker_ = std::make_unique<DeployWorker>(
        [&](card::CardEjector& ejector, DeployObserver& observer) {
            return std::make_unique<ReturnLoop>(cameras, std::move(reader), volumes, ejector,
                                                observer, language);
        },
        cards_, *this);
}

void ManyCardsForm::stop() {
    if (worker_ && running_)
        worker_->stop();
}

void ManyCardsForm::closeRequested() {
    if (running_) {
        if (!host().askYesNo(text(FleetText::AskStopFirst)))
            return;
        // Waits for the file being written, which the loop logs before it ends.
        worker_.reset();
        running_ = false;
    }
    end(dialog::DialogResult::Cancelled);
}

void ManyCardsForm::status(const QString& line) {
    runAsEvent([this, line] {
        dialog().setControlCaption(res::many_cards::status, line);
        dialog().setToolTip(res::many_cards::status, line);
    });
}

void ManyCardsForm::nextCamera(int camera) {
    runAsEvent([this, camera] {
        if (!byCamera_)
            return;
        next_ = camera;
        showRows();
    });
}

void ManyCardsForm::cameraDone(int camera, const LoggedCard& card) {
    runAsEvent([this, camera, card] {
        if (!byCamera_ || camera < 0 || camera >= rows_.size() ||
            rows_[camera].state == RowState::Done)
            return;
        rows_[camera].card = cardText(card);
        rows_[camera].state = RowState::DoneBefore;
        rows_[camera].said = card.written;
        showRows();
    });
}

void ManyCardsForm::cardStarted(const CardReport& report) {
    runAsEvent([this, report] {
        const int row = rowOf(report, true);
        if (row < 0 || row >= rows_.size())
            return;
        rows_[row].card = cardText(report.card);
        rows_[row].state = RowState::Writing;
        showRows();
    });
}

void ManyCardsForm::cardFinished(const CardReport& report) {
    runAsEvent([this, report] {
        // A card refused before it was written has no row yet where the rows are the cards.
        const bool started = !rows_.isEmpty() && rows_.last().state == RowState::Writing;
        const int row = rowOf(report, !started);
        if (row < 0 || row >= rows_.size())
            return;
        rows_[row].card = cardText(report.card);
        rows_[row].said = report.text;
        if (!byCamera_)
            rows_[row].camera = report.cameraName;
        switch (report.outcome) {
        case CardOutcome::Done:
            rows_[row].state = RowState::Done;
            break;
        case CardOutcome::Failed:
        case CardOutcome::Incomplete:
            rows_[row].state = RowState::Failed;
            break;
        case CardOutcome::Skipped:
            rows_[row].state = RowState::Skipped;
            break;
        }
        showRows();
    });
}

void ManyCardsForm::ask(const QString& question) {
    runAsEvent([this, question] {
        if (worker_)
            worker_->answer(host().askYesNo(question));
    });
}

void ManyCardsForm::finished(DeployEnd /*end*/, const QString& line) {
    runAsEvent([this, line] {
        dialog().setControlCaption(res::many_cards::status, line);
        dialog().setToolTip(res::many_cards::status, line);
        next_ = -1;
        showRows();
        setRunning(false);
    });
}

} // namespace kestrova::fleet
