#pragma once

#include "common/profile_document.h"
#include "common/profile_values.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrova::cli {

// The ways profiles and NAME=VALUE give values, which the core shares with the commands.
using kestrova::describe;
using kestrova::entryName;
using kestrova::escapedText;
using kestrova::holdsControl;
using kestrova::listPosition;
using kestrova::nearestName;
using kestrova::notInList;
using kestrova::quotedText;
using kestrova::shownValue;
using kestrova::wholeNumber;

// A JSON object as inspect prints it, with DEL and the C1 controls escaped as well (the JSON
// writer escapes only those below U+0020).
QString terminalJson(const QJsonObject& object);
QString terminalJson(const QJsonDocument& document);

// What a command takes from a profile.
using kestrova::ProfileKeys;

// Reads a JSON profile file: one object of settings, as inspect prints it for an intact file of
// the command's kind. Anything else ends the command: a file too large or not a regular file, a
// damaged file's report, another kind's, or a name the command does not know.
QJsonObject readProfile(const QString& path, const ProfileKeys& keys);

} // namespace kestrova::cli
