#include "codec/block_container.h"

#include "codec/crc16.h"

#include <QtGlobal>

#include <algorithm>
#include <span>

namespace kestrova::codec {

namespace {

void endLine(Block& block) {
    block[58] = 0x0D;
    block[59] = 0x0A;
}

std::span<const std::uint8_t> asBytes(QByteArrayView bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()),
            static_cast<std::size_t>(bytes.size())};
}

} // namespace

void scrambleBlock(Block& block) {
    std::transform(block.begin(), block.begin() + scrambledSize, block.begin(), scrambleByte);
}

Block emptyBlock() {
    Block block{};
    endLine(block);
    return block;
}

Block textBlock(QByteArrayView text) {
    Q_ASSERT(text.size() <= maxTextBytes);
    Block block = emptyBlock();
    const auto bytes = asBytes(text).first(std::min<std::size_t>(text.size(), maxTextBytes));
    std::copy(bytes.begin(), bytes.end(), block.begin());
    block[textLengthOffset] = static_cast<std::uint8_t>(bytes.size());
    return block;
}

QByteArray blockText(const Block& block) {
    const int length = std::min<int>(block[textLengthOffset], maxTextBytes);
    return QByteArray(reinterpret_cast<const char*>(block.data()), length);
}

Block checkBlock(std::uint16_t checkValue) {
    Block block = emptyBlock();
    block[checkValueOffset] = static_cast<std::uint8_t>(checkValue & 0xFF);
    block[checkValueOffset + 1] = static_cast<std::uint8_t>(checkValue >> 8);
    return block;
}

std::uint16_t containerCrc(const DataBlocks& scrambled) {
    std::array<std::uint8_t, dataBlockCount * blockSize> bytes{};
    for (int k = 0; k < dataBlockCount; ++k)
        std::copy(scrambled[k].begin(), scrambled[k].end(), bytes.begin() + k * blockSize);
    return crc16(bytes);
}

QByteArray sealContainer(const DataBlocks& plain, int adjustment) {
    DataBlocks scrambled = plain;
    for (Block& block : scrambled)
        scrambleBlock(block);
    const Block last = checkBlock(adjustedCheckValue(containerCrc(scrambled), adjustment));

    QByteArray file;
    file.reserve(containerSize);
    for (const Block& block : scrambled)
        file.append(reinterpret_cast<const char*>(block.data()), blockSize);
    file.append(reinterpret_cast<const char*>(last.data()), blockSize);
    return file;
}

OpenedContainer openContainer(const QByteArray& file) {
    OpenedContainer opened;
    opened.sizeOk = file.size() == containerSize;

    // A short file reads as zeros past its end, a long one is cut at 720 bytes.
    QByteArray bytes = file.left(containerSize);
    bytes.resize(containerSize, '\0');
    const auto all = asBytes(bytes);

    DataBlocks scrambled{};
    for (int k = 0; k < dataBlockCount; ++k)
        std::copy_n(all.begin() + k * blockSize, blockSize, scrambled[k].begin());
    std::copy_n(all.begin() + dataBlockCount * blockSize, blockSize, opened.last.begin());

    opened.computedCrc = containerCrc(scrambled);
    opened.plain = scrambled;
    for (Block& block : opened.plain)
        scrambleBlock(block);

    auto endsLine = [](const Block& block) { return block[58] == 0x0D && block[59] == 0x0A; };
    opened.lineEndsOk =
        std::all_of(scrambled.begin(), scrambled.end(), endsLine) && endsLine(opened.last);
    opened.checkBlockOk = std::all_of(opened.last.begin(), opened.last.begin() + checkValueOffset,
                                      [](std::uint8_t b) { return b == 0; });
    opened.storedCheckValue = static_cast<std::uint16_t>(opened.last[checkValueOffset] |
                                                         (opened.last[checkValueOffset + 1] << 8));
    return opened;
}

} // namespace kestrova::codec
