#pragma once

#include "codec/block_container.h"

namespace kestrova::codec {

// Where a record keeps a setting, by kind: a form whose record has no such setting says so, not
// a number that happens to mean "absent".
enum class PlaceKind {
    None,    // the form's record does not carry it
    Byte,    // a number: one byte of the record's header (two where its encoding says so)
    Block,   // a text: a text block of its own, its bytes from 0 and its length at 57
    InBlock, // a text at an offset inside a block, zero-padded up to its byte limit
};

struct Place {
    PlaceKind kind = PlaceKind::None;
    int block = 0;  // Block and InBlock: 0 the header, 1..10 the text blocks
    int offset = 0; // Byte and InBlock

    constexpr bool has() const { return kind != PlaceKind::None; }
    constexpr bool operator==(const Place&) const = default;
};

inline constexpr Place noPlace{};

constexpr Place byteAt(int offset) {
    return {PlaceKind::Byte, 0, offset};
}
constexpr Place ownBlock(int block) {
    return {PlaceKind::Block, block, 0};
}
constexpr Place textAt(int block, int offset) {
    return {PlaceKind::InBlock, block, offset};
}

// How a number of a container's header becomes its bytes.
enum class ByteEncoding {
    Plain,       // the value in one byte
    TwoDigits,   // tens, then units, in two bytes
    ThenPlusOne, // the value, then the value plus one in the next byte
};

constexpr int byteWidth(ByteEncoding encoding) {
    return encoding == ByteEncoding::Plain ? 1 : 2;
}

} // namespace kestrova::codec
