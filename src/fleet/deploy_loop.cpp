#include "fleet/deploy_loop.h"

#include "camera/captured_time.h"
#include "common/clock.h"
#include "fleet/card_contents.h"
#include "fleet/plain_summary.h"
#include "i18n/fleet_texts.h"
#include "model/camera_model.h"
#include "storage/record_file.h"

#include <QFileInfo>

namespace kestrova::fleet {

using i18n::FleetText;

namespace {

bool sameCard(const card::Volume& a, const card::Volume& b) {
    return a.mountPoint == b.mountPoint && a.device == b.device && a.uuid == b.uuid;
}

QString clockText(const QDateTime& time) {
    const camera::CapturedTime t = camera::CapturedTime::capture(time);
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second))
        .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QString resultText(CardWrite::Result result, const QString& problem) {
    switch (result) {
    case CardWrite::Result::Done:
        return QStringLiteral("done");
    case CardWrite::Result::Failed:
        return QStringLiteral("failed: ") + problem;
    case CardWrite::Result::Incomplete:
        break;
    }
    return QStringLiteral("incomplete");
}

} // namespace

DeployLoop::DeployLoop(DeploySetup setup, const card::VolumeSource& volumes,
                       card::CardEjector& ejector, DeployLog& log, FileHistory* history,
                       const Clock& clock, DeployObserver& observer)
    : setup_(std::move(setup))
    , volumes_(volumes)
    , ejector_(ejector)
    , log_(log)
    , history_(history)
    , clock_(clock)
    , observer_(observer) {}

void DeployLoop::start() {
    // A folder named as the card that holds no volume now is the run's one card; one that does
    // is a card's mount point, and the folder left when that card goes is never written.
    folderOnly_ = !setup_.cardFolder.isEmpty() && !volumes_.volumeAt(setup_.cardFolder) &&
                  !isMountPoint(setup_.cardFolder);
    showWaiting();
    takeNextCard();
}

QList<card::Volume> DeployLoop::cardsNow() const {
    if (setup_.cardFolder.isEmpty()) {
        QList<card::Volume> cards = card::detectCards(volumes_);
        // A card that does not answer can be neither written nor read back.
        cards.removeIf([](const card::Volume& card) { return !card.responding; });
        return cards;
    }
    // The folder named as the card: whatever is mounted there, or a folder of its own once.
    if (auto mounted = volumes_.volumeAt(setup_.cardFolder))
        return {*mounted};
    if (folderOnly_ && !end_ && QFileInfo(setup_.cardFolder).isDir()) {
        card::Volume folder;
        folder.mountPoint = setup_.cardFolder;
        return {folder};
    }
    return {};
}

bool DeployLoop::present(const card::Volume& card) const {
    const QList<card::Volume> cards = cardsNow();
    return std::any_of(cards.begin(), cards.end(),
                       [&card](const card::Volume& other) { return sameCard(card, other); });
}

const Camera* DeployLoop::camera() const {
    return setup_.cameras.isEmpty() ? nullptr : &setup_.cameras[next_];
}

bool DeployLoop::lastCamera() const {
    return !setup_.cameras.isEmpty() && next_ >= setup_.cameras.size();
}

QString DeployLoop::cameraName() const {
    if (const Camera* each = camera())
        return each->id;
    return QStringLiteral("#%1").arg(written_ + 1);
}

void DeployLoop::showWaiting() {
    if (setup_.cameras.isEmpty())
        observer_.status(i18n::fleetText(FleetText::InsertNextCard, setup_.language).arg(written_));
    else
        observer_.status(i18n::fleetText(FleetText::InsertCardFor, setup_.language)
                             .arg(cameraName())
                             .arg(next_ + 1)
                             .arg(setup_.cameras.size()));
}

void DeployLoop::cardsChanged() {
    if (finished())
        return;
    if (stop_.load()) {
        stopRequested();
        return;
    }
    // A card asked about that goes is passed by; the answer that comes later is not heard.
    if ((state_ == State::Removing || state_ == State::Asking) && !present(*current_)) {
        current_.reset();
        state_ = State::Waiting;
        showWaiting();
    }
    if (state_ == State::Waiting)
        takeNextCard();
}

void DeployLoop::takeNextCard() {
    if (finished() || state_ != State::Waiting)
        return;
    if (stop_.load()) {
        stopRequested();
        return;
    }
    const QList<card::Volume> cards = cardsNow();
    if (cards.isEmpty())
        return;
    const card::Volume& card = cards.first();
    current_ = card;
    preparedAt_ = clock_.now();
    prepared_ = prepareKit(setup_.kit, camera() ? camera()->values : QList<CameraValue>{},
                           preparedAt_, setup_.defaults);
    if (prepared_.refusal) {
        finish(DeployEnd::Failed, i18n::fleetText(FleetText::CardFailed, setup_.language)
                                      .arg(cameraName(), prepared_.refusal->message));
        return;
    }
    const auto other = otherContents(card.mountPoint, prepared_.files, setup_.kit.model);
    if (other && !setup_.yes) {
        state_ = State::Asking;
        const FleetText question =
            other->kind == OtherContents::Kind::OtherCamera ? FleetText::AskOtherCamera
            : other->kind == OtherContents::Kind::OtherKit  ? FleetText::AskOtherKit
                                                            : FleetText::AskDamaged;
        observer_.ask(i18n::fleetText(question, setup_.language)
                          .arg(card.mountPoint,
                               other->kind == OtherContents::Kind::OtherCamera ? other->serial
                                                                               : other->fileName,
                               cameraName()));
        return;
    }
    write(card);
}

