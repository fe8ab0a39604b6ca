#include "mms/mms_record.h"

namespace kestrova::mms {

namespace {

// Both forms write the same record.
constexpr std::size_t column = 0;

} // namespace

const sending::ContainerLayout<MmsSettings, MmsField>& mmsLayout() {
    static const sending::ContainerLayout<MmsSettings, MmsField> layout{
        .languageByte = mmsLanguageByte,
        .tvModeByte = mmsTvModeByte,
        .adjustment = [](const MmsSettings& s) {
            return s.international == 1 ? internationalAdjustment : 0;
        }};
    return layout;
}

RecordBytes buildMmsRecord(const MmsSettings& settings, int languageByte, std::uint16_t tvMode) {
    return sending::buildContainer(mmsFields(), column, mmsLayout(), settings, languageByte,
                                   tvMode);
}

DecodedMms decodeMmsRecord(const QByteArray& file) {
    return sending::decodeContainer(mmsFields(), column, mmsLayout(), file);
}

} // namespace kestrova::mms
