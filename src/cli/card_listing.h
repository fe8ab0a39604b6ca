#pragma once

#include "card/volumes.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace kestrova::cli {

// What one settings file on a card is, in a few words.
struct CardFile {
    enum class State { Absent, Intact, Damaged, Unreadable };

    QString name; // "menu.dat", "setup.dat" or "smtp.dat"
    State state = State::Absent;
    QString readsAs; // intact: the kind of file and the form it reads as
    QString reason;  // unreadable or damaged: why
};

// A detected card with its facts and its three settings files (none when the card does not
// answer).
struct CardListing {
    card::Volume volume;
    QList<CardFile> files;
};

// Every card the source detects, in mount point order, with its settings files judged as
// inspect judges them.
QList<CardListing> listCards(const card::VolumeSource& source);

// The listing as `kestrova cards` prints it: a few lines per card, or one object per card.
QStringList listingLines(const QList<CardListing>& cards);
QJsonObject listingJson(const QList<CardListing>& cards);

} // namespace kestrova::cli
