#include "fleet/return_loop.h"

#include "fleet/card_order.h"

#include <algorithm>

namespace kestrova::fleet {

using i18n::FleetText;

ReturnLoop::ReturnLoop(QStringList cameras, ReadReturnedCard read,
                       const card::VolumeSource& volumes, card::CardEjector& ejector,
                       DeployObserver& observer, int language)
    : cameras_(std::move(cameras))
    , reader_(std::move(read))
    , volumes_(volumes)
    , ejector_(ejector)
    , observer_(observer)
    , language_(language) {}

QString ReturnLoop::text(FleetText id) const {
    return i18n::fleetText(id, language_);
}

void ReturnLoop::start() {
    observer_.status(text(FleetText::InsertReturnedCard).arg(read_));
    cardsChanged();
}

void ReturnLoop::cardsChanged() {
    // One card at a time: the next comes once this one is read.
    while (!finished_) {
        if (stop_.load()) {
            stopRequested();
            return;
        }
        QList<card::Volume> now = card::detectCards(volumes_);
        // A card that does not answer cannot be read.
        now.removeIf([](const card::Volume& card) { return !card.responding; });
        seen_ = inArrivalOrder(seen_, now);
        handled_.removeIf([this](const card::Volume& card) { return !holds(seen_, card); });
        const auto next =
            std::find_if(seen_.begin(), seen_.end(),
                         [this](const card::Volume& card) { return !holds(handled_, card); });
        if (next == seen_.end())
            return;
        readCard(*next);
    }
}

void ReturnLoop::readCard(const card::Volume& card) {
    handled_ << card;
    CardReport report;
    report.card = card;
    report.cameraName = QStringLiteral("#%1").arg(read_ + 1);
    observer_.cardStarted(report);
    observer_.status(text(FleetText::ReadingCard).arg(card.mountPoint));
    const std::optional<ReturnedCard> returned = reader_(card, stop_);
    if (!returned) {
        stopRequested();
        return;
    }
    if (!returned->cameraId.isEmpty()) {
        report.cameraName = returned->cameraId;
        report.camera = static_cast<int>(cameras_.indexOf(returned->cameraId));
    }
    if (returned->problem) {
        report.outcome = CardOutcome::Failed;
        report.text = text(FleetText::ResultFailed).arg(*returned->problem);
    } else {
        ++read_;
        report.text = text(FleetText::ResultReturned).arg(returned->text);
        report.logged = true;
    }
    observer_.cardFinished(report);
    if (returned->problem)
        observer_.status(text(FleetText::ReturnNotRead).arg(card.mountPoint, *returned->problem));
    else
        eject(card, report.cameraName);
}

void ReturnLoop::eject(const card::Volume& card, const QString& whose) {
    if (card.device.isEmpty()) {
        observer_.status(text(FleetText::ReturnedRemove).arg(whose, card.mountPoint));
        return;
    }
    const std::optional<QString> notEjected = ejectCard(ejector_, volumes_, card, language_);
    observer_.status(
        notEjected ? text(FleetText::ReturnedRemoveByHand).arg(whose, *notEjected, card.mountPoint)
                   : text(FleetText::ReturnedEjected).arg(whose));
}

void ReturnLoop::stopRequested() {
    stop_.store(true);
    if (finished_)
        return;
    finished_ = true;
    observer_.finished(DeployEnd::Stopped, text(FleetText::ReturnsStopped).arg(read_));
}

} // namespace kestrova::fleet
