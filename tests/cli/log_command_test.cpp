#include "fleet/deploy_log.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using test::runKestrova;

// kestrova log: the export never replaces the log it is made of, nor another file unasked.
class LogCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(QStringLiteral("prefs.ini")); }
    QString log() const { return dir.filePath(QStringLiteral("log.csv")); }

private Q_SLOTS:
    void initTestCase() {
        fleet::DeployLog made;
        QVERIFY(!made.open(log()));
        fleet::LogEntry entry;
        entry.written = QDateTime::fromString(QStringLiteral("2026-05-06T07:00:00Z"), Qt::ISODate);
        entry.cameraId = QStringLiteral("N-01");
        entry.result = QStringLiteral("done");
        QVERIFY(!made.append(entry).problem);
    }

    void writesOnlyWhereItMay_data() {
        QTest::addColumn<QString>("out");
        QTest::addColumn<bool>("force");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("the log itself")
            << QStringLiteral("log.csv") << true << 2 << QStringLiteral("is the log itself");
        QTest::newRow("a link to the log")
            << QStringLiteral("link.csv") << true << 2 << QStringLiteral("is the log itself");
        QTest::newRow("another file") << QStringLiteral("other.csv") << false << 2
                                      << QStringLiteral("exists; --force replaces it");
        QTest::newRow("another file, --force") << QStringLiteral("other.csv") << true << 0
                                               << QStringLiteral("1 deployments written to");
        QTest::newRow("a new file") << QStringLiteral("new.csv") << false << 0
                                    << QStringLiteral("1 deployments written to");
    }
    void writesOnlyWhereItMay() {
        QFETCH(QString, out);
        QFETCH(bool, force);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        const QByteArray logged = test::fileBytes(log());
        QFile::remove(dir.filePath(QStringLiteral("new.csv")));
        QFile::remove(dir.filePath(QStringLiteral("link.csv")));
        QVERIFY(QFile::link(log(), dir.filePath(QStringLiteral("link.csv"))));
        QVERIFY(test::writeFile(dir.filePath(QStringLiteral("other.csv")), "mine"));
        QStringList arguments{QStringLiteral("log"), log(), QStringLiteral("--camtrap-dp"),
                              dir.filePath(out)};
        if (force)
            arguments << QStringLiteral("--force");
        const auto result = runKestrova(arguments, settings());
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2((result.out + result.err).contains(said), qPrintable(result.out + result.err));
        QCOMPARE(test::fileBytes(log()), logged);
        QCOMPARE(
            test::fileBytes(dir.filePath(QStringLiteral("other.csv"))).startsWith("deploymentID"),
            out == u"other.csv" && force);
        if (exitCode == 0)
            QVERIFY(test::fileBytes(dir.filePath(out)).contains("N-01-2026-05-06"));
    }
};

KESTROVA_TEST(LogCommandTest)
#include "log_command_test.moc"
