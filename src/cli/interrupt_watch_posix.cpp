#include "cli/interrupt_watch.h"

#include <QSocketNotifier>

#include <csignal>
#include <unistd.h>

namespace kestrova::cli {

namespace {

// What the handler may touch: the loop's flag, and a pipe that wakes the event loop.
fleet::DeployLoop* interrupted = nullptr;
int wakeUp[2] = {-1, -1};

extern "C" void onInterrupt(int) {
    if (interrupted)
        interrupted->requestStop();
    const char byte = 1;
    [[maybe_unused]] const auto ignored = ::write(wakeUp[1], &byte, 1);
}

} // namespace

struct InterruptWatch::Notifier {
    std::unique_ptr<QSocketNotifier> notifier;
    struct sigaction before[2]{};
};

InterruptWatch::InterruptWatch(fleet::DeployLoop& loop)
    : notifier_(std::make_unique<Notifier>()) {
    if (::pipe(wakeUp) != 0)
        return;
    interrupted = &loop;
    // Without SA_RESTART: a question waiting for its answer ends as a no.
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, &notifier_->before[0]);
    ::sigaction(SIGTERM, &action, &notifier_->before[1]);
    notifier_->notifier = std::make_unique<QSocketNotifier>(wakeUp[0], QSocketNotifier::Read);
    QObject::connect(notifier_->notifier.get(), &QSocketNotifier::activated, [&loop] {
        char byte = 0;
        [[maybe_unused]] const auto ignored = ::read(wakeUp[0], &byte, 1);
        loop.stopRequested();
    });
}

InterruptWatch::~InterruptWatch() {
    if (!notifier_->notifier)
        return;
    ::sigaction(SIGINT, &notifier_->before[0], nullptr);
    ::sigaction(SIGTERM, &notifier_->before[1], nullptr);
    interrupted = nullptr;
    notifier_->notifier.reset();
    ::close(wakeUp[0]);
    ::close(wakeUp[1]);
}

} // namespace kestrova::cli
