#include "card/card_lookup.h"

#include <QCoreApplication>
#include <QThreadPool>

namespace kestrova::card {

std::shared_ptr<CardLookup> CardLookup::start(const VolumeSource& source) {
    auto lookup = std::make_shared<CardLookup>();
    const std::weak_ptr<CardLookup> asker = lookup;
    QThreadPool::globalInstance()->start([&source, asker] {
        QList<Volume> cards = detectCards(source);
        // A card that does not answer cannot be written to nor read from.
        cards.removeIf([](const Volume& card) { return !card.responding; });
        // The application outlives every window; a window closed meanwhile takes no answer.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [asker, cards] {
                if (const auto lookup = asker.lock())
                    lookup->found(cards);
            },
            Qt::QueuedConnection);
    });
    return lookup;
}

std::shared_ptr<CardLookup> CardLookup::answered(const QList<Volume>& cards) {
    auto lookup = std::make_shared<CardLookup>();
    lookup->found(cards);
    return lookup;
}

void CardLookup::whenFound(Callback callback) {
    callback_ = std::move(callback);
    if (done_ && callback_)
        callback_(cards_);
}

void CardLookup::found(const QList<Volume>& cards) {
    cards_ = cards;
    done_ = true;
    if (callback_)
        callback_(cards_);
}

} // namespace kestrova::card
