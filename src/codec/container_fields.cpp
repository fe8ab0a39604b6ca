#include "codec/container_fields.h"

namespace kestrova::codec {

namespace {

std::uint8_t byteOf(int value) {
    return static_cast<std::uint8_t>(value);
}

} // namespace

void putNumber(DataBlocks& blocks, Place place, ByteEncoding encoding, int value) {
    Block& block = blocks[static_cast<std::size_t>(place.block)];
    const auto at = static_cast<std::size_t>(place.offset);
    switch (encoding) {
    case ByteEncoding::Plain:
        block[at] = byteOf(value);
        break;
    case ByteEncoding::TwoDigits:
        block[at] = byteOf(value / 10);
        block[at + 1] = byteOf(value % 10);
        break;
    case ByteEncoding::ThenPlusOne:
        block[at] = byteOf(value);
        block[at + 1] = byteOf(value + 1);
        break;
    }
}

int numberAt(const DataBlocks& blocks, Place place, ByteEncoding encoding) {
    const Block& block = blocks[static_cast<std::size_t>(place.block)];
    const auto at = static_cast<std::size_t>(place.offset);
    return encoding == ByteEncoding::TwoDigits ? block[at] * 10 + block[at + 1] : block[at];
}

bool numberWellFormed(const DataBlocks& blocks, Place place, ByteEncoding encoding) {
    const Block& block = blocks[static_cast<std::size_t>(place.block)];
    const auto at = static_cast<std::size_t>(place.offset);
    switch (encoding) {
    case ByteEncoding::Plain:
        break;
    case ByteEncoding::TwoDigits:
        return block[at] <= 9 && block[at + 1] <= 9;
    case ByteEncoding::ThenPlusOne:
        return block[at + 1] == ((block[at] + 1) & 0xFF);
    }
    return true;
}

void putText(DataBlocks& blocks, Place place, QByteArrayView text) {
    Block& block = blocks[static_cast<std::size_t>(place.block)];
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    std::copy(bytes, bytes + text.size(), block.begin() + place.offset);
    if (place.kind == PlaceKind::Block)
        block[textLengthOffset] = byteOf(static_cast<int>(text.size()));
}

StoredText textAt(const DataBlocks& blocks, Place place, int limitBytes) {
    const Block& block = blocks[static_cast<std::size_t>(place.block)];
    StoredText text;
    if (place.kind == PlaceKind::Block) {
        text.length = block[textLengthOffset];
        text.bytes = blockText(block);
        return text;
    }
    const auto* start = reinterpret_cast<const char*>(block.data()) + place.offset;
    text.length = static_cast<int>(std::find(start, start + limitBytes, '\0') - start);
    text.bytes = QByteArray(start, text.length);
    return text;
}

void HeldBytes::hold(int block, int offset, int count) {
    auto& bytes = held_[static_cast<std::size_t>(block)];
    for (int at = offset; at < offset + count && at < static_cast<int>(bytes.size()); ++at)
        bytes[static_cast<std::size_t>(at)] = true;
}

void HeldBytes::holdNumber(Place place, ByteEncoding encoding) {
    hold(place.block, place.offset, byteWidth(encoding));
}

void HeldBytes::holdText(Place place, const StoredText& text) {
    if (place.kind == PlaceKind::Block) {
        hold(place.block, textLengthOffset);
        hold(place.block, 0, std::min(text.length, maxTextBytes));
    } else {
        hold(place.block, place.offset, text.length);
    }
}

bool HeldBytes::othersZero(const DataBlocks& blocks) const {
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        for (std::size_t at = 0; at < held_[b].size(); ++at) {
            if (!held_[b][at] && blocks[b][at] != 0)
                return false;
        }
    }
    return true;
}

} // namespace kestrova::codec
