#pragma once

#include "card/card_watch.h"

#include <QDBusConnection>
#include <QTimer>

#include <memory>

namespace kestrova::card {

// Cards through udisks2 on the system bus: its signals say when a card comes, is mounted or
// goes, and it unmounts a card and powers its slot off.
class UdisksCards final : public CardService {
public:
    // Nothing when the bus or udisks2 does not answer within `waitMs`.
    static std::unique_ptr<UdisksCards> connectTo(int waitMs);
    ~UdisksCards() override;

    void start(std::function<void()> changed) override;
    std::optional<QString> eject(const Volume& card) override;

private:
    explicit UdisksCards(const QString& connectionName);

    QString connectionName_;
    std::function<void()> changed_;
    // A card's block, file system and mount come as several signals: one change is told once
    // they have settled.
    QTimer settle_;
};

} // namespace kestrova::card
