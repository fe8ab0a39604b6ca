#pragma once

#include "fleet/deploy_loop.h"

#include <memory>

namespace kestrova::cli {

// Ctrl+C (and SIGTERM; Ctrl+Break on Windows) while it lives ask the loop to stop: at once
// through its flag, which a card being written reads between files, and then as an event of
// the event loop.
class InterruptWatch {
public:
    explicit InterruptWatch(fleet::DeployLoop& loop);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

private:
    struct Notifier;
    std::unique_ptr<Notifier> notifier_;
};

} // namespace kestrova::cli
