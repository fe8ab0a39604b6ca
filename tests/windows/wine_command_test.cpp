#include "model/camera_model.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"
#include "windows/wine_runner.h"

#include <QDir>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::test;
using namespace Qt::StringLiterals;

namespace {

// What each file needs besides the defaults: a recipient, a mail account; texts in Chinese go
// to the card in code page 936, which the Windows build converts through Windows' own table.
const QStringList mmsSets{u"phone1=13800138000"_s, u"email=相机@例子.cn"_s};
const QStringList smtpSets{u"server=smtp.example.com"_s,     u"port=25"_s,
                           u"sender=trailcam@example.com"_s, u"sender_password=mail-pw"_s,
                           u"recipient=owner@example.org"_s, u"sender_password=猎人密码"_s};

QStringList withSets(QStringList arguments, const QStringList& sets) {
    for (const QString& set : sets)
        arguments << u"--set"_s << set;
    return arguments;
}

// The report as Linux would print it: its lines, with the file's name in place of its path.
QString comparable(QString text, const QString& path) {
    return text.replace(u"\r\n"_s, u"\n"_s).replace(path, u"FILE"_s);
}

} // namespace

// The Windows command, run under Wine, writes the very bytes the Linux command writes, for every
// model and every file, and reports the same.
class WineCommandTest : public QObject {
    Q_OBJECT

    WineRunner wine;
    QTemporaryDir dir;

    // The same command on both systems, each with fresh preferences; the folder it wrote to.
    std::pair<QString, QString> writeBoth(const QString& name, const QStringList& arguments) {
        const QString linuxFolder = dir.filePath(name + u"/linux"_s);
        const QString windowsFolder = dir.filePath(name + u"/windows"_s);
        if (!QDir().mkpath(linuxFolder) || !QDir().mkpath(windowsFolder))
            return {};
        const ProcessResult onLinux = runKestrova(arguments + QStringList{u"--out"_s, linuxFolder},
                                                  dir.filePath(name + u"/linux.ini"_s));
        const ProcessResult onWindows = wine.kestrova(
            arguments + QStringList{u"--out"_s, WineRunner::windowsPath(windowsFolder)},
            WineRunner::windowsPath(dir.filePath(name + u"/windows.ini"_s)));
        if (onLinux.exitCode != 0 || onWindows.exitCode != 0) {
            qWarning("linux: %s\nwindows: %s", qPrintable(onLinux.err), qPrintable(onWindows.err));
            return {};
        }
        return {linuxFolder, windowsFolder};
    }

private Q_SLOTS:
    void initTestCase() {
        if (!wine.missing().isEmpty())
            QSKIP(qPrintable(wine.missing()));
    }

    void sameBytes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        for (const CameraModel& model : cameraModels()) {
            const QStringList common{u"--model"_s, QString::number(model.number), u"--language"_s,
                                     u"2"_s};
            QTest::addRow("model %d menu.dat", model.number)
                << QStringList{u"menu"_s} + common +
                       QStringList{u"--time"_s, u"2026-05-06T07:08:09"_s}
                << u"menu.dat"_s;
            QTest::addRow("model %d setup.dat", model.number)
                << withSets(QStringList{u"mms"_s} + common, mmsSets) << u"setup.dat"_s;
            if (model.sendsEmail)
                QTest::addRow("model %d smtp.dat", model.number)
                    << withSets(QStringList{u"smtp"_s} + common, smtpSets) << u"smtp.dat"_s;
        }
    }
    void sameBytes() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        const auto [linuxFolder, windowsFolder] =
            writeBoth(QString::fromLatin1(QTest::currentDataTag()), arguments);
        QVERIFY(!linuxFolder.isEmpty());
        const QByteArray written = fileBytes(linuxFolder + u'/' + file);
        QVERIFY(written.size() >= 60);
        QCOMPARE(fileBytes(windowsFolder + u'/' + file), written);
        // Nothing else is left in the folder: no temporary file, no lock.
        QCOMPARE(
            QDir(windowsFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{file});
    }

    void sameReport_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::newRow("version") << QStringList{u"--version"_s} << QString();
        QTest::newRow("inspect menu.dat")
            << QStringList{u"inspect"_s, u"--model"_s, u"7"_s, u"--card-size"_s, u"32G"_s}
            << u"menu.dat"_s;
        QTest::newRow("inspect setup.dat as JSON")
            << QStringList{u"inspect"_s, u"--json"_s, u"--card-size"_s, u"32G"_s} << u"setup.dat"_s;
        QTest::newRow("inspect smtp.dat")
            << QStringList{u"inspect"_s, u"--language"_s, u"2"_s, u"--card-size"_s, u"32G"_s}
            << u"smtp.dat"_s;
    }
    void sameReport() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        const QString linuxFile = dir.filePath(u"model 7 "_s + file + u"/linux/"_s + file);
        const QString windowsFile = dir.filePath(u"model 7 "_s + file + u"/windows/"_s + file);
        QVERIFY2(file.isEmpty() || QFileInfo::exists(linuxFile), "sameBytes wrote no file");
        const QString settings = dir.filePath(u"report.ini"_s);
        const ProcessResult onLinux =
            runKestrova(file.isEmpty() ? arguments : arguments + QStringList{linuxFile}, settings);
        const ProcessResult onWindows = wine.kestrova(
            file.isEmpty() ? arguments
                           : arguments + QStringList{WineRunner::windowsPath(windowsFile)},
            WineRunner::windowsPath(settings));
        QCOMPARE(onWindows.exitCode, onLinux.exitCode);
        QVERIFY(!onLinux.out.isEmpty());
        QCOMPARE(comparable(onWindows.out, WineRunner::windowsPath(windowsFile)),
                 comparable(onLinux.out, linuxFile));
        if (arguments.contains(u"--json"_s))
            QVERIFY(!QJsonDocument::fromJson(onWindows.out.toUtf8()).isNull());
    }
};

KESTROVA_TEST(WineCommandTest)

#include "wine_command_test.moc"
