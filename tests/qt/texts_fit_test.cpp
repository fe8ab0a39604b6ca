#include "app/preferences_store.h"
#include "app/setup_forms.h"
#include "qt/desktop.h"
#include "qt/dialog_window.h"
#include "qt/window_catalogue.h"
#include "support/fake_host.h"
#include "support/test_registry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using kestrova::test::FakeHost;

namespace {

int widestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The room a control leaves for its text, in pixels.
int roomFor(QWidget* w) {
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        option.frame = true;
        return list->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
            .width();
    }
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

QStringList textsOf(QWidget* w) {
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        return entries;
    }
    if (auto* button = qobject_cast<QPushButton*>(w))
        return {button->text()};
    if (auto* box = qobject_cast<QGroupBox*>(w))
        return {box->title()};
    if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull())
        return {label->text()};
    return {};
}

} // namespace

// No caption or list entry of any window is cut, in any language.
class TextsFitTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void everyTextFits_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= i18n::languageCount; ++language)
            QTest::addRow("language %d", language) << language;
    }
    void everyTextFits() {
        QFETCH(int, language);
        app::PreferencesStore store(dir.filePath(QStringLiteral("prefs.ini")));
        const app::SetupForms forms = qt::desktopForms();
        QStringList cut;
        for (const auto& entry : qt::windowCatalogue(store, forms)) {
            FakeHost host;
            app::ProcessState state{{language, language == i18n::Chinese, false}, 7, 0};
            const auto model = entry.make(state, host);
            qt::DialogWindow window(*model);
            window.ensurePolished();
            for (const dialog::ControlTemplate& control :
                 model->dialog().dialogTemplate().controls) {
                QWidget* w = window.widget(control.id);
                w->ensurePolished();
                const int room = roomFor(w);
                for (const QString& text : textsOf(w)) {
                    const int needed = widestLine(w->fontMetrics(), text);
                    if (needed > room)
                        cut << QStringLiteral("%1 control %2 \"%3\": %4 px in %5")
                                   .arg(entry.name)
                                   .arg(control.id)
                                   .arg(text)
                                   .arg(needed)
                                   .arg(room);
                }
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }
};

KESTROVA_TEST(TextsFitTest)
#include "texts_fit_test.moc"
