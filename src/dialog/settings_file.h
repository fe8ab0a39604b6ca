#pragma once

#include "dialog/host.h"
#include "i18n/messages.h"
#include "storage/record_file.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace kestrova::dialog {

// What a write changed against the file it replaced (nothing: there was none), as lines for
// the success message.
using ChangeLines = std::function<QStringList(const std::optional<QByteArray>& replaced)>;

// Writes a settings file into the folder and tells the user how it went: the success message
// with the file's full path on a second line once the file is in place, then what changed when
// `changes` is given, or what kept it from the card.
bool writeSettingsFile(Host& host, const QString& folder, const char* fileName,
                       const QByteArray& bytes, i18n::Message success, int language,
                       WriteOptions options = {}, const ChangeLines& changes = {});
// The same with a success text of the caller's own.
bool writeSettingsFile(Host& host, const QString& folder, const char* fileName,
                       const QByteArray& bytes, const QString& success, int language,
                       WriteOptions options, const ChangeLines& changes = {});

} // namespace kestrova::dialog
