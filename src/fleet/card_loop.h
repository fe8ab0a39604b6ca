#pragma once

namespace kestrova::fleet {

// One card after another, driven by events on one thread: the run's start, the cards in the
// readers changing, the owner's answers and picks, and stop.
class CardLoop {
public:
    virtual ~CardLoop() = default;
    virtual void start() = 0;
    virtual void cardsChanged() = 0;
    virtual void answer(bool /*yes*/) {}
    virtual void pickCamera(int /*camera*/) {}
    // Safe from any thread and from a signal handler.
    virtual void requestStop() = 0;
    // The event that follows requestStop on the loop's thread.
    virtual void stopRequested() = 0;
};

} // namespace kestrova::fleet
