#pragma once

#include "card/card_watch.h"
#include "common/clock.h"
#include "dialog/form_context.h"
#include "dialog/form_model.h"
#include "fleet/deploy_worker.h"
#include "i18n/fleet_texts.h"

#include <functional>
#include <memory>

namespace kestrova::fleet {

// The many-cards window: a kit, a cameras table, a log and who sets the cameras up; Start runs
// the loop of many cards beside the window, which shows what it does now in a large line and
// each card done below; Stop ends it as Ctrl+C ends the command.
class ManyCardsForm final : public dialog::FormModel, public DeployObserver {
public:
    // What tells of cards coming and going and ejects them, anew for each run.
    using CardServices = DeployWorker::CardServices;

    ManyCardsForm(const dialog::FormContext& context, dialog::Host& host, CardServices cards);
    ~ManyCardsForm() override;

    void initialise() override;
    void buttonPressed(int id) override;
    void closeRequested() override;

    bool running() const { return running_; }

private:
    void start();
    void stop();
    void setRunning(bool running);
    QString text(i18n::FleetText id) const;
    bool unusable(const QString& file, const std::optional<QString>& problem);

    // What the loop tells, on this thread; each shown as one of the window's own events.
    void status(const QString& line) override;
    void cardFinished(const CardReport& report) override;
    void ask(const QString& question) override;
    void finished(DeployEnd end, const QString& line) override;

    dialog::FormContext context_;
    CardServices cards_;
    SystemClock clock_;
    std::unique_ptr<DeployWorker> worker_;
    bool running_ = false;
};

} // namespace kestrova::fleet