void DeployLoop::answer(bool yes) {
    if (finished() || state_ != State::Asking)
        return;
    state_ = State::Waiting;
    if (yes && !stop_.load()) {
        write(*current_);
        return;
    }
    CardReport report{cameraName(), *current_, CardWrite::Result::Done, true,
                      i18n::fleetText(FleetText::ResultSkipped, setup_.language)};
    observer_.cardFinished(report);
    if (stop_.load()) {
        stopRequested();
        return;
    }
    afterCard(*current_, report.camera, true);
}

void DeployLoop::write(const card::Volume& card) {
    observer_.status(
        i18n::fleetText(FleetText::Writing, setup_.language).arg(cameraName(), card.mountPoint));
    WriteOptions options;
    // A card taken at its mount point must still be there when each file is written.
    options.mustBeMountPoint = isMountPoint(card.mountPoint);
    options.volume = card.identity();
    options.volumeAt = [this](const QString& folder) {
        return card::identityAt(&volumes_, folder);
    };
    options.history = history_;
    CardWrite written =
        writeToCard(card.mountPoint, prepared_.files, options, stop_, setup_.language);

    LogEntry entry;
    const QDateTime now = clock_.now();
    entry.written = now.toOffsetFromUtc(now.offsetFromUtc());
    entry.cameraId = camera() ? camera()->id : QString();
    entry.model = cameraModel(setup_.kit.model).nameText();
    entry.device = card.device;
    entry.label = card.label;
    entry.uuid = card.uuid;
    for (const WrittenFile& file : written.files)
        entry.sha256[file.fileName] = QString::fromLatin1(file.sha256);
    if (setup_.kit.section(KitPart::Menu))
        entry.clock = clockText(preparedAt_);
    entry.kitName = setup_.kit.name;
    entry.kitSha256 = QString::fromLatin1(setup_.kitSha256);
    entry.result = resultText(written.result, written.problem);
    entry.setupBy = setup_.setupBy;
    if (prepared_.intervalSeconds)
        entry.cameraDelay = QString::number(*prepared_.intervalSeconds);
    entry.summary = plainSummary(prepared_.files, setup_.kit.model);
    if (camera())
        entry.carried = camera()->carried;
    // A card the log does not know of is a card nobody can trace: that fails the card.
    if (const auto problem = log_.append(entry)) {
        written.result = CardWrite::Result::Failed;
        written.problem = QStringLiteral("the log could not be written: %1").arg(*problem);
    }

    CardReport report{cameraName(), card, written.result, false, {}};
    switch (written.result) {
    case CardWrite::Result::Done:
        report.text = i18n::fleetText(FleetText::ResultDone, setup_.language);
        break;
    case CardWrite::Result::Failed:
        report.text =
            i18n::fleetText(FleetText::ResultFailed, setup_.language).arg(written.problem);
        break;
    case CardWrite::Result::Incomplete:
        report.text = i18n::fleetText(FleetText::ResultIncomplete, setup_.language);
        break;
    }
    for (const QString& warning : std::as_const(written.warnings))
        report.text += QStringLiteral(" (%1)").arg(warning);
    observer_.cardFinished(report);

    if (written.result == CardWrite::Result::Failed) {
        finish(DeployEnd::Failed, i18n::fleetText(FleetText::CardFailed, setup_.language)
                                      .arg(report.camera, written.problem));
        return;
    }
    if (written.result == CardWrite::Result::Incomplete) {
        finish(DeployEnd::StoppedInCard,
               i18n::fleetText(FleetText::StoppedDuringCard, setup_.language).arg(report.camera));
        return;
    }
    ++written_;
    if (!setup_.cameras.isEmpty())
        ++next_;
    afterCard(card, report.camera, false);
}

void DeployLoop::afterCard(const card::Volume& card, const QString& camera, bool skipped) {
    // Only a device can be ejected; a folder of the PC's is not removed at all.
    std::optional<QString> notEjected = QString();
    if (!card.device.isEmpty() && !skipped)
        notEjected = ejector_.eject(card);
    if (skipped)
        observer_.status(
            i18n::fleetText(FleetText::RemoveSkipped, setup_.language).arg(card.mountPoint));
    else if (!notEjected)
        observer_.status(i18n::fleetText(FleetText::RemoveEjected, setup_.language).arg(camera));
    else if (!folderOnly_)
        observer_.status(
            i18n::fleetText(FleetText::RemoveCard, setup_.language).arg(camera, card.mountPoint));
    // A folder that is no mount point never goes: it is the one card of the run.
    if (skipped && folderOnly_) {
        finish(DeployEnd::Stopped,
               i18n::fleetText(FleetText::Stopped, setup_.language).arg(written_));
        return;
    }
    if (!skipped && (setup_.once || lastCamera() || folderOnly_)) {
        finish(DeployEnd::AllDone,
               lastCamera() || (setup_.cameras.isEmpty() && !setup_.once)
                   ? i18n::fleetText(FleetText::AllDone, setup_.language).arg(written_)
                   : i18n::fleetText(FleetText::OneCardWritten, setup_.language).arg(camera));
        return;
    }
    // The next card comes once this one is gone, which an ejected card already is.
    state_ = State::Removing;
    current_ = card;
    cardsChanged();
}

void DeployLoop::stopRequested() {
    stop_.store(true);
    if (finished())
        return;
    finish(DeployEnd::Stopped, i18n::fleetText(FleetText::Stopped, setup_.language).arg(written_));
}

void DeployLoop::finish(DeployEnd end, const QString& text) {
    end_ = end;
    observer_.finished(end, text);
}

} // namespace kestrova::fleet
