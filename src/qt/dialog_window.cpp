#include "qt/dialog_window.h"

#include "qt/theme.h"
#include "qt/wrapped_lines.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace kestrova::qt {

using dialog::ControlKind;
using dialog::ControlTemplate;

namespace {

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::Edit || kind == ControlKind::List ||
           kind == ControlKind::Summary || kind == ControlKind::Table;
}

} // namespace

DialogWindow::DialogWindow(dialog::FormModel& model, QWidget* parent)
    : QDialog(parent)
    , model_(model)
    , units_(font()) {
    const dialog::DialogTemplate& dialogTemplate = model_.dialog().dialogTemplate();
    // Only a window too large for the screen sets a font of its own; the others follow the
    // application's, as the main window's language changes it.
    if (const QScreen* on = screen()) {
        if (const QFont fitting =
                fittingFont(font(), dialogTemplate, on->availableGeometry().size());
            fitting != font()) {
            setFont(fitting);
            units_ = DialogUnits(fitting);
        }
    }
    setFixedSize(units_.windowSize(dialogTemplate));
    setWindowIcon(applicationIcon());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    createControls();
    setTabOrder();
    model_.setEventRunner([this](const std::function<void()>& event) { dispatchWhenFree(event); });
    model_.initialise();
    model_.eventHandled();
    showModelState();

    if (const int interval = model_.tickInterval(); interval > 0) {
        ticks_ = new QTimer(this);
        connect(ticks_, &QTimer::timeout, this, [this] {
            // A tick never cuts into an event whose message box is still open.
            if (!dispatching_)
                dispatch([this] { model_.tick(); });
        });
        ticks_->start(interval);
    }
    // The context menu's own keys work without opening it.
    for (const auto& action : model_.contextMenu()) {
        if (action.shortcut.isEmpty())
            continue;
        auto* shortcut = new QShortcut(QKeySequence(action.shortcut), this);
        const int command = action.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] {
            dispatch([this, command] { model_.contextActionChosen(command); });
        });
    }
    // The context menu from the keyboard, wherever the focus is.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            QWidget* at = focusWidget() ? focusWidget() : this;
            showContextMenu(at->mapToGlobal(at->rect().center()));
        });
    }
}

DialogWindow::~DialogWindow() {
    model_.setEventRunner({});
}

QRect DialogWindow::toPixels(const dialog::UnitRect& r) const {
    return units_.toPixels(r);
}

QWidget* DialogWindow::widget(int controlId) const {
    const auto found = widgets_.find(controlId);
    return found == widgets_.end() ? nullptr : found->second;
}

void DialogWindow::createControls() {
    const auto& controls = model_.dialog().dialogTemplate().controls;
    for (const ControlTemplate& control : controls)
        widgets_[control.id] = createControl(control);
    for (const ControlTemplate& control : controls) {
        if (control.kind == ControlKind::Label && control.labelFor != 0) {
            auto* label = static_cast<QLabel*>(widgets_[control.id]);
            label->setBuddy(widget(control.labelFor));
            labelsFor_[control.labelFor] = label;
        }
        if (!control.accessibleName.isEmpty())
            widgets_[control.id]->setAccessibleName(control.accessibleName);
    }
    // Frames are drawn behind the controls they surround.
    for (const ControlTemplate& control : controls) {
        if (control.kind == ControlKind::Frame || control.kind == ControlKind::GroupBox)
            widgets_[control.id]->lower();
    }
}

