#include "res/smtp_templates.h"

namespace kestrova::res {

using namespace dialog;
using namespace smtp_form;

namespace {

// One column of label and field rows, grouped in captioned boxes; the lists that choose the mode
// and the operator sit in a frame above them. Form B is wider by its status list and shorter, so
// its rows stand closer.
struct Spacing {
    int width;
    int height;
    int rowStep; // from one row of fields to the next
    int gap;     // between two boxes
};

// The behaviour's sizes, taller by the line under the folder field.
constexpr int folderRowHeight = 21 + sourceLineHeight + 1;
constexpr Spacing spacingA{286, 343 + folderRowHeight - 21, 17, 3};
constexpr Spacing spacingB{292, 331 + folderRowHeight - 21, 16, 2};

constexpr int frameX = 5;
constexpr int labelX = 12;
constexpr int labelWidth = 80;
constexpr int fieldX = 94;
constexpr int textWidth = 150;
constexpr int labelDrop = 2;    // a label's line sits this far below its field's top
constexpr int captionRoom = 10; // a box's caption above its first row
constexpr int boxPadding = 4;   // below a box's last row
constexpr int listHeight = 14;
constexpr int editHeight = 13;

class Builder {
public:
    explicit Builder(const Spacing& spacing)
        : spacing_(spacing) {}

    std::vector<ControlTemplate> controls;
    int y = 5;

    int frameWidth() const { return spacing_.width - 2 * frameX; }
    int innerRight() const { return spacing_.width - 2 * frameX; }

    // A box of n rows, captioned or not; returns the top of its first row.
    int box(const QString& caption, int rows) {
        const int top = caption.isEmpty() ? boxPadding + 1 : captionRoom;
        const int height = top + (rows - 1) * spacing_.rowStep + listHeight + boxPadding;
        add(staticId(), ControlKind::GroupBox, {frameX, y, frameWidth(), height}, caption);
        const int firstRow = y + top;
        y += height + spacing_.gap;
        return firstRow;
    }

    int row(int first, int index) const { return first + index * spacing_.rowStep; }

    void label(int id, int x, int rowY, int width, const QString& caption, int names) {
        add(id, ControlKind::Label, {x, rowY + labelDrop, width, 10}, caption, NoStyle, names);
    }

    void staticLabel(int x, int rowY, int width, const QString& caption) {
        add(staticId(), ControlKind::Label, {x, rowY + labelDrop, width, 10}, caption);
    }

    void list(int id, int x, int rowY, int width) {
        add(id, ControlKind::List, {x, rowY, width, listHeight});
    }

    void edit(int id, int x, int rowY, int width, unsigned style = NoStyle) {
        add(id, ControlKind::Edit, {x, rowY, width, editHeight}, {}, style);
    }

    // A captioned text field on a row of its own.
    void textRow(int rowY, int labelId, const QString& caption, int fieldId, int width = textWidth,
                 unsigned style = NoStyle) {
        label(labelId, labelX, rowY, labelWidth, caption, fieldId);
        edit(fieldId, fieldX, rowY, width, style);
    }

    void button(int id, const UnitRect& rect, const QString& caption, unsigned style = NoStyle) {
        add(id, ControlKind::Button, rect, caption, style);
    }

    // The folder, and under it the line that says where loaded settings came from.
    void folderRow() {
        add(staticId(), ControlKind::GroupBox, {frameX, y, frameWidth(), folderRowHeight});
        button(selectButton, {10, y + 3, 66, 15}, QStringLiteral("Select"));
        const UnitRect field{80, y + 4, innerRight() - 80, editHeight};
        add(folderField, ControlKind::Edit, field, {}, NoStyle, 0, QStringLiteral("Target folder"));
        controls.push_back(sourceLineBelow(field));
        y += folderRowHeight;
    }

    void buttonRow() {
        const int width = 76;
        const int top = spacing_.height - 5 - 17;
        const int space = (spacing_.width - 2 * width) / 3;
        button(generateButton, {space, top, width, 17}, QStringLiteral("Generate"), DefaultButton);
        const UnitRect exit{spacing_.width - space - width, top, width, 17};
        button(exitButton, exit, QStringLiteral("Exit"), CancelButton);
        controls.push_back(menuButtonRightOf(moreButton, exit, spacing_.width));
    }

private:
    int staticId() { return nextStatic_++; }

