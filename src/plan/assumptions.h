#pragma once

#include <QString>

#include <optional>
#include <span>
#include <string_view>

namespace kestrova::plan {

// What an estimate takes for granted: one row per figure, with its unit. The camera's own
// figures are not to be had from its settings, so every estimate built on these says "about".
struct Assumption {
    std::string_view key;  // as the command's report and the JSON name it
    std::string_view what; // the image or video size, or the kind of message, it holds for
    double value;
    std::string_view unit;

    QString keyText() const { return QString::fromLatin1(key.data(), qsizetype(key.size())); }
    QString whatText() const { return QString::fromLatin1(what.data(), qsizetype(what.size())); }
};

std::span<const Assumption> assumptions();

// Triggers a day when the owner has not said otherwise.
inline constexpr int defaultTriggersPerDay = 20;
// The most the owner may assume: more than a camera on the busiest trail sees.
inline constexpr int maxTriggersPerDay = 9999;
// A month of messages.
inline constexpr int daysPerMonth = 30;

// The rows for an image size ("12MP"), a video size ("1280x720"), and a sent picture ("VGA",
// "QVGA", by MMS or by e-mail); nothing for a size the table does not know.
std::optional<Assumption> pictureSize(QStringView imageSize);
std::optional<Assumption> videoRate(QStringView videoSize);
std::optional<Assumption> sentPicture(QStringView status, bool byEmail);

// The triggers a day an estimate rests on, as the owner assumed them.
Assumption assumedTriggers(int triggersPerDay);
// Pictures sent for each trigger.
Assumption sentPerTrigger();

} // namespace kestrova::plan
