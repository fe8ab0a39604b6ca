#include "camera/menu_record.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;
using namespace kestrova::camera;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text));
}

const CapturedTime may2012{2012, 5, 6, 7, 8, 9};

} // namespace

Q_DECLARE_METATYPE(kestrova::CameraForm)

class MenuRecordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formCDefaults() {
        const auto record =
            buildMenuRecord(CameraForm::C, CameraSettings::atOpen(CameraForm::C), may2012, 2, 0);
        const QByteArray expected = hex("00000000090001000001010000000205060708090000000000000000"
                                        "0002") +
                                    QByteArray(20, '\0') +
                                    hex("0000000000"
                                        "00"
                                        "EE10"
                                        "0D0A");
        QCOMPARE(toByteArray(record).toHex(' '), expected.toHex(' '));
    }

    void factoryReset() {
        const QByteArray expected = hex("FFFFFFFF") + QByteArray(52, '\0') + hex("90880D0A");
        QCOMPARE(toByteArray(buildFactoryResetRecord()), expected);
    }

    void singleBytes_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("byte");
        const auto A = CameraForm::A, B = CameraForm::B, C = CameraForm::C;
        QTest::newRow("30 seconds") << C << "interval 30 s" << 6 << 0x9E;
        QTest::newRow("5 minutes") << C << "interval 5 min" << 6 << 0x05;
        QTest::newRow("0 seconds") << C << "interval 0 s" << 6 << 0x80;
        QTest::newRow("60 s video") << C << "video 60" << 4 << 59;
        QTest::newRow("1 s video") << C << "video 1" << 4 << 0;
        QTest::newRow("serial 0") << C << "serial 0" << 25 << 0;
        QTest::newRow("serial 9") << C << "serial 9" << 26 << 9;
        QTest::newRow("serial A") << C << "serial A" << 27 << 10;
        QTest::newRow("serial Z") << C << "serial Z" << 28 << 35;
        QTest::newRow("year 2031") << C << "year 2031" << 14 << 21;
        QTest::newRow("year 2010") << C << "year 2010" << 14 << 0;
        QTest::newRow("year above range clamps") << C << "year 2040" << 14 << 21;
        QTest::newRow("form A side PIR always on") << A << "side pir off" << 9 << 1;
        QTest::newRow("form C side PIR off") << C << "side pir off" << 9 << 0;
        QTest::newRow("form B side PIR off") << B << "side pir off" << 9 << 0;
        QTest::newRow("form B beep") << B << "beep off" << 31 << 0;
        QTest::newRow("form B SD cycle") << B << "sd cycle on" << 32 << 1;
        QTest::newRow("form B timer2") << B << "timer2 on" << 33 << 1;
        QTest::newRow("form B timer2 stop minute") << B << "timer2 stop 23:59" << 37 << 59;
        QTest::newRow("form A timer2") << A << "timer2 on" << 31 << 1;
        QTest::newRow("form C timer2 start hour") << C << "timer2 start 22:15" << 32 << 22;
        QTest::newRow("form C timer2 stop minute") << C << "timer2 stop 23:59" << 35 << 59;
        QTest::newRow("form C byte 36 stays zero") << C << "timer2 stop 23:59" << 36 << 0;
        QTest::newRow("form C ignores beep") << C << "beep off" << 31 << 0;
        QTest::newRow("language byte") << C << "chinese requested" << 29 << 1;
        QTest::newRow("tv mode low byte") << C << "tv mode 0x0102" << 30 << 2;
    }
    void singleBytes() {
        QFETCH(CameraForm, form);
        QFETCH(QString, change);
        QFETCH(int, offset);
        QFETCH(int, byte);
        CameraSettings s = CameraSettings::atOpen(form);
        CapturedTime time = may2012;
        int language = 2;
        std::uint16_t tvMode = 0;
        if (change == u"interval 30 s") {
            s.interval_value = 30;
            s.interval_unit = intervalSeconds;
        } else if (change == u"interval 5 min") {
            s.interval_value = 5;
        } else if (change == u"interval 0 s") {
            s.interval_value = 0;
            s.interval_unit = intervalSeconds;
        } else if (change == u"video 60") {
            s.video_length = 60;
        } else if (change == u"video 1") {
            s.video_length = 1;
        } else if (change.startsWith(u"serial ")) {
            const int position = static_cast<int>(
                QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ").indexOf(change.back()));
            s.serial_char1 = s.serial_char2 = s.serial_char3 = s.serial_char4 = position;
        } else if (change.startsWith(u"year ")) {
            time.year = change.mid(5).toInt();
        } else if (change == u"side pir off") {
            s.side_pir = 0;
        } else if (change == u"beep off") {
            s.beep_sound = 0;
        } else if (change == u"sd cycle on") {
            s.sd_cycle = 1;
        } else if (change == u"timer2 on") {
            s.timer2 = 1;
        } else if (change == u"timer2 stop 23:59") {
            s.timer2_stop_hour = 23;
            s.timer2_stop_minute = 59;
        } else if (change == u"timer2 start 22:15") {
            s.timer2_start_hour = 22;
            s.timer2_start_minute = 15;
        } else if (change == u"chinese requested") {
            language = 1;
        } else if (change == u"tv mode 0x0102") {
            tvMode = 0x0102;
        } else {
            QFAIL("unknown change");
        }
        const MenuRecord record = buildMenuRecord(form, s, time, language, tvMode);
        QCOMPARE(int(record[offset]), byte);
        QVERIFY(checkMenuRecord(toByteArray(record)).intact());
    }

    void decodeIsTheInverse_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::newRow("A") << CameraForm::A;
        QTest::newRow("B") << CameraForm::B;
        QTest::newRow("C") << CameraForm::C;
    }
    void decodeIsTheInverse() {
        QFETCH(CameraForm, form);
        CameraSettings s = CameraSettings::atOpen(form);
        s.camera_mode = 2;
        s.video_length = 42;
        s.interval_value = 17;
        s.interval_unit = intervalSeconds;
        s.timer = 1;
        s.timer_start_hour = 21;
        s.timer_stop_minute = 45;
        s.serial_char3 = 35;
        s.timer2 = 1;
        s.timer2_start_minute = 33;
        s.timer2_stop_hour = 5;
        s.beep_sound = 0;
        s.sd_cycle = 1;
        const DecodedMenu decoded = decodeMenuRecord(buildMenuRecord(form, s, may2012, 7, 1), form);
        CameraSettings expected = s;
        if (form != CameraForm::B) {
            expected.beep_sound = CameraSettings{}.beep_sound;
            expected.sd_cycle = CameraSettings{}.sd_cycle;
        }
        QCOMPARE(decoded.settings, expected);
        QCOMPARE(decoded.clock, may2012);
        QCOMPARE(decoded.languageByte, 7);
        QCOMPARE(decoded.tvModeByte, 1);
    }

    void damage_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("crcOk");
        QTest::addColumn<bool>("intact");
        QTest::newRow("body byte") << 4 << false << false;
        QTest::newRow("padding") << 52 << true << false;
        QTest::newRow("crc") << 57 << false << false;
        QTest::newRow("line end") << 59 << true << false;
    }
    void damage() {
        QFETCH(int, offset);
        QFETCH(bool, crcOk);
        QFETCH(bool, intact);
        QByteArray bytes = toByteArray(
            buildMenuRecord(CameraForm::C, CameraSettings::atOpen(CameraForm::C), may2012, 2, 0));
        bytes[offset] = static_cast<char>(bytes[offset] ^ 0x01);
        const MenuRecordCheck check = checkMenuRecord(bytes);
        QCOMPARE(check.crcOk, crcOk);
        QCOMPARE(check.intact(), intact);
    }

    void wrongSizeIsDamaged() {
        const QByteArray bytes = toByteArray(buildFactoryResetRecord());
        QVERIFY(!checkMenuRecord(bytes.left(59)).intact());
        QVERIFY(!checkMenuRecord(bytes + bytes).intact());
        const MenuRecordCheck check = checkMenuRecord(bytes);
        QVERIFY(check.intact());
        QVERIFY(check.factoryReset);
    }
};

KESTROVA_TEST(MenuRecordTest)
#include "menu_record_test.moc"