QWidget* DialogWindow::createControl(const ControlTemplate& control) {
    QWidget* w = nullptr;
    const int id = control.id;
    switch (control.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(this);
        if (control.style & dialog::Centred)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        else if (control.style & dialog::RightAligned)
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        else
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (control.style & dialog::LargeText) {
            QFont large = label->font();
            large.setBold(true);
            large.setPointSizeF(large.pointSizeF() * 1.3);
            label->setFont(large);
            label->setWordWrap(true);
        }
        if (control.style & dialog::Wrapped)
            label->setWordWrap(true);
        w = label;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(this);
        button->setDefault(control.style & dialog::DefaultButton);
        button->setAutoDefault(false);
        if (control.style & dialog::OpensMenu)
            connect(button, &QPushButton::clicked, this, [this, button] {
                showContextMenu(button->mapToGlobal(QPoint(0, button->height())));
            });
        else
            connect(button, &QPushButton::clicked, this,
                    [this, id] { dispatch([this, id] { model_.buttonPressed(id); }); });
        w = button;
        break;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(this);
        if (control.style & dialog::Centred)
            edit->setAlignment(Qt::AlignHCenter);
        if (control.style & dialog::DigitsOnly)
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), edit));
        if (control.style & dialog::Masked)
            edit->setEchoMode(QLineEdit::Password);
        connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
            dispatch([this, id, text] {
                model_.dialog().userEdited(id, text);
                model_.editChanged(id);
            });
        });
        edit->installEventFilter(this);
        w = edit;
        break;
    }
    case ControlKind::List: {
        auto* list = new QComboBox(this);
        list->setMaxVisibleItems(20);
        connect(list, &QComboBox::activated, this, [this, id](int position) {
            dispatch([this, id, position] {
                if (model_.dialog().userSelected(id, position))
                    model_.listChanged(id);
            });
        });
        list->installEventFilter(this);
        w = list;
        break;
    }
    case ControlKind::GroupBox:
        w = new QGroupBox(this);
        break;
    case ControlKind::Frame: {
        auto* frame = new QFrame(this);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        w = frame;
        break;
    }
    case ControlKind::Summary: {
        // Read, not edited: the keyboard moves from line to line and a screen reader reads each.
        auto* lines = new QListWidget(this);
        lines->setWordWrap(true);
        lines->setTextElideMode(Qt::ElideNone);
        lines->setResizeMode(QListView::Adjust);
        lines->setSelectionMode(QAbstractItemView::NoSelection);
        lines->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        lines->setSpacing(2);
        lines->setItemDelegate(new WrappedLines(lines));
        w = lines;
        break;
    }
    case ControlKind::Table: {
        // Cells wrap rather than being cut: a row grows for a long reason.
        auto* table = new QTableWidget(this);
        table->setWordWrap(true);
        table->setTextElideMode(Qt::ElideNone);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setStretchLastSection(true);
        table->horizontalHeader()->setSectionsMovable(false);
        connect(table, &QTableWidget::cellActivated, this, [this, id](int row) {
            dispatch([this, id, row] { model_.rowActivated(id, row); });
        });
        w = table;
        break;
    }
    case ControlKind::Icon: {
        auto* icon = new QLabel(this);
        const QRect r = toPixels(control.rect);
        icon->setPixmap(applicationIcon().pixmap(r.size()));
        w = icon;
        break;
    }
    }
    w->setObjectName(QStringLiteral("control%1").arg(id));
    w->setGeometry(toPixels(control.rect));
    if (control.kind == ControlKind::List) {
        // A drop-down list is as tall as its closed box, centred on the template's line.
        const QRect r = toPixels(control.rect);
        const int height = w->sizeHint().height();
        w->setGeometry(r.x(), r.y() + (r.height() - height) / 2, r.width(), height);
    }
    if (!takesFocus(control.kind))
        w->setFocusPolicy(Qt::NoFocus);
    return w;
}

void DialogWindow::setTabOrder() {
    std::vector<const ControlTemplate*> order;
    for (const ControlTemplate& control : model_.dialog().dialogTemplate().controls) {
        if (takesFocus(control.kind))
            order.push_back(&control);
    }
    // Top to bottom, then left to right; controls on one line share a band of 6 units.
    std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
        const int bandA = a->rect.y / 6, bandB = b->rect.y / 6;
        return bandA != bandB ? bandA < bandB : a->rect.x < b->rect.x;
    });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widget(order[i - 1]->id), widget(order[i]->id));
}

