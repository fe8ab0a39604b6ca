#pragma once

#include "fleet/deploy_loop.h"

#include <QThread>

#include <functional>
#include <memory>

namespace kestrova::fleet {

// Runs the loop of many cards on a thread of its own, so that a window stays responsive while
// a card is written; whatever the loop tells comes to `observer` on the thread that made the
// worker, through its event loop.
class DeployWorker {
public:
    // Makes what tells of cards coming and going and ejects them, on the loop's thread.
    using CardServices = std::function<std::unique_ptr<card::CardService>()>;

    DeployWorker(DeploySetup setup, std::unique_ptr<DeployLog> log, CardServices cards,
                 const card::VolumeSource& volumes, FileHistory* history, const Clock& clock,
                 DeployObserver& observer);
    // Stops the loop (a card being written gets its file finished and is logged) and waits.
    ~DeployWorker();
    DeployWorker(const DeployWorker&) = delete;
    DeployWorker& operator=(const DeployWorker&) = delete;

    void answer(bool yes);
    void pickCamera(int camera);
    void stop();

private:
    struct Relay;
    struct Cards;
    void post(std::function<void(DeployLoop&)> event);

    std::unique_ptr<DeployLog> log_;
    std::unique_ptr<Cards> cards_;
    std::unique_ptr<Relay> relay_;
    std::unique_ptr<DeployLoop> loop_;
    QThread thread_;
    QObject* context_; // lives on thread_
};

} // namespace kestrova::fleet
