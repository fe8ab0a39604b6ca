#include "app/preferences_store.h"
#include "app/setup_forms.h"
#include "qt/desktop.h"
#include "qt/window_catalogue.h"
#include "support/fake_host.h"
#include "support/test_registry.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using kestrova::test::FakeHost;

namespace {

// What every window shows in every language, one file a language: a change of structure shows
// no text differently. A change that means to change them rewrites the files with
// KESTROVA_WRITE_EXPECTED=1 and shows the difference in review.
QString expectedFile(const QString& language) {
    return QStringLiteral(KESTROVA_TEST_DATA "/expected/shown-texts-%1.txt").arg(language);
}

QString oneLine(const QString& text) {
    return QString(text).replace(u'\\', QLatin1String("\\\\")).replace(u'\n', QLatin1String("\\n"));
}

// The window's caption, and each control's caption, list entries, hint and tool tip, by control
// number; what moves with the clock or the settings (edit texts, the summary) is left out.
QStringList textsOf(const QString& window, const dialog::FormModel& model) {
    const dialog::Dialog& dialog = model.dialog();
    QStringList lines{window + QStringLiteral(" caption ") + oneLine(dialog.caption())};
    for (const dialog::ControlTemplate& control : dialog.dialogTemplate().controls) {
        if (control.kind == dialog::ControlKind::Summary ||
            control.kind == dialog::ControlKind::Table)
            continue;
        const dialog::ControlState& state = dialog.control(control.id);
        const QString id = QStringLiteral("%1 %2 ").arg(window).arg(control.id);
        if (!state.caption.isEmpty())
            lines << id + QStringLiteral("caption ") + oneLine(state.caption);
        if (control.kind == dialog::ControlKind::List)
            lines << id + QStringLiteral("entries ") + oneLine(state.entries.join(u'|'));
        // A time as a hint is the time now.
        if (!state.hint.isEmpty() && !QDateTime::fromString(state.hint, Qt::ISODate).isValid())
            lines << id + QStringLiteral("hint ") + oneLine(state.hint);
        if (!state.toolTip.isEmpty())
            lines << id + QStringLiteral("tip ") + oneLine(state.toolTip);
    }
    for (const dialog::MenuAction& action : model.contextMenu())
        lines << window + QStringLiteral(" menu ") + oneLine(action.text + u' ' + action.shortcut);
    return lines;
}

} // namespace

class ShownTextsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void sameTexts_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("systemIsChinese");
        for (int language = 1; language <= i18n::languageCount; ++language)
            QTest::addRow("language-%d", language) << language << (language == i18n::Chinese);
        // Chinese asked for on a system that is not Chinese.
        QTest::addRow("chinese-requested") << int(i18n::Chinese) << false;
    }
    void sameTexts() {
        QFETCH(int, language);
        QFETCH(bool, systemIsChinese);
        const i18n::LanguageState state = i18n::languageAtStart(language, systemIsChinese);
        app::PreferencesStore store(dir.filePath(QStringLiteral("prefs.ini")));
        const app::SetupForms forms = qt::desktopForms();
        QStringList shown;
        for (const auto& entry : qt::windowCatalogue(store, forms)) {
            FakeHost host;
            app::ProcessState process{state, 7, 0};
            const auto model = entry.make(process, host);
            model->initialise();
            shown << textsOf(entry.name, *model);
        }
        const QByteArray texts = shown.join(u'\n').toUtf8() + '\n';
        QFile file(expectedFile(QString::fromLatin1(QTest::currentDataTag())));
        if (qEnvironmentVariableIsSet("KESTROVA_WRITE_EXPECTED")) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(file.write(texts), texts.size());
            return;
        }
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QList<QByteArray> was = file.readAll().split('\n');
        const QList<QByteArray> now = texts.split('\n');
        for (qsizetype line = 0; line < std::max(was.size(), now.size()); ++line)
            QCOMPARE(now.value(line), was.value(line));
    }
};

KESTROVA_TEST(ShownTextsTest)
#include "shown_texts_test.moc"
