#pragma once

#include "field/media_facts.h"

#include <QByteArray>

namespace kestrova::field {

// Where a header reader gets its bytes: a file on a card, or bytes in memory. Reads past the
// end give what is there.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual qint64 size() const = 0;
    virtual QByteArray read(qint64 offset, qint64 length) = 0;
};

// The most a reader reads of one file, in all: the first 64 KiB (a JPEG's APP1 segment, an
// AVI's header list, an MP4's header boxes), a JPEG's last bytes for its end marker and, for a
// video whose header box follows its data, that box.
inline constexpr qint64 headerBudget = 64 * 1024;

// What a picture's or a video's own header tells, read from at most headerBudget bytes of it.
// A file whose bytes are not what its kind says, or whose header lies, comes back damaged,
// with whatever could still be read; nothing in it can make the reader go beyond its bytes.
HeaderFacts readHeader(MediaKind kind, const QString& fileName, ByteSource& source);

// The same for bytes in memory.
HeaderFacts readHeaderOf(MediaKind kind, const QString& fileName, const QByteArray& bytes);

} // namespace kestrova::field
