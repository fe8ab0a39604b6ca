#pragma once

#include "dialog/host.h"
#include "format/record_file.h"
#include "i18n/messages.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kestrova::dialog {

// Writes a settings file into the folder and tells the user how it went: the success message
// with the file's full path on a second line once the file is in place, or what kept it from
// the card.
bool writeSettingsFile(Host& host, const QString& folder, const char* fileName,
                       const QByteArray& bytes, i18n::Message success, int language,
                       WriteOptions options = {});
// The same with a success text of the caller's own.
bool writeSettingsFile(Host& host, const QString& folder, const char* fileName,
                       const QByteArray& bytes, const QString& success, int language,
                       WriteOptions options);

} // namespace kestrova::dialog
