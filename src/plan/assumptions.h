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
    std::string_view note = {}; // what else the figure holds for ("Motion-JPEG AVI")

    QString keyText() const { return latin1(key); }
    QString whatText() const { return latin1(what); }
    QString unitText() const { return latin1(unit); }
    QString noteText() const { return latin1(note); }
    // The value as the arithmetic takes it, every digit of it ("0.36", not "0.4").
    QString valueText() const { return QString::number(value, 'g', 12); }

private:
    static QString latin1(std::string_view text) {
        return QString::fromLatin1(text.data(), qsizetype(text.size()));
    }
};

std::span<const Assumption> assumptions();

// Triggers a day when the owner has not said otherwise.
inline constexpr int defaultTriggersPerDay = 20;
// The most the owner may assume: more than a camera on the busiest trail sees.
inline constexpr int maxTriggersPerDay = 9999;
// A month, for a figure that says "at most": the longest month.
inline constexpr int daysInLongestMonth = 31;

// The rows for an image size ("12MP"), a video size ("1280x720"), and a sent picture ("VGA",
// "QVGA", by MMS or by e-mail); nothing for a size the table does not know.
std::optional<Assumption> pictureSize(QStringView imageSize);
std::optional<Assumption> videoRate(QStringView videoSize);
std::optional<Assumption> sentPicture(QStringView status, bool byEmail);

// The triggers a day an estimate rests on, as the owner assumed them.
Assumption assumedTriggers(int triggersPerDay);
// Pictures sent for each trigger.
Assumption sentPerTrigger();
// The seconds a photo takes to capture and store.
Assumption photoCapture();
// The days of an average month, for a figure a month that is an estimate.
Assumption averageMonth();

} // namespace kestrova::plan
