#pragma once

#include "card/card_watch.h"
#include "card/volumes.h"

#include <QList>

namespace kestrova::fleet {

// The same card in the same reader: its mount point, device and file system.
bool sameCard(const card::Volume& a, const card::Volume& b);
bool holds(const QList<card::Volume>& cards, const card::Volume& card);

// The cards in the readers now, in the order they came: those seen before keep their place,
// new ones follow, those that went are forgotten.
QList<card::Volume> inArrivalOrder(const QList<card::Volume>& seen, const QList<card::Volume>& now);

// Ejects the card and checks that it went: an unmount asked for does not always happen, and a
// card still mounted must not be taken for gone. Why it was not ejected (in `language`), or
// nothing.
std::optional<QString> ejectCard(card::CardEjector& ejector, const card::VolumeSource& volumes,
                                 const card::Volume& card, int language);

} // namespace kestrova::fleet
