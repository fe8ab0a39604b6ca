#pragma once

#include "common/profile_values.h"

#include <QString>

#include <cstdint>

namespace kestrova::cli {

// The wording every inspect report shares.

// A check value as "0x1A2B".
QString hex16(std::uint16_t value);

// A record's language byte by its English name; "unknown" outside 1..11.
QString languageName(int number);

// "(ok)" or "(DAMAGED)".
QString verdict(bool ok);

// What was found, followed by its verdict: "CR LF (ok)", "missing (DAMAGED)".
QString okOr(bool ok, const QString& good, const QString& bad);

// Texts from a file in double quotes, escaped as the terminal needs them.
using kestrova::quotedText;

} // namespace kestrova::cli
