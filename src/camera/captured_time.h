#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace kestrova::camera {

// The years the record's clock can hold.
inline constexpr int firstClockYear = 2010;
inline constexpr int lastClockYear = 2031;

// The PC time a form last captured; the record carries it, not the time of writing.
struct CapturedTime {
    int year = 2011;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // Takes the local time, with the year brought into what the camera's clock accepts:
    // above 2031 becomes 2031, below 2010 becomes 2011.
    static CapturedTime capture(const QDateTime& localTime);

    bool operator==(const CapturedTime&) const = default;
};

// The clock text in date format 0 (year/month/day), 1 (month/day/year) or 2 (day/month/year);
// no text for any other position.
std::optional<QString> clockText(const CapturedTime& time, int dateFormat);

} // namespace kestrova::camera
