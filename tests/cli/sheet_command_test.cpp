#include "i18n/language.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace kestrova::test;
using namespace Qt::StringLiterals;

namespace {

bool havePoppler() {
    return !QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty() &&
           !QStandardPaths::findExecutable(u"pdfinfo"_s).isEmpty();
}

int pagesOf(const QString& pdf) {
    const auto info = runProgram(u"pdfinfo"_s, {pdf}, {});
    for (const QString& line : info.out.split(u'\n')) {
        if (line.startsWith(u"Pages:"_s))
            return line.section(u':', 1).trimmed().toInt();
    }
    return -1;
}

// The words of the PDF, a sentence wrapped in its column joined again.
QString wordsOf(const QString& pdf) {
    return runProgram(u"pdftotext"_s, {pdf, u"-"_s}, {}).out.simplified();
}

} // namespace

// `kestrova sheet`: one page for each file in every language, no password on paper, what the
// video estimates assume, and the PDF written whole to a regular file alone.
class SheetCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(u"prefs.ini"_s); }
    // A card deep in a long path, with a file of each kind and a password in each box.
    QString card() const {
        return dir.filePath(u"a-folder-of-the-northern-valley-cameras-of-this-season/"
                            "second-level-folder-with-a-long-name/card"_s);
    }
    ProcessResult run(const QStringList& arguments) const {
        return runKestrova(arguments, settings());
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(QDir().mkpath(card()));
        const QStringList out{u"--model"_s, u"7"_s, u"--out"_s, card()};
        const auto set = [](const QStringList& assignments) {
            QStringList arguments;
            for (const QString& assignment : assignments)
                arguments << u"--set"_s << assignment;
            return arguments;
        };
        for (const QStringList& command :
             {QStringList{u"menu"_s} + out +
                  set({u"camera_mode=Camera+Video"_s, u"timer=On"_s, u"timer_start_hour=18"_s,
                       u"timer_stop_hour=6"_s, u"time_lapse=On"_s, u"time_lapse_minute=30"_s}),
              QStringList{u"mms"_s} + out +
                  set({u"mode=manual"_s, u"url=http://mms.example/m"_s, u"apn=mms.example"_s,
                       u"gateway=10.0.0.1"_s, u"port=8080"_s, u"account=owner"_s,
                       u"password=MmsPass1"_s, u"phone1=13800138000"_s, u"email=me@example.com"_s,
                       u"remote_hours=6"_s}),
              QStringList{u"smtp"_s} + out +
                  set({u"mode=Manual"_s, u"apn=internet"_s, u"account=owner"_s,
                       u"gprs_password=GprsPass2"_s, u"server=smtp.example.com"_s, u"port=587"_s,
                       u"sender=cam@example.com"_s, u"sender_password=SenderPass3"_s,
                       u"recipient=me@example.com"_s})}) {
            const auto written = run(command);
            QVERIFY2(written.exitCode == 0, qPrintable(written.err));
        }
    }

    void onePageAFileInEveryLanguage_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= kestrova::i18n::languageCount; ++language)
            QTest::addRow("language %d", language) << language;
    }
    void onePageAFileInEveryLanguage() {
        QFETCH(int, language);
        if (!havePoppler())
            QSKIP("pdftotext and pdfinfo are not installed (scripts/install-deps)");
        const QString pdf = dir.filePath(u"sheet-%1.pdf"_s.arg(language));
        const auto written = run({u"sheet"_s, card(), u"--pdf"_s, pdf, u"--model"_s, u"7"_s,
                                  u"--language"_s, QString::number(language)});
        QVERIFY2(written.exitCode == 0, qPrintable(written.err));
        QCOMPARE(pagesOf(pdf), 3);
        const QString words = wordsOf(pdf);
        for (const char* password : {"MmsPass1", "GprsPass2", "SenderPass3"})
            QVERIFY2(!words.contains(QLatin1String(password)), password);
        // The video rates hold for Motion-JPEG AVI, and the sheet says so (wherever it wraps).
        QVERIFY(QString(words).remove(u' ').remove(u'-').contains(u"MotionJPEGAVI"_s));
        // Both ends of the long folder stay, its middle is left out.
        const QString path = QString(words).remove(u' ');
        QVERIFY(path.contains(u"/card"_s));
        QVERIFY(path.contains(u"\u2026"_s));
        // Chinese for 1, whatever the system's language.
        QCOMPARE(words.contains(u"设置单"_s), language == 1);
    }

    // What --language 1 means, in every command that speaks of what the camera will do.
    void languageOneIsChinese_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("inspect") << QStringList{u"inspect"_s, u"menu.dat"_s};
        QTest::newRow("--dry-run") << QStringList{u"menu"_s, u"--dry-run"_s, u"--out"_s, u""_s};
    }
    void languageOneIsChinese() {
        QFETCH(QStringList, arguments);
        for (QString& argument : arguments) {
            if (argument == u"menu.dat"_s || argument.isEmpty())
                argument = argument.isEmpty() ? card() : card() + u"/menu.dat"_s;
        }
        const auto english = run(arguments + QStringList{u"--model"_s, u"7"_s});
        const auto chinese =
            run(arguments + QStringList{u"--model"_s, u"7"_s, u"--language"_s, u"1"_s});
        QVERIFY2(english.out.contains(u"What the camera will do (model 7"_s),
                 qPrintable(english.out));
        QVERIFY2(chinese.out.contains(u"相机将会做什么（型号7，Kes SigmaMG）"_s),
                 qPrintable(chinese.out));
        for (const QString& word : {u"about "_s, u"assumed:"_s, u"warning:"_s})
            QVERIFY2(!chinese.out.contains(word), qPrintable(word));
    }

    // A FIFO, a device or a folder in the PDF's place is left alone; a name that reads like
    // one of Qt's own options is a file like any other; a file larger than any settings file is
    // named with its size.
    void writesOnlyARegularFile_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("a FIFO") << u"fifo"_s << 1 << u"no regular file"_s;
        QTest::newRow("a device") << u"device"_s << 1 << u"no regular file"_s;
        QTest::newRow("a folder") << u"folder"_s << 1 << u"no regular file"_s;
        QTest::newRow("a name like Qt's -reverse") << u"-reverse"_s << 0 << QString();
        QTest::newRow("a name like Qt's -platform") << u"-platform"_s << 0 << QString();
        QTest::newRow("a settings file over 720 bytes")
            << u"large/sheet.pdf"_s << 3
            << u"large/setup.dat is larger than any settings file (721 bytes)"_s;
    }
    void writesOnlyARegularFile() {
        QFETCH(QString, target);
        QFETCH(int, status);
        QFETCH(QString, said);
        const QString place = dir.filePath(u"targets"_s);
        QVERIFY(QDir().mkpath(place + u"/folder"_s));
        QVERIFY(QDir().mkpath(place + u"/large"_s));
        QVERIFY(writeFile(place + u"/large/setup.dat"_s, QByteArray(721, 'x')));
        const QString path = place + u'/' + target;
        QFile::remove(path);
        if (target == u"fifo"_s)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (target == u"device"_s &&
            ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("no device node can be made here (not root)");
        const QString source = target.startsWith(u"large"_s) ? place + u"/large"_s : card();
        // Run from the folder, with the name as given: a relative "-reverse".
        const auto result =
            runProgram(u"sh"_s,
                       {u"-c"_s, u"cd \"$1\" && exec \"$2\" sheet \"$3\" --pdf=\"$4\" --model 7"_s,
                        u"sh"_s, place, QStringLiteral(KESTROVA_CLI), source, target},
                       settings());
        QVERIFY2(result.exitCode == status, qPrintable(result.err));
        QVERIFY2(result.err.contains(said), qPrintable(result.err));
        const QFileInfo after(path);
        if (status == 0)
            QVERIFY(after.isFile() && fileBytes(path).startsWith("%PDF"));
        else if (target == u"fifo"_s || target == u"device"_s)
            QVERIFY(!after.isFile() && after.exists());
    }
};

KESTROVA_TEST(SheetCommandTest)
#include "sheet_command_test.moc"
