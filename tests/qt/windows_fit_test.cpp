#include "app/preferences_store.h"
#include "app/setup_forms.h"
#include "dialog/summary_strip.h"
#include "qt/desktop.h"
#include "qt/dialog_window.h"
#include "qt/language_font.h"
#include "qt/window_catalogue.h"
#include "qt/wrapped_lines.h"
#include "support/fake_host.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using kestrova::test::FakeHost;

namespace {

// A 1366x768 laptop screen less a desktop panel of 40 pixels, and a title bar of up to 37
// pixels above each window.
constexpr int screenWidth = 1366;
constexpr int screenHeight = 768 - 40;
constexpr int titleBar = 37;

int widestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The room a label, button or box leaves for its caption, in pixels.
int roomFor(QWidget* w) {
    if (qobject_cast<QPushButton*>(w)) {
        const int margin = w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
        return w->width() - 2 * margin;
    }
    if (qobject_cast<QGroupBox*>(w))
        return w->width() - 2 * w->fontMetrics().averageCharWidth();
    // A label that wraps has the room of as many lines as it is high.
    if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap())
        return w->contentsRect().width() *
               std::max(1, w->contentsRect().height() / w->fontMetrics().lineSpacing());
    return w->contentsRect().width();
}

QString captionOf(QWidget* w) {
    if (auto* button = qobject_cast<QPushButton*>(w))
        return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(w))
        return box->title();
    if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull())
        return label->text();
    return {};
}

QStringList cutCaptions(const qt::DialogWindow& window, const dialog::DialogTemplate& t) {
    QStringList cut;
    for (const dialog::ControlTemplate& control : t.controls) {
        QWidget* w = window.widget(control.id);
        const QString text = captionOf(w);
        const int needed = widestLine(w->fontMetrics(), text);
        if (needed > roomFor(w))
            cut << QStringLiteral("control %1 \"%2\": %3 px in %4")
                       .arg(control.id)
                       .arg(text)
                       .arg(needed)
                       .arg(roomFor(w));
    }
    return cut;
}

QRect textFieldOf(QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = false;
    option.frame = true;
    return list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                         list);
}

// Lists whose longest entry, shown, runs into the right edge of the box's text field: there it
// is cut off ("Camera+Videc"). Judged by the drawn pixels: text in the field's last two columns.
QStringList cutEntries(qt::DialogWindow& window, const dialog::DialogTemplate& t) {
    std::vector<std::pair<QComboBox*, int>> shown;
    for (const dialog::ControlTemplate& control : t.controls) {
        auto* list = qobject_cast<QComboBox*>(window.widget(control.id));
        if (!list || list->count() == 0)
            continue;
        int widest = 0;
        for (int i = 1; i < list->count(); ++i) {
            if (list->fontMetrics().horizontalAdvance(list->itemText(i)) >
                list->fontMetrics().horizontalAdvance(list->itemText(widest)))
                widest = i;
        }
        shown.emplace_back(list, list->currentIndex());
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(widest);
    }
    const QImage image = window.grab().toImage();
    QStringList cut;
    for (const auto& [list, before] : shown) {
        const QRect field = textFieldOf(list).translated(list->mapTo(&window, QPoint(0, 0)));
        int ink = 0;
        for (int x = field.right() - 1; x <= field.right(); ++x) {
            for (int y = field.top(); y <= field.bottom(); ++y)
                ink += image.pixelColor(x, y).lightness() < 200 ? 1 : 0;
        }
        if (ink > 0)
            cut << QStringLiteral("list %1 \"%2\" runs into the edge of its box")
                       .arg(list->objectName(), list->currentText());
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(before);
    }
    return cut;
}

// Lines of the strip whose text, wrapped at the width beside its icon, needs more height than
// the line the view gives it: the rest would be cut off.
QStringList cutStripLines(QListWidget* lines) {
    QStringList cut;
    const int icon = lines->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, lines);
    for (int i = 0; i < lines->count(); ++i) {
        const QListWidgetItem* item = lines->item(i);
        const QRect line = lines->visualItemRect(item);
        const qt::WrappedLines::Parts at =
            qt::WrappedLines::parts(line, item->icon().isNull() ? 0 : icon);
        const int needed =
            qt::WrappedLines::wrappedHeight(item->text(), lines->font(), at.text.width());
        if (needed > at.text.height() || at.text.right() > lines->viewport()->width())
            cut << QStringLiteral("strip line \"%1\": %2 px high in %3x%4")
                       .arg(item->text())
                       .arg(needed)
                       .arg(at.text.width())
                       .arg(at.text.height());
    }
    return cut;
}

QStringList cutTexts(qt::DialogWindow& window, const dialog::DialogTemplate& t) {
    QStringList cut = cutCaptions(window, t) + cutEntries(window, t);
    if (auto* lines = qobject_cast<QListWidget*>(window.widget(dialog::summary_strip::lines)))
        cut << cutStripLines(lines);
    return cut;
}

} // namespace

// Every window of every model in every language, at the desktop's default font and at its
// larger one (a quarter larger, as the desktops' "large text" makes it), on a laptop screen:
// each fits below its title bar, and nothing it says is cut off, neither opened nor filled in
// as an owner would fill it.
class WindowsFitTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QFont desktop;

private Q_SLOTS:
    void initTestCase() { desktop = QApplication::font(); }
    void cleanup() { QApplication::setFont(desktop); }

    void everyWindowFits_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<qreal>("scale");
        for (int language = 1; language <= i18n::languageCount; ++language) {
            QTest::addRow("language %d", language) << language << 1.0;
            QTest::addRow("language %d, larger font", language) << language << 1.25;
        }
    }
    void everyWindowFits() {
        QFETCH(int, language);
        QFETCH(qreal, scale);
        QFont font = desktop;
        font.setPointSizeF(desktop.pointSizeF() * scale);
        QApplication::setFont(qt::languageFont(font, language));
        app::PreferencesStore store(dir.filePath(QStringLiteral("prefs.ini")));
        const app::SetupForms forms = qt::desktopForms();
        QStringList faults;
        QStringList filled;
        for (const auto& entry : qt::windowCatalogue(store, forms)) {
            FakeHost host;
            app::ProcessState state{{language, language == i18n::Chinese, false}, 7, 0};
            const auto model = entry.make(state, host);
            qt::DialogWindow window(*model);
            window.show();
            QApplication::processEvents();
            const QString name = entry.name;
            if (window.height() + titleBar > screenHeight || window.width() > screenWidth)
                faults << QStringLiteral("%1: %2x%3 does not fit")
                              .arg(name)
                              .arg(window.width())
                              .arg(window.height());
            // A window gives up size only where the larger font would not fit, and never
            // below the desktop's default.
            const qreal points = window.font().pointSizeF();
            if (points < desktop.pointSizeF() || (scale == 1.0 && points != desktop.pointSizeF()))
                faults << QStringLiteral("%1: drawn at %2 pt").arg(name).arg(points);
            const dialog::DialogTemplate& t = model->dialog().dialogTemplate();
            for (const QString& cut : cutTexts(window, t))
                faults << name + QStringLiteral(": ") + cut;
            // Filled in, each form once: the models of a form share its lines and lists.
            const QString form = name.section(u'-', 0, 1);
            if (!entry.fillIn || filled.contains(form))
                continue;
            filled << form;
            entry.fillIn(window);
            QApplication::processEvents();
            for (const QString& cut : cutTexts(window, t))
                faults << name + QStringLiteral(" filled in: ") + cut;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

KESTROVA_TEST(WindowsFitTest)
#include "windows_fit_test.moc"
