#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using test::runKestrova;

// kestrova kit: the model is the one the files name or --model gives, never the preferences';
// the kit is its owner's alone and says when it holds passwords.
class KitCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(QStringLiteral("prefs.ini")); }

    // A card holding what these commands wrote on it.
    QString cardWith(const QString& name, const QList<QStringList>& writes) {
        const QString card = dir.filePath(name);
        QDir().mkpath(card);
        for (QStringList write : writes) {
            write << QStringLiteral("--out") << card;
            if (runKestrova(write, settings()).exitCode != 0)
                return {};
        }
        return card;
    }

private Q_SLOTS:
    void takesTheModelTheFilesName_data() {
        QTest::addColumn<QList<QStringList>>("writes");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        const QStringList menu{"menu", "--model", "7"};
        const QStringList sms{"mms",   "--model",           "3", "--set", "status=SMS",
                              "--set", "phone1=07700900123"};
        const QStringList mail{"smtp",
                               "--model",
                               "3",
                               "--set",
                               "server=smtp.example.com",
                               "--set",
                               "port=587",
                               "--set",
                               "sender=cam@example.com",
                               "--set",
                               "sender_password=secret",
                               "--set",
                               "recipient=me@example.com"};
        QTest::newRow("a menu alone") << QList<QStringList>{menu} << 2
                                      << QStringLiteral("could have been written for models 1, 2, "
                                                        "3, 4, 5, 6, 7");
        QTest::newRow("SMS as the fourth status")
            << QList<QStringList>{sms} << 2 << QStringLiteral("for models 1, 3");
        QTest::newRow("and e-mail") << QList<QStringList>{sms, mail} << 0
                                    << QStringLiteral("the kit holds passwords "
                                                      "(smtp.sender_password, smtp.gprs_password)");
    }
    void takesTheModelTheFilesName() {
        QFETCH(QList<QStringList>, writes);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        // The preferences name model 1: never taken for the files' model.
        QVERIFY(test::writeFile(settings(), "[General]\nmodel=1\n"));
        const QString card = cardWith(QTest::currentDataTag(), writes);
        QVERIFY(!card.isEmpty());
        const QString kit = card + QStringLiteral(".json");
        // Made with nothing but the owner's own permission bits, whatever the umask.
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("KESTROVA"), QStringLiteral(KESTROVA_CLI));
        const auto result = test::runProgram(
            QStringLiteral("sh"),
            {QStringLiteral("-c"),
             QStringLiteral("umask 000; exec \"$KESTROVA\" kit \"$0\" --out \"$1\""), card, kit},
            settings(), environment);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2((result.out + result.err).contains(said), qPrintable(result.out + result.err));
        if (exitCode != 0) {
            QVERIFY(!QFile::exists(kit));
            return;
        }
        QCOMPARE(QJsonDocument::fromJson(test::fileBytes(kit)).object()[u"model"].toInt(), 3);
        QCOMPARE(QFile::permissions(kit), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadUser | QFileDevice::WriteUser);
        // A kit without passwords does not say it holds some.
        const QString plain = cardWith(QStringLiteral("plain"), {{"menu", "--model", "7"}});
        const auto quiet = runKestrova({QStringLiteral("kit"), plain, QStringLiteral("--out"),
                                        plain + QStringLiteral(".json"), QStringLiteral("--model"),
                                        QStringLiteral("7")},
                                       settings());
        QCOMPARE(quiet.out.trimmed(), plain + QStringLiteral(".json"));
    }
};

KESTROVA_TEST(KitCommandTest)
#include "kit_command_test.moc"
