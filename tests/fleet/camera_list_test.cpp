#include "fleet/camera_list.h"
#include "fleet/fleet_test_support.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;

// The cameras table is refused, row, column and the settings' own message, before any card.
class CameraListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusesEachKindOfBadRow_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("problem");
        const QByteArray head = "camera_id,serial,mms.phone1,latitude,deploymentStart\r\n";
        QTest::newRow("no id column")
            << QByteArray("serial\r\nA001\r\n") << QStringLiteral("has no column \"camera_id\"");
        QTest::newRow("unknown column")
            << QByteArray("camera_id,phone\r\nA,1\r\n")
            << QStringLiteral("has the column \"phone\", which is no setting of the kit's "
                              "sections nor a column the log carries; did you mean \"phone1\"?");
        QTest::newRow("section without that setting")
            << QByteArray("camera_id,menu.phone1\r\nA,1\r\n")
            << QStringLiteral("has the column \"menu.phone1\", which is no setting");
        QTest::newRow("field count") << head + "A,A001\r\n"
                                     << QStringLiteral("line 2 has 2 fields, the header 5");
        QTest::newRow("unclosed quote") << head + "A,\"A001,,,\r\n"
                                        << QStringLiteral("line 2: a quoted field is never closed");
        QTest::newRow("empty id") << head + ",A001,,,\r\n"
                                  << QStringLiteral("row 2, column camera_id: every camera needs "
                                                    "an id");
        QTest::newRow("id twice") << head + "A,,,,\r\nA,,,,\r\n"
                                  << QStringLiteral("row 3, column camera_id: the camera \"A\" has "
                                                    "a row before this one");
        QTest::newRow("serial length") << head + "A,A01,,,\r\n"
                                       << QStringLiteral("row 2, column serial: expected four "
                                                         "characters (0-9, A-Z), got \"A01\"");
        QTest::newRow("serial character")
            << head + "A,A0!1,,,\r\n"
            << QStringLiteral("row 2 (camera \"A\"), column serial: serial_char3: \"!\" is not "
                              "allowed");
        QTest::newRow("setting refused")
            << head + "A,,0770090012x,,\r\n"
            << QStringLiteral("row 2 (camera \"A\"), column mms.phone1: phone1: Only numbers");
        QTest::newRow("latitude") << head + "A,,,91,\r\n"
                                  << QStringLiteral("row 2, column latitude: expected a number "
                                                    "from -90 to 90, got \"91\"");
        QTest::newRow("start without offset")
            << head + "A,,,,2026-05-06T07:08:09\r\n"
            << QStringLiteral("row 2, column deploymentStart: expected a date and time with its "
                              "UTC offset");
        QTest::newRow("no camera") << head << QStringLiteral("holds no camera");
    }

    void refusesEachKindOfBadRow() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, problem);
        const fleet::Kit kit = test::openingKit();
        const fleet::CameraList list = fleet::readCameraList(csv, kit);
        const std::optional<QString> found =
            list.problem ? list.problem : fleet::checkCameras(kit, list.cameras, {});
        QVERIFY2(found && found->startsWith(problem), qPrintable(found.value_or(QString())));
    }

    // A good table: quoted fields with commas, quotes and line breaks, a blank line, a byte
    // order mark, and the values each camera gets and carries.
    void readsAGoodTable() {
        const QByteArray csv = "\xEF\xBB\xBF"
                               "camera_id,serial,comments,latitude\r\n"
                               "N-01,N001,\"by the \"\"old\"\" oak,\nnorth\",52.5\n\n"
                               "N-02,,,\r\n";
        const fleet::CameraList list = fleet::readCameraList(csv, test::openingKit());
        QVERIFY2(!list.problem, qPrintable(list.problem.value_or(QString())));
        QCOMPARE(list.cameras.size(), 2);
        QCOMPARE(list.cameras[0].carried.value(QStringLiteral("comments")),
                 QStringLiteral("by the \"old\" oak,\nnorth"));
        QCOMPARE(list.cameras[0].values.size(), 5);
        QCOMPARE(list.cameras[1].row, 5);
        QVERIFY(list.cameras[1].values.isEmpty());
        QVERIFY(!fleet::checkCameras(test::openingKit(), list.cameras, {}));
    }
};

KESTROVA_TEST(CameraListTest)
#include "camera_list_test.moc"
