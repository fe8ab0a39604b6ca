#pragma once

#include "codec/crc16.h"

#include <QByteArray>

#include <cstdint>

// Reading "setup.dat" and "smtp.dat" back, written out on their own so the tests do not
// trust the code they check.
namespace kestrova::test {

// The scrambling of a byte: complement, then swap the halves. It undoes itself.
inline int scrambled(int plain) {
    const int complement = ~plain & 0xFF;
    return ((complement & 0x0F) << 4) | (complement >> 4);
}

// A file byte as it was before scrambling: bytes 0..49 of each of the eleven data blocks.
inline int plainAt(const QByteArray& file, int offset) {
    const int byte = static_cast<unsigned char>(file.at(offset));
    return offset < 660 && offset % 60 < 50 ? scrambled(byte) : byte;
}

// The plain text of the block at a file offset, as many bytes as its length byte says.
inline QByteArray plainText(const QByteArray& file, int blockOffset) {
    QByteArray text;
    const int length = static_cast<unsigned char>(file.at(blockOffset + 57));
    for (int i = 0; i < length; ++i)
        text += char(plainAt(file, blockOffset + i));
    return text;
}

inline std::uint16_t crcOfDataBlocks(const QByteArray& file) {
    return crc16({reinterpret_cast<const std::uint8_t*>(file.constData()), 660});
}

inline int storedCheckValue(const QByteArray& file) {
    return static_cast<unsigned char>(file.at(716)) |
           (static_cast<unsigned char>(file.at(717)) << 8);
}

} // namespace kestrova::test
