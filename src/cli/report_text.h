#pragma once

#include "common/profile_values.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace kestrova::cli {

// The wording every inspect report shares.

// A check value as "0x1A2B".
QString hex16(std::uint16_t value);

// "(ok)" or "(DAMAGED)".
QString verdict(bool ok);

// What was found, followed by its verdict: "CR LF (ok)", "missing (DAMAGED)".
QString okOr(bool ok, const QString& good, const QString& bad);

// The line that names a record's language byte by the language the camera knows by it:
// "menu_language: 2 (English)", "unknown" for a byte it does not know.
QString languageLine(const QString& key, int byte);

// The last line of a report, when some values are out of range.
void addOutOfRangeLine(QStringList& lines, const QStringList& outOfRange);

// What the command that writes such a file refuses in its settings, when it does: a line
// "checks: ..." and the JSON's "refusal".
void addRefusalLine(QStringList& lines, const std::optional<QString>& refusal);
void addRefusal(QJsonObject& object, const std::optional<QString>& refusal);

// What every report's JSON opens with: the kind of file and whether it is sound.
QJsonObject jsonHead(const QString& kind, bool crcOk, bool intact);

// Once the record has its size: the values out of range and the model given, where there are.
void addRangeAndModel(QJsonObject& object, const QStringList& outOfRange, std::optional<int> model);

// A profile's settings into a report's JSON.
void insertSettings(QJsonObject& object, const QJsonObject& settings);

// Texts from a file in double quotes, escaped as the terminal needs them.
using kestrova::quotedText;

} // namespace kestrova::cli
