#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"
#include "windows/wine_runner.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova::test;
using namespace Qt::StringLiterals;

namespace {

const QString appPaths =
    u"\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Kestrova.exe"_s;

QStringList menuArguments(const QString& folder, const QString& videoLength) {
    return {u"menu"_s,
            u"--model"_s,
            u"7"_s,
            u"--language"_s,
            u"2"_s,
            u"--out"_s,
            folder,
            u"--time"_s,
            u"2026-05-06T07:08:09"_s,
            u"--set"_s,
            u"video_length="_s + videoLength};
}

} // namespace

// What the Windows build asks of Windows itself, tried under Wine: the history of replaced files
// in the user's local application data, a removable drive as a card with its volume serial, the
// preferences in the registry, and reads that stop at what is no settings file.
class WineServicesTest : public QObject {
    Q_OBJECT

    WineRunner wine;
    QTemporaryDir dir;

    void reg(const QStringList& arguments) {
        const ProcessResult result = wine.wine(QStringList{u"reg"_s} + arguments);
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    }

private Q_SLOTS:
    void initTestCase() {
        if (!wine.missing().isEmpty())
            QSKIP(qPrintable(wine.missing()));
    }

    // A write that replaces a file keeps the old bytes under %LOCALAPPDATA%\kestrova\history,
    // and the history lists them with the Windows folder they came from.
    void historyInLocalAppData() {
        const QString card = dir.filePath(u"history-card"_s);
        QVERIFY(QDir().mkpath(card));
        const QString settings = WineRunner::windowsPath(dir.filePath(u"history.ini"_s));
        const QString history = wine.localAppData() + u"/kestrova/history"_s;
        QDir(history).removeRecursively();
        QCOMPARE(
            wine.kestrova(menuArguments(WineRunner::windowsPath(card), u"1"_s), settings).exitCode,
            0);
        const QByteArray first = fileBytes(card + u"/menu.dat"_s);
        QCOMPARE(
            wine.kestrova(menuArguments(WineRunner::windowsPath(card), u"2"_s), settings).exitCode,
            0);
        QVERIFY(fileBytes(card + u"/menu.dat"_s) != first);

        const QStringList kept = QDir(history).entryList({u"*.dat"_s}, QDir::Files);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(fileBytes(history + u'/' + kept.first()), first);
        const ProcessResult listed = wine.kestrova({u"history"_s, u"--json"_s}, settings);
        QCOMPARE(listed.exitCode, 0);
        const QJsonArray entries = QJsonDocument::fromJson(listed.out.toUtf8()).array();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first()[u"folder"_s].toString(), WineRunner::windowsPath(card));
    }

    // A removable drive is a card; its volume serial, as Linux names a FAT card's UUID, is its
    // identity. Wine reads a folder drive's serial and label from files in its root.
    void removableDriveIsACard() {
        const QString drive = dir.filePath(u"drive-k"_s);
        QVERIFY(QDir().mkpath(drive));
        QVERIFY(writeFile(drive + u"/.windows-serial"_s, "1a2b3c4d\n"));
        QVERIFY(writeFile(drive + u"/.windows-label"_s, "CAM7\n"));
        const QString link = wine.prefix() + u"/dosdevices/k:"_s;
        QFile::remove(link);
        QVERIFY(QFile::link(drive, link));
        reg({u"add"_s, u"HKLM\\Software\\Wine\\Drives"_s, u"/v"_s, u"k:"_s, u"/d"_s, u"floppy"_s,
             u"/f"_s});
        // The drive, its kind and its label are read as Wine starts.
        wine.restart();

        const ProcessResult cards = wine.kestrova({u"cards"_s, u"--json"_s});
        QCOMPARE(cards.exitCode, 0);
        QJsonObject card;
        const QJsonArray listed =
            QJsonDocument::fromJson(cards.out.toUtf8()).object()[u"cards"_s].toArray();
        for (const QJsonValue entry : listed) {
            if (entry[u"mount_point"_s].toString() == u"K:\\")
                card = entry.toObject();
        }
        QVERIFY2(!card.isEmpty(), qPrintable(cards.out));
        QCOMPARE(card[u"uuid"_s].toString(), u"1A2B-3C4D"_s);
        QCOMPARE(card[u"label"_s].toString(), u"CAM7"_s);

        const QString settings = WineRunner::windowsPath(dir.filePath(u"card.ini"_s));
        QCOMPARE(wine.kestrova(menuArguments(u"K:\\"_s, u"3"_s), settings).exitCode, 0);
        QCOMPARE(fileBytes(drive + u"/menu.dat"_s).size(), 60);
        QFile::remove(link);
    }

    // The user's own key wins; the machine's is read where the user's has no value.
    void preferencesInTheRegistry() {
        const QString machine = u"HKLM"_s + appPaths;
        const QString user = u"HKCU"_s + appPaths;
        // What a first start of the desktop program left in the user's key is not this test's.
        wine.wine({u"reg"_s, u"delete"_s, user, u"/f"_s});
        reg({u"add"_s, machine, u"/v"_s, u"model"_s, u"/t"_s, u"REG_DWORD"_s, u"/d"_s, u"5"_s,
             u"/f"_s});
        reg({u"add"_s, machine, u"/v"_s, u"TvMode"_s, u"/t"_s, u"REG_DWORD"_s, u"/d"_s, u"1"_s,
             u"/f"_s});
        reg({u"add"_s, user, u"/v"_s, u"model"_s, u"/t"_s, u"REG_DWORD"_s, u"/d"_s, u"6"_s,
             u"/f"_s});
        const ProcessResult shown = wine.kestrova({u"preferences"_s});
        reg({u"delete"_s, machine, u"/f"_s});
        reg({u"delete"_s, user, u"/f"_s});
        QCOMPARE(shown.exitCode, 0);
        // Qt names a registry key with a backslash in front.
        QVERIFY2(shown.out.contains(u"preferences: \\HKEY_CURRENT_USER"_s + appPaths),
                 qPrintable(shown.out));
        QVERIFY2(shown.out.contains(u"model: 6 ("_s), qPrintable(shown.out));
        QVERIFY2(shown.out.contains(u"tv_mode: 1\r\n"_s), qPrintable(shown.out));
    }

    // The settings sheet is laid out by its own program beside the command.
    void settingsSheetAsPdf() {
        const QString card = dir.filePath(u"sheet-card"_s);
        QVERIFY(QDir().mkpath(card));
        const QString settings = WineRunner::windowsPath(dir.filePath(u"sheet.ini"_s));
        QCOMPARE(
            wine.kestrova(menuArguments(WineRunner::windowsPath(card), u"1"_s), settings).exitCode,
            0);
        const QString pdf = dir.filePath(u"sheet.pdf"_s);
        const ProcessResult sheet =
            wine.kestrova({u"sheet"_s, WineRunner::windowsPath(card), u"--pdf"_s,
                           WineRunner::windowsPath(pdf), u"--model"_s, u"7"_s},
                          settings);
        QVERIFY2(sheet.exitCode == 0, qPrintable(sheet.err));
        QVERIFY(fileBytes(pdf).startsWith("%PDF-"));
    }

    // The installer puts the programs into the user's own programs folder with a Start-menu
    // entry, and its uninstaller takes away exactly that.
    void installerInstallsAndUninstallsCleanly() {
        const QStringList installers =
            QDir(QStringLiteral(KESTROVA_WINDOWS_INSTALLERS))
                .entryList({u"kestrova-setup-*-windows-x64.exe"_s}, QDir::Files, QDir::Time);
        QVERIFY2(!installers.isEmpty(), "make windows built no installer");
        const QString installed = wine.localAppData() + u"/Programs/Kestrova Setup"_s;
        const QString shortcut =
            wine.localAppData() +
            u"/../Roaming/Microsoft/Windows/Start Menu/Programs/Kestrova Setup.lnk"_s;
        const QString uninstallKey =
            u"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KestrovaSetup"_s;

        QCOMPARE(wine.wine({QStringLiteral(KESTROVA_WINDOWS_INSTALLERS "/") + installers.first(),
                            u"/S"_s})
                     .exitCode,
                 0);
        wine.waitForAll();
        QVERIFY(QFileInfo::exists(installed + u"/kestrova-setup.exe"_s));
        QVERIFY(QFileInfo::exists(installed + u"/plugins/platforms/qwindows.dll"_s));
        QVERIFY(QFileInfo::exists(shortcut));
        QCOMPARE(wine.wine({u"reg"_s, u"query"_s, uninstallKey}).exitCode, 0);
        QCOMPARE(wine.kestrova({u"--version"_s}).exitCode, 0);

        QCOMPARE(
            wine.wine({WineRunner::windowsPath(installed + u"/uninstall.exe"_s), u"/S"_s}).exitCode,
            0);
        wine.waitForAll();
        QVERIFY(!QFileInfo::exists(installed));
        QVERIFY(!QFileInfo::exists(shortcut));
        QVERIFY(wine.wine({u"reg"_s, u"query"_s, uninstallKey}).exitCode != 0);
    }

    // What is no regular file is named as what it is and never read, nor is a file too large.
    void readsStopAtWhatIsNoFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("said");
        QTest::newRow("a device") << u"NUL"_s << u"not a regular file (a device)"_s;
        QTest::newRow("a folder") << u"C:\\windows"_s << u"not a regular file (a folder)"_s;
        QTest::newRow("a large file")
            << u"large.json"_s << u"is 2000000 bytes; a profile holds at most 1048576"_s;
    }
    void readsStopAtWhatIsNoFile() {
        QFETCH(QString, path);
        QFETCH(QString, said);
        if (path == u"large.json") {
            QVERIFY(writeFile(dir.filePath(path), QByteArray(2000000, ' ')));
            path = WineRunner::windowsPath(dir.filePath(path));
        }
        const ProcessResult result =
            wine.kestrova({u"menu"_s, u"--model"_s, u"1"_s, u"--profile"_s, path, u"--dry-run"_s},
                          WineRunner::windowsPath(dir.filePath(u"reads.ini"_s)));
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(said), qPrintable(result.err));
    }
};

KESTROVA_TEST(WineServicesTest)

#include "wine_services_test.moc"
