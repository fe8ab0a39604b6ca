#pragma once

#include "plan/assumptions.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include <vector>

namespace kestrova::plan {

// Settings that work against each other, or against the card or the PC they are written from.
enum class ConflictId {
    NeverPictures,
    TimerEmpty,
    TimersOverlap,
    TimeLapseZero,
    TimeLapseLong,
    ZeroInterval,
    NoRecipient,
    Unlimited,
    VideoMode,
    ClockNotSynced,
    ClockEarly,
    CardReadOnly,
    CardShort,
    CardNotFat32,
    CardOldFiles,
};

QString conflictKey(ConflictId id); // "never_pictures", as the JSON names it

struct Conflict {
    ConflictId id;
    QStringList settings; // by their profile names ("sense_level"), or "clock", "folder"
    QString text;         // in the form's language, naming the settings by their captions
};

// A number the summary works out: exact from the settings alone, or estimated from the
// assumptions it names.
struct Figure {
    QString key; // "active_minutes_per_day"
    double value;
    bool estimated = false;
    // What the figure rests on: an estimate's assumptions, or what bounds a figure that says
    // "at most" (the time a photo takes).
    std::vector<Assumption> basis = {};
};

struct Summary {
    QStringList sentences;
    std::vector<Figure> figures;
    std::vector<Conflict> conflicts;

    // {"sentences": [...], "exact": {...}, "estimated": {...}, "assumptions": [...]}
    QJsonObject json() const;
    // [{"id": ..., "settings": [...], "text": ...}, ...]
    QJsonArray conflictsJson() const;
    // "What the camera will do" for the command, in a language: the sentences, the numbers
    // each with what it rests on, the conflicts.
    QStringList reportLines(const QString& title, int language) const;
};

} // namespace kestrova::plan
