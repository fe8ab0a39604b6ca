#include "support/process_runner.h"
#include "support/test_registry.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using kestrova::test::runKestrova;
using namespace Qt::StringLiterals;

// The lists shell completion reads from the command: every command the usage shows, and for
// each settings command exactly the names its --set takes.
class CompletionListsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(u"prefs.ini"_s); }

    QStringList lines(const QStringList& arguments) {
        const auto result = runKestrova(arguments, settings());
        if (result.exitCode != 0)
            qWarning() << result.err;
        return result.exitCode == 0 ? result.out.split(u'\n', Qt::SkipEmptyParts) : QStringList{};
    }

private Q_SLOTS:
    void commandsAreTheUsagesCommands() {
        QStringList usageCommands;
        const QRegularExpression line(uR"(^  kestrova ([a-z][a-z-]*))"_s,
                                      QRegularExpression::MultilineOption);
        for (const auto& match : line.globalMatch(runKestrova({u"--help"_s}, settings()).out))
            usageCommands << match.captured(1);
        QVERIFY(usageCommands.size() >= 6);
        QCOMPARE(lines({u"--list-commands"_s}), usageCommands);
    }

    // Each command's help opens with its own lines of the usage, and offers no Qt options.
    void everyHelpShowsTheCommandsUsage() {
        const QString usage = runKestrova({u"--help"_s}, settings()).out;
        for (const QString& command : lines({u"--list-commands"_s})) {
            const QString help = runKestrova({command, u"--help"_s}, settings()).out;
            const QString first = help.section(u'\n', 0, 0);
            QVERIFY2(first.startsWith(u"Usage: kestrova "_s + command), qPrintable(first));
            QVERIFY2(usage.contains(u"\n  "_s + first.mid(7) + u'\n'), qPrintable(first));
            QVERIFY(!help.contains(u"--help-all"_s));
        }
    }

    void settingNamesAreWhatSetTakes_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("menu") << u"menu"_s;
        QTest::newRow("mms") << u"mms"_s;
        QTest::newRow("smtp") << u"smtp"_s;
    }

    void settingNamesAreWhatSetTakes() {
        QFETCH(QString, command);
        const QStringList names = lines({u"--list-settings"_s, command});
        QVERIFY(names.size() >= 10);
        const QStringList base{command, u"--model"_s, u"7"_s, u"--out"_s, dir.filePath(u"none"_s)};
        for (const QString& name : names) {
            const auto result =
                runKestrova(base + QStringList{u"--set"_s, name + u'='}, settings());
            QVERIFY2(!result.err.contains(u"unknown setting"_s), qPrintable(name));
        }
        // A name it does not list is refused, and the refusal names the same settings.
        const auto refused =
            runKestrova(base + QStringList{u"--set"_s, u"no_such=1"_s}, settings());
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.trimmed().endsWith(u"; the settings are: "_s + names.join(u", ")),
                 qPrintable(refused.err));
    }

    void commandsWithoutSettingsListNone() {
        QCOMPARE(lines({u"--list-settings"_s, u"inspect"_s}), QStringList{});
        QCOMPARE(runKestrova({u"--list-settings"_s, u"no-such"_s}, settings()).exitCode, 2);
    }
};

KESTROVA_TEST(CompletionListsTest)
#include "completion_lists_test.moc"
