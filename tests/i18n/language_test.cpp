#include "i18n/language.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova::i18n;

class LanguageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void systemLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("languageId");
        QTest::addColumn<int>("defaultLanguage");
        QTest::newRow("zh_CN") << "zh_CN" << 0x0804 << 1;
        QTest::newRow("zh_TW is not the PRC") << "zh_TW" << 0x0409 << 2;
        QTest::newRow("de_DE") << "de_DE" << 0x0407 << 2;
        QTest::newRow("de_LI") << "de_LI" << 0x1407 << 3;
        QTest::newRow("en_US") << "en_US" << 0x0409 << 2;
        QTest::newRow("ja_JP") << "ja_JP" << 0x0409 << 2;
    }
    void systemLanguage() {
        QFETCH(QString, locale);
        QFETCH(int, languageId);
        QFETCH(int, defaultLanguage);
        const auto id = languageIdOf(QLocale(locale));
        QCOMPARE(id, languageId);
        QCOMPARE(defaultLanguageFor(id), defaultLanguage);
    }

    void chooseRow_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("systemIsChinese");
        QTest::addColumn<bool>("chineseRequested");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("newLanguage");
        QTest::addColumn<bool>("newRequested");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("row0");
        QTest::newRow("Chinese row, other system")
            << 3 << false << false << 0 << 2 << true << 1 << "Chinese";
        QTest::newRow("Chinese row, Chinese system")
            << 2 << true << false << 0 << 1 << true << 1 << "中文";
        QTest::newRow("another row after Chinese")
            << 2 << false << true << 4 << 5 << false << 5 << "Chinese";
        QTest::newRow("English on a Chinese system")
            << 1 << true << true << 1 << 2 << false << 2 << "Chinese";
        QTest::newRow("Lithuanian") << 2 << false << false << 10 << 11 << false << 11 << "Chinese";
    }
    void chooseRow() {
        QFETCH(int, language);
        QFETCH(bool, systemIsChinese);
        QFETCH(bool, chineseRequested);
        QFETCH(int, row);
        QFETCH(int, newLanguage);
        QFETCH(bool, newRequested);
        QFETCH(int, chosen);
        QFETCH(QString, row0);
        const LanguageState after =
            chooseLanguageRow({language, systemIsChinese, chineseRequested}, row);
        QCOMPARE(after.language, newLanguage);
        QCOMPARE(after.chineseRequested, newRequested);
        QCOMPARE(after.chosenLanguage(), chosen);
        QCOMPARE(selectedLanguageRow(after), row);
        const QStringList rows = languageListRows(after);
        QCOMPARE(rows.size(), 11);
        QCOMPARE(rows[0], row0);
        QCOMPARE(rows[10], QStringLiteral("Lithuanian"));
    }

    void startRule() {
        LanguageState state = languageAtStart(1, false);
        QCOMPARE(state.language, 2);
        QVERIFY(state.chineseRequested);
        QCOMPARE(selectedLanguageRow(state), 0);
        QCOMPARE(languageListRows(state)[0], QStringLiteral("Chinese"));

        state = languageAtStart(1, true);
        QCOMPARE(state.language, 1);
        QVERIFY(!state.chineseRequested);
        QCOMPARE(languageListRows(state)[0], QStringLiteral("中文"));

        state = languageAtStart(9, false);
        QCOMPARE(selectedLanguageRow(state), 8);
        QCOMPARE(selectedLanguageRow({12, false, false}), -1);
    }

    void textLanguageFallsBackToEnglish() {
        QCOMPARE(textLanguage(0), 2);
        QCOMPARE(textLanguage(12), 2);
        QCOMPARE(textLanguage(10), 10);
    }
};

KESTROVA_TEST(LanguageTest)
#include "language_test.moc"
