#include "camera/menu_record.h"
#include "codec/block_container.h"
#include "mms/mms_checks.h"
#include "mms/mms_file.h"
#include "mms/mms_record.h"
#include "smtp/smtp_checks.h"
#include "smtp/smtp_file.h"
#include "smtp/smtp_record.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace kestrova;
using namespace kestrova::test;

namespace {

// A "setup.dat" whose check value is right, with its plain blocks changed first.
template <typename Change> QByteArray sealedMms(Change change) {
    mms::MmsSettings settings;
    settings.phone1 = QStringLiteral("13800138000");
    codec::DataBlocks blocks =
        codec::openContainer(mms::buildMmsRecord(settings, 2, 0).bytes).plain;
    change(blocks);
    return codec::sealContainer(blocks, 0);
}

} // namespace

// What inspect and --profile read, and what inspect says of a file whose values no program
// writes.
class InspectInputTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(QStringLiteral("prefs.ini")); }

    ProcessResult inspect(const QString& path, const QStringList& flags = {}) const {
        return runKestrova(QStringList{QStringLiteral("inspect"), path} + flags, settings());
    }

private Q_SLOTS:
    void unreadable_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QTest::newRow("a FIFO without a writer")
            << fifo << "cannot read " + fifo + ": not a regular file (a FIFO)";
        // A folder is inspected file by file: what it holds cannot be read.
        const QString card = dir.filePath(QStringLiteral("card"));
        QVERIFY(QDir().mkpath(card));
        QVERIFY(::mkfifo(QFile::encodeName(card + QStringLiteral("/menu.dat")).constData(), 0600) ==
                0);
        QTest::newRow("a folder holding a FIFO")
            << card << "cannot read " + card + "/menu.dat: not a regular file (a FIFO)";
        QTest::newRow("a device") << "/dev/zero"
                                  << "cannot read /dev/zero: not a regular file (a device)";
        QTest::newRow("no name") << ""
                                 << "cannot read \"\": No such file or directory";
        // Offset 0 of a process's own memory is never mapped: a regular file whose read fails.
        QTest::newRow("a read error") << "/proc/self/mem"
                                      << "cannot read /proc/self/mem: Input/output error";
    }
    void unreadable() {
        QFETCH(QString, path);
        QFETCH(QString, message);
        if (path.startsWith(u"/proc") && !QFile::exists(path))
            QSKIP("no /proc here to make a read fail");
        const auto result = inspect(path);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.err, "kestrova: " + message + u'\n');
    }

    // A file larger than any settings file is measured, not read; one whose size the system
    // does not give (/proc says 0) is larger than the most that was read.
    void largeFileIsMeasuredNotRead_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("size");
        QTest::newRow("4 GiB, sparse")
            << dir.filePath(QStringLiteral("huge.dat")) << "4294967296 bytes";
        QTest::newRow("a /proc file") << "/proc/self/maps"
                                      << "more than 720 bytes";
    }
    void largeFileIsMeasuredNotRead() {
        QFETCH(QString, path);
        QFETCH(QString, size);
        QFile file(path);
        if (!path.startsWith(u"/proc")) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(4) << 30)); // sparse: nothing is stored
            file.close();
        }
        const auto result = inspect(path);
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.out.contains(QStringLiteral("not a settings file: ") + size),
                 qPrintable(result.out));
    }

    void profileLimits_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("a device") << "/dev/urandom"
                                  << "cannot read the profile /dev/urandom: not a regular file";
        const QString large = dir.filePath(QStringLiteral("large.json"));
        QVERIFY(writeFile(large, "{\"x\": \"" + QByteArray(2 << 20, 'x') + "\"}"));
        QTest::newRow("over 1 MiB") << large << "is 2097161 bytes; a profile holds at most 1048576";
    }
    void profileLimits() {
        QFETCH(QString, path);
        QFETCH(QString, message);
        const auto result =
            runKestrova({QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("1"),
                         QStringLiteral("--out"), dir.path(), QStringLiteral("--profile"), path},
                        settings());
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
    }

    // The three commands read --set alike: one splitter and one number check; an assignment
    // that cannot be split is refused before any later one is read.
    void assignmentsAreReadAlike_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<QString>("message");
        for (const char* name : {"menu", "mms", "smtp"}) {
            const QString command = QString::fromLatin1(name);
            const QString number = command == u"menu" ? QStringLiteral("video_length")
                                                      : QStringLiteral("pictures_per_day");
            QTest::addRow("%s without a name", name)
                << command << QStringList{QStringLiteral("=5"), QStringLiteral("no_such=1")}
                << "--set expects NAME=VALUE, got \"=5\"";
            QTest::addRow("%s not a number", name)
                << command << QStringList{number + QStringLiteral("=ten")}
                << number + QStringLiteral(": Please enter an integer. (got \"ten\")");
        }
    }
    void assignmentsAreReadAlike() {
        QFETCH(QString, command);
        QFETCH(QStringList, assignments);
        QFETCH(QString, message);
        QStringList arguments{command, QStringLiteral("--model"), QStringLiteral("7"),
                              QStringLiteral("--out"), dir.path()};
        for (const QString& assignment : assignments)
            arguments << QStringLiteral("--set") << assignment;
        const auto result = runKestrova(arguments, settings());
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.err.trimmed(), QStringLiteral("kestrova: ") + message);
    }

    void badValueIsCutShort() {
        const auto result = runKestrova({QStringLiteral("menu"), QStringLiteral("--model"),
                                         QStringLiteral("1"), QStringLiteral("--set"),
                                         QStringLiteral("video_length=") + QString(5000, u'9')},
                                        settings());
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.size() < 200, qPrintable(result.err));
        QVERIFY(result.err.contains(QString(60, u'9') + QStringLiteral("... (5000 characters)")));
    }

    void controlCharactersAreEscaped() {
        const QString path = dir.filePath(QStringLiteral("setup.dat"));
        QVERIFY(writeFile(path, sealedMms([](codec::DataBlocks& blocks) {
                              blocks[6] = codec::textBlock("\x1b]0;owned\x07\x1b[2J\nx@y.z");
                              blocks[10] = codec::textBlock("13\x7f");
                          })));
        const auto text = inspect(path);
        QCOMPARE(text.exitCode, 3);
        QVERIFY(!text.out.contains(QChar(0x1b)) && !text.out.contains(QChar(0x07)));
        QVERIFY2(text.out.contains(QStringLiteral(
                     "email: \"\\x1b]0;owned\\x07\\x1b[2J\\x0ax@y.z\" (control characters: not "
                     "written by this program)")),
                 qPrintable(text.out));
        QVERIFY(text.out.contains(QStringLiteral("phone3: \"13\\x7f\"")));
        QVERIFY(text.out.contains(QStringLiteral("out of range: email, phone3 (DAMAGED)")));

        const auto json = inspect(path, {QStringLiteral("--json")});
        QCOMPARE(json.exitCode, 3);
        // The JSON writer escapes the C0 controls itself; DEL and C1 are escaped the same way.
        QVERIFY(!json.out.contains(QChar(0x1b)) && !json.out.contains(QChar(0x7f)));
        QVERIFY(json.out.contains(QStringLiteral("\"13\\u007f\"")));
        const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(object.value(QStringLiteral("email")).toString(),
                 QStringLiteral("\x1b]0;owned\x07\x1b[2J\nx@y.z"));
        QCOMPARE(object.value(QStringLiteral("intact")), QJsonValue(false));
        QCOMPARE(object.value(QStringLiteral("out_of_range")).toArray(),
                 (QJsonArray{QStringLiteral("email"), QStringLiteral("phone3")}));
    }

    void impossibleValuesAreDamage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QStringList>("outOfRange");

        camera::CameraSettings menu = camera::CameraSettings::atOpen(CameraForm::B);
        menu.camera_mode = 200;
        menu.video_length = 251;
        menu.timer_start_hour = 77;
        const camera::CapturedTime month13{2020, 13, 1, 0, 0, 0};
        const auto menuBytes = [](const camera::CameraSettings& s, const camera::CapturedTime& t,
                                  int language) {
            return camera::toByteArray(camera::buildMenuRecord(CameraForm::B, s, t, language, 0));
        };
        QTest::newRow("menu, model given")
            << menuBytes(menu, month13, 2) << QStringList{"--model", "7"}
            << QStringList{"camera_mode", "video_length", "timer_start_hour", "clock"};
        QTest::newRow("menu, no model")
            << menuBytes(menu, month13, 2) << QStringList{}
            << QStringList{"camera_mode", "video_length", "timer_start_hour", "clock"};
        camera::CameraSettings zeroMinutes = camera::CameraSettings::atOpen(CameraForm::B);
        zeroMinutes.interval_value = 0;
        QTest::newRow("menu, 0 minutes, day 30 of February, language 12")
            << menuBytes(zeroMinutes, {2020, 2, 30, 0, 0, 0}, 12) << QStringList{"--model", "7"}
            << QStringList{"interval_value", "clock", "menu_language"};

        const auto header = [](int at, int value) {
            return [at, value](codec::DataBlocks& blocks) {
                blocks[0][static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(value);
            };
        };
        QTest::newRow("mms, mode 175 and status 7") << sealedMms([&](codec::DataBlocks& blocks) {
            header(0, 7)(blocks);
            header(1, 8)(blocks);
            header(55, 175)(blocks);
        }) << QStringList{"--model", "7"} << QStringList{"mode", "status"};
        QTest::newRow("mms, status 2 is beyond the list of model 2")
            << sealedMms([&](codec::DataBlocks& blocks) {
                   header(0, 3)(blocks);
                   header(1, 4)(blocks);
               })
            << QStringList{"--model", "2"} << QStringList{"status"};
        QTest::newRow("mms, operator 200 and hours 30, language 0")
            << sealedMms([&](codec::DataBlocks& blocks) {
                   header(9, 200)(blocks);
                   header(10, 30)(blocks);
                   header(5, 0)(blocks);
               })
            << QStringList{} << QStringList{"remote_hours", "operator", "record_language"};
    }
    void impossibleValuesAreDamage() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, flags);
        QFETCH(QStringList, outOfRange);
        const bool isMenu = bytes.size() == 60;
        const QString path =
            dir.filePath(isMenu ? QStringLiteral("menu.dat") : QStringLiteral("setup.dat"));
        QVERIFY(writeFile(path, bytes));

        const auto text = inspect(path, flags);
        QCOMPARE(text.exitCode, 3);
        QVERIFY2(text.out.contains(QStringLiteral("(ok)")), qPrintable(text.out)); // check value
        QVERIFY2(text.out.contains(QStringLiteral("out of range: ") +
                                   outOfRange.join(QStringLiteral(", ")) +
                                   QStringLiteral(" (DAMAGED)")),
                 qPrintable(text.out));
        QVERIFY(!text.out.contains(QStringLiteral("DAMAGED?")));

        const auto json = inspect(path, flags + QStringList{QStringLiteral("--json")});
        QCOMPARE(json.exitCode, 3);
        const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(object.value(QStringLiteral("crc_ok")), QJsonValue(true));
        QCOMPARE(object.value(QStringLiteral("intact")), QJsonValue(false));
        QCOMPARE(object.value(QStringLiteral("out_of_range")).toArray(),
                 QJsonArray::fromStringList(outOfRange));
    }

    // Intact means as a writer leaves it: reserved bytes as written, and settings the command
    // that writes the file takes back. Otherwise the report says why.
    void reservedBytesAndRefusalsAreDamage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("why");
        const auto menu = [](CameraForm form, int offset, int value) {
            auto record = camera::buildMenuRecord(form, camera::CameraSettings::atOpen(form),
                                                  {2020, 1, 2, 3, 4, 5}, 2, 0);
            record[std::size_t(offset)] = std::uint8_t(value);
            return camera::toByteArray(camera::withClock(record, {2020, 1, 2, 3, 4, 5}));
        };
        QTest::newRow("menu, byte 40") << menu(CameraForm::B, 40, 7) << "menu.dat"
                                       << "7"
                                       << "out of range: byte 40 (DAMAGED)";
        QTest::newRow("menu of form A, side PIR byte off")
            << menu(CameraForm::A, 9, 0) << "menu.dat"
            << "6"
            << "out of range: byte 9 (DAMAGED)";
        QTest::newRow("menu of form C, byte 36") << menu(CameraForm::C, 36, 1) << "menu.dat"
                                                 << "1"
                                                 << "out of range: byte 36 (DAMAGED)";
        mms::MmsSettings letters;
        letters = sending::withPreset<mms::MmsFile>(letters);
        letters.phone1 = QStringLiteral("0770abc9");
        QTest::newRow("mms, letters in a phone number")
            << mms::buildMmsRecord(letters, 2, 0).bytes << "setup.dat"
            << "7"
            << "checks: phone1: ";
        mms::MmsSettings ownApn = letters;
        ownApn.phone1 = QStringLiteral("13800138000");
        ownApn.apn = QStringLiteral("my.own.apn");
        QTest::newRow("mms, auto mode with a network text of its own")
            << mms::buildMmsRecord(ownApn, 2, 0).bytes << "setup.dat"
            << ""
            << "checks: apn";
        smtp::SmtpSettings mail;
        mail.server = QStringLiteral("smtp.example.com");
        mail.port = QStringLiteral("25");
        mail.sender = QStringLiteral("trailcam.example.com");
        mail.senderPassword = QStringLiteral("pw");
        mail.recipient = QStringLiteral("me@example.com");
        QTest::newRow("smtp, a sender without @")
            << smtp::buildSmtpRecord(sending::withPreset<smtp::SmtpFile>(mail), SmtpForm::B, 2)
                   .bytes
            << "smtp.dat"
            << "7"
            << "checks: sender: Email Error(@) (DAMAGED)";
    }
    void reservedBytesAndRefusalsAreDamage() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fileName);
        QFETCH(QString, model);
        QFETCH(QString, why);
        const QString path = dir.filePath(fileName);
        QVERIFY(writeFile(path, bytes));
        const QStringList flags =
            model.isEmpty() ? QStringList{} : QStringList{QStringLiteral("--model"), model};
        const auto text = inspect(path, flags);
        QCOMPARE(text.exitCode, 3);
        QVERIFY2(text.out.contains(why), qPrintable(text.out));
        const auto json = inspect(path, flags + QStringList{QStringLiteral("--json")});
        const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(object.value(QStringLiteral("intact")), QJsonValue(false));
    }
};

KESTROVA_TEST(InspectInputTest)
#include "inspect_input_test.moc"
