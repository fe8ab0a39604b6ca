#include "smtp/smtp_record.h"

#include "codec/block_container.h"
#include "codec/text_encoding.h"
#include "smtp/smtp_fields.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace kestrova::smtp {

using namespace kestrova::codec;
using codec::FieldKind;

namespace {

// The header bytes besides the fields': the language, how much is used, and the ones each form's
// layout fixes at 1 (-1: none).
constexpr int languageOffset = smtpLanguageByte;
constexpr int headerUsed = 9;
constexpr int automaticOffset = 55;
constexpr int fixedOnesA[] = {6, 7};
constexpr int fixedOnesB[] = {8, -1};

std::span<const int> fixedOnes(SmtpForm form) {
    return form == SmtpForm::A ? std::span<const int>(fixedOnesA)
                               : std::span<const int>(fixedOnesB);
}

int placeOf(const SmtpFieldRow& row, SmtpForm form) {
    return row.place[formColumn(form)];
}

int limitOf(const SmtpFieldRow& row, SmtpForm form) {
    return row.bytes[formColumn(form)];
}

// The pictures per day take two bytes, tens and units.
void putNumber(Block& header, const SmtpFieldRow& row, int at, int value) {
    auto put = [&header](int offset, int v) { header[offset] = static_cast<std::uint8_t>(v); };
    if (row.id == SmtpField::PicturesPerDay) {
        put(at, value / 10);
        put(at + 1, value % 10);
        return;
    }
    put(at, value);
}

int numberAt(const Block& header, const SmtpFieldRow& row, int at) {
    return row.id == SmtpField::PicturesPerDay ? header[at] * 10 + header[at + 1] : header[at];
}

// The header fields of a form in byte order, as the camera reads them.
std::vector<const SmtpFieldRow*> headerFields(SmtpForm form) {
    std::vector<const SmtpFieldRow*> rows;
    for (const SmtpFieldRow& row : smtpFields()) {
        if (row.kind != FieldKind::Text && onForm(row, form))
            rows.push_back(&row);
    }
    std::sort(rows.begin(), rows.end(), [form](const auto* a, const auto* b) {
        return placeOf(*a, form) < placeOf(*b, form);
    });
    return rows;
}

// The text fields by block, 1 to 10. Block 9 is no setting's: the user name the camera logs in
// with, cut from the sender.
std::array<const SmtpFieldRow*, textBlockCount> textFields(SmtpForm form) {
    std::array<const SmtpFieldRow*, textBlockCount> rows{};
    for (const SmtpFieldRow& row : smtpFields()) {
        if (row.kind == FieldKind::Text)
            rows[static_cast<std::size_t>(placeOf(row, form) - 1)] = &row;
    }
    return rows;
}

Block headerBlock(const SmtpSettings& s, SmtpForm form, int languageByte) {
    Block block = emptyBlock();
    for (const SmtpFieldRow* row : headerFields(form))
        putNumber(block, *row, placeOf(*row, form), s.*row->number);
    block[languageOffset] = static_cast<std::uint8_t>(languageByte);
    for (int offset : fixedOnes(form)) {
        if (offset >= 0)
            block[offset] = 1;
    }
    return block;
}

bool zeroBetween(const Block& block, int from, int to) {
    return std::all_of(block.begin() + from, block.begin() + to,
                       [](std::uint8_t b) { return b == 0; });
}

} // namespace

QString senderUserName(const QString& sender) {
    // The "@" the user typed, not a 0x40 that is the second byte of a double-byte character.
    return sender.left(sender.indexOf(u'@'));
}

RecordBytes buildSmtpRecord(const SmtpSettings& settings, SmtpForm form, int languageByte) {
    RecordBytes result;
    const std::vector<const SmtpFieldRow*> header = headerFields(form);
    if ((result.error = firstOutOfRange<SmtpFieldRow>(header, formColumn(form), settings,
                                                      languageByte, languageOffset)))
        return result;

    DataBlocks blocks{};
    blocks[0] = headerBlock(settings, form, languageByte);
    const SmtpFieldRow& sender = smtpField(SmtpField::Sender);
    for (int block = 1; const SmtpFieldRow* row : textFields(form)) {
        // The user name is held to the sender's limit and answers for it.
        const SmtpFieldRow& field = row ? *row : sender;
        const QString text = row ? settings.*row->text : senderUserName(settings.sender);
        FieldText encoded = encodeField(field.nameText(), text, limitOf(field, form));
        if (encoded.error) {
            encoded.error->id = static_cast<int>(field.id);
            result.error = encoded.error;
            return result;
        }
        blocks[static_cast<std::size_t>(block++)] = textBlock(encoded.bytes);
    }
    result.bytes = sealContainer(blocks, smtpAdjustment);
    return result;
}

DecodedSmtp decodeSmtpRecord(const QByteArray& file, SmtpForm form) {
    const OpenedContainer opened = openContainer(file);
    DecodedSmtp decoded;
    SmtpSettings& s = decoded.settings;

    const Block& header = opened.plain[0];
    for (const SmtpFieldRow* row : headerFields(form))
        s.*row->number = numberAt(header, *row, placeOf(*row, form));
    decoded.languageByte = header[languageOffset];

    const int pictures = placeOf(smtpField(SmtpField::PicturesPerDay), form);
    bool layoutOk = header[0] == 0 && header[pictures] <= 9 && header[pictures + 1] <= 9 &&
                    zeroBetween(header, headerUsed, automaticOffset) &&
                    zeroBetween(header, automaticOffset + 1, 58);
    for (int offset : fixedOnes(form))
        layoutOk = layoutOk && (offset < 0 || header[offset] == 1);

    bool textsOk = true;
    const SmtpFieldRow& sender = smtpField(SmtpField::Sender);
    for (int at = 1; const SmtpFieldRow* row : textFields(form)) {
        const Block& block = opened.plain[static_cast<std::size_t>(at++)];
        const int length = block[textLengthOffset];
        layoutOk = layoutOk && length <= maxTextBytes &&
                   zeroBetween(block, std::min(length, maxTextBytes), textLengthOffset);
        const QByteArray bytes = blockText(block);
        const Cp936Decoded text = decodeCp936(bytes);
        textsOk = textsOk && text.valid && length <= limitOf(row ? *row : sender, form) &&
                  !bytes.contains('\0');
        if (row)
            s.*row->text = text.text;
        else
            decoded.userName = text.text;
    }

    SmtpRecordCheck& check = decoded.check;
    check.sizeOk = opened.sizeOk;
    check.lineEndsOk = opened.lineEndsOk;
    check.checkBlockOk = opened.checkBlockOk;
    check.checkValueOk = opened.checkValueOk(smtpAdjustment);
    check.layoutOk = layoutOk;
    check.textsOk = textsOk;
    check.userNameOk = decoded.userName == senderUserName(s.sender);
    check.storedCheckValue = opened.storedCheckValue;
    check.computedCrc = opened.computedCrc;
    return decoded;
}

} // namespace kestrova::smtp
