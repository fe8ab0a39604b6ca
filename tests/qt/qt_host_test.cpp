#include "qt/qt_host.h"
#include "support/test_registry.h"

#include <QCoreApplication>
#include <QTest>

using namespace kestrova;

// Qt's own dialogs and buttons speak the chosen language where Qt has texts for it.
class QtHostTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void toolkitTextsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("findDirectory");
        QTest::newRow("Deutsch") << 3 << "Abbrechen"
                                 << "Verzeichnis suchen";
        QTest::newRow("Chinese") << 1 << "取消"
                                 << "查找目录";
        QTest::newRow("English") << 2 << "Cancel"
                                 << "Find Directory";
        QTest::newRow("Slovenian: Qt has none") << 8 << "Cancel"
                                                << "Find Directory";
    }
    void toolkitTextsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, cancel);
        QFETCH(QString, findDirectory);
        qt::QtHost host;
        host.useLanguage(3);
        host.useLanguage(language); // a later choice replaces the earlier one
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Find Directory"), findDirectory);
    }

    void textsGoWithTheHost() {
        {
            qt::QtHost host;
            host.useLanguage(3);
        }
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }
};

KESTROVA_TEST(QtHostTest)
#include "qt_host_test.moc"
