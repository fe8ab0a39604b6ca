#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>

namespace kestrova::codec {

// "setup.dat" and "smtp.dat" share one container: eleven 60-byte data blocks (a header and ten
// texts) with bytes 0..49 scrambled, then a plain block holding the check value. Every block
// ends in CR LF.
using Block = std::array<std::uint8_t, 60>;

constexpr int blockSize = 60;
constexpr int scrambledSize = 50;    // bytes 0..49 of a data block
constexpr int textLengthOffset = 57; // a text block's length byte
constexpr int checkValueOffset = 56; // low byte; the high byte follows
constexpr int dataBlockCount = 11;
constexpr int textBlockCount = dataBlockCount - 1;
constexpr int maxTextBytes = scrambledSize;
constexpr int containerSize = blockSize * (dataBlockCount + 1); // 720
// How much of a file to read to judge it as a settings file: the container, the largest of them,
// and one byte more, which tells a larger file apart.
constexpr qint64 settingsFileLimit = containerSize + 1;

using DataBlocks = std::array<Block, dataBlockCount>;

// Complement all bits, then swap the two halves. Its own inverse.
constexpr std::uint8_t scrambleByte(std::uint8_t byte) {
    const std::uint8_t complement = static_cast<std::uint8_t>(~byte);
    return static_cast<std::uint8_t>((complement << 4) | (complement >> 4));
}

// Scrambles bytes 0..49 in place; scrambling again restores the block.
void scrambleBlock(Block& block);

// A zeroed block ending in CR LF.
Block emptyBlock();

// The text's bytes from offset 0, its length at 57. The caller has checked it against the
// field's limit, which is never above 50 bytes.
Block textBlock(QByteArrayView text);

// The bytes a plain text block holds, as many as its length byte says (at most 50).
QByteArray blockText(const Block& block);

// The stored check value: the CRC plus a record's own adjustment, modulo 65536.
constexpr std::uint16_t adjustedCheckValue(std::uint16_t crc, int adjustment) {
    return static_cast<std::uint16_t>((crc + adjustment) & 0xFFFF);
}

// The last block: zeros, the check value low byte first at 56, CR LF.
Block checkBlock(std::uint16_t checkValue);

// The CRC-16 of the 660 bytes of the data blocks as they stand in the file, i.e. scrambled.
std::uint16_t containerCrc(const DataBlocks& scrambled);

// The complete file: the plain data blocks scrambled, then the check block with the CRC of the
// scrambled blocks plus the adjustment. Always 720 bytes.
QByteArray sealContainer(const DataBlocks& plain, int adjustment);

// A file read back from a card, split into plain blocks and measured.
struct OpenedContainer {
    DataBlocks plain{}; // unscrambled; missing bytes of a short file read as zero
    Block last{};       // the check block as stored
    bool sizeOk = false;
    bool lineEndsOk = false;   // every block ends in CR LF
    bool checkBlockOk = false; // bytes 0..55 of the check block are zero
    std::uint16_t storedCheckValue = 0;
    std::uint16_t computedCrc = 0; // over the 660 stored data bytes

    // Whether the stored value matches the CRC with the given adjustment.
    bool checkValueOk(int adjustment) const {
        return sizeOk && storedCheckValue == adjustedCheckValue(computedCrc, adjustment);
    }
};

OpenedContainer openContainer(const QByteArray& file);

} // namespace kestrova::codec
