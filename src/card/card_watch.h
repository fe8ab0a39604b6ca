#pragma once

#include "card/volumes.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace kestrova::card {

// Tells when the mounted cards may have changed: a card came or went.
class CardWatch {
public:
    virtual ~CardWatch() = default;
    // From now on calls `changed`, on the thread that started it, after each change.
    virtual void start(std::function<void()> changed) = 0;
};

// Unmounts a card and powers its slot off, where the system can; why not otherwise.
class CardEjector {
public:
    virtual ~CardEjector() = default;
    virtual std::optional<QString> eject(const Volume& card) = 0;
};

// Both from one service that knows the cards.
class CardService : public CardWatch, public CardEjector {};

// The function a card service module exports: the service, or null where it does not answer
// within `waitMs`.
using CardServiceEntry = CardService* (*)(int waitMs);

// Where no service knows the cards: the mount table looked at once a second, and the owner
// ejects each card.
class PolledCards final : public CardService {
public:
    static constexpr int intervalMs = 1000;
    PolledCards();
    ~PolledCards() override;
    void start(std::function<void()> changed) override;
    std::optional<QString> eject(const Volume&) override {
        return QStringLiteral("no service to eject cards runs");
    }

private:
    struct Timer;
    std::unique_ptr<Timer> timer_;
};

} // namespace kestrova::card
