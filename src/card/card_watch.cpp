#include "card/card_watch.h"

#include <QTimer>

namespace kestrova::card {

struct PolledCardWatch::Timer {
    QTimer timer;
};

PolledCardWatch::PolledCardWatch()
    : timer_(std::make_unique<Timer>()) {}

PolledCardWatch::~PolledCardWatch() = default;

void PolledCardWatch::start(std::function<void()> changed) {
    QObject::connect(&timer_->timer, &QTimer::timeout, std::move(changed));
    timer_->timer.start(intervalMs);
}

} // namespace kestrova::card
