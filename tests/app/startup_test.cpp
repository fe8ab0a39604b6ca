#include "app/preferences_store.h"
#include "app/startup.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::app;
using kestrova::test::fileBytes;
using kestrova::test::writeFile;

namespace {

// Values as the INI file holds them; an empty text means "absent".
struct Stored {
    QString language, model, tvMode, company;
};

void writeIni(const QString& path, const Stored& stored) {
    QSettings ini(path, QSettings::IniFormat);
    const auto put = [&ini](const char* key, const QString& value) {
        if (!value.isEmpty())
            ini.setValue(QLatin1String(key), value);
    };
    put("language", stored.language);
    put("model", stored.model);
    put("TvMode", stored.tvMode);
    put("Company", stored.company);
}

Stored readIni(const QString& path) {
    QSettings ini(path, QSettings::IniFormat);
    return {ini.value(QStringLiteral("language")).toString(),
            ini.value(QStringLiteral("model")).toString(),
            ini.value(QStringLiteral("TvMode")).toString(),
            ini.value(QStringLiteral("Company")).toString()};
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUp_data() {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QStringList>("before"); // language, model, TvMode
        QTest::addColumn<int>("systemId");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("chineseRequested");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("tvMode");
        QTest::addColumn<QStringList>("after"); // language, model, TvMode as stored afterwards

        const QStringList none{QString(), QString(), QString()};
        QTest::newRow("first start, Chinese system")
            << false << none << 0x0804 << 1 << false << 1 << 0
            << QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0")};
        QTest::newRow("first start, German (Germany) is English")
            << false << none << 0x0407 << 2 << false << 1 << 0
            << QStringList{QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("0")};
        QTest::newRow("first start, German (Liechtenstein) is Deutsch")
            << false << none << 0x1407 << 3 << false << 1 << 0
            << QStringList{QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("0")};
        QTest::newRow("language missing: default used, not written")
            << true << QStringList{QString(), QStringLiteral("4"), QStringLiteral("0")} << 0x1407
            << 3 << false << 4 << 0
            << QStringList{QString(), QStringLiteral("4"), QStringLiteral("0")};
        QTest::newRow("Chinese stored on a non-Chinese system")
            << true << QStringList{QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("0")}
            << 0x0409 << 2 << true << 7 << 0
            << QStringList{QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("0")};
        QTest::newRow("Chinese stored on a Chinese system")
            << true << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0")}
            << 0x0804 << 1 << false << 2 << 0
            << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0")};
        const QString past = QString::number(i18n::languageCount + 1);
        QTest::newRow("language past the table falls back, not written back")
            << true << QStringList{past, QStringLiteral("3"), QStringLiteral("0")} << 0x1407 << 3
            << false << 3 << 0 << QStringList{past, QStringLiteral("3"), QStringLiteral("0")};
        QTest::newRow("language 0 falls back to Chinese on a Chinese system")
            << true << QStringList{QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("0")}
            << 0x0804 << 1 << false << 3 << 0
            << QStringList{QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("0")};
        QTest::newRow("language not a number falls back")
            << true << QStringList{QStringLiteral("abc"), QStringLiteral("3"), QStringLiteral("0")}
            << 0x0409 << 2 << false << 3 << 0
            << QStringList{QStringLiteral("abc"), QStringLiteral("3"), QStringLiteral("0")};
        QTest::newRow("only the low 16 bits count")
            << true
            << QStringList{QStringLiteral("65546"), QStringLiteral("65539"),
                           QStringLiteral("65537")}
            << 0x0409 << 10 << false << 3 << 1
            << QStringList{QStringLiteral("65546"), QStringLiteral("65539"),
                           QStringLiteral("65537")};
        QTest::newRow("model outside 1..7 becomes 1, not written back")
            << true << QStringList{QStringLiteral("5"), QStringLiteral("9"), QStringLiteral("0")}
            << 0x0409 << 5 << false << 1 << 0
            << QStringList{QStringLiteral("5"), QStringLiteral("9"), QStringLiteral("0")};
        QTest::newRow("model and TvMode missing are written")
            << true << QStringList{QStringLiteral("6"), QString(), QString()} << 0x0409 << 6
            << false << 1 << 0
            << QStringList{QStringLiteral("6"), QStringLiteral("1"), QStringLiteral("0")};
        QTest::newRow("TvMode set by hand")
            << true << QStringList{QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("1")}
            << 0x0409 << 2 << false << 7 << 1
            << QStringList{QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("1")};
    }

    void startUp() {
        QFETCH(bool, fileExists);
        QFETCH(QStringList, before);
        QFETCH(int, systemId);
        QFETCH(int, language);
        QFETCH(bool, chineseRequested);
        QFETCH(int, model);
        QFETCH(int, tvMode);
        QFETCH(QStringList, after);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("prefs.ini"));
        if (fileExists)
            writeIni(path, {before[0], before[1], before[2], QStringLiteral("x")});

        PreferencesStore store(path);
        const ProcessState state = app::startUp(store, static_cast<std::uint16_t>(systemId));
        QCOMPARE(state.language(), language);
        QCOMPARE(state.languageState.systemIsChinese, systemId == 0x0804);
        QCOMPARE(state.languageState.chineseRequested, chineseRequested);
        QCOMPARE(state.model, model);
        QCOMPARE(state.tvMode, tvMode);

        const Stored stored = readIni(path);
        QCOMPARE(stored.language, after[0]);
        QCOMPARE(stored.model, after[1]);
        QCOMPARE(stored.tvMode, after[2]);
        QVERIFY(!stored.company.isEmpty());
    }