int DialogWindow::controlIdOf(const QObject* widget) const {
    for (const auto& [id, w] : widgets_) {
        if (w == widget)
            return id;
    }
    return 0;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched)) {
        // Only the user moving on counts: a message box or menu taking the focus for a moment
        // does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool movedOn = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                             reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
        if (movedOn && !dispatching_) {
            const int id = controlIdOf(watched);
            dispatch([this, id] { model_.editFinished(id); });
        }
    } else if (event->type() == QEvent::MouseButtonPress && qobject_cast<QComboBox*>(watched)) {
        // A right click on a list opens the window's menu, not the list.
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && !model_.contextMenu().empty()) {
            showContextMenu(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DialogWindow::dispatch(const std::function<void()>& event) {
    if (closing_)
        return;
    dispatching_ = true;
    event();
    model_.eventHandled();
    dispatching_ = false;
    showModelState();
    if (const auto result = model_.result()) {
        closing_ = true;
        done(*result == dialog::DialogResult::Accepted ? QDialog::Accepted : QDialog::Rejected);
    }
}

void DialogWindow::dispatchWhenFree(const std::function<void()>& event) {
    // A message box of another event is still open: the event waits for it, rather than
    // asking its own question on top.
    if (dispatching_) {
        QTimer::singleShot(50, this, [this, event] { dispatchWhenFree(event); });
        return;
    }
    dispatch(event);
}

void DialogWindow::showModelState() {
    const dialog::Dialog& state = model_.dialog();
    setWindowTitle(state.caption());
    for (const ControlTemplate& control : state.dialogTemplate().controls)
        showControl(control);
    if (state.focusMoves() != shownFocusMoves_) {
        shownFocusMoves_ = state.focusMoves();
        if (QWidget* w = widget(state.focus())) {
            w->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(w))
                edit->selectAll();
        }
    }
}

void DialogWindow::showControl(const ControlTemplate& control) {
    const dialog::ControlState& state = model_.dialog().control(control.id);
    QWidget* w = widget(control.id);
    const QSignalBlocker blocker(w);
    w->setEnabled(state.enabled);
    w->setToolTip(state.toolTip);
    switch (control.kind) {
    case ControlKind::Label:
        static_cast<QLabel*>(w)->setText(shownCaption(control, state));
        if (control.style & dialog::ShowsPath) {
            w->setToolTip(state.caption);
            w->setAccessibleName(state.caption);
        }
        if (control.labelFor != 0)
            widget(control.labelFor)->setAccessibleName(state.caption);
        break;
    case ControlKind::Button:
        static_cast<QPushButton*>(w)->setText(shownCaption(control, state));
        w->setAccessibleName(state.caption);
        break;
    case ControlKind::GroupBox:
        static_cast<QGroupBox*>(w)->setTitle(state.caption);
        break;
    case ControlKind::Edit: {
        auto* edit = static_cast<QLineEdit*>(w);
        // Only what changed is set: setting an edit's text or limit again drops the user's
        // selection and moves the cursor to the end.
        // The limit holds for typing only, as the program may set a longer text.
        const int limit = std::max<int>(
            {state.limit > 0 ? state.limit : 32767, static_cast<int>(state.text.size())});
        if (edit->maxLength() != limit)
            edit->setMaxLength(limit);
        if (edit->text() != state.text)
            edit->setText(state.text);
        edit->setPlaceholderText(state.hint);
        if (edit->isReadOnly() != state.readOnly) {
            edit->setReadOnly(state.readOnly);
            // A locked field looks locked, grey instead of white, and Tab passes it by.
            edit->setPalette(state.readOnly ? lockedFieldPalette() : QPalette());
            edit->setFocusPolicy(state.readOnly ? Qt::ClickFocus : Qt::StrongFocus);
        }
        break;
    }
    case ControlKind::List: {
        auto* list = static_cast<QComboBox*>(w);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        if (shown != state.entries) {
            list->clear();
            list->addItems(state.entries);
            fitList(control, list);
        }
        list->setCurrentIndex(state.selection);
        break;
    }
    case ControlKind::Summary:
        showLines(static_cast<QListWidget*>(w), state);
        w->setAccessibleName(state.caption);
        break;
    case ControlKind::Table:
        showTable(static_cast<QTableWidget*>(w), state);
        w->setAccessibleName(labelsFor_.contains(control.id) ? labelsFor_.at(control.id)->text()
                                                             : QString());
        break;
    case ControlKind::Frame:
    case ControlKind::Icon:
        break;
    }
}

void DialogWindow::showLines(QListWidget* lines, const dialog::ControlState& state) {
    // Only the lines that changed: a clock ticking in one line leaves the reader where it was.
    const bool first = lines->count() == 0;
    while (lines->count() > state.entries.size())
        delete lines->takeItem(lines->count() - 1);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (qsizetype i = 0; i < state.entries.size(); ++i) {
        QListWidgetItem* item = i < lines->count() ? lines->item(int(i)) : nullptr;
        if (!item) {
            item = new QListWidgetItem(lines);
            item->setFlags(Qt::ItemIsEnabled);
        }
        const bool warns = state.warnings.value(i);
        if (item->text() != state.entries[i])
            item->setText(state.entries[i]);
        if (item->data(Qt::UserRole).toBool() != warns) {
            item->setIcon(warns ? warning : QIcon());
            item->setData(Qt::UserRole, warns);
        }
    }
    if (first)
        lines->scrollToTop();
}

void DialogWindow::showTable(QTableWidget* table, const dialog::ControlState& state) {
    const auto columns = int(state.columns.size());
    if (table->columnCount() != columns) {
        table->setColumnCount(columns);
        // The first columns share three fifths of the width; the last, the longest, the rest.
        const int width =
            table->contentsRect().width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        for (int column = 0; column + 1 < columns; ++column)
            table->setColumnWidth(column, width * 3 / (5 * (columns - 1)));
    }
    for (int column = 0; column < columns; ++column) {
        if (!table->horizontalHeaderItem(column) ||
            table->horizontalHeaderItem(column)->text() != state.columns[column])
            table->setHorizontalHeaderItem(column, new QTableWidgetItem(state.columns[column]));
    }
    // Only the cells that changed: the owner's place in the table stays where it was.
    bool changed = table->rowCount() != state.rows.size();
    table->setRowCount(int(state.rows.size()));
    const QIcon marker = style()->standardIcon(QStyle::SP_ArrowRight);
    for (int row = 0; row < table->rowCount(); ++row) {
        const bool marked = row == state.marked;
        for (int column = 0; column < columns; ++column) {
            QTableWidgetItem* item = table->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                table->setItem(row, column, item);
            }
            const QString cell = state.rows[row].value(column);
            if (item->text() != cell) {
                item->setText(cell);
                item->setToolTip(cell);
                changed = true;
            }
            QFont font = item->font();
            if (font.bold() != marked) {
                font.setBold(marked);
                item->setFont(font);
                changed = true;
            }
        }
        QTableWidgetItem* first = table->item(row, 0);
        if (first && first->data(Qt::UserRole).toBool() != marked) {
            first->setIcon(marked ? marker : QIcon());
            first->setData(Qt::UserRole, marked);
            if (marked)
                table->scrollToItem(first);
        }
    }
    if (changed)
        table->resizeRowsToContents();
}

