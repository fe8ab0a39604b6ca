#pragma once

#include "common/form_variants.h"
#include "res/dialog_template.h"

namespace kestrova::res {

// Resource numbers of the two SMTP forms. The text tables key their captions by them; where the
// forms differ, the functions below give each form's number.
namespace smtp_form {
constexpr int templateA = 147;
constexpr int templateB = 143;

constexpr int exitButton = 2;
constexpr int selectButton = 1111;
constexpr int generateButton = 1112;
constexpr int moreButton = 1190;

constexpr int modeLabel = 1086;
constexpr int modeList = 1087;
constexpr int countryList = 1088;
constexpr int picturesLabel = 1089;
constexpr int unlimitedNote = 1090;
constexpr int countryLabel = 1091;
constexpr int operatorLabel = 1092;
constexpr int operatorList = 1093;
constexpr int apnField = 1094;
constexpr int accountField = 1095;
constexpr int gprsPasswordField = 1096;
constexpr int apnLabel = 1097;
constexpr int accountLabel = 1098;
constexpr int gprsPasswordLabel = 1099;
constexpr int serverLabel = 1100;
constexpr int portLabel = 1101;
constexpr int senderPasswordLabel = 1102;
constexpr int senderLabel = 1103;
constexpr int serverField = 1104;
constexpr int portField = 1105;
constexpr int recipientLabel = 1106;
constexpr int senderField = 1108;
constexpr int senderPasswordField = 1109;
constexpr int recipientField = 1110;
constexpr int picturesField = 1117;
constexpr int phoneField = 1118;
constexpr int folderField = 1119;

// Form B only: "SMTP Status" and its list.
constexpr int statusLabel = 1113;
constexpr int statusList = 1114;

// Group boxes, the "H" beside the hour list and the frames: no text table names them.
constexpr int firstStaticControl = 1200;

constexpr int phoneLabel(SmtpForm form) {
    return form == SmtpForm::A ? 1114 : 1116;
}
constexpr int remoteLabel(SmtpForm form) {
    return form == SmtpForm::A ? 1132 : 1107;
}
constexpr int hourList(SmtpForm form) {
    return form == SmtpForm::A ? 1135 : 1115;
}
} // namespace smtp_form

const dialog::DialogTemplate& smtpFormTemplate(SmtpForm form);

} // namespace kestrova::res
