#pragma once

#include "card/card_watch.h"
#include "card/volumes.h"
#include "fleet/card_loop.h"
#include "fleet/deploy_loop.h"

#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>

namespace kestrova::fleet {

// What became of a returned card: read, and its return logged.
struct ReturnedCard {
    QString cameraId;               // the camera the log ties the card to; empty where none
    QString text;                   // what its report found, in the run's language
    std::optional<QString> problem; // it could not be read, or its return not logged: why
};

// Reads a returned card's pictures, logs its return and says what it found; nothing when
// stopped meanwhile. The card's report does it, a layer above this one.
using ReadReturnedCard = std::function<std::optional<ReturnedCard>(const card::Volume& card,
                                                                   const std::atomic_bool& stop)>;

// The reader of a log's returned cards, in a language: what the window runs its loop with.
using ReturnedCardReaders = std::function<ReadReturnedCard(const QString& logPath, int language)>;

// The returned cards of a season, one after another in the order they come: each is read, its
// return logged and the card ejected, until the owner stops. Nothing on a card is written.
class ReturnLoop final : public CardLoop {
public:
    // `cameras`: the ids of the cameras table's rows, which the window lists.
    ReturnLoop(QStringList cameras, ReadReturnedCard read, const card::VolumeSource& volumes,
               card::CardEjector& ejector, DeployObserver& observer, int language);

    void start() override;
    void cardsChanged() override;
    void requestStop() override { stop_.store(true); }
    void stopRequested() override;

    int cardsRead() const { return read_; }

private:
    QString text(i18n::FleetText id) const;
    void readCard(const card::Volume& card);
    void eject(const card::Volume& card, const QString& whose);

    QStringList cameras_;
    ReadReturnedCard reader_;
    const card::VolumeSource& volumes_;
    card::CardEjector& ejector_;
    DeployObserver& observer_;
    int language_;
    std::atomic<bool> stop_{false};
    bool finished_ = false;
    int read_ = 0;
    QList<card::Volume> seen_;    // the cards in the readers, in the order they came
    QList<card::Volume> handled_; // those read, until they go
};

} // namespace kestrova::fleet