QString DialogWindow::shownCaption(const ControlTemplate& control,
                                   const dialog::ControlState& state) const {
    // A path too long for its line gives up its middle; the tooltip holds the whole.
    if (control.style & dialog::ShowsPath) {
        const QWidget* label = widget(control.id);
        return label->fontMetrics().elidedText(state.caption, Qt::ElideMiddle,
                                               label->contentsRect().width());
    }
    if (!(control.style & dialog::OpensMenu))
        return state.caption;
    // A menu button too small for its caption shows the dots alone; its tooltip and its name
    // for screen readers keep the whole caption.
    const auto* button = static_cast<const QPushButton*>(widget(control.id));
    const int margins = 2 * style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) + 4;
    if (button->fontMetrics().horizontalAdvance(state.caption) + margins <= button->width())
        return state.caption;
    return QStringLiteral("\u2026");
}

void DialogWindow::fitList(const ControlTemplate& control, QComboBox* list) {
    // The room the box leaves for its text, with the template's width: its text field, less
    // the pixel the style keeps free on either side of the text.
    const QRect r = toPixels(control.rect);
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.rect = QRect(0, 0, r.width(), list->height());
    const int room =
        style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
            .width() -
        2;
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    if (widest <= room) {
        list->setGeometry(r.x(), list->y(), r.width(), list->height());
        return;
    }
    // A list wider than its template grows to the right, as far as the next control on its
    // line or the edge of the frame around it.
    int limit = width() - 2;
    for (const ControlTemplate& other : model_.dialog().dialogTemplate().controls) {
        const QRect o = toPixels(other.rect);
        if (other.id == control.id || o.bottom() < r.top() || o.top() > r.bottom())
            continue;
        const bool surrounds =
            (other.kind == ControlKind::Frame || other.kind == ControlKind::GroupBox) &&
            o.contains(r);
        if (surrounds)
            limit = std::min(limit, o.right() - 2);
        else if (o.left() >= r.right())
            limit = std::min(limit, o.left() - 2);
    }
    const int grown = std::min(r.width() + widest - room, limit - r.x() + 1);
    list->setGeometry(r.x(), list->y(), std::max(r.width(), grown), list->height());
}

dialog::DialogResult DialogWindow::runModal() {
    exec();
    return model_.result().value_or(dialog::DialogResult::Cancelled);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Escape:
            dispatch([this] { model_.closeRequested(); });
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
                button->click();
            else
                dispatch([this] { model_.enterPressed(); });
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    // The close box asks the model; the window closes only when the model ends it.
    event->ignore();
    dispatch([this] { model_.closeRequested(); });
}

void DialogWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    QTimer::singleShot(0, this, [this] { announceShown(0); });
}

void DialogWindow::announceShown(int attempt) {
    // The model's first event comes once the window is on screen, or after a second at most
    // where the window system never says so.
    if (windowHandle() && !windowHandle()->isExposed() && attempt < 50) {
        QTimer::singleShot(20, this, [this, attempt] { announceShown(attempt + 1); });
        return;
    }
    dispatchWhenFree([this] { model_.shown(); });
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    showContextMenu(event->globalPos());
}

void DialogWindow::showContextMenu(const QPoint& globalPos) {
    const auto actions = model_.contextMenu();
    if (actions.empty() || menu_)
        return;
    menu_ = new QMenu(this);
    menu_->setAttribute(Qt::WA_DeleteOnClose);
    for (const auto& action : actions) {
        const int command = action.command;
        QAction* item = menu_->addAction(action.text, this, [this, command] {
            // The About box runs once the menu is gone.
            QTimer::singleShot(0, this, [this, command] {
                dispatch([this, command] { model_.contextActionChosen(command); });
            });
        });
        // Shown beside the entry; the window's own shortcut does the work.
        if (!action.shortcut.isEmpty())
            item->setShortcut(QKeySequence(action.shortcut));
    }
    menu_->popup(globalPos);
}

} // namespace kestrova::qt
