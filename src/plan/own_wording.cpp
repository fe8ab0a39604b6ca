#include "plan/own_wording.h"

namespace kestrova::plan {

using i18n::SummaryText;

std::optional<SummaryText> ownCaption(camera::MenuField field) {
    switch (field) {
    case camera::MenuField::BeepSound:
        return SummaryText::CaptionBeepSound;
    case camera::MenuField::SdCycle:
        return SummaryText::CaptionSdCycle;
    case camera::MenuField::Timer2:
        return SummaryText::CaptionTimer2;
    default:
        return std::nullopt;
    }
}

std::optional<SummaryText> ownCaption(mms::MmsField field) {
    switch (field) {
    case mms::MmsField::RemoteHours:
        return SummaryText::CaptionRemoteControl;
    case mms::MmsField::Bearer:
        return SummaryText::CaptionBearer;
    case mms::MmsField::International:
        return SummaryText::CaptionPhoneScope;
    default:
        return std::nullopt;
    }
}

std::optional<SummaryText> ownCaption(smtp::SmtpField field) {
    switch (field) {
    case smtp::SmtpField::Mode:
        return SummaryText::CaptionSmtpMode;
    case smtp::SmtpField::Status:
        return SummaryText::CaptionSmtpStatus;
    case smtp::SmtpField::RemoteHours:
        return SummaryText::CaptionRemoteControl;
    case smtp::SmtpField::Server:
        return SummaryText::CaptionSmtpServer;
    case smtp::SmtpField::Sender:
        return SummaryText::CaptionSenderEmail;
    default:
        return std::nullopt;
    }
}

QString sensitivityText(int senseLevel, int language) {
    // The list's order: normal, high, low, off.
    constexpr SummaryText levels[] = {SummaryText::SensitivityNormal, SummaryText::SensitivityHigh,
                                      SummaryText::SensitivityLow};
    if (senseLevel < 0 || senseLevel >= static_cast<int>(std::size(levels)))
        return QString::number(senseLevel);
    return i18n::summaryText(levels[senseLevel], language);
}

QString scopeText(int international, int language) {
    return i18n::summaryText(international == 1 ? SummaryText::ValueInternational
                                                : SummaryText::ValueDomestic,
                             language);
}

bool isPassword(const QString& settingName) {
    for (const QString& name : {mms::mmsField(mms::MmsField::Password).nameText(),
                                smtp::smtpField(smtp::SmtpField::GprsPassword).nameText(),
                                smtp::smtpField(smtp::SmtpField::SenderPassword).nameText()}) {
        if (settingName == name)
            return true;
    }
    return false;
}

} // namespace kestrova::plan