    void add(int id, ControlKind kind, const UnitRect& rect, const QString& caption = {},
             unsigned style = NoStyle, int names = 0, const QString& accessibleName = {}) {
        controls.push_back({id, kind, rect, caption, style, names, accessibleName});
    }

    Spacing spacing_;
    int nextStatic_ = firstStaticControl;
};

DialogTemplate makeTemplate(SmtpForm form) {
    const Spacing& spacing = form == SmtpForm::A ? spacingA : spacingB;
    Builder b(spacing);
    const int right = b.innerRight();

    // Mode (and form B's status), pictures per day, country and operator.
    const int top = b.box({}, 3);
    b.label(modeLabel, labelX, top, labelWidth, QStringLiteral("Smtp Mode"), modeList);
    b.list(modeList, fieldX, top, 70);
    if (form == SmtpForm::B) {
        b.label(statusLabel, 170, top, 52, QStringLiteral("SMTP Status"), statusList);
        b.list(statusList, 224, top, right - 224);
    }
    const int pictures = b.row(top, 1);
    b.label(picturesLabel, labelX, pictures, labelWidth, QStringLiteral("Picture No./ day"),
            picturesField);
    b.edit(picturesField, fieldX, pictures, 24, DigitsOnly | Centred);
    b.label(unlimitedNote, 122, pictures, right - 122, QStringLiteral("Note: 0 = Unlimited"), 0);
    const int operators = b.row(top, 2);
    b.label(countryLabel, labelX, operators, 34, QStringLiteral("Country"), countryList);
    b.list(countryList, 48, operators, 88);
    b.label(operatorLabel, 140, operators, 50, QStringLiteral("Operator"), operatorList);
    b.list(operatorList, 192, operators, right - 192);

    const int gprs = b.box(QStringLiteral("GPRS Setting"), 3);
    b.textRow(gprs, apnLabel, QStringLiteral("APN"), apnField);
    b.textRow(b.row(gprs, 1), accountLabel, QStringLiteral("Account"), accountField);
    b.textRow(b.row(gprs, 2), gprsPasswordLabel, QStringLiteral("Password"), gprsPasswordField);

    const int sender = b.box(QStringLiteral("Sender"), 4);
    b.textRow(sender, serverLabel, QStringLiteral("Smtp Server"), serverField);
    b.textRow(b.row(sender, 1), portLabel, QStringLiteral("Port"), portField, 50, DigitsOnly);
    b.textRow(b.row(sender, 2), senderLabel, QStringLiteral("Sender Email"), senderField);
    b.textRow(b.row(sender, 3), senderPasswordLabel, QStringLiteral("Password"),
              senderPasswordField, textWidth, Masked);

    const int recipients = b.box(QStringLiteral("Recipients"), 1);
    b.textRow(recipients, recipientLabel, QStringLiteral("Email 01"), recipientField);

    const int sms = b.box(QStringLiteral("SMS"), 2);
    b.textRow(sms, phoneLabel(form), QStringLiteral("Phone No"), phoneField, 120);
    const int remote = b.row(sms, 1);
    b.label(remoteLabel(form), labelX, remote, labelWidth, QStringLiteral("SMS Remote Control"),
            hourList(form));
    b.list(hourList(form), fieldX, remote, 44);
    b.staticLabel(fieldX + 47, remote, 8, QStringLiteral("H"));

    b.folderRow();
    b.buttonRow();

    if (form == SmtpForm::A)
        return {templateA, spacing.width, spacing.height, QStringLiteral("Kestrova Lambda"),
                std::move(b.controls)};
    return {templateB, spacing.width, spacing.height, QStringLiteral("Kestrova Sigma"),
            std::move(b.controls)};
}

} // namespace

const DialogTemplate& smtpFormTemplate(SmtpForm form) {
    static const DialogTemplate a = makeTemplate(SmtpForm::A);
    static const DialogTemplate b = makeTemplate(SmtpForm::B);
    return form == SmtpForm::A ? a : b;
}

} // namespace kestrova::res
