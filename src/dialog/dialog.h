#pragma once

#include "res/dialog_template.h"

#include <QString>
#include <QStringList>

#include <map>

namespace kestrova::dialog {

// The state of one control, as the form model sees it and the window shows it.
struct ControlState {
    ControlKind kind = ControlKind::Label;
    QString caption;         // labels, buttons, group boxes
    QStringList entries;     // lists; a summary's lines
    QList<bool> warnings;    // a summary: which lines warn
    int selection = -1;      // lists: the selected position, -1 for none
    QStringList columns;     // a table's column captions
    QList<QStringList> rows; // a table's rows, a cell for each column
    int marked = -1;         // a table's marked row, -1 for none
    QString text;            // edits
    int limit = 0;           // edits: the most characters that can be typed, 0 for no limit
    bool digitsOnly = false;
    bool masked = false;
    bool readOnly = false;
    bool enabled = true;
    QString hint; // edits: grey text shown while the edit is empty
    QString toolTip;
};

// Every control of one window, by resource number, plus the window's caption and focus.
// Models change it; the window shows it after every event.
class Dialog {
public:
    explicit Dialog(const DialogTemplate& dialogTemplate);

    const DialogTemplate& dialogTemplate() const { return *template_; }

    QString caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }

    bool has(int id) const { return controls_.contains(id); }
    const ControlState& control(int id) const;

    // Labels, buttons and group boxes.
    void setControlCaption(int id, const QString& caption);
    QString controlCaption(int id) const { return control(id).caption; }

    // Lists.
    void clearList(int id);
    void addEntry(int id, const QString& entry);
    void setEntries(int id, const QStringList& entries, int selection);
    void select(int id, int position); // out of range selects nothing
    int selection(int id) const { return control(id).selection; }
    QStringList entries(int id) const { return control(id).entries; }

    // Tables.
    void setColumns(int id, const QStringList& captions);
    void setRows(int id, const QList<QStringList>& rows);
    QList<QStringList> rows(int id) const { return control(id).rows; }
    void setMarked(int id, int row); // out of range marks none
    int marked(int id) const { return control(id).marked; }

    // Edits. The limit holds for typing only: a text the program sets is kept whole.
    void setText(int id, const QString& text);
    QString text(int id) const { return control(id).text; }
    void setLimit(int id, int limit);
    void setReadOnly(int id, bool readOnly);

    void setHint(int id, const QString& hint);

    // A summary's lines, and which of them warn.
    void setLines(int id, const QStringList& lines, const QList<bool>& warnings);

    void setEnabled(int id, bool enabled);
    void setToolTip(int id, const QString& toolTip);

    // The control the model last moved the focus to; each move counts, so moving it to the same
    // control again is seen too.
    int focus() const { return focus_; }
    int focusMoves() const { return focusMoves_; }
    void setFocus(int id) {
        focus_ = id;
        ++focusMoves_;
    }

    // What the user did in the window, applied before the model hears of it. Picking the entry
    // that is already selected changes nothing, and the model is not told of it.
    bool userSelected(int id, int position);
    // Typing stops at the limit, but never shortens a longer text the program put there.
    void userEdited(int id, const QString& text);

private:
    ControlState& mutableControl(int id);

    const DialogTemplate* template_;
    QString caption_;
    std::map<int, ControlState> controls_;
    int focus_ = 0;
    int focusMoves_ = 0;
};

} // namespace kestrova::dialog
