#include "format/smtp_record.h"

#include "format/block_container.h"
#include "format/text_encoding.h"

#include <algorithm>
#include <optional>

namespace kestrova::smtp {

using namespace kestrova::format;

namespace {

// Header offsets; 6 to 8 differ between the forms.
constexpr int operatorOffset = 1;
constexpr int countryOffset = 2;
constexpr int tensOffset = 3;
constexpr int unitsOffset = 4;
constexpr int languageOffset = 5;
constexpr int headerUsed = 9;
constexpr int automaticOffset = 55;

struct FormBytes {
    int status; // -1 where the form has none
    int remoteHours;
    int fixedOnes[2];
};

constexpr FormBytes formA{-1, 8, {6, 7}};
constexpr FormBytes formB{6, 7, {8, -1}};

constexpr const FormBytes& formBytes(SmtpForm form) {
    return form == SmtpForm::A ? formA : formB;
}

struct TextField {
    const char16_t* name;
    QString SmtpSettings::*member; // nullptr for the user name, which is derived
    int limitA;
    int limitB;

    int limit(SmtpForm form) const { return form == SmtpForm::A ? limitA : limitB; }
};

// Blocks 1 to 10, in file order.
constexpr TextField textFields[textBlockCount] = {
    {u"apn", &SmtpSettings::apn, apnLimit, apnLimit},
    {u"account", &SmtpSettings::account, accountLimit, accountLimit},
    {u"gprsPassword", &SmtpSettings::gprsPassword, gprsPasswordLimit, gprsPasswordLimit},
    {u"server", &SmtpSettings::server, serverLimit, serverLimit},
    {u"port", &SmtpSettings::port, portLimit, portLimit},
    {u"sender", &SmtpSettings::sender, addressLimit(SmtpForm::A), addressLimit(SmtpForm::B)},
    {u"senderPassword", &SmtpSettings::senderPassword, senderPasswordLimit, senderPasswordLimit},
    {u"phone", &SmtpSettings::phone, phoneLimit, phoneLimit},
    {u"sender", nullptr, addressLimit(SmtpForm::A), addressLimit(SmtpForm::B)},
    {u"recipient", &SmtpSettings::recipient, addressLimit(SmtpForm::A), addressLimit(SmtpForm::B)},
};

static_assert(std::all_of(std::begin(textFields), std::end(textFields), [](const TextField& f) {
    return f.limitA <= maxTextBytes && f.limitB <= maxTextBytes;
}));

std::optional<FieldError> checkNumbers(const SmtpSettings& s, SmtpForm form, int languageByte) {
    return firstOutOfRange({
        {u"operator", s.operatorCode, 0, 0xFF},
        {u"country", s.country, 0, 0xFF},
        {u"picturesPerDay", s.picturesPerDay, 0, 99},
        {u"cameraLanguage", languageByte, 1, 11},
        {u"status", form == SmtpForm::B ? s.status : 0, 0, 2},
        {u"remoteHours", s.remoteHours, 0, remoteOff},
        {u"automatic", s.automatic, 0, 1},
    });
}

Block headerBlock(const SmtpSettings& s, SmtpForm form, int languageByte) {
    Block block = emptyBlock();
    auto put = [&block](int offset, int value) {
        block[offset] = static_cast<std::uint8_t>(value);
    };
    put(operatorOffset, s.operatorCode);
    put(countryOffset, s.country);
    put(tensOffset, s.picturesPerDay / 10);
    put(unitsOffset, s.picturesPerDay % 10);
    put(languageOffset, languageByte);
    const FormBytes& layout = formBytes(form);
    if (layout.status >= 0)
        put(layout.status, s.status);
    put(layout.remoteHours, s.remoteHours);
    for (int offset : layout.fixedOnes) {
        if (offset >= 0)
            put(offset, 1);
    }
    put(automaticOffset, s.automatic);
    return block;
}

bool zeroBetween(const Block& block, int from, int to) {
    return std::all_of(block.begin() + from, block.begin() + to,
                       [](std::uint8_t b) { return b == 0; });
}

QString textOf(const SmtpSettings& s, const TextField& field) {
    return field.member ? s.*field.member : senderUserName(s.sender);
}

} // namespace

QString senderUserName(const QString& sender) {
    // The "@" the user typed, not a 0x40 that is the second byte of a double-byte character.
    return sender.left(sender.indexOf(u'@'));
}

RecordBytes buildSmtpRecord(const SmtpSettings& settings, SmtpForm form, int languageByte) {
    RecordBytes result;
    if ((result.error = checkNumbers(settings, form, languageByte)))
        return result;

    DataBlocks blocks{};
    blocks[0] = headerBlock(settings, form, languageByte);
    for (int k = 0; k < textBlockCount; ++k) {
        const TextField& field = textFields[k];
        const FieldText text =
            encodeField(QString::fromUtf16(field.name), textOf(settings, field), field.limit(form));
        if ((result.error = text.error))
            return result;
        blocks[k + 1] = textBlock(text.bytes);
    }
    result.bytes = sealContainer(blocks, smtpAdjustment);
    return result;
}

DecodedSmtp decodeSmtpRecord(const QByteArray& file, SmtpForm form) {
    const OpenedContainer opened = openContainer(file);
    DecodedSmtp decoded;
    SmtpSettings& s = decoded.settings;
    const FormBytes& layout = formBytes(form);

    const Block& header = opened.plain[0];
    s.operatorCode = header[operatorOffset];
    s.country = header[countryOffset];
    s.picturesPerDay = header[tensOffset] * 10 + header[unitsOffset];
    decoded.languageByte = header[languageOffset];
    if (layout.status >= 0)
        s.status = header[layout.status];
    s.remoteHours = header[layout.remoteHours];
    s.automatic = header[automaticOffset];

    bool layoutOk = header[0] == 0 && header[tensOffset] <= 9 && header[unitsOffset] <= 9 &&
                    zeroBetween(header, headerUsed, automaticOffset) &&
                    zeroBetween(header, automaticOffset + 1, 58);
    for (int offset : layout.fixedOnes)
        layoutOk = layoutOk && (offset < 0 || header[offset] == 1);

    bool textsOk = true;
    for (int k = 0; k < textBlockCount; ++k) {
        const TextField& field = textFields[k];
        const Block& block = opened.plain[k + 1];
        const int length = block[textLengthOffset];
        layoutOk = layoutOk && length <= maxTextBytes &&
                   zeroBetween(block, std::min(length, maxTextBytes), textLengthOffset);
        const QByteArray bytes = blockText(block);
        const Cp936Decoded text = decodeCp936(bytes);
        textsOk = textsOk && text.valid && length <= field.limit(form) && !bytes.contains('\0');
        if (field.member)
            s.*field.member = text.text;
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
