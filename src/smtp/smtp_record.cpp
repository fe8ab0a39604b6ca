#include "smtp/smtp_record.h"

namespace kestrova::smtp {

namespace {

// The header bytes besides the fields': the ones each form's layout fixes at 1.
constexpr int fixedOnesA[] = {6, 7};
constexpr int fixedOnesB[] = {8};

sending::ContainerLayout<SmtpSettings, SmtpField> layoutWith(std::span<const int> fixedOnes) {
    return {.languageByte = smtpLanguageByte,
            .fixedOnes = fixedOnes,
            .madePlace = smtpUserNamePlace,
            .madeFrom = SmtpField::Sender,
            .make = senderUserName,
            .adjustment = [](const SmtpSettings&) { return smtpAdjustment; }};
}

} // namespace

QString senderUserName(const QString& sender) {
    // The "@" the user typed, not a 0x40 that is the second byte of a double-byte character.
    return sender.left(sender.indexOf(u'@'));
}

const sending::ContainerLayout<SmtpSettings, SmtpField>& smtpLayout(SmtpForm form) {
    static const auto layoutA = layoutWith(fixedOnesA);
    static const auto layoutB = layoutWith(fixedOnesB);
    return form == SmtpForm::A ? layoutA : layoutB;
}

RecordBytes buildSmtpRecord(const SmtpSettings& settings, SmtpForm form, int languageByte) {
    return sending::buildContainer(smtpFields(), formColumn(form), smtpLayout(form), settings,
                                   languageByte, 0);
}

DecodedSmtp decodeSmtpRecord(const QByteArray& file, SmtpForm form) {
    return sending::decodeContainer(smtpFields(), formColumn(form), smtpLayout(form), file);
}

} // namespace kestrova::smtp
