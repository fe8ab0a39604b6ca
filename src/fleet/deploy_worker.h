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

    // Makes the loop on the worker's ejector and telling the worker's relay.
    using MakeLoop = std::function<std::unique_ptr<CardLoop>(card::CardEjector&, DeployObserver&)>;

    DeployWorker(DeploySetup setup, std::unique_ptr<DeployLog> log, CardServices cards,
                 const card::VolumeSource& volumes, FileHistory* history, const Clock& clock,
                 DeployObserver& observer);
    // Runs another loop of cards the same way (the returned cards of the many-cards window).
    DeployWorker(const MakeLoop& makeLoop, CardServices cards, DeployObserver& observer);
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
    DeployWorker(CardServices cards, DeployObserver& observer);
    void begin(std::unique_ptr<CardLoop> loop);
    void post(std::function<void(CardLoop&)> event);

    CardServices makeCards_;
    std::unique_ptr<DeployLog> log_;
    std::unique_ptr<Cards> cards_;
    std::unique_ptr<Relay> relay_;
    std::unique_ptr<CardLoop> loop_;
    QThread thread_;
    QObject* context_; // lives on thread_
};

} // namespace kestrova::fleet
