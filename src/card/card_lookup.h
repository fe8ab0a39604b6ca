#pragma once

#include "card/volumes.h"

#include <QList>

#include <functional>
#include <memory>

namespace kestrova::card {

// The cards detected for one window. They are looked for beside it, on a worker thread, so
// that no service that is slow or hung ever holds a window up; the answer comes in the thread
// that asked, through its event loop, whenever the system gives it.
class CardLookup {
public:
    using Callback = std::function<void(const QList<Volume>& cards)>;

    // Starts looking; `source` must outlive the lookup (the program's own does).
    static std::shared_ptr<CardLookup> start(const VolumeSource& source);
    // Already answered: a test's cards, or none where nothing is looked for.
    static std::shared_ptr<CardLookup> answered(const QList<Volume>& cards);

    bool done() const { return done_; }
    // The cards that answer, in mount point order; empty until done.
    const QList<Volume>& cards() const { return cards_; }

    // Called once with the cards when they are found, at once when they already are.
    void whenFound(Callback callback);

private:
    void found(const QList<Volume>& cards);

    bool done_ = false;
    QList<Volume> cards_;
    Callback callback_;
};

} // namespace kestrova::card
