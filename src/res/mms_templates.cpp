#include "res/mms_templates.h"

namespace kestrova::res {

using namespace dialog;
using namespace mms_form;

namespace {

// One column of rows inside the "MMS" group: the label on the left, its control on the right.
// The labels are wide enough for the longest caption of any language.
constexpr int windowWidth = 284;
constexpr int groupX = 5;
constexpr int groupY = 3;
constexpr int groupWidth = windowWidth - 2 * groupX;
constexpr int labelX = 12;
constexpr int labelWidth = 88;
constexpr int controlX = 104;
constexpr int controlRight = groupX + groupWidth - 7;
constexpr int controlWidth = controlRight - controlX;
constexpr int firstRowY = 15;
constexpr int rowStep = 16;
constexpr int editHeight = 13;
constexpr int listHeight = 14;
constexpr int labelHeight = 10;
constexpr int buttonHeight = 16;

class Builder {
public:
    std::vector<ControlTemplate> controls;
    int y = firstRowY;

    void add(int id, ControlKind kind, const UnitRect& rect, const QString& caption = {},
             unsigned style = NoStyle, int names = 0, const QString& accessibleName = {}) {
        controls.push_back({id, kind, rect, caption, style, names, accessibleName});
    }

    void label(int id, const QString& caption, int names) {
        add(id, ControlKind::Label, {labelX, y + 2, labelWidth, labelHeight}, caption, NoStyle,
            names);
    }

    void listRow(int labelId, const QString& caption, int listId, int width = controlWidth) {
        label(labelId, caption, listId);
        add(listId, ControlKind::List, {controlX, y, width, listHeight});
        y += rowStep;
    }

    void editRow(int labelId, const QString& caption, int fieldId, int width = controlWidth) {
        label(labelId, caption, fieldId);
        add(fieldId, ControlKind::Edit, {controlX, y, width, editHeight});
        y += rowStep;
    }

    void picturesRow() {
        label(picturesLabel, QStringLiteral("Picture No./ day"), picturesField);
        constexpr int fieldWidth = 28;
        add(picturesField, ControlKind::Edit, {controlX, y, fieldWidth, editHeight}, {}, Centred);
        constexpr int noteX = controlX + fieldWidth + 4;
        add(unlimitedNote, ControlKind::Label, {noteX, y + 2, controlRight - noteX, labelHeight},
            QStringLiteral("Note: 0 = Unlimited"));
        y += rowStep;
    }

    void hourRow(MmsForm form) {
        const MmsHourControls hour = mmsHourControls(form);
        label(hour.label, QStringLiteral("SMS Remote Control"), hour.list);
        constexpr int listWidth = 50;
        add(hour.list, ControlKind::List, {controlX, y, listWidth, listHeight});
        add(hour.suffix, ControlKind::Label, {controlX + listWidth + 4, y + 2, 12, labelHeight},
            QStringLiteral("H"));
        y += rowStep;
    }

    // The bearer list stands where the row's label would; the box itself has no label.
    void apnRow() {
        add(bearerList, ControlKind::List, {labelX, y, 48, listHeight}, {}, NoStyle, 0,
            QStringLiteral("Bearer"));
        add(apnField, ControlKind::Edit, {controlX, y, controlWidth, editHeight}, {}, NoStyle, 0,
            QStringLiteral("APN"));
        y += rowStep;
    }

    void phoneRow() {
        constexpr int scopeWidth = 64;
        constexpr int phoneWidth = controlWidth - scopeWidth - 4;
        label(phoneLabel, QStringLiteral("Phone No"), phoneField);
        add(phoneField, ControlKind::Edit, {controlX, y, phoneWidth, editHeight});
        add(scopeList, ControlKind::List, {controlRight - scopeWidth, y, scopeWidth, listHeight},
            {}, NoStyle, 0, QStringLiteral("Phone number scope"));
        y += rowStep;
    }

    // The folder, and under it the line that says where loaded settings came from.
    void folderRow() {
        y += 2;
        add(selectButton, ControlKind::Button, {labelX, y, labelWidth, 15},
            QStringLiteral("Select"));
        const UnitRect field{controlX, y + 1, controlWidth, editHeight};
        add(folderField, ControlKind::Edit, field, {}, ReadOnly, 0,
            QStringLiteral("Target folder"));
        controls.push_back(sourceLineBelow(field));
        y += 15 + sourceLineHeight + 2;
    }
};

DialogTemplate makeTemplate(MmsForm form) {
    Builder b;
    b.listRow(modeLabel, QStringLiteral("MMS Mode"), modeList, 90);
    b.listRow(statusLabel, QStringLiteral("MMS Status"), statusList, 90);
    b.picturesRow();
    b.hourRow(form);
    b.listRow(countryLabel, QStringLiteral("Country"), countryList);
    b.listRow(operatorLabel, QStringLiteral("Operator"), operatorList);
    b.editRow(urlLabel, QStringLiteral("URL"), urlField);
    b.apnRow();
    b.editRow(gatewayLabel, QStringLiteral("Gateway"), gatewayField);
    b.editRow(portLabel, QStringLiteral("Port"), portField, 60);
    b.phoneRow();
    b.editRow(emailLabel, QStringLiteral("Email"), emailField);
    b.editRow(accountLabel, QStringLiteral("Account"), accountField);
    b.editRow(passwordLabel, QStringLiteral("Password"), passwordField);
    b.editRow(recipient2Label, QStringLiteral("Phone or Email"), recipient2Field);
    b.editRow(recipient3Label, QStringLiteral("Phone or Email"), recipient3Field);
    b.folderRow();

    const int groupBottom = b.y + 5;
    // The group goes first so it is drawn behind the rows it holds.
    b.controls.insert(b.controls.begin(),
                      ControlTemplate{groupBox, ControlKind::GroupBox,
                                      UnitRect{groupX, groupY, groupWidth, groupBottom - groupY},
                                      QStringLiteral("MMS"), NoStyle, 0, QString()});

    const int buttonY = groupBottom + 6;
    constexpr int buttonWidth = 80;
    b.add(generateButton, ControlKind::Button, {44, buttonY, buttonWidth, buttonHeight},
          QStringLiteral("Generate"), DefaultButton);
    const UnitRect exit{windowWidth - 44 - buttonWidth, buttonY, buttonWidth, buttonHeight};
    b.add(exitButton, ControlKind::Button, exit, QStringLiteral("Exit"), CancelButton);
    b.controls.push_back(menuButtonRightOf(moreButton, exit, windowWidth));
    const int height = buttonY + buttonHeight + 6;

    if (form == MmsForm::A)
        return {templateA, windowWidth, height, QStringLiteral("Kestrova Sigma"),
                std::move(b.controls)};
    return {templateB, windowWidth, height, QStringLiteral("Kestrova Lambda"),
            std::move(b.controls)};
}

} // namespace

const DialogTemplate& mmsFormTemplate(MmsForm form) {
    static const DialogTemplate a = makeTemplate(MmsForm::A);
    static const DialogTemplate b = makeTemplate(MmsForm::B);
    return form == MmsForm::A ? a : b;
}

} // namespace kestrova::res
