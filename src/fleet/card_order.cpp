#include "fleet/card_order.h"

#include "i18n/fleet_texts.h"

#include <algorithm>

namespace kestrova::fleet {

bool sameCard(const card::Volume& a, const card::Volume& b) {
    return a.mountPoint == b.mountPoint && a.device == b.device && a.uuid == b.uuid;
}

bool holds(const QList<card::Volume>& cards, const card::Volume& card) {
    return std::any_of(cards.begin(), cards.end(),
                       [&card](const card::Volume& other) { return sameCard(card, other); });
}

QList<card::Volume> inArrivalOrder(const QList<card::Volume>& seen,
                                   const QList<card::Volume>& now) {
    QList<card::Volume> ordered;
    for (const card::Volume& card : seen) {
        for (const card::Volume& found : now) {
            if (sameCard(card, found))
                ordered << found;
        }
    }
    for (const card::Volume& found : now) {
        if (!holds(ordered, found))
            ordered << found;
    }
    return ordered;
}

std::optional<QString> ejectCard(card::CardEjector& ejector, const card::VolumeSource& volumes,
                                 const card::Volume& card, int language) {
    std::optional<QString> notEjected = ejector.eject(card);
    const auto stillThere = volumes.volumeAt(card.mountPoint);
    if (!notEjected && stillThere && stillThere->device == card.device)
        notEjected = i18n::fleetText(i18n::FleetText::StillMounted, language);
    return notEjected;
}

} // namespace kestrova::fleet
