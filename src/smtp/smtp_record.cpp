#include "smtp/smtp_record.h"

#include "codec/container_fields.h"
#include "codec/text_encoding.h"
#include "i18n/language.h"
#include "smtp/smtp_fields.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace kestrova::smtp {

using namespace kestrova::codec;
using codec::FieldKind;

namespace {

// The header bytes besides the fields': the ones each form's layout fixes at 1.
constexpr int fixedOnesA[] = {6, 7};
constexpr int fixedOnesB[] = {8};

std::span<const int> fixedOnes(SmtpForm form) {
    return form == SmtpForm::A ? std::span<const int>(fixedOnesA)
                               : std::span<const int>(fixedOnesB);
}

int limitOf(const SmtpFieldRow& row, SmtpForm form) {
    return row.bytes[formColumn(form)];
}

// The texts in the order of their blocks, the user name (held to the sender's limit) in its own.
struct TextSlot {
    const SmtpFieldRow* row; // nullptr: the user name
    Place place;
};

std::vector<TextSlot> textSlots(SmtpForm form) {
    const std::size_t column = formColumn(form);
    std::vector<TextSlot> slots;
    for (const SmtpFieldRow* row : textRows(smtpFields(), column))
        slots.push_back({row, row->place[column]});
    const auto after = std::find_if(slots.begin(), slots.end(), [](const TextSlot& slot) {
        return slot.place.block > smtpUserNamePlace.block;
    });
    slots.insert(after, {nullptr, smtpUserNamePlace});
    return slots;
}

} // namespace

QString senderUserName(const QString& sender) {
    // The "@" the user typed, not a 0x40 that is the second byte of a double-byte character.
    return sender.left(sender.indexOf(u'@'));
}

RecordBytes buildSmtpRecord(const SmtpSettings& settings, SmtpForm form, int languageByte) {
    RecordBytes result;
    const std::size_t column = formColumn(form);
    const std::vector<const SmtpFieldRow*> header = headerRows(smtpFields(), column);
    if ((result.error = firstOutOfRange<SmtpFieldRow>(header, column, settings, languageByte,
                                                      smtpLanguageByte, i18n::cameraLanguageBytes)))
        return result;

    DataBlocks blocks;
    blocks.fill(emptyBlock());
    for (const SmtpFieldRow* row : header)
        putNumber(blocks, row->place[column], row->encoding, row->numberIn(settings));
    blocks[0][smtpLanguageByte] = static_cast<std::uint8_t>(languageByte);
    for (int offset : fixedOnes(form))
        blocks[0][static_cast<std::size_t>(offset)] = 1;

    const SmtpFieldRow& sender = smtpField(SmtpField::Sender);
    for (const TextSlot& slot : textSlots(form)) {
        // The user name answers for the sender.
        const SmtpFieldRow& field = slot.row ? *slot.row : sender;
        const QString text = slot.row ? settings.*slot.row->text : senderUserName(settings.sender);
        FieldText encoded = encodeField(field.nameText(), text, limitOf(field, form));
        if (encoded.error) {
            encoded.error->id = static_cast<int>(field.id);
            result.error = encoded.error;
            return result;
        }
        putText(blocks, slot.place, encoded.bytes);
    }
    result.bytes = sealContainer(blocks, smtpAdjustment);
    return result;
}

DecodedSmtp decodeSmtpRecord(const QByteArray& file, SmtpForm form) {
    const OpenedContainer opened = openContainer(file);
    const std::size_t column = formColumn(form);
    DecodedSmtp decoded;
    SmtpSettings& s = decoded.settings;

    HeldBytes held;
    held.hold(0, smtpLanguageByte);
    bool layoutOk = true;
    for (const SmtpFieldRow* row : headerRows(smtpFields(), column)) {
        const Place place = row->place[column];
        row->setNumber(s, numberAt(opened.plain, place, row->encoding));
        layoutOk = layoutOk && numberWellFormed(opened.plain, place, row->encoding);
        held.holdNumber(place, row->encoding);
    }
    decoded.languageByte = opened.plain[0][smtpLanguageByte];
    for (int offset : fixedOnes(form)) {
        layoutOk = layoutOk && opened.plain[0][static_cast<std::size_t>(offset)] == 1;
        held.hold(0, offset);
    }

    bool textsOk = true;
    const SmtpFieldRow& sender = smtpField(SmtpField::Sender);
    for (const TextSlot& slot : textSlots(form)) {
        const int limit = limitOf(slot.row ? *slot.row : sender, form);
        const StoredText stored = textAt(opened.plain, slot.place, limit);
        layoutOk = layoutOk && stored.length <= maxTextBytes;
        held.holdText(slot.place, stored);
        const Cp936Decoded text = decodeCp936(stored.bytes);
        textsOk = textsOk && text.valid && stored.length <= limit && !stored.bytes.contains('\0');
        if (slot.row)
            s.*slot.row->text = text.text;
        else
            decoded.userName = text.text;
    }
    layoutOk = layoutOk && held.othersZero(opened.plain);

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
