#include "dialog/dialog.h"

#include <algorithm>
#include <stdexcept>

namespace kestrova::dialog {

Dialog::Dialog(const DialogTemplate& dialogTemplate)
    : template_(&dialogTemplate)
    , caption_(dialogTemplate.caption) {
    for (const ControlTemplate& c : dialogTemplate.controls) {
        ControlState state;
        state.kind = c.kind;
        state.caption = c.caption;
        state.digitsOnly = c.style & DigitsOnly;
        state.masked = c.style & Masked;
        state.readOnly = c.style & ReadOnly;
        controls_.emplace(c.id, state);
    }
}

const ControlState& Dialog::control(int id) const {
    const auto found = controls_.find(id);
    if (found == controls_.end())
        throw std::out_of_range("dialog " + std::to_string(template_->id) + " has no control " +
                                std::to_string(id));
    return found->second;
}

ControlState& Dialog::mutableControl(int id) {
    return const_cast<ControlState&>(control(id));
}

void Dialog::setControlCaption(int id, const QString& caption) {
    mutableControl(id).caption = caption;
}

void Dialog::clearList(int id) {
    ControlState& c = mutableControl(id);
    c.entries.clear();
    c.selection = -1;
}

void Dialog::addEntry(int id, const QString& entry) {
    mutableControl(id).entries.append(entry);
}

void Dialog::setEntries(int id, const QStringList& entries, int selection) {
    ControlState& c = mutableControl(id);
    c.entries = entries;
    c.selection = -1;
    select(id, selection);
}

void Dialog::select(int id, int position) {
    ControlState& c = mutableControl(id);
    c.selection = position >= 0 && position < c.entries.size() ? position : -1;
}

void Dialog::setColumns(int id, const QStringList& captions) {
    mutableControl(id).columns = captions;
}

void Dialog::setRows(int id, const QList<QStringList>& rows) {
    ControlState& c = mutableControl(id);
    c.rows = rows;
    if (c.marked >= c.rows.size())
        c.marked = -1;
}

void Dialog::setMarked(int id, int row) {
    ControlState& c = mutableControl(id);
    c.marked = row >= 0 && row < c.rows.size() ? row : -1;
}

void Dialog::setText(int id, const QString& text) {
    ControlState& c = mutableControl(id);
    c.text = text;
}

void Dialog::setLimit(int id, int limit) {
    mutableControl(id).limit = limit;
}

void Dialog::setReadOnly(int id, bool readOnly) {
    mutableControl(id).readOnly = readOnly;
}

void Dialog::setHint(int id, const QString& hint) {
    mutableControl(id).hint = hint;
}

void Dialog::setLines(int id, const QStringList& lines, const QList<bool>& warnings) {
    ControlState& c = mutableControl(id);
    c.entries = lines;
    c.warnings = warnings;
}

void Dialog::setEnabled(int id, bool enabled) {
    mutableControl(id).enabled = enabled;
}

void Dialog::setToolTip(int id, const QString& toolTip) {
    mutableControl(id).toolTip = toolTip;
}

bool Dialog::userSelected(int id, int position) {
    const int before = selection(id);
    select(id, position);
    return selection(id) != before;
}

void Dialog::userEdited(int id, const QString& text) {
    ControlState& c = mutableControl(id);
    if (c.limit <= 0) {
        c.text = text;
        return;
    }
    const qsizetype limit = std::max<qsizetype>(c.limit, c.text.size());
    c.text = text.left(limit);
}

} // namespace kestrova::dialog
