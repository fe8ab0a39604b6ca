#include "i18n/language.h"
#include "support/test_registry.h"

#include <QSet>
#include <QTest>

using namespace kestrova::i18n;

namespace {

QString entryOf(const LanguageRow& row) {
    return QString::fromUtf8(row.entry.data(), static_cast<qsizetype>(row.entry.size()));
}

} // namespace

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
        QCOMPARE(rows.size(), languageCount);
        QCOMPARE(rows[0], row0);
        for (qsizetype at = 1; at < rows.size(); ++at)
            QCOMPARE(rows[at], entryOf(languageTable[static_cast<std::size_t>(at)]));
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
        QCOMPARE(selectedLanguageRow({languageCount + 1, false, false}), -1);
    }

    // What a record carries is the byte the camera knows the chosen language by; what the
    // preferences keep is the language's own number.
    void recordByteIsTheCamerasOwn_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("chineseRequested");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("byte");
        for (const LanguageRow& row : languageTable)
            QTest::addRow("%s", row.tag.data())
                << row.number << false << row.number << row.cameraByte;
        const int chineseByte = languageTable[Chinese - 1].cameraByte;
        const int englishByte = languageTable[English - 1].cameraByte;
        QTest::newRow("Chinese asked for, English shown")
            << int(English) << true << 1 << chineseByte;
        QTest::newRow("past the table")
            << languageCount + 1 << false << languageCount + 1 << englishByte;
        QTest::newRow("none") << 0 << false << 0 << englishByte;
    }
    void recordByteIsTheCamerasOwn() {
        QFETCH(int, language);
        QFETCH(bool, chineseRequested);
        QFETCH(int, chosen);
        QFETCH(int, byte);
        const LanguageState state{language, false, chineseRequested};
        QCOMPARE(state.chosenLanguage(), chosen);
        QCOMPARE(state.recordByte(), byte);
        QVERIFY(cameraLanguageBytes.contains(byte));
    }

    // A byte is named by the first language the camera knows by it; a language that shares
    // another's byte never names it.
    void cameraBytesAreNamedByTheirLanguage() {
        QSet<int> named;
        for (const LanguageRow& row : languageTable) {
            if (named.contains(row.cameraByte))
                continue;
            named << row.cameraByte;
            QCOMPARE(cameraLanguageName(row.cameraByte), entryOf(row));
        }
        QCOMPARE(named.size(), cameraLanguageBytes.upper - cameraLanguageBytes.lower + 1);
        for (int byte : {cameraLanguageBytes.lower - 1, cameraLanguageBytes.upper + 1, 255}) {
            QVERIFY(!cameraLanguageBytes.contains(byte));
            QCOMPARE(cameraLanguageName(byte), QStringLiteral("unknown"));
        }
    }

    void localesFollowTheTable() {
        for (const LanguageRow& row : languageTable)
            QCOMPARE(localeOf(row.number).name(),
                     QString::fromLatin1(row.locale.data(), row.locale.size()));
        QCOMPARE(localeOf(languageCount + 1), localeOf(English));
        QCOMPARE(localeOf(Chinese), QLocale(QLocale::Chinese, QLocale::China));
    }

    void textLanguageFallsBackToEnglish() {
        QCOMPARE(textLanguage(0), 2);
        QCOMPARE(textLanguage(languageCount + 1), 2);
        QCOMPARE(textLanguage(10), 10);
    }
};

KESTROVA_TEST(LanguageTest)
#include "language_test.moc"
