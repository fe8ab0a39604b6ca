#pragma once

#include "fleet/deploy_loop.h"

#include <QThread>

#include <memory>

namespace kestrova::fleet {

// Runs the loop of many cards on a thread of its own, so that a window stays responsive while
// a card is written; whatever the loop tells comes to `observer` on the thread that made the
// worker, through its event loop.
class DeployWorker {
public:
    DeployWorker(DeploySetup setup, std::unique_ptr<DeployLog> log,
                 std::unique_ptr<card::CardService> cards, const card::VolumeSource& volumes,
                 FileHistory* history, const Clock& clock, DeployObserver& observer);
    // Stops the loop (a card being written gets its file finished and is logged) and waits.
    ~DeployWorker();
    DeployWorker(const DeployWorker&) = delete;
    DeployWorker& operator=(const DeployWorker&) = delete;

    void answer(bool yes);
    void stop();

private:
    struct Relay;
    void post(std::function<void(DeployLoop&)> event);

    std::unique_ptr<DeployLog> log_;
    std::unique_ptr<card::CardService> cards_;
    std::unique_ptr<Relay> relay_;
    std::unique_ptr<DeployLoop> loop_;
    QThread thread_;
    QObject* context_; // lives on thread_
};

} // namespace kestrova::fleet
