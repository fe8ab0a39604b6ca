#pragma once

#include "codec/field_table.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace kestrova::codec {

// What can be wrong with a row of a field table. The compiler checks every table and stops the
// build at the first fault, naming the row and the fault (see soundTable).
enum class RowFault {
    None,
    MissingRow,          // an id after this row has no row: every id before Count needs one
    IdOutOfOrder,        // the row stands where another id's row belongs: rows go in id order
    TextWithoutMember,   // a text is held only by its settings member: give it one
    MemberOfAnotherKind, // a text row with a number member, or a number row with a text one
    NumberWithoutMember, // the settings keep no numbers by id: give the row its member
    ShownButNotKept,     // a form shows the field but its record has no place for it
    PlaceOfAnotherKind,  // a text in a header byte, or a number in a text's place
    PlaceOutsideRecord,  // the place lies outside the record or on a byte no setting may use
    PlaceTaken,          // another row, or what is no setting's, holds some of its bytes
    TakeStepTaken,       // a typed number needs a take step of its own on each form
};

// Where a check found a fault: the row (its position in the table) and what is wrong.
struct TableFault {
    std::size_t row = 0;
    RowFault fault = RowFault::None;

    constexpr bool found() const { return fault != RowFault::None; }
};

// A row's name as a template argument, so the compiler's message shows it.
struct RowName {
    char text[48]{};

    constexpr RowName(std::string_view name) {
        for (std::size_t at = 0; at < name.size() && at + 1 < sizeof(text); ++at)
            text[at] = name[at];
    }
};

// Declared, never defined: naming it stops the build with a message that spells out the row
// and its fault, e.g. "field_table_fault<RowName{"cc_address"}, RowFault::TextWithoutMember>".
template <RowName row, RowFault fault> struct field_table_fault;

// True, or a build stopped at the fault of `rows` that `fault` found.
template <const auto& rows, TableFault fault> constexpr bool soundTable() {
    if constexpr (!fault.found())
        return true;
    else
        return sizeof(field_table_fault<RowName(rows[fault.row].name), fault.fault>) == 0;
}

// One row for each id, in the ids' order (`end`, the enum's Count, after the last), each with
// the member its kind needs, each place of the kind of its field, and every form that shows a
// field keeping it.
template <typename Row, std::size_t Count>
constexpr TableFault rowFault(const std::array<Row, Count>& rows, decltype(Row::id) end) {
    for (std::size_t at = 0; at < Count; ++at) {
        const Row& row = rows[at];
        const auto fault = [at](RowFault kind) { return TableFault{at, kind}; };
        if (static_cast<std::size_t>(row.id) != at)
            return fault(RowFault::IdOutOfOrder);
        const bool text = row.kind == FieldKind::Text;
        if (text && !row.text)
            return fault(RowFault::TextWithoutMember);
        if ((text && row.number) || (!text && row.text))
            return fault(RowFault::MemberOfAnotherKind);
        if (!text && !row.number && !keepsById<typename Row::SettingsType>())
            return fault(RowFault::NumberWithoutMember);
        for (std::size_t form = 0; form < Row::forms; ++form) {
            const Place place = row.place[form];
            if (row.onForm(form) && !place.has())
                return fault(RowFault::ShownButNotKept);
            if (place.has() && (place.kind == PlaceKind::Byte) == text)
                return fault(RowFault::PlaceOfAnotherKind);
        }
    }
    if (Count != static_cast<std::size_t>(end))
        return {Count == 0 ? 0 : Count - 1, RowFault::MissingRow};
    return {};
}

// Whether every place lies inside a container of eleven blocks and apart from every other on
// its form, and from the `reserved` bytes and blocks that hold what is no setting's: header
// numbers before the check value's bytes of block 0, texts in blocks 1..10 or inside a block
// before those bytes.
template <typename Row, std::size_t Count>
constexpr TableFault containerFault(const std::array<Row, Count>& rows,
                                    std::initializer_list<Place> reserved) {
    for (std::size_t form = 0; form < Row::forms; ++form) {
        std::array<std::array<bool, checkValueOffset>, dataBlockCount> held{};
        const auto take = [&held](int block, int offset, int count) {
            for (int at = offset; at < offset + count; ++at) {
                bool& byte = held[std::size_t(block)][std::size_t(at)];
                if (byte)
                    return RowFault::PlaceTaken;
                byte = true;
            }
            return RowFault::None;
        };
        const auto hold = [&take](Place p, int width) {
            switch (p.kind) {
            case PlaceKind::None:
                return RowFault::None;
            case PlaceKind::Byte:
                if (p.offset < 0 || p.offset + width > checkValueOffset)
                    return RowFault::PlaceOutsideRecord;
                return take(0, p.offset, width);
            case PlaceKind::Block:
                if (p.block < 1 || p.block > textBlockCount || width > maxTextBytes)
                    return RowFault::PlaceOutsideRecord;
                return take(p.block, 0, checkValueOffset);
            case PlaceKind::InBlock:
                if (p.block < 0 || p.block > textBlockCount || p.offset < 0 || width <= 0 ||
                    p.offset + width > checkValueOffset)
                    return RowFault::PlaceOutsideRecord;
                return take(p.block, p.offset, width);
            }
            return RowFault::PlaceOutsideRecord;
        };
        for (const Place p : reserved)
            (void)hold(p, 1);
        for (std::size_t at = 0; at < Count; ++at) {
            const Row& row = rows[at];
            const int width =
                row.kind == FieldKind::Text ? row.bytes[form] : byteWidth(row.encoding);
            if (const RowFault fault = hold(row.place[form], width); fault != RowFault::None)
                return {at, fault};
        }
    }
    return {};
}

// Whether every typed field (a number or a text: what the form takes from an edit) has a step of
// its own in each form's take order, apart from the `reserved` steps of what is no setting.
template <typename Row, std::size_t Count>
constexpr TableFault takeStepFault(const std::array<Row, Count>& rows,
                                   std::initializer_list<int> reserved) {
    constexpr int lastStep = 63;
    for (std::size_t form = 0; form < Row::forms; ++form) {
        std::array<bool, lastStep + 1> steps{};
        for (const int step : reserved)
            steps[std::size_t(step)] = true;
        for (std::size_t at = 0; at < Count; ++at) {
            const Row& row = rows[at];
            if (row.kind == FieldKind::List || !row.onForm(form))
                continue;
            const int step = row.take[form];
            if (step <= 0 || step > lastStep || steps[std::size_t(step)])
                return {at, RowFault::TakeStepTaken};
            steps[std::size_t(step)] = true;
        }
    }
    return {};
}

} // namespace kestrova::codec
