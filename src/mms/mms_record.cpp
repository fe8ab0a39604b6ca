#include "mms/mms_record.h"

#include "codec/text_encoding.h"
#include "mms/mms_fields.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace kestrova::mms {

using namespace kestrova::codec;
using codec::FieldKind;

namespace {

// The header bytes besides the fields': what the process gives, and how much is used.
constexpr int languageOffset = mmsLanguageByte;
constexpr int tvModeOffset = mmsTvModeByte;
constexpr int headerUsed = 11;
constexpr int automaticOffset = 55;

// Two fields take a second byte: the status again plus one, and the pictures per day as tens
// and units.
void putNumber(Block& header, const MmsFieldRow& row, int value) {
    const int at = row.place[0];
    auto put = [&header](int offset, int v) { header[offset] = static_cast<std::uint8_t>(v); };
    if (row.id == MmsField::PicturesPerDay) {
        put(at, value / 10);
        put(at + 1, value % 10);
        return;
    }
    put(at, value);
    if (row.id == MmsField::Status)
        put(at + 1, value + 1);
}

int numberAt(const Block& header, const MmsFieldRow& row) {
    const int at = row.place[0];
    return row.id == MmsField::PicturesPerDay ? header[at] * 10 + header[at + 1] : header[at];
}

// The header fields in byte order, as the camera reads them.
std::vector<const MmsFieldRow*> headerFields() {
    std::vector<const MmsFieldRow*> rows;
    for (const MmsFieldRow& row : mmsFields()) {
        if (row.kind != FieldKind::Text)
            rows.push_back(&row);
    }
    std::sort(rows.begin(), rows.end(),
              [](const auto* a, const auto* b) { return a->place[0] < b->place[0]; });
    return rows;
}

// The text fields by block, 1 to 10.
std::array<const MmsFieldRow*, textBlockCount> textFields() {
    std::array<const MmsFieldRow*, textBlockCount> rows{};
    for (const MmsFieldRow& row : mmsFields()) {
        if (row.kind == FieldKind::Text)
            rows[static_cast<std::size_t>(row.place[0] - 1)] = &row;
    }
    return rows;
}

std::optional<FieldError> checkNumbers(const MmsSettings& s, int languageByte) {
    bool languageChecked = false;
    for (const MmsFieldRow* row : headerFields()) {
        if (!languageChecked && row->place[0] > languageOffset) {
            languageChecked = true;
            if (auto error = checkRange(QStringLiteral("cameraLanguage"), languageByte, 1, 11))
                return error;
        }
        if (auto error = checkRange(row->nameText(), s.*row->number, row->lower, row->upper)) {
            error->id = static_cast<int>(row->id);
            return error;
        }
    }
    return std::nullopt;
}

Block headerBlock(const MmsSettings& s, int languageByte, std::uint16_t tvMode) {
    Block block = emptyBlock();
    for (const MmsFieldRow* row : headerFields())
        putNumber(block, *row, s.*row->number);
    block[languageOffset] = static_cast<std::uint8_t>(languageByte);
    block[tvModeOffset] = static_cast<std::uint8_t>(tvMode & 0xFF);
    return block;
}

bool zeroBetween(const Block& block, int from, int to) {
    return std::all_of(block.begin() + from, block.begin() + to,
                       [](std::uint8_t b) { return b == 0; });
}

} // namespace

RecordBytes buildMmsRecord(const MmsSettings& settings, int languageByte, std::uint16_t tvMode) {
    RecordBytes result;
    if ((result.error = checkNumbers(settings, languageByte)))
        return result;

    DataBlocks blocks{};
    blocks[0] = headerBlock(settings, languageByte, tvMode);
    for (const MmsFieldRow* row : textFields()) {
        FieldText text = encodeField(row->nameText(), settings.*row->text, row->bytes[0]);
        if (text.error) {
            text.error->id = static_cast<int>(row->id);
            result.error = text.error;
            return result;
        }
        blocks[static_cast<std::size_t>(row->place[0])] = textBlock(text.bytes);
    }
    result.bytes = sealContainer(blocks, settings.international == 1 ? internationalAdjustment : 0);
    return result;
}

DecodedMms decodeMmsRecord(const QByteArray& file) {
    const OpenedContainer opened = openContainer(file);
    DecodedMms decoded;
    MmsSettings& s = decoded.settings;

    const Block& header = opened.plain[0];
    for (const MmsFieldRow* row : headerFields())
        s.*row->number = numberAt(header, *row);
    decoded.languageByte = header[languageOffset];
    decoded.tvModeByte = header[tvModeOffset];

    const int status = mmsField(MmsField::Status).place[0];
    const int pictures = mmsField(MmsField::PicturesPerDay).place[0];
    bool layoutOk = header[status + 1] == ((header[status] + 1) & 0xFF) && header[pictures] <= 9 &&
                    header[pictures + 1] <= 9 && zeroBetween(header, headerUsed, automaticOffset) &&
                    zeroBetween(header, automaticOffset + 1, 58);
    bool textsOk = true;
    for (const MmsFieldRow* row : textFields()) {
        const Block& block = opened.plain[static_cast<std::size_t>(row->place[0])];
        const int length = block[textLengthOffset];
        layoutOk = layoutOk && length <= maxTextBytes &&
                   zeroBetween(block, std::min(length, maxTextBytes), textLengthOffset);
        const QByteArray bytes = blockText(block);
        const Cp936Decoded text = decodeCp936(bytes);
        textsOk = textsOk && text.valid && length <= row->bytes[0] && !bytes.contains('\0');
        s.*row->text = text.text;
    }

    MmsRecordCheck& check = decoded.check;
    check.sizeOk = opened.sizeOk;
    check.lineEndsOk = opened.lineEndsOk;
    check.checkBlockOk = opened.checkBlockOk;
    check.adjustment = s.international == 1 ? internationalAdjustment : 0;
    check.checkValueOk = opened.checkValueOk(check.adjustment);
    check.layoutOk = layoutOk;
    check.textsOk = textsOk;
    check.storedCheckValue = opened.storedCheckValue;
    check.computedCrc = opened.computedCrc;
    return decoded;
}

} // namespace kestrova::mms
