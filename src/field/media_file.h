#pragma once

#include "field/media_facts.h"

#include <QByteArray>

#include <optional>

namespace kestrova::field {

// Reads one picture or video of a card: its size and time from the file system, and what its
// own header tells from at most headerBudget bytes of it. The file is opened read-only, never
// through a link, without waiting on a FIFO and, where the system lets us, without setting its
// access time: reading a card back changes nothing on it.
MediaFacts readMediaFile(const QString& path, const QString& relativePath, MediaKind kind);

// A small file of the card (a settings file) read the same way, whole if it holds at most
// `limit` bytes; nothing when it is absent, larger, or not a regular file.
std::optional<QByteArray> readCardFile(const QString& path, qint64 limit);

} // namespace kestrova::field
