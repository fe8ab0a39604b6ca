#pragma once

#include "card/card_watch.h"
#include "card/volumes.h"
#include "fleet/camera_list.h"
#include "fleet/card_loop.h"
#include "fleet/card_writer.h"
#include "fleet/deploy_log.h"
#include "i18n/fleet_texts.h"

#include <QDateTime>
#include <QSet>
#include <QString>

#include <atomic>
#include <optional>

namespace kestrova {
class Clock;
class FileHistory;
} // namespace kestrova

namespace kestrova::fleet {

// What one run of many cards is given.
struct DeploySetup {
    Kit kit;
    QByteArray kitSha256;
    QList<Camera> cameras; // none: every card gets the kit as it stands
    RecordDefaults defaults;
    QString setupBy;
    // When the cameras went out in the field, for those the cameras table gives no time:
    // the deployments' start.
    QString deploymentStart;
    QString cardFolder;  // when given, the one folder used as the card
    QString firstCamera; // the camera to begin with; none: the first without a card done
    QStringList again;   // cameras with a card done that get another one, which replaces it
    bool once = false;   // one card, then the end
    bool yes = false;    // every question about a card is answered yes
    int language = 2;    // of the texts
};

// How one card ended.
enum class CardOutcome {
    Done,
    Failed,     // its camera still needs a card
    Incomplete, // stopped during the card
    Skipped,    // the owner said no: nothing was written
};

// One card as the window lists it and the command prints it.
struct CardReport {
    int camera = -1;    // its row in the cameras table; -1 without one
    QString cameraName; // its id, or "#3" without a cameras table
    card::Volume card;
    CardOutcome outcome = CardOutcome::Done;
    QString text;        // the result in the setup's language
    bool logged = false; // it has its row in the log
};

// How a run ends.
enum class DeployEnd {
    AllDone,       // every camera's card, or the one card of --once
    Stopped,       // between cards
    StoppedInCard, // during a card, which is incomplete
    Failed,        // the one card of the run (--once, a folder) failed
};

// What the loop tells the window or the command.
class DeployObserver {
public:
    virtual ~DeployObserver() = default;
    virtual void status(const QString& text) = 0;
    // The camera whose card comes next (its row in the cameras table), -1 when none does.
    virtual void nextCamera(int /*camera*/) {}
    // A camera with a card done in the log, as the run begins or another run adds one.
    virtual void cameraDone(int /*camera*/, const LoggedCard& /*card*/) {}
    virtual void cardStarted(const CardReport& /*report*/) {}
    virtual void cardFinished(const CardReport& report) = 0;
    // A question, answered later through DeployLoop::answer.
    virtual void ask(const QString& question) = 0;
    virtual void finished(DeployEnd end, const QString& text) = 0;
};

// One card after another: it waits for a card, writes the next camera's files on it, logs it,
// ejects it, and goes on with the next camera, taking the cards in the order they came. It reads
// the log first and passes over every camera that has a card done there; a card that fails or is
// refused leaves its camera next, for another card. It is driven by events (the cards changed,
// an answer, a camera picked, stop), all on one thread; only requestStop may come from another.
// Nothing that is not a card (by the one rule of window and command) is ever written.
class DeployLoop final : public CardLoop {
public:
    DeployLoop(DeploySetup setup, const card::VolumeSource& volumes, card::CardEjector& ejector,
               DeployLog& log, FileHistory* history, const Clock& clock, DeployObserver& observer);

    // Reads the log, then looks at the cards in the readers now.
    void start() override;
    // The cards may have changed: one came, one went.
    void cardsChanged() override;
    // The owner's answer to the last question.
    void answer(bool yes) override;
    // The owner picks the camera whose card comes next; one with a card done is asked about.
    void pickCamera(int camera) override;
    // Ends the run: between cards at once, during a card once the file being written is in
    // place. Safe from any thread and from a signal handler.
    void requestStop() override { stop_.store(true); }
    // The event that follows requestStop on the loop's thread.
    void stopRequested() override;

    bool finished() const { return end_.has_value(); }
    std::optional<DeployEnd> end() const { return end_; }
    int written() const { return written_; }
    // The cameras whose card failed in this run and that got none since.
    QStringList stillFailed() const;

private:
    enum class State { Waiting, AskingCard, AskingCamera, Writing };

    QList<card::Volume> cardsNow();
    void readLog();
    bool pending(int camera) const;
    std::optional<int> nextPending(int from) const;
    void moveOn(int from);
    void takeNextCard();
    void offer(const card::Volume& card);
    void write(const card::Volume& card);
    // The card's row in the log; why it could not be written.
    std::optional<QString> logCard(const card::Volume& card, const CardWrite& written,
                                   const std::optional<LoggedCard>& replaced);
    void cardRefused(const card::Volume& card, const QString& why, bool skipped);
    void afterCard(const card::Volume& card, CardOutcome outcome);
    void finish(DeployEnd end, const QString& text);
    void showWaiting();
    QString text(i18n::FleetText id) const;
    QString cameraName() const;
    const Camera* camera() const;
    CardReport report(const card::Volume& card, CardOutcome outcome, const QString& text) const;

    DeploySetup setup_;
    const card::VolumeSource& volumes_;
    card::CardEjector& ejector_;
    DeployLog& log_;
    FileHistory* history_;
    const Clock& clock_;
    DeployObserver& observer_;
    std::atomic<bool> stop_{false};
    State state_ = State::Waiting;
    std::optional<DeployEnd> end_;
    int next_ = 0;                        // the camera whose card comes next
    int written_ = 0;                     // cards done in this run
    QList<card::Volume> seen_;            // the cards in the readers, in the order they came
    QList<card::Volume> handled_;         // those this run is done with, until they go
    std::optional<card::Volume> current_; // the card asked about
    int askedCamera_ = -1;                // the camera asked about
    PreparedKit prepared_;                // the current card's files
    QStringList cardWarnings_;            // what the current card was found to be, in English
    bool folderOnly_ = false;             // the card is a folder of the PC's, written once
    QDateTime preparedAt_;
    QMap<QString, LoggedCard> done_; // each camera's latest card done, by its id
    QMap<QString, QString> cardsOf_; // which camera the log says each card (by UUID) is for
    QSet<QString> again_;            // cameras to write again although they have a card
    QSet<QString> failed_;           // cameras whose card failed in this run
};

} // namespace kestrova::fleet
