#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using kestrova::test::runKestrova;
using kestrova::test::writeFile;
using namespace Qt::StringLiterals;

namespace {

// The options that match the pattern's first group: "--allow-fixed", "--model", ...
QSet<QString> optionsIn(const QString& text, const QRegularExpression& pattern) {
    QSet<QString> options;
    for (const auto& match : pattern.globalMatch(text))
        options << match.captured(1);
    options.remove(u"--help"_s);
    return options;
}

// A command's lines of the usage, and the options its help explains, one a line.
QSet<QString> usageOptions(const QString& usage, const QString& command) {
    const QString start = u"\n  kestrova "_s + command + u' ';
    const QString lines = usage.mid(usage.indexOf(start) + 1).section(u"\n  kestrova"_s, 0, 0);
    return optionsIn(lines, QRegularExpression(u"(--[a-z][a-z-]*)"_s));
}

QSet<QString> explainedOptions(const QString& help) {
    return optionsIn(
        help.section(u"Options:"_s, 1),
        QRegularExpression(u"^  (?:-., )?(--[a-z][a-z-]*)"_s, QRegularExpression::MultilineOption));
}

} // namespace

// Each command takes the options its usage names and nothing it does not explain, and says
// nothing of Qt's own while it does; diff reads profiles as --profile does.
class CommandFaultsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(u"prefs.ini"_s); }
    QString path(const QString& name) const { return dir.filePath(name); }

private Q_SLOTS:
    void initTestCase() {
        for (const char* folder : {"menu", "reset", "smtp-a", "smtp-b"})
            QVERIFY(QDir().mkpath(path(QLatin1String(folder))));
        QCOMPARE(
            runKestrova({u"menu"_s, u"--model"_s, u"7"_s, u"--out"_s, path(u"menu"_s)}, settings())
                .exitCode,
            0);
        for (const char* side : {"a", "b"}) {
            const QString port = side == QLatin1String("a") ? u"25"_s : u"587"_s;
            const auto written = runKestrova(
                {u"smtp"_s, u"--model"_s, u"7"_s, u"--out"_s,
                 path(u"smtp-"_s + QLatin1String(side)), u"--set"_s, u"server=smtp.example.com"_s,
                 u"--set"_s, u"port="_s + port, u"--set"_s, u"sender=cam@example.com"_s, u"--set"_s,
                 u"sender_password=pw"_s + port, u"--set"_s, u"recipient=me@example.com"_s},
                settings());
            QVERIFY2(written.exitCode == 0, qPrintable(written.err));
        }
        const QByteArray profile =
            runKestrova({u"inspect"_s, path(u"menu/menu.dat"_s), u"--model"_s, u"7"_s, u"--json"_s},
                        settings())
                .out.toUtf8();
        QVERIFY(writeFile(path(u"profile.json"_s), profile));
        // The same report, changed as an owner's editor might.
        QVERIFY(writeFile(path(u"twice.json"_s),
                          QByteArray(profile).replace("\"video_length\"",
                                                      "\"video_length\": 30, \"video_length\"")));
        QVERIFY(writeFile(path(u"crc.json"_s),
                          QByteArray(profile).replace("\"crc_ok\": true", "\"crc_ok\": false")));
        QVERIFY(writeFile(path(u"model99.json"_s),
                          QByteArray(profile).replace("\"model\": 7", "\"model\": 99")));
        QVERIFY(writeFile(path(u"escape.json"_s),
                          "{\"kind\": \"mms\", \"model\": 7, \"phone1\": \"138\\u001b[2J\"}"));
        QVERIFY(writeFile(path(u"phone.json"_s),
                          "{\"kind\": \"mms\", \"model\": 7, \"phone1\": \"138\"}"));
        QVERIFY(writeFile(path(u"kit.json"_s), "{\"kestrova_kit\": 1, \"name\": \"k\", "
                                               "\"model\": 7, \"menu\": {\"kind\": \"menu\"}}"));
    }

    // What the usage line names is what the command's help explains, and the other way round.
    void usageNamesEveryOption_data() {
        QTest::addColumn<QString>("command");
        const QString commands = runKestrova({u"--list-commands"_s}, settings()).out;
        for (const QString& command : commands.split(u'\n', Qt::SkipEmptyParts))
            QTest::newRow(qPrintable(command)) << command;
    }
    void usageNamesEveryOption() {
        QFETCH(QString, command);
        const QString usage = runKestrova({u"--help"_s}, settings()).out;
        const QString help = runKestrova({command, u"--help"_s}, settings()).out;
        QCOMPARE(usageOptions(usage, command), explainedOptions(help));
    }

    void faults_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");    // a pattern the error output matches
        QTest::addColumn<QString>("notSaid"); // one it must not match
        const QString qtWarning = u"QCommandLineParser|QFSFileEngine|option not defined"_s;
        QTest::newRow("factory-reset without --allow-fixed")
            << QStringList{u"factory-reset"_s, u"--out"_s, u"reset"_s} << 0 << u"^$"_s << qtWarning;
        QTest::newRow("factory-reset with --allow-fixed")
            << QStringList{u"factory-reset"_s, u"--out"_s, u"reset"_s, u"--allow-fixed"_s} << 0
            << u"^$"_s << qtWarning;
        QTest::newRow("sheet takes --chinese-requested") << QStringList{u"sheet"_s,
                                                                        u"menu"_s,
                                                                        u"--pdf"_s,
                                                                        u"sheet.pdf"_s,
                                                                        u"--model"_s,
                                                                        u"7"_s,
                                                                        u"--chinese-requested"_s}
                                                         << 0 << u"^$"_s << u"nknown option"_s;
        QTest::newRow("an empty --log")
            << QStringList{u"deploy"_s, u"kit.json"_s, u"--log"_s, u""_s} << 2 << u"--log"_s
            << qtWarning;
        // Model 1 of the preferences sends no e-mail: the files' own form reads them.
        QTest::newRow("two SMTP folders under default preferences")
            << QStringList{u"diff"_s, u"smtp-a"_s, u"smtp-b"_s} << 1 << u"^$"_s << u"model 1"_s;
        QTest::newRow("a profile that names a setting twice")
            << QStringList{u"diff"_s, u"menu"_s, u"twice.json"_s} << 2 << u"twice"_s << u"^$"_s;
        QTest::newRow("the report of a damaged file")
            << QStringList{u"diff"_s, u"menu"_s, u"crc.json"_s} << 2 << u"damaged"_s << u"^$"_s;
        QTest::newRow("a profile of no camera model")
            << QStringList{u"diff"_s, u"menu"_s, u"model99.json"_s} << 2
            << u"model 99, which is no camera model"_s << u"\\(\\)"_s;
        QTest::newRow("a text with an escape")
            << QStringList{u"diff"_s, u"phone.json"_s, u"escape.json"_s} << 2
            << u"control characters \\(138\\\\x1b\\[2J\\)"_s << u"^$"_s;
    }
    void faults() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QString, notSaid);
        QStringList inDir;
        for (const QString& argument : arguments)
            inDir << (!argument.isEmpty() &&
                              (QFileInfo::exists(path(argument)) || argument.endsWith(u".pdf"_s))
                          ? path(argument)
                          : argument);
        const auto result = runKestrova(inDir, settings());
        QVERIFY2(result.exitCode == status, qPrintable(result.err));
        QVERIFY2(result.err.contains(QRegularExpression(said)), qPrintable(result.err));
        QVERIFY2(!result.err.contains(QRegularExpression(notSaid)), qPrintable(result.err));
    }
};

KESTROVA_TEST(CommandFaultsTest)
#include "command_faults_test.moc"
