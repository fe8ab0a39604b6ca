#include "fleet/camera_list.h"
#include "fleet/fleet_test_support.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;

namespace {

// The table's problem, or the first camera's files refused, in English.
QString problemOf(const QByteArray& csv) {
    const fleet::Kit kit = test::openingKit();
    const fleet::CameraList list = fleet::readCameraList(csv, kit);
    if (list.problem)
        return list.problem->english();
    const auto refused = fleet::checkCameras(kit, list.cameras, {});
    return refused ? refused->english() : QString();
}

} // namespace

// The cameras table is refused, row, column and the settings' own message, before any card.
class CameraListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusesEachKindOfBadRow_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("problem");
        const QByteArray head =
            "camera_id,serial,mms.phone1,latitude,longitude,deploymentStart\r\n";
        QTest::newRow("no id column")
            << QByteArray("serial\r\nA001\r\n") << QStringLiteral("it has no column \"camera_id\"");
        QTest::newRow("unknown column")
            << QByteArray("camera_id,phone\r\nA,1\r\n")
            << QStringLiteral("it has the column \"phone\", which is no setting of the kit's "
                              "sections nor a column the log carries; did you mean \"phone1\"?");
        QTest::newRow("section without that setting")
            << QByteArray("camera_id,menu.phone1\r\nA,1\r\n")
            << QStringLiteral("it has the column \"menu.phone1\", which is no setting");
        QTest::newRow("field count") << head + "A,A001\r\n"
                                     << QStringLiteral("line 2 has 2 fields, the header 6");
        QTest::newRow("unclosed quote") << head + "A,\"A001,,,\r\n"
                                        << QStringLiteral("line 2: a quoted field is never closed");
        QTest::newRow("empty id") << head + ",A001,,,,\r\n"
                                  << QStringLiteral("row 2, column camera_id: every camera needs "
                                                    "an id");
        QTest::newRow("id twice") << head + "A,,,,,\r\nA,,,,,\r\n"
                                  << QStringLiteral("row 3, column camera_id: the camera \"A\" has "
                                                    "a row before this one");
        QTest::newRow("serial length") << head + "A,A01,,,,\r\n"
                                       << QStringLiteral("row 2, column serial: expected four "
                                                         "characters (0-9, A-Z), got \"A01\"");
        QTest::newRow("serial character")
            << head + "A,A0!1,,,,\r\n"
            << QStringLiteral("row 2, column serial: \"A0!1\": the character \"!\" (U+0021) is "
                              "none of 0-9, A-Z");
        QTest::newRow("setting refused")
            << head + "A,,0770090012x,,,\r\n"
            << QStringLiteral("row 2 (camera \"A\"), column mms.phone1: phone1: Only numbers");
        QTest::newRow("latitude") << head + "A,,,91,0,\r\n"
                                  << QStringLiteral("row 2, column latitude: expected a number "
                                                    "from -90 to 90, got \"91\"");
        QTest::newRow("start without offset")
            << head + "A,,,,,2026-05-06T07:08:09\r\n"
            << QStringLiteral("row 2, column deploymentStart: expected a date and time with its "
                              "UTC offset");
        QTest::newRow("no camera") << head << QStringLiteral("it holds no camera");

        // Formulas, numbers that are none, and names that look alike or hide their text.
        for (const char* formula : {"=1+1", "+A", "-A", "@SUM(A1)", "'A"})
            QTest::newRow(formula) << head + formula + ",,,,,\r\n"
                                   << QStringLiteral("row 2, column camera_id: it begins with "
                                                     "\"%1\", which a spreadsheet takes for a "
                                                     "formula")
                                          .arg(QChar::fromLatin1(formula[0]));
        for (const char* number : {"nan", "inf", "-inf", "1e999"})
            QTest::newRow(number) << head + "A,,," + number + ",1,\r\n"
                                  << QStringLiteral("row 2, column latitude: expected a number "
                                                    "from -90 to 90");
        QTest::newRow("latitude alone") << head + "A,,,52.5,,\r\n"
                                        << QStringLiteral("row 2, column longitude: the row gives "
                                                          "a latitude but no longitude");
        QTest::newRow("longitude alone") << head + "A,,,,13.4,\r\n"
                                         << QStringLiteral("row 2, column latitude: the row gives "
                                                           "a longitude but no latitude");
        QTest::newRow("turned around") << head + "A\xE2\x80\xAE"
                                                 "10,,,,,\r\n"
                                       << QStringLiteral("row 2, column camera_id: it holds the "
                                                         "character U+202E");
        QTest::newRow("line separator") << head + "A\xE2\x80\xA8"
                                                  "B,,,,,\r\n"
                                        << QStringLiteral("row 2, column camera_id: it holds the "
                                                          "character U+2028");
        QTest::newRow("zero width only") << head + "\xE2\x80\x8B,,,,,\r\n"
                                         << QStringLiteral("row 2, column camera_id: it holds "
                                                           "the character U+200B");
        QTest::newRow("composed twins")
            << head + "Bia\xC5\x82owie\xC5\xBC"
                      "a,,,,,\r\nBia\xC5\x82owiez\xCC\x87"
                      "a,,,,,\r\n"
            << QStringLiteral("row 3, column camera_id: the camera \"Białowieża\" has a row "
                              "before this one");
        QTest::newRow("long id") << head + QByteArray(65, 'N') + ",,,,,\r\n"
                                 << QStringLiteral("row 2, column camera_id: it holds 65 "
                                                   "characters; at most 64 are taken");
        QTest::newRow("long place name")
            << QByteArray("camera_id,locationName\r\nA,") + QByteArray(201, 'x') + "\r\n"
            << QStringLiteral("row 2, column locationName: it holds 201 characters; at most "
                              "200 are taken");

        // A spreadsheet's table separated by semicolons: its serial's wrong character named.
        QTest::newRow("semicolons, emoji in the serial")
            << QByteArray("camera_id;serial\r\nA;N0\xF0\x9F\xA6\x8A"
                          "1\r\n")
            << QStringLiteral("row 2, column serial: \"N0\U0001F98A1\": the character "
                              "\"\U0001F98A\" (U+1F98A) is none of 0-9, A-Z");
        QTest::newRow("semicolons, blank in the serial")
            << QByteArray("camera_id;serial\r\nA;N0 1\r\n")
            << QStringLiteral("row 2, column serial: \"N0 1\": the character \" \" (U+0020) is "
                              "none of 0-9, A-Z");
    }

    void refusesEachKindOfBadRow() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, problem);
        const QString found = problemOf(csv);
        QVERIFY2(found.startsWith(problem), qPrintable(found));
    }

    // A good table: quoted fields with commas, quotes and line breaks, a blank line, a byte
    // order mark, and the values each camera gets and carries; with semicolons, coordinates with
    // a decimal comma, kept with a point.
    void readsAGoodTable_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("latitude");
        QTest::newRow("commas") << QByteArray("\xEF\xBB\xBF"
                                              "camera_id,serial,comments,latitude,longitude\r\n"
                                              "N-01,N001,\"by the \"\"old\"\" oak,\nnorth\",52.5,"
                                              "13.25\n\n"
                                              "N-02,,,,\r\n")
                                << QStringLiteral("52.5");
        QTest::newRow("semicolons")
            << QByteArray("camera_id;serial;comments;latitude;longitude\r\n"
                          "N-01;N001;\"by the \"\"old\"\" oak,\nnorth\";-52,5;13,25\n\n"
                          "N-02;;;;\r\n")
            << QStringLiteral("-52.5");
    }

    void readsAGoodTable() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, latitude);
        const fleet::CameraList list = fleet::readCameraList(csv, test::openingKit());
        QVERIFY2(!list.problem, qPrintable(list.problem ? list.problem->english() : QString()));
        QCOMPARE(list.cameras.size(), 2);
        QCOMPARE(list.cameras[0].carried.value(QStringLiteral("comments")),
                 QStringLiteral("by the \"old\" oak,\nnorth"));
        QCOMPARE(list.cameras[0].carried.value(QStringLiteral("latitude")), latitude);
        QCOMPARE(list.cameras[0].carried.value(QStringLiteral("longitude")),
                 QStringLiteral("13.25"));
        QCOMPARE(list.cameras[0].values.size(), 5);
        QCOMPARE(list.cameras[1].row, 5);
        QVERIFY(list.cameras[1].values.isEmpty());
        QVERIFY(!fleet::checkCameras(test::openingKit(), list.cameras, {}));
    }
};

KESTROVA_TEST(CameraListTest)
#include "camera_list_test.moc"
