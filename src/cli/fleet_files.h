#pragma once

#include "fleet/kit_files.h"

#include <QByteArray>
#include <QString>

namespace kestrova::cli {

// The record bytes and the message language the stored preferences give, as the forms would
// write them; the messages are English, or Chinese where the language is.
fleet::RecordDefaults storedRecordDefaults();

// The whole of a file the user named, of at most `limit` bytes; anything else ends the command
// as bad input, naming the file as `what` ("the log").
QByteArray readInputFile(const QString& path, qint64 limit, const QString& what);

// Writes a whole file in one piece; a failure ends the command.
void saveWhole(const QString& path, const QByteArray& bytes);

} // namespace kestrova::cli
