#include "fleet/deploy_loop.h"

#include "camera/captured_time.h"
#include "card/system_volumes.h"
#include "card/volume_space.h"
#include "common/clock.h"
#include "common/profile_values.h"
#include "fleet/card_check.h"
#include "fleet/card_contents.h"
#include "fleet/card_order.h"
#include "fleet/plain_summary.h"
#include "i18n/fleet_texts.h"
#include "model/camera_model.h"
#include "storage/record_file.h"

#include <QFileInfo>

namespace kestrova::fleet {

using i18n::FleetText;

namespace {

QString clockText(const QDateTime& time) {
    const camera::CapturedTime t = camera::CapturedTime::capture(time);
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second))
        .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

// The result column of the log, in English whatever the run's language.
QString logResult(const CardWrite& written) {
    switch (written.result) {
    case CardWrite::Result::Done:
        return QStringLiteral("done");
    case CardWrite::Result::Failed:
        return QStringLiteral("failed: ") + written.problem(i18n::English);
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

QString DeployLoop::text(FleetText id) const {
    return i18n::fleetText(id, setup_.language);
}

void DeployLoop::start() {
    // A folder named as the card that holds no volume now is the run's one card; one that does
    // is a card's mount point, and the folder left when that card goes is never written.
    folderOnly_ = !setup_.cardFolder.isEmpty() && !volumes_.volumeAt(setup_.cardFolder) &&
                  !isMountPoint(setup_.cardFolder);
    for (const QString& id : std::as_const(setup_.again))
        again_.insert(id);
    readLog();
    if (!setup_.cameras.isEmpty()) {
        QStringList passed;
        for (qsizetype at = 0; at < setup_.cameras.size(); ++at) {
            const QString& id = setup_.cameras[at].id;
            if (!done_.contains(id))
                continue;
            observer_.cameraDone(int(at), done_[id]);
            if (!again_.contains(id))
                passed << id;
        }
        if (!passed.isEmpty())
            observer_.status(
                text(FleetText::PassingOverDone).arg(passed.join(QStringLiteral(", "))));
        int first = 0;
        for (qsizetype at = 0; at < setup_.cameras.size(); ++at) {
            if (setup_.cameras[at].id == setup_.firstCamera)
                first = int(at);
        }
        if (!setup_.firstCamera.isEmpty() && !pending(first)) {
            // The camera asked for has its card: only a yes writes it again.
            next_ = first;
            pickCamera(first);
            return;
        }
        moveOn(first);
        if (finished())
            return;
    }
    showWaiting();
    takeNextCard();
}

void DeployLoop::readLog() {
    done_.clear();
    cardsOf_.clear();
    for (const LoggedCard& card : log_.doneCards()) {
        if (!card.cameraId.isEmpty())
            done_[card.cameraId] = card;
        if (!card.uuid.isEmpty())
            cardsOf_[card.uuid] = card.cameraId;
    }
}

bool DeployLoop::pending(int camera) const {
    const QString& id = setup_.cameras[camera].id;
    return !done_.contains(id) || again_.contains(id);
}

std::optional<int> DeployLoop::nextPending(int from) const {
    const auto count = int(setup_.cameras.size());
    for (int step = 0; step < count; ++step) {
        const int camera = (from + step) % count;
        if (pending(camera))
            return camera;
    }
    return std::nullopt;
}

void DeployLoop::moveOn(int from) {
    const auto next = nextPending(from);
    if (!next) {
        finish(DeployEnd::AllDone, written_ > 0 ? text(FleetText::AllDone).arg(written_)
                                                : text(FleetText::NothingLeft));
        return;
    }
    next_ = *next;
    observer_.nextCamera(next_);
}

QList<card::Volume> DeployLoop::cardsNow() {
    QList<card::Volume> now;
    if (setup_.cardFolder.isEmpty()) {
        now = card::detectCards(volumes_);
        // A card that does not answer can be neither written nor read back.
        now.removeIf([](const card::Volume& card) { return !card.responding; });
    } else if (!card::volumeSpace(setup_.cardFolder, card::SystemVolumes::spaceWaitMs)) {
        // A file system that stopped answering holds no card the run could write.
    } else if (auto mounted = volumes_.volumeAt(setup_.cardFolder)) {
        // The folder named as the card: whatever is mounted there, or a folder of its own once.
        now = {*mounted};
    } else if (folderOnly_ && !end_ && QFileInfo(setup_.cardFolder).isDir()) {
        card::Volume folder;
        folder.mountPoint = setup_.cardFolder;
        now = {folder};
    }
    seen_ = inArrivalOrder(seen_, now);
    handled_.removeIf([this](const card::Volume& card) { return !holds(seen_, card); });
    return seen_;
}

const Camera* DeployLoop::camera() const {
    return setup_.cameras.isEmpty() ? nullptr : &setup_.cameras[next_];
}

QString DeployLoop::cameraName() const {
    if (const Camera* each = camera())
        return each->id;
    return QStringLiteral("#%1").arg(written_ + 1);
}

CardReport DeployLoop::report(const card::Volume& card, CardOutcome outcome,
                              const QString& said) const {
    return {camera() ? next_ : -1, cameraName(), card, outcome, said, false};
}

void DeployLoop::showWaiting() {
    if (setup_.cameras.isEmpty()) {
        observer_.status(text(FleetText::InsertNextCard).arg(written_));
        return;
    }
    const FleetText insert =
        failed_.contains(cameraName()) ? FleetText::InsertAnotherCardFor : FleetText::InsertCardFor;
    observer_.status(text(insert).arg(cameraName()).arg(next_ + 1).arg(setup_.cameras.size()));
}

QStringList DeployLoop::stillFailed() const {
    QStringList failed = failed_.values();
    failed.sort();
    return failed;
}

void DeployLoop::cardsChanged() {
    if (finished())
        return;
    if (stop_.load()) {
        stopRequested();
        return;
    }
    const QList<card::Volume> cards = cardsNow();
    // A card asked about that goes is passed by; the answer that comes later is not heard.
    if (state_ == State::AskingCard && !holds(cards, *current_)) {
        current_.reset();
        state_ = State::Waiting;
        showWaiting();
    }
    takeNextCard();
}

void DeployLoop::takeNextCard() {
    if (finished() || state_ != State::Waiting)
        return;
    if (stop_.load()) {
        stopRequested();
        return;
    }
    for (const card::Volume& card : cardsNow()) {
        if (!holds(handled_, card)) {
            offer(card);
            return;
        }
    }
}

void DeployLoop::offer(const card::Volume& card) {
    // Another run may have done this camera meanwhile.
    readLog();
    if (!setup_.cameras.isEmpty() && !pending(next_)) {
        moveOn(next_);
        if (finished())
            return;
        showWaiting();
    }
    current_ = card;
    preparedAt_ = clock_.now();
    prepared_ = prepareKit(setup_.kit, camera() ? camera()->values : QList<CameraValue>{},
                           preparedAt_, setup_.defaults);
    if (prepared_.refusal) {
        finish(DeployEnd::Failed, text(FleetText::CardFailed)
                                      .arg(cameraName(), prepared_.refusal->text(setup_.language)));
        return;
    }
    const CardCheck check = checkCard(card, prepared_.files, setup_.kit.model, setup_.language);
    cardWarnings_ = check.englishWarnings;
    if (check.readOnly) {
        cardRefused(card, text(FleetText::ReadOnlyCard), false);
        return;
    }
    if (const auto obstacle = cardObstacle(card.mountPoint, prepared_.files)) {
        cardRefused(card, obstacle->text(setup_.language), false);
        return;
    }

    QStringList question;
    if (!check.warnings.isEmpty()) {
        QStringList lines{text(FleetText::CardWarnings).arg(card.mountPoint)};
        for (const QString& warning : check.warnings)
            lines << QStringLiteral("\u2013 ") + warning;
        question << lines.join(u'\n');
    }
    const QString ofCamera = cardsOf_.value(card.uuid);
    if (!card.uuid.isEmpty() && !ofCamera.isEmpty() && ofCamera != cameraName())
        question << text(FleetText::CardOfOtherCamera)
                        .arg(card.mountPoint, ofCamera,
                             done_.value(ofCamera).describe(setup_.language));
    if (const auto other = otherContents(card.mountPoint, prepared_.files, setup_.kit.model)) {
        const FleetText asked =
            other->kind == OtherContents::Kind::OtherCamera ? FleetText::AskOtherCamera
            : other->kind == OtherContents::Kind::OtherKit  ? FleetText::AskOtherKit
                                                            : FleetText::AskDamaged;
        question << text(asked).arg(
            card.mountPoint,
            other->kind == OtherContents::Kind::OtherCamera ? other->serial : other->fileName,
            cameraName());
    } else if (!question.isEmpty()) {
        question << text(FleetText::AskWriteAnyway).arg(cameraName());
    }
    if (!question.isEmpty() && !setup_.yes) {
        state_ = State::AskingCard;
        observer_.ask(question.join(u'\n'));
        return;
    }
    write(card);
}

void DeployLoop::answer(bool yes) {
    if (finished())
        return;
    if (state_ == State::AskingCamera) {
        state_ = State::Waiting;
        const int asked = std::exchange(askedCamera_, -1);
        if (yes) {
            again_.insert(setup_.cameras[asked].id);
            next_ = asked;
            observer_.nextCamera(next_);
        } else if (!pending(next_)) {
            moveOn(asked);
            if (finished())
                return;
        }
        showWaiting();
        takeNextCard();
        return;
    }
    if (state_ != State::AskingCard)
        return;
    state_ = State::Waiting;
    if (yes && !stop_.load()) {
        write(*current_);
        return;
    }
    cardRefused(*current_, text(FleetText::ResultSkipped), true);
    if (stop_.load())
        stopRequested();
}

void DeployLoop::pickCamera(int picked) {
    if (finished() || state_ != State::Waiting || picked < 0 || picked >= setup_.cameras.size())
        return;
    const QString& id = setup_.cameras[picked].id;
    if (!pending(picked)) {
        state_ = State::AskingCamera;
        askedCamera_ = picked;
        observer_.ask(text(FleetText::AskAgain).arg(id, done_.value(id).describe(setup_.language)));
        return;
    }
    next_ = picked;
    observer_.nextCamera(next_);
    showWaiting();
    takeNextCard();
}

void DeployLoop::write(const card::Volume& card) {
    state_ = State::Writing;
    observer_.cardStarted(report(card, CardOutcome::Done, text(FleetText::StateWriting)));
    observer_.status(text(FleetText::Writing).arg(cameraName(), card.mountPoint));
    WriteOptions options;
    // A card taken at its mount point must still be there when each file is written.
    options.mustBeMountPoint = isMountPoint(card.mountPoint);
    options.volume = card.identity();
    options.volumeAt = [this](const QString& folder) {
        return card::identityAt(&volumes_, folder);
    };
    options.history = history_;
    CardWrite written = writeToCard(card.mountPoint, prepared_.files, options, stop_);
    state_ = State::Waiting;

    // A card that is as it was has nothing to log: its camera waits for another card.
    if (!written.changedCard()) {
        if (written.result == CardWrite::Result::Incomplete) {
            stopRequested();
            return;
        }
        cardRefused(card, written.problem(setup_.language), false);
        return;
    }
    const std::optional<LoggedCard> replaced = camera() && done_.contains(cameraName())
                                                   ? std::optional(done_.value(cameraName()))
                                                   : std::nullopt;
    const std::optional<QString> notLogged = logCard(card, written, replaced);

    CardOutcome outcome = CardOutcome::Done;
    QString said;
    if (notLogged) {
        // A card the log does not know of is a card nobody can trace: that fails the card.
        outcome = CardOutcome::Failed;
        said = text(FleetText::ResultFailed).arg(text(FleetText::LogNotWritten).arg(*notLogged));
    } else if (written.result == CardWrite::Result::Failed) {
        outcome = CardOutcome::Failed;
        said = text(FleetText::ResultFailed).arg(written.problem(setup_.language));
    } else if (written.result == CardWrite::Result::Incomplete) {
        outcome = CardOutcome::Incomplete;
        said = text(FleetText::ResultIncomplete);
    } else {
        said = replaced
                   ? text(FleetText::ResultDoneReplacing).arg(replaced->describe(setup_.language))
                   : text(FleetText::ResultDone);
    }
    for (const QString& warning : std::as_const(written.warnings))
        said += QStringLiteral(" (%1)").arg(warning);
    CardReport finished = report(card, outcome, said);
    finished.logged = !notLogged;
    observer_.cardFinished(finished);

    if (outcome == CardOutcome::Incomplete) {
        finish(DeployEnd::StoppedInCard,
               text(FleetText::StoppedDuringCard).arg(finished.cameraName));
        return;
    }
    if (outcome == CardOutcome::Done) {
        ++written_;
        failed_.remove(finished.cameraName);
        again_.remove(finished.cameraName);
        if (camera())
            done_[finished.cameraName] = {finished.cameraName, clock_.now().toString(Qt::ISODate),
                                          card.uuid, card.label};
        if (!card.uuid.isEmpty())
            cardsOf_[card.uuid] = camera() ? finished.cameraName : QString();
    } else {
        failed_.insert(finished.cameraName);
    }
    afterCard(card, outcome);
}

std::optional<QString> DeployLoop::logCard(const card::Volume& card, const CardWrite& written,
                                           const std::optional<LoggedCard>& replaced) {
    LogEntry entry;
    const QDateTime now = clock_.now();
    entry.written = now.toOffsetFromUtc(now.offsetFromUtc());
    entry.cameraId = camera() ? camera()->id : QString();
    entry.model = cameraModel(setup_.kit.model).nameText();
    entry.device = card.device;
    // A label is the card's own: whatever it holds is shown, never acted on.
    entry.label = escapedText(card.label);
    entry.uuid = card.uuid;
    for (const WrittenFile& file : written.files)
        entry.sha256[file.fileName] = QString::fromLatin1(file.sha256);
    if (setup_.kit.section(KitPart::Menu))
        entry.clock = clockText(preparedAt_);
    entry.kitName = setup_.kit.name;
    entry.kitSha256 = QString::fromLatin1(setup_.kitSha256);
    entry.result = logResult(written);
    entry.setupBy = setup_.setupBy;
    if (prepared_.intervalSeconds)
        entry.cameraDelay = QString::number(*prepared_.intervalSeconds);
    entry.summary = plainSummary(prepared_.files, setup_.kit.model);
    entry.cardWarnings = cardWarnings_.join(QStringLiteral(" "));
    entry.replaces = replaced ? replaced->describe() : QString();
    if (camera())
        entry.carried = camera()->carried;
    if (!setup_.deploymentStart.isEmpty() &&
        entry.carried.value(QStringLiteral("deploymentStart")).isEmpty())
        entry.carried[QStringLiteral("deploymentStart")] = setup_.deploymentStart;

    const LogAppend appended = log_.append(entry);
    if (appended.endedDamagedRow)
        observer_.status(
            text(FleetText::LogEndedDamaged).arg(log_.path()).arg(*appended.endedDamagedRow));
    if (appended.replaced)
        observer_.status(text(FleetText::LogReplaced).arg(log_.path()));
    return appended.problem;
}

void DeployLoop::cardRefused(const card::Volume& card, const QString& why, bool skipped) {
    const CardOutcome outcome = skipped ? CardOutcome::Skipped : CardOutcome::Failed;
    const CardReport refused =
        report(card, outcome, skipped ? why : text(FleetText::ResultFailed).arg(why));
    if (!skipped)
        failed_.insert(refused.cameraName);
    observer_.cardFinished(refused);
    afterCard(card, outcome);
}

void DeployLoop::afterCard(const card::Volume& card, CardOutcome outcome) {
    if (!holds(handled_, card))
        handled_ << card;
    current_.reset();
    const QString camera = cameraName();
    // A card the owner said no to is left as it is; only a device can be ejected, and a folder
    // of the PC's is not removed at all.
    if (outcome == CardOutcome::Skipped) {
        observer_.status(text(FleetText::RemoveSkipped).arg(card.mountPoint));
    } else if (!card.device.isEmpty()) {
        const std::optional<QString> notEjected =
            ejectCard(ejector_, volumes_, card, setup_.language);
        if (outcome == CardOutcome::Done)
            observer_.status(
                notEjected ? text(FleetText::RemoveByHand).arg(camera, *notEjected, card.mountPoint)
                           : text(FleetText::RemoveEjected).arg(camera));
        else
            observer_.status(
                notEjected ? text(FleetText::RemoveFailedByHand).arg(card.mountPoint, *notEjected)
                           : text(FleetText::RemoveFailed).arg(card.mountPoint));
    } else if (!folderOnly_) {
        observer_.status(outcome == CardOutcome::Done
                             ? text(FleetText::RemoveCard).arg(camera, card.mountPoint)
                             : text(FleetText::RemoveFailed).arg(card.mountPoint));
    }

    // A folder that is no mount point never goes: it is the run's one card. --once ends with the
    // one card done.
    if (setup_.once && outcome == CardOutcome::Done && !folderOnly_) {
        finish(DeployEnd::AllDone, text(FleetText::OneCardWritten).arg(camera));
        return;
    }
    if (folderOnly_) {
        switch (outcome) {
        case CardOutcome::Done:
            finish(DeployEnd::AllDone, text(FleetText::OneCardWritten).arg(camera));
            return;
        case CardOutcome::Skipped:
            finish(DeployEnd::Stopped, text(FleetText::Stopped).arg(written_));
            return;
        case CardOutcome::Failed:
        case CardOutcome::Incomplete:
            finish(DeployEnd::Failed, text(FleetText::CardNotWritten).arg(camera));
            return;
        }
    }
    if (outcome == CardOutcome::Done && !setup_.cameras.isEmpty()) {
        moveOn(next_ + 1);
        if (finished())
            return;
    }
    showWaiting();
    takeNextCard();
}

void DeployLoop::stopRequested() {
    stop_.store(true);
    if (finished())
        return;
    finish(DeployEnd::Stopped, text(FleetText::Stopped).arg(written_));
}

void DeployLoop::finish(DeployEnd end, const QString& said) {
    end_ = end;
    observer_.nextCamera(-1);
    observer_.finished(end, said);
}

} // namespace kestrova::fleet
