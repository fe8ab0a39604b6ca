#include "card/card_watch.h"

#include <QTimer>

namespace kestrova::card {

struct PolledCards::Timer {
    QTimer timer;
};

PolledCards::PolledCards()
    : timer_(std::make_unique<Timer>()) {}

PolledCards::~PolledCards() = default;

void PolledCards::start(std::function<void()> changed) {
    QObject::connect(&timer_->timer, &QTimer::timeout, std::move(changed));
    timer_->timer.start(intervalMs);
}

} // namespace kestrova::card