    void firstStartWritesTheCompanyMarker() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("prefs.ini"));
        PreferencesStore store(path);
        app::startUp(store, 0x0409);
        QCOMPARE(readIni(path).company, QStringLiteral("Kestrova Imaging Co., Ltd"));
    }

    void readingOnlyLeavesTheStoreAlone() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("prefs.ini"));
        PreferencesStore store(path);
        const ProcessState state = app::startUp(store, 0x0804, StoreDefaults::Leave);
        QCOMPARE(state.language(), 1);
        QCOMPARE(state.model, 1);
        QVERIFY(!QFile::exists(path));
    }

    void unusableStoreFallsBackSilently() {
        // A regular file where the store's folder should be: nothing can be read or written.
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        PreferencesStore store(dir.filePath(QStringLiteral("blocker/prefs.ini")));
        const ProcessState state = app::startUp(store, 0x1407);
        QCOMPARE(state.language(), 3);
        QCOMPARE(state.model, 1);
        QCOMPARE(state.tvMode, 0);
        QVERIFY(!store.writeModel(4));
    }

    void writesAreReadBackByTheNextStart() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("prefs.ini"));
        {
            PreferencesStore store(path);
            app::startUp(store, 0x0409);
            QVERIFY(store.writeLanguage(1));
            QVERIFY(store.writeModel(6));
        }
        PreferencesStore store(path);
        const ProcessState state = app::startUp(store, 0x0409);
        QCOMPARE(state.language(), 2);
        QVERIFY(state.languageState.chineseRequested);
        QCOMPARE(state.recordLanguage(), 1);
        QCOMPARE(state.model, 6);
    }

    void faultyLinesCostOnlyThemselves_data() {
        QTest::addColumn<QByteArray>("ini");
        const QByteArray values = "language=3\nmodel=5\nTvMode=2\nCompany=x\n";
        QTest::newRow("a # comment") << "# note\n" + values;
        QTest::newRow("a broken section line") << "[broken\n" + values;
        QTest::newRow("a broken General line") << "[General\n" + values;
        QTest::newRow("a word alone between values")
            << QByteArray("language=3\nmodel=5\njunk\nTvMode=2\nCompany=x\n");
        QTest::newRow("a ; comment") << "; note\n[General]\n" + values;
    }
    void faultyLinesCostOnlyThemselves() {
        QFETCH(QByteArray, ini);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("prefs.ini"));
        QVERIFY(writeFile(path, ini));
        {
            PreferencesStore store(path);
            const ProcessState state = app::startUp(store, 0x0409);
            QCOMPARE(state.language(), 3);
            QCOMPARE(state.model, 5);
            QCOMPARE(state.tvMode, 2);
        }
        // Every value was read: nothing was written back.
        QCOMPARE(fileBytes(path), ini);
        // A change keeps the other values.
        QVERIFY(PreferencesStore(path).writeModel(6));
        PreferencesStore store(path);
        const ProcessState state = app::startUp(store, 0x0409);
        QCOMPARE(state.language(), 3);
        QCOMPARE(state.model, 6);
        QCOMPARE(state.tvMode, 2);
    }

    void emptyFileIsNotAFirstStart_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a comment alone") << QByteArray("; kept by hand\n");
    }
    void emptyFileIsNotAFirstStart() {
        QFETCH(QByteArray, ini);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("prefs.ini"));
        QVERIFY(writeFile(path, ini));
        PreferencesStore store(path);
        const ProcessState state = app::startUp(store, 0x0804);
        QCOMPARE(state.language(), 1);
        const Stored stored = readIni(path);
        QCOMPARE(stored.language, QString());
        QCOMPARE(stored.model, QStringLiteral("1"));
    }

    void environmentNamesTheIniFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("portable.ini"));
        qputenv("KESTROVA_SETTINGS", path.toLocal8Bit());
        {
            PreferencesStore store;
            QCOMPARE(store.location(), path);
            QVERIFY(store.writeModel(5));
        }
        qunsetenv("KESTROVA_SETTINGS");
        QCOMPARE(readIni(path).model, QStringLiteral("5"));
    }
};

KESTROVA_TEST(StartUpTest)
#include "startup_test.moc"
