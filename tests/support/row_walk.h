#pragma once

#include "codec/field_table.h"
#include "dialog/card_file_actions.h"

#include <QString>

namespace kestrova::test {

// A walk of a table's rows through a form. What it puts in a row's control goes as the control
// shows it: a list's position, a number's or a text's characters. `flag` marks a list whose first
// entry the record keeps as 1 (the mode lists show "Auto" first).
inline int recordValue(bool flag, int position) {
    return flag ? 1 - position : position;
}

// Types or picks a value other than the form's opening one: a list's last entry or its first, a
// number's upper end or its lower, or the text given.
template <typename Settings, typename Driver, typename Row>
QString enterOther(Driver& f, const Row& row, int control, bool flag, const QString& text) {
    using codec::FieldKind;
    const int atOpen = row.text ? 0 : recordValue(flag, row.numberIn(Settings{}));
    const int last =
        row.kind == FieldKind::List ? int(f.dialog().entries(control).size()) - 1 : row.upper;
    const int value = atOpen == last ? row.lower : last;
    if (row.kind == FieldKind::List)
        f.choose(control, value);
    else
        f.edit(control, row.text ? text : QString::number(value));
    return row.text ? text : QString::number(value);
}

template <typename Row, typename Settings>
QString heldIn(const Row& row, const Settings& settings, bool flag) {
    return row.text ? settings.*row.text
                    : QString::number(recordValue(flag, row.numberIn(settings)));
}

// What the control shows once a new form has loaded the folder's file from the card.
template <typename Driver>
QString shownFromCard(Driver&& f, const QString& folder, int control, codec::FieldKind kind) {
    f.selectFolder(folder);
    f.model->contextActionChosen(dialog::CardFileActions::LoadFromCard);
    return kind == codec::FieldKind::List ? QString::number(f.dialog().selection(control))
                                          : f.text(control);
}

// Texts as long as their box takes: an address has the "@" and "." the mail checks want.
inline QString addressText(int bytes) {
    return QStringLiteral("a@b.").leftJustified(bytes, u'c');
}
inline QString digitText(int count) {
    return QStringLiteral("1234567890").repeated(4).left(count);
}

} // namespace kestrova::test
