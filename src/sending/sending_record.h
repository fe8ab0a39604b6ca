#pragma once

#include "codec/container_fields.h"
#include "codec/text_encoding.h"
#include "i18n/language.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace kestrova::sending {

using codec::FieldError;
using codec::RecordBytes;

// What one form's container holds besides its rows: the bytes the process gives, the bytes the
// form's layout fixes, a text made from another's, and what the check value adds to the CRC.
template <typename Settings, typename Id> struct ContainerLayout {
    int languageByte = 0; // the header byte of the record's language
    int tvModeByte = -1;  // the header byte of the TV mode's low byte; -1: the file has none
    std::span<const int> fixedOnes = {}; // header bytes the layout holds at 1
    // A text block no setting holds, made from another setting's text and held to its limit.
    codec::Place madePlace = codec::noPlace;
    Id madeFrom{};
    QString (*make)(const QString&) = nullptr;
    // What the stored check value adds to the CRC for these settings.
    int (*adjustment)(const Settings&) = nullptr;
};

// What a container read back from a card holds, and whether to trust it.
struct RecordCheck {
    bool sizeOk = false;
    bool lineEndsOk = false;
    bool checkBlockOk = false;
    bool checkValueOk = false;
    bool layoutOk = false;   // zeros, fixed ones and well-formed numbers where the format has them
    bool textsOk = false;    // every text is valid code page 936 and within its field's limit
    bool madeTextOk = false; // the text made from another is what it is made from
    std::uint16_t storedCheckValue = 0;
    std::uint16_t computedCrc = 0;
    int adjustment = 0; // what the settings read ask the check value to add

    bool intact() const {
        return sizeOk && lineEndsOk && checkBlockOk && checkValueOk && layoutOk && textsOk &&
               madeTextOk;
    }
};

template <typename Settings> struct DecodedRecord {
    Settings settings; // what a form has not got keeps its start value
    int languageByte = 0;
    int tvModeByte = 0;
    QString madeText; // the made text as stored
    RecordCheck check;
};

namespace detail {

// A text of the record: a row's, or the made text (row null), at its place.
template <typename Row> struct TextSlot {
    const Row* row;
    codec::Place place;
};

// The texts in the order of their blocks, the made text among them.
template <typename Row, typename Layout>
std::vector<TextSlot<Row>> textSlots(std::span<const Row> rows, std::size_t column,
                                     const Layout& layout) {
    std::vector<TextSlot<Row>> slots;
    for (const Row* row : codec::textRows(rows, column))
        slots.push_back({row, row->place[column]});
    if (layout.madePlace.has()) {
        const auto after = std::find_if(slots.begin(), slots.end(), [&](const TextSlot<Row>& s) {
            return s.place.block > layout.madePlace.block;
        });
        slots.insert(after, {nullptr, layout.madePlace});
    }
    return slots;
}

} // namespace detail

// The record's bytes, or the first setting that does not fit: the header numbers in byte order
// (the language byte checked where it stands against the bytes the camera knows), then the
// texts in block order.
template <typename Row, typename Settings, typename Id>
RecordBytes buildContainer(std::span<const Row> rows, std::size_t column,
                           const ContainerLayout<Settings, Id>& layout, const Settings& settings,
                           int languageByte, std::uint16_t tvMode) {
    using namespace codec;
    RecordBytes result;
    const std::vector<const Row*> header = headerRows(rows, column);
    if ((result.error = firstOutOfRange<Row>(header, column, settings, languageByte,
                                             layout.languageByte, i18n::cameraLanguageBytes)))
        return result;

    DataBlocks blocks;
    blocks.fill(emptyBlock());
    for (const Row* row : header)
        putNumber(blocks, row->place[column], row->encoding, row->numberIn(settings));
    blocks[0][std::size_t(layout.languageByte)] = static_cast<std::uint8_t>(languageByte);
    if (layout.tvModeByte >= 0)
        blocks[0][std::size_t(layout.tvModeByte)] = static_cast<std::uint8_t>(tvMode & 0xFF);
    for (const int offset : layout.fixedOnes)
        blocks[0][std::size_t(offset)] = 1;

    for (const detail::TextSlot<Row>& slot : detail::textSlots(rows, column, layout)) {
        // The made text answers for the text it is made from.
        const Row& field = slot.row ? *slot.row : rows[std::size_t(layout.madeFrom)];
        const QString& own = settings.*field.text;
        FieldText encoded =
            encodeField(field.nameText(), slot.row ? own : layout.make(own), field.bytes[column]);
        if (encoded.error) {
            encoded.error->id = static_cast<int>(field.id);
            result.error = encoded.error;
            return result;
        }
        putText(blocks, slot.place, encoded.bytes);
    }
    result.bytes = sealContainer(blocks, layout.adjustment(settings));
    return result;
}

// The settings read back out of a container, whatever its state, and what to trust of them.
template <typename Row, typename Settings, typename Id>
DecodedRecord<Settings> decodeContainer(std::span<const Row> rows, std::size_t column,
                                        const ContainerLayout<Settings, Id>& layout,
                                        const QByteArray& file) {
    using namespace codec;
    const OpenedContainer opened = openContainer(file);
    DecodedRecord<Settings> decoded;
    Settings& s = decoded.settings;
    const Block& header = opened.plain[0];

    HeldBytes held;
    held.hold(0, layout.languageByte);
    decoded.languageByte = header[std::size_t(layout.languageByte)];
    if (layout.tvModeByte >= 0) {
        held.hold(0, layout.tvModeByte);
        decoded.tvModeByte = header[std::size_t(layout.tvModeByte)];
    }
    bool layoutOk = true;
    for (const Row* row : headerRows(rows, column)) {
        const Place place = row->place[column];
        row->setNumber(s, numberAt(opened.plain, place, row->encoding));
        layoutOk = layoutOk && numberWellFormed(opened.plain, place, row->encoding);
        held.holdNumber(place, row->encoding);
    }
    for (const int offset : layout.fixedOnes) {
        layoutOk = layoutOk && header[std::size_t(offset)] == 1;
        held.hold(0, offset);
    }

    bool textsOk = true;
    for (const detail::TextSlot<Row>& slot : detail::textSlots(rows, column, layout)) {
        const Row& field = slot.row ? *slot.row : rows[std::size_t(layout.madeFrom)];
        const int limit = field.bytes[column];
        const StoredText stored = textAt(opened.plain, slot.place, limit);
        layoutOk = layoutOk && stored.length <= maxTextBytes;
        held.holdText(slot.place, stored);
        const Cp936Decoded text = decodeCp936(stored.bytes);
        textsOk = textsOk && text.valid && stored.length <= limit && !stored.bytes.contains('\0');
        if (slot.row)
            s.*slot.row->text = text.text;
        else
            decoded.madeText = text.text;
    }
    layoutOk = layoutOk && held.othersZero(opened.plain);

    RecordCheck& check = decoded.check;
    check.sizeOk = opened.sizeOk;
    check.lineEndsOk = opened.lineEndsOk;
    check.checkBlockOk = opened.checkBlockOk;
    check.adjustment = layout.adjustment(s);
    check.checkValueOk = opened.checkValueOk(check.adjustment);
    check.layoutOk = layoutOk;
    check.textsOk = textsOk;
    check.madeTextOk = !layout.madePlace.has() ||
                       decoded.madeText == layout.make(s.*rows[std::size_t(layout.madeFrom)].text);
    check.storedCheckValue = opened.storedCheckValue;
    check.computedCrc = opened.computedCrc;
    return decoded;
}

} // namespace kestrova::sending
