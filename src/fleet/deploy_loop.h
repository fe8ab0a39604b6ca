#pragma once

#include "card/card_watch.h"
#include "card/volumes.h"
#include "fleet/camera_list.h"
#include "fleet/card_writer.h"
#include "fleet/deploy_log.h"

#include <QDateTime>
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
    QString cardFolder; // when given, the one folder used as the card
    bool once = false;  // one card, then the end
    bool yes = false;   // a card holding other files is written without asking
    int language = 2;   // of the texts
};

// One card as the window lists it and the command prints it.
struct CardReport {
    QString camera; // its id, or "#3" without a cameras table
    card::Volume card;
    CardWrite::Result result = CardWrite::Result::Done;
    bool skipped = false; // the owner said no: nothing was written
    QString text;         // the result in the setup's language
};

// How a run ends.
enum class DeployEnd {
    AllDone,       // every camera's card, or the one card of --once
    Stopped,       // between cards
    StoppedInCard, // during a card, which is incomplete
    Failed,        // a card failed, or its log row could not be written
};

// What the loop tells the window or the command.
class DeployObserver {
public:
    virtual ~DeployObserver() = default;
    virtual void status(const QString& text) = 0;
    virtual void cardFinished(const CardReport& report) = 0;
    // A question, answered later through DeployLoop::answer.
    virtual void ask(const QString& question) = 0;
    virtual void finished(DeployEnd end, const QString& text) = 0;
};

// One card after another: it waits for a card, writes the next camera's files on it, logs it,
// ejects it, waits for it to go, and goes on with the next camera. It is driven by events (the
// cards changed, an answer, stop), all on one thread; only requestStop may come from another.
// Nothing that is not a card (by the one rule of window and command) is ever written.
class DeployLoop {
public:
    DeployLoop(DeploySetup setup, const card::VolumeSource& volumes, card::CardEjector& ejector,
               DeployLog& log, FileHistory* history, const Clock& clock, DeployObserver& observer);

    // Looks at the cards in the readers now.
    void start();
    // The cards may have changed: one came, one went.
    void cardsChanged();
    // The owner's answer to the question about a card holding other files.
    void answer(bool yes);
    // Ends the run: between cards at once, during a card once the file being written is in
    // place. Safe from any thread and from a signal handler.
    void requestStop() { stop_.store(true); }
    // The event that follows requestStop on the loop's thread.
    void stopRequested();

    bool finished() const { return end_.has_value(); }
    std::optional<DeployEnd> end() const { return end_; }
    int written() const { return written_; }

private:
    enum class State { Waiting, Asking, Removing };

    QList<card::Volume> cardsNow() const;
    bool present(const card::Volume& card) const;
    void takeNextCard();
    void write(const card::Volume& card);
    void afterCard(const card::Volume& card, const QString& camera, bool skipped);
    void finish(DeployEnd end, const QString& text);
    void showWaiting();
    QString cameraName() const;
    const Camera* camera() const;
    bool lastCamera() const;

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
    int written_ = 0;                     // cards done
    std::optional<card::Volume> current_; // the card asked about, or waited to go
    PreparedKit prepared_;                // its files
    bool folderOnly_ = false;             // the card is a folder of the PC's, written once
    QDateTime preparedAt_;
};

} // namespace kestrova::fleet
