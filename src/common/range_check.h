#pragma once

#include <QString>

#include <optional>

namespace kestrova {

struct IntRange {
    int lower;
    int upper;
    constexpr bool contains(int value) const { return value >= lower && value <= upper; }
};

// A field's text as a whole number: optional sign and digits, surrounding blanks allowed;
// anything else (empty text included) is not an integer.
std::optional<int> parseInteger(const QString& text);

} // namespace kestrova
