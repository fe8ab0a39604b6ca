#include "storage/append_file.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <thread>

using namespace kestrova;

// A file that only grows: appends to one file take turns, also through another path to its
// folder, and each goes to the file the path leads to when it is made.
class AppendFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void appendsTakeTurns() {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("log.csv"));
        QVERIFY(QFile::link(dir.path(), dir.filePath(QStringLiteral("same"))));
        std::optional<storage::AppendFile> first(std::in_place);
        QVERIFY(!first->open(log));
        std::thread second([&dir] {
            storage::AppendFile other;
            // Through another path to the folder: the same turn.
            if (!other.open(dir.filePath(QStringLiteral("same/log.csv")), 5000))
                other.append("second\n");
        });
        QTest::qWait(300);
        QVERIFY(!first->append("first\n"));
        QCOMPARE(test::fileBytes(log), QByteArray("first\n"));
        first.reset();
        second.join();
        QCOMPARE(test::fileBytes(log), QByteArray("first\nsecond\n"));

        // Another program saving over it: the next append goes to the file now there.
        QVERIFY(test::writeFile(dir.filePath(QStringLiteral("saved.csv")), "saved\n"));
        QVERIFY(QFile::remove(log));
        QVERIFY(QFile::rename(dir.filePath(QStringLiteral("saved.csv")), log));
        storage::AppendFile third;
        QVERIFY(!third.open(log));
        QCOMPARE(third.identity(), *storage::fileIdentity(log));
        QVERIFY(!third.append("third\n"));
        QCOMPARE(test::fileBytes(log), QByteArray("saved\nthird\n"));
    }
};

KESTROVA_TEST(AppendFileTest)
#include "append_file_test.moc"
