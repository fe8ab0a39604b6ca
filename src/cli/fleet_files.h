#pragma once

#include "fleet/kit_files.h"

#include <QByteArray>
#include <QString>

namespace kestrova::cli {

// The record bytes and the message language the stored preferences give, as the forms would
// write them; the messages are English, or Chinese where the language is.
fleet::RecordDefaults storedRecordDefaults();

// Writes a whole file in one piece; a failure ends the command.
void saveWhole(const QString& path, const QByteArray& bytes);

} // namespace kestrova::cli
