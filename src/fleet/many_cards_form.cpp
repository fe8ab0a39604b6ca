#include "fleet/many_cards_form.h"

#include "card/volumes.h"
#include "fleet/camera_list.h"
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

} // namespace

ManyCardsForm::ManyCardsForm(const dialog::FormContext& context, dialog::Host& host,
                             CardServices cards)
    : FormModel(res::manyCardsTemplate(), host)
    , context_(context)
    , cards_(std::move(cards)) {}

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
                                                  {kitBrowse, FleetText::Browse},
                                                  {camerasBrowse, FleetText::Browse},
                                                  {logBrowse, FleetText::Browse},
                                                  {cardsLabel, FleetText::CardsDone},
                                                  {res::many_cards::start, FleetText::Start},
                                                  {res::many_cards::stop, FleetText::Stop},
                                                  {res::many_cards::close, FleetText::Close},
                                                  {res::many_cards::status, FleetText::ChooseKit}};
    for (const auto& [id, caption] : captions)
        dialog().setControlCaption(id, text(caption));
    setRunning(false);
    dialog().setFocus(kitField);
}

void ManyCardsForm::setRunning(bool running) {
    running_ = running;
    for (const int id : {kitField, kitBrowse, camerasField, camerasBrowse, logField, logBrowse,
                         setupByField, int(res::many_cards::start)})
        dialog().setEnabled(id, !running);
    dialog().setEnabled(res::many_cards::stop, running);
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
        start();
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

bool ManyCardsForm::unusable(const QString& file, const std::optional<QString>& problem) {
    if (!problem)
        return false;
    host().showMessage(
        text(FleetText::InputUnusable).arg(QDir::toNativeSeparators(file), *problem));
    return true;
}

void ManyCardsForm::start() {
    const RecordDefaults defaults{context_.recordLanguage(), context_.tvMode,
                                  context_.textLanguage()};
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
    if (unusable(kitPath, alone.refusal ? std::optional(alone.refusal->message) : std::nullopt))
        return;

    DeploySetup setup;
    setup.kit = kit.kit;
    setup.kitSha256 = kit.sha256;
    setup.defaults = defaults;
    setup.language = context_.textLanguage();
    setup.setupBy = dialog().text(setupByField).trimmed();
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
        if (unusable(camerasPath, list.problem))
            return;
        if (unusable(camerasPath, checkCameras(kit.kit, list.cameras, defaults)))
            return;
        setup.cameras = list.cameras;
    }
    // The log goes beside the kit unless the owner names one.
    if (dialog().text(logField).trimmed().isEmpty()) {
        const QFileInfo kitFile(kitPath);
        dialog().setText(logField, QDir::toNativeSeparators(kitFile.dir().filePath(
                                       kitFile.completeBaseName() + QStringLiteral("-log.csv"))));
    }
    const QString logPath = dialog().text(logField).trimmed();
    auto log = std::make_unique<DeployLog>();
    if (unusable(logPath, log->open(logPath)))
        return;

    static const NoVolumes noVolumes;
    worker_.reset();
    dialog().setEntries(cardsList, {}, -1);
    setRunning(true);
    worker_ = std::make_unique<DeployWorker>(setup, std::move(log), cards_,
                                             context_.volumes ? *context_.volumes : noVolumes,
                                             context_.history, clock_, *this);
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
    runAsEvent([this, line] { dialog().setControlCaption(res::many_cards::status, line); });
}

void ManyCardsForm::cardFinished(const CardReport& report) {
    runAsEvent([this, report] {
        const card::Volume& card = report.card;
        QStringList facts{QDir::toNativeSeparators(card.mountPoint)};
        for (const QString& fact : {card.label, card.uuid}) {
            if (!fact.isEmpty())
                facts << fact;
        }
        dialog().addEntry(cardsList,
                          QStringLiteral("%1 \u2014 %2: %3")
                              .arg(report.camera, facts.join(QStringLiteral(", ")), report.text));
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
        setRunning(false);
    });
}

} // namespace kestrova::fleet
