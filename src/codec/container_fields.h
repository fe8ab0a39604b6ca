#pragma once

#include "codec/field_table.h"

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>
#include <vector>

namespace kestrova::codec {

// Numbers and texts put into and read from the blocks of a container by their place.
void putNumber(DataBlocks& blocks, Place place, ByteEncoding encoding, int value);
int numberAt(const DataBlocks& blocks, Place place, ByteEncoding encoding);
// Whether the bytes of a number are as its encoding writes them (digits 0..9, the value plus
// one after it).
bool numberWellFormed(const DataBlocks& blocks, Place place, ByteEncoding encoding);

// A text is written into its block, whose other bytes stay as they are.
void putText(DataBlocks& blocks, Place place, QByteArrayView text);

struct StoredText {
    QByteArray bytes; // as many as its length byte says, or up to the first zero
    int length = 0;   // what its length byte says; the bytes' count inside a block
};
StoredText textAt(const DataBlocks& blocks, Place place, int limitBytes);

// The bytes of a container's data blocks that something holds; every other byte before the
// check value's place must be zero.
class HeldBytes {
public:
    void hold(int block, int offset, int count = 1);
    void holdNumber(Place place, ByteEncoding encoding);
    void holdText(Place place, const StoredText& text);
    bool othersZero(const DataBlocks& blocks) const;

private:
    std::array<std::array<bool, checkValueOffset + 2>, dataBlockCount> held_{};
};

// The header numbers a form's record carries, in byte order, as the camera reads them.
template <typename Row>
std::vector<const Row*> headerRows(std::span<const Row> rows, std::size_t column) {
    std::vector<const Row*> header;
    for (const Row& row : rows) {
        if (row.kind != FieldKind::Text && row.place[column].kind == PlaceKind::Byte)
            header.push_back(&row);
    }
    std::sort(header.begin(), header.end(), [column](const Row* a, const Row* b) {
        return a->place[column].offset < b->place[column].offset;
    });
    return header;
}

// The texts a form's record carries, by block and offset.
template <typename Row>
std::vector<const Row*> textRows(std::span<const Row> rows, std::size_t column) {
    std::vector<const Row*> texts;
    for (const Row& row : rows) {
        if (row.kind == FieldKind::Text && row.place[column].has())
            texts.push_back(&row);
    }
    std::sort(texts.begin(), texts.end(), [column](const Row* a, const Row* b) {
        const Place pa = a->place[column];
        const Place pb = b->place[column];
        return pa.block != pb.block ? pa.block < pb.block : pa.offset < pb.offset;
    });
    return texts;
}

} // namespace kestrova::codec
