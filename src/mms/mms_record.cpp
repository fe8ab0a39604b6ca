#include "mms/mms_record.h"

#include "codec/container_fields.h"
#include "codec/text_encoding.h"
#include "i18n/language.h"
#include "mms/mms_fields.h"

namespace kestrova::mms {

using namespace kestrova::codec;

namespace {

// Both forms write the same record.
constexpr std::size_t column = 0;

std::vector<const MmsFieldRow*> numbers() {
    return headerRows(mmsFields(), column);
}

std::vector<const MmsFieldRow*> texts() {
    return textRows(mmsFields(), column);
}

} // namespace

RecordBytes buildMmsRecord(const MmsSettings& settings, int languageByte, std::uint16_t tvMode) {
    RecordBytes result;
    const std::vector<const MmsFieldRow*> header = numbers();
    if ((result.error = firstOutOfRange<MmsFieldRow>(header, column, settings, languageByte,
                                                     mmsLanguageByte, i18n::cameraLanguageBytes)))
        return result;

    DataBlocks blocks;
    blocks.fill(emptyBlock());
    for (const MmsFieldRow* row : header)
        putNumber(blocks, row->place[column], row->encoding, row->numberIn(settings));
    blocks[0][mmsLanguageByte] = static_cast<std::uint8_t>(languageByte);
    blocks[0][mmsTvModeByte] = static_cast<std::uint8_t>(tvMode & 0xFF);
    for (const MmsFieldRow* row : texts()) {
        FieldText text = encodeField(row->nameText(), settings.*row->text, row->bytes[column]);
        if (text.error) {
            text.error->id = static_cast<int>(row->id);
            result.error = text.error;
            return result;
        }
        putText(blocks, row->place[column], text.bytes);
    }
    result.bytes = sealContainer(blocks, settings.international == 1 ? internationalAdjustment : 0);
    return result;
}

DecodedMms decodeMmsRecord(const QByteArray& file) {
    const OpenedContainer opened = openContainer(file);
    DecodedMms decoded;
    MmsSettings& s = decoded.settings;

    HeldBytes held;
    held.hold(0, mmsLanguageByte);
    held.hold(0, mmsTvModeByte);
    bool layoutOk = true;
    for (const MmsFieldRow* row : numbers()) {
        const Place place = row->place[column];
        row->setNumber(s, numberAt(opened.plain, place, row->encoding));
        layoutOk = layoutOk && numberWellFormed(opened.plain, place, row->encoding);
        held.holdNumber(place, row->encoding);
    }
    decoded.languageByte = opened.plain[0][mmsLanguageByte];
    decoded.tvModeByte = opened.plain[0][mmsTvModeByte];

    bool textsOk = true;
    for (const MmsFieldRow* row : texts()) {
        const StoredText stored = textAt(opened.plain, row->place[column], row->bytes[column]);
        layoutOk = layoutOk && stored.length <= maxTextBytes;
        held.holdText(row->place[column], stored);
        const Cp936Decoded text = decodeCp936(stored.bytes);
        textsOk = textsOk && text.valid && stored.length <= row->bytes[column] &&
                  !stored.bytes.contains('\0');
        s.*row->text = text.text;
    }
    layoutOk = layoutOk && held.othersZero(opened.plain);

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
