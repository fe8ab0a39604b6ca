#pragma once

#include "card/card_watch.h"
#include "common/clock.h"
#include "dialog/form_context.h"
#include "dialog/form_model.h"
#include "fleet/deploy_worker.h"
#include "fleet/return_loop.h"
#include "i18n/fleet_texts.h"

#include <QSet>

#include <functional>
#include <memory>

namespace kestrova::fleet {

// The many-cards window: a kit, a cameras table, a log, who sets the cameras up and when they go
// out in the field. It shows the cameras of the table from the start, each with its card and
// its state (from the log, then from the run), the next one marked; a double-click picks another
// to come next. Start runs the loop of many cards beside the window, which says what to do now in
// a large line; Stop ends it as Ctrl+C ends the command. The table stays across runs. Its cards
// may instead be those returned from the field: each one inserted is read, its return logged and
// the card ejected, and its camera's row says what it found.
class ManyCardsForm final : public dialog::FormModel, public DeployObserver {
public:
    // What tells of cards coming and going and ejects them, anew for each run.
    using CardServices = DeployWorker::CardServices;

    // `returned` reads returned cards; without it the window only sets cards up.
    ManyCardsForm(const dialog::FormContext& context, dialog::Host& host, CardServices cards,
                  ReturnedCardReaders returned = {});
    ~ManyCardsForm() override;

    void initialise() override;
    void listChanged(int id) override;
    void buttonPressed(int id) override;
    void editChanged(int id) override;
    void rowActivated(int id, int row) override;
    void closeRequested() override;

    bool running() const { return running_; }

private:
    void start();
    void startReturns();
    void stop();
    void setRunning(bool running);
    QString text(i18n::FleetText id) const;
    bool unusable(const QString& file, const std::optional<QString>& problem);
    QString logPath() const;
    // The cameras of the table as the files name them now, with what the log says of each.
    void readCameras();
    void showRows();
    // The row of a card the loop tells of: its camera's, or (without a cameras table) the card's
    // own, added when it is new.
    int rowOf(const CardReport& report, bool added);

    // What the loop tells, on this thread; each shown as one of the window's own events.
    void status(const QString& line) override;
    void nextCamera(int camera) override;
    void cameraDone(int camera, const LoggedCard& card) override;
    void cardStarted(const CardReport& report) override;
    void cardFinished(const CardReport& report) override;
    void ask(const QString& question) override;
    void finished(DeployEnd end, const QString& line) override;

    dialog::FormContext context_;
    CardServices cards_;
    ReturnedCardReaders returnedReaders_;
    bool returned_ = false; // the cards are returned ones, read and logged
    SystemClock clock_;
    std::unique_ptr<DeployWorker> worker_;
    bool running_ = false;

    // A row of the table: a camera and its card.
    enum class RowState { Waiting, Writing, Done, DoneBefore, Failed, Skipped, InField, Returned };
    struct Row {
        QString camera;
        QString location;
        QString card;
        RowState state = RowState::Waiting;
        QString said; // the result, or when a card done in an earlier run was written
    };
    QList<Row> rows_;
    bool byCamera_ = false; // the rows are the cameras table's, not the cards written
    int next_ = -1;         // the row marked as next
    QSet<QString> again_;   // cameras with a card done the owner wants written again
};

} // namespace kestrova::fleet
