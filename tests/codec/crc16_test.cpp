#include "codec/crc16.h"
#include "support/test_registry.h"

#include <QTest>

#include <vector>

using namespace kestrova;

class Crc16Test : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void checkValues_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("crc");
        QTest::newRow("check value") << QByteArray("123456789") << 0x31C3;
        QTest::newRow("empty") << QByteArray() << 0x0000;
        QTest::newRow("factory reset body")
            << (QByteArray(4, '\xFF') + QByteArray(46, '\0')) << 0x8890;
        QTest::newRow("one byte") << QByteArray("A") << 0x58E5;
    }
    void checkValues() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, crc);
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        QCOMPARE(crc16({data, static_cast<std::size_t>(bytes.size())}), crc);
    }
};

KESTROVA_TEST(Crc16Test)
#include "crc16_test.moc"
