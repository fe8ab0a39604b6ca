#include "format/mms_record.h"

#include "format/text_encoding.h"

#include <algorithm>
#include <optional>

namespace kestrova::mms {

using namespace kestrova::format;

namespace {

struct TextField {
    const char16_t* name;
    QString MmsSettings::*member;
    int limit;
};

// Blocks 1 to 10, in file order.
constexpr TextField textFields[textBlockCount] = {
    {u"url", &MmsSettings::url, urlLimit},
    {u"apn", &MmsSettings::apn, apnLimit},
    {u"gateway", &MmsSettings::gateway, gatewayLimit},
    {u"port", &MmsSettings::port, portLimit},
    {u"phone1", &MmsSettings::phone1, phoneLimit},
    {u"email", &MmsSettings::email, emailLimit},
    {u"account", &MmsSettings::account, accountLimit},
    {u"password", &MmsSettings::password, passwordLimit},
    {u"phone2", &MmsSettings::phone2, phoneLimit},
    {u"phone3", &MmsSettings::phone3, phoneLimit},
};

static_assert(std::all_of(std::begin(textFields), std::end(textFields),
                          [](const TextField& f) { return f.limit <= maxTextBytes; }));

// Header offsets.
constexpr int statusOffset = 0;
constexpr int statusPlusOneOffset = 1;
constexpr int bearerOffset = 2;
constexpr int tensOffset = 3;
constexpr int unitsOffset = 4;
constexpr int languageOffset = 5;
constexpr int tvModeOffset = 6;
constexpr int internationalOffset = 7;
constexpr int countryOffset = 8;
constexpr int operatorOffset = 9;
constexpr int remoteHoursOffset = 10;
constexpr int headerUsed = 11;
constexpr int automaticOffset = 55;

std::optional<FieldError> checkNumbers(const MmsSettings& s, int languageByte) {
    return firstOutOfRange({
        {u"status", s.status, 0, 3},
        {u"bearer", s.bearer, 0, 1},
        {u"picturesPerDay", s.picturesPerDay, 0, 99},
        {u"cameraLanguage", languageByte, 1, 11},
        {u"international", s.international, 0, 1},
        {u"country", s.country, 0, 0xFF},
        {u"operator", s.operatorCode, 0, 0xFF},
        {u"remoteHours", s.remoteHours, 0, remoteOff},
        {u"automatic", s.automatic, 0, 1},
    });
}

Block headerBlock(const MmsSettings& s, int languageByte, std::uint16_t tvMode) {
    Block block = emptyBlock();
    auto put = [&block](int offset, int value) {
        block[offset] = static_cast<std::uint8_t>(value);
    };
    put(statusOffset, s.status);
    put(statusPlusOneOffset, s.status + 1);
    put(bearerOffset, s.bearer);
    put(tensOffset, s.picturesPerDay / 10);
    put(unitsOffset, s.picturesPerDay % 10);
    put(languageOffset, languageByte);
    put(tvModeOffset, tvMode & 0xFF);
    put(internationalOffset, s.international);
    put(countryOffset, s.country);
    put(operatorOffset, s.operatorCode);
    put(remoteHoursOffset, s.remoteHours);
    put(automaticOffset, s.automatic);
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
    for (int k = 0; k < textBlockCount; ++k) {
        const TextField& field = textFields[k];
        const FieldText text =
            encodeField(QString::fromUtf16(field.name), settings.*field.member, field.limit);
        if ((result.error = text.error))
            return result;
        blocks[k + 1] = textBlock(text.bytes);
    }
    result.bytes = sealContainer(blocks, settings.international == 1 ? internationalAdjustment : 0);
    return result;
}

DecodedMms decodeMmsRecord(const QByteArray& file) {
    const OpenedContainer opened = openContainer(file);
    DecodedMms decoded;
    MmsSettings& s = decoded.settings;

    const Block& header = opened.plain[0];
    s.status = header[statusOffset];
    s.bearer = header[bearerOffset];
    s.picturesPerDay = header[tensOffset] * 10 + header[unitsOffset];
    decoded.languageByte = header[languageOffset];
    decoded.tvModeByte = header[tvModeOffset];
    s.international = header[internationalOffset];
    s.country = header[countryOffset];
    s.operatorCode = header[operatorOffset];
    s.remoteHours = header[remoteHoursOffset];
    s.automatic = header[automaticOffset];

    bool layoutOk = header[statusPlusOneOffset] == ((header[statusOffset] + 1) & 0xFF) &&
                    header[tensOffset] <= 9 && header[unitsOffset] <= 9 &&
                    zeroBetween(header, headerUsed, automaticOffset) &&
                    zeroBetween(header, automaticOffset + 1, 58);
    bool textsOk = true;
    for (int k = 0; k < textBlockCount; ++k) {
        const Block& block = opened.plain[k + 1];
        const int length = block[textLengthOffset];
        layoutOk = layoutOk && length <= maxTextBytes &&
                   zeroBetween(block, std::min(length, maxTextBytes), textLengthOffset);
        const QByteArray bytes = blockText(block);
        const Cp936Decoded text = decodeCp936(bytes);
        textsOk = textsOk && text.valid && length <= textFields[k].limit && !bytes.contains('\0');
        s.*textFields[k].member = text.text;
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
