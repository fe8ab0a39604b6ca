#pragma once

#include "dialog/form_model.h"
#include "qt/dialog_units.h"

#include <QDialog>
#include <QMenu>
#include <QPointer>

#include <map>

class QComboBox;
class QLabel;
class QListWidget;
class QTimer;
class QTableWidget;

namespace kestrova::qt {

// A window built from a dialog template and bound to its form model: it shows the model's
// control state after every event and forwards the user's events to the model.
class DialogWindow final : public QDialog {
    Q_OBJECT
public:
    explicit DialogWindow(dialog::FormModel& model, QWidget* parent = nullptr);
    ~DialogWindow() override;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Runs the window modally until the model ends it.
    dialog::DialogResult runModal();

    QWidget* widget(int controlId) const;

    // Converts a rectangle in dialog units to pixels for this window's font.
    QRect toPixels(const dialog::UnitRect& rect) const;

    // The window's context menu while it is open, else nothing.
    QMenu* contextMenu() const { return menu_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createControls();
    QWidget* createControl(const dialog::ControlTemplate& control);
    void setTabOrder();
    void dispatch(const std::function<void()>& event);
    // Runs an event that came from outside the window's own, once no other event is running.
    void dispatchWhenFree(const std::function<void()>& event);
    void announceShown(int attempt);
    void showModelState();
    void showControl(const dialog::ControlTemplate& control);
    void showLines(QListWidget* lines, const dialog::ControlState& state);
    void showTable(QTableWidget* table, const dialog::ControlState& state);
    void showContextMenu(const QPoint& globalPos);
    QString shownCaption(const dialog::ControlTemplate& control,
                         const dialog::ControlState& state) const;
    // Widens a list whose widest entry its template's width would cut.
    void fitList(const dialog::ControlTemplate& control, QComboBox* list);
    int controlIdOf(const QObject* widget) const;

    dialog::FormModel& model_;
    std::map<int, QWidget*> widgets_;
    std::map<int, QLabel*> labelsFor_; // the label that names a control
    int shownFocusMoves_ = 0;
    DialogUnits units_;
    bool closing_ = false;
    bool dispatching_ = false;
    bool shown_ = false;
    QTimer* ticks_ = nullptr;
    QPointer<QMenu> menu_; // cleared when the menu closes and deletes itself
};

} // namespace kestrova::qt
