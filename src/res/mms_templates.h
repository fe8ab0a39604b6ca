#pragma once

#include "common/form_variants.h"
#include "res/dialog_template.h"

namespace kestrova::res {

// Resource numbers of the two MMS forms. The text tables key their captions and option lists by
// them; both forms share them except for the remote-control hour row.
namespace mms_form {
constexpr int templateA = 142;
constexpr int templateB = 130;

constexpr int generateButton = 1;
constexpr int exitButton = 2;

constexpr int modeLabel = 1039;
constexpr int statusLabel = 1040;
constexpr int modeList = 1041;
constexpr int statusList = 1042;
constexpr int countryLabel = 1043;
constexpr int operatorLabel = 1044;
constexpr int countryList = 1045;
constexpr int operatorList = 1046;
constexpr int urlLabel = 1047;
constexpr int gatewayLabel = 1048;
constexpr int portLabel = 1049;
constexpr int phoneLabel = 1050;
constexpr int emailLabel = 1051;
constexpr int accountLabel = 1052;
constexpr int passwordLabel = 1053;
constexpr int recipient2Label = 1054; // the first "Phone or Email"
constexpr int recipient3Label = 1055; // the second "Phone or Email"
constexpr int bearerList = 1056;      // "APN" (and "CSD" in "Manual" mode), left of the APN box
constexpr int selectButton = 1057;
constexpr int moreButton = 1190;
constexpr int groupBox = 1058;
constexpr int picturesLabel = 1059;
constexpr int scopeList = 1060; // "Domestic " / "International", beside "Phone No"

constexpr int picturesField = 1062;
constexpr int urlField = 1063;
constexpr int apnField = 1064;
constexpr int gatewayField = 1065;
constexpr int portField = 1066;
constexpr int phoneField = 1067;
constexpr int emailField = 1068;
constexpr int accountField = 1069;
constexpr int passwordField = 1070;
constexpr int recipient2Field = 1071;
constexpr int recipient3Field = 1072;
constexpr int folderField = 1073;

constexpr int unlimitedNote = 1075;

// Static controls that no text table names.
constexpr int firstStaticControl = 1200;
} // namespace mms_form

// The "SMS Remote Control" row is numbered differently on each form.
struct MmsHourControls {
    int label;
    int list;
    int suffix; // the "H" after the list
};

constexpr MmsHourControls mmsHourControls(MmsForm form) {
    if (form == MmsForm::A)
        return {1084, 1061, 1085};
    return {1129, 1134, mms_form::firstStaticControl};
}

const dialog::DialogTemplate& mmsFormTemplate(MmsForm form);

} // namespace kestrova::res
