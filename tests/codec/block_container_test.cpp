#include "codec/block_container.h"
#include "codec/crc16.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;
using namespace kestrova::codec;

namespace {

QByteArray bytesOf(const Block& block) {
    return QByteArray(reinterpret_cast<const char*>(block.data()), blockSize);
}

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text));
}

// Plain blocks with something in every one, so misplaced blocks show.
DataBlocks sampleBlocks() {
    DataBlocks blocks{};
    blocks[0] = emptyBlock();
    blocks[0][0] = 1;
    blocks[0][55] = 1;
    for (int k = 1; k < dataBlockCount; ++k)
        blocks[k] = textBlock(QByteArray(k, char('a' + k)));
    return blocks;
}

} // namespace

class BlockContainerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scramblesOneByte_data() {
        QTest::addColumn<int>("plain");
        QTest::addColumn<int>("scrambled");
        QTest::newRow("zero") << 0x00 << 0xFF;
        QTest::newRow("all ones") << 0xFF << 0x00;
        QTest::newRow("a") << 0x61 << 0xE9;
        QTest::newRow("b") << 0x62 << 0xD9;
        QTest::newRow("c") << 0x63 << 0xC9;
        QTest::newRow("manual country") << 0x80 << 0xF7;
        QTest::newRow("one") << 0x01 << 0xEF;
        QTest::newRow("remote off") << 0x19 << 0x6E;
        QTest::newRow("0x12") << 0x12 << 0xDE;
    }
    void scramblesOneByte() {
        QFETCH(int, plain);
        QFETCH(int, scrambled);
        QCOMPARE(int(scrambleByte(std::uint8_t(plain))), scrambled);
    }

    void scramblingTwiceRestoresEveryByte() {
        for (int b = 0; b < 256; ++b)
            QCOMPARE(int(scrambleByte(scrambleByte(std::uint8_t(b)))), b);
    }

    void scramblesOnlyTheFirstFiftyBytes() {
        Block block = textBlock("abc");
        block[55] = 1;
        const Block plain = block;
        scrambleBlock(block);
        const QByteArray expected = hex("E9D9C9") + QByteArray(47, '\xFF') +
                                    hex("0000000000"
                                        "01"
                                        "00"
                                        "03"
                                        "0D0A");
        QCOMPARE(bytesOf(block).toHex(' '), expected.toHex(' '));
        scrambleBlock(block);
        QCOMPARE(block, plain);
    }

    void emptyBlockIsZerosAndLineEnd() {
        QCOMPARE(bytesOf(emptyBlock()), QByteArray(58, '\0') + hex("0D0A"));
    }

    void textBlockLayout_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("abc") << QByteArray("abc");
        QTest::newRow("fifty bytes") << QByteArray(50, 'x');
        QTest::newRow("double-byte") << hex("d6d0cec4");
    }
    void textBlockLayout() {
        QFETCH(QByteArray, text);
        const Block block = textBlock(text);
        const QByteArray expected = text + QByteArray(57 - text.size(), '\0') +
                                    QByteArray(1, char(text.size())) + hex("0D0A");
        QCOMPARE(bytesOf(block).toHex(' '), expected.toHex(' '));
        QCOMPARE(blockText(block), text);
    }

    void blockTextStopsAtFiftyBytes() {
        Block block = textBlock(QByteArray(50, 'x'));
        block[textLengthOffset] = 57;
        QCOMPARE(blockText(block), QByteArray(50, 'x'));
    }

    void checkBlockHoldsValueLowByteFirst() {
        const QByteArray expected = QByteArray(56, '\0') + hex("3412"
                                                               "0D0A");
        QCOMPARE(bytesOf(checkBlock(0x1234)), expected);
    }

    void adjustsCheckValue_data() {
        QTest::addColumn<int>("crc");
        QTest::addColumn<int>("adjustment");
        QTest::addColumn<int>("stored");
        QTest::newRow("none") << 0x1234 << 0 << 0x1234;
        QTest::newRow("international wraps") << 0xFFF5 << 18 << 0x0007;
        QTest::newRow("smtp wraps") << 0xFFF5 << 15 << 0x0004;
        QTest::newRow("smtp plain") << 0x0100 << 15 << 0x010F;
        QTest::newRow("top value") << 0xFFFF << 1 << 0x0000;
    }
    void adjustsCheckValue() {
        QFETCH(int, crc);
        QFETCH(int, adjustment);
        QFETCH(int, stored);
        QCOMPARE(int(adjustedCheckValue(std::uint16_t(crc), adjustment)), stored);
    }

    void sealsScrambledBlocksAndTheirCrc() {
        const DataBlocks plain = sampleBlocks();
        const QByteArray file = sealContainer(plain, 18);
        QCOMPARE(file.size(), 720);
        QCOMPARE(file.right(2), hex("0D0A"));
        for (int k = 0; k < dataBlockCount; ++k) {
            Block expected = plain[k];
            scrambleBlock(expected);
            QCOMPARE(file.mid(k * 60, 60).toHex(), bytesOf(expected).toHex());
        }
        const auto* data = reinterpret_cast<const std::uint8_t*>(file.constData());
        const std::uint16_t crc = crc16({data, 660});
        const std::uint16_t stored = std::uint16_t((crc + 18) & 0xFFFF);
        QCOMPARE(file.mid(660).toHex(' '), bytesOf(checkBlock(stored)).toHex(' '));
    }

    void opensWhatItSealed() {
        const DataBlocks plain = sampleBlocks();
        const OpenedContainer opened = openContainer(sealContainer(plain, 15));
        QVERIFY(opened.sizeOk);
        QVERIFY(opened.lineEndsOk);
        QVERIFY(opened.checkBlockOk);
        QVERIFY(opened.checkValueOk(15));
        QVERIFY(!opened.checkValueOk(0));
        QVERIFY(!opened.checkValueOk(18));
        QCOMPARE(opened.storedCheckValue, adjustedCheckValue(opened.computedCrc, 15));
        QCOMPARE(opened.plain, plain);
    }

    void findsDamage_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("lineEndsOk");
        QTest::addColumn<bool>("checkBlockOk");
        QTest::addColumn<bool>("checkValueOk");
        QTest::newRow("scrambled byte") << 61 << true << true << false;
        QTest::newRow("length byte") << 117 << true << true << false;
        QTest::newRow("line end of a data block") << 178 << false << true << false;
        QTest::newRow("zero byte of the check block") << 700 << true << false << true;
        QTest::newRow("stored check value") << 717 << true << true << false;
        QTest::newRow("last line end") << 719 << false << true << true;
    }
    void findsDamage() {
        QFETCH(int, offset);
        QFETCH(bool, lineEndsOk);
        QFETCH(bool, checkBlockOk);
        QFETCH(bool, checkValueOk);
        QByteArray file = sealContainer(sampleBlocks(), 0);
        file[offset] = char(file[offset] ^ 0x04);
        const OpenedContainer opened = openContainer(file);
        QCOMPARE(opened.lineEndsOk, lineEndsOk);
        QCOMPARE(opened.checkBlockOk, checkBlockOk);
        QCOMPARE(opened.checkValueOk(0), checkValueOk);
    }

    void wrongSizeIsNeverIntact_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("one block short") << 660;
        QTest::newRow("one byte short") << 719;
        QTest::newRow("one byte long") << 721;
        QTest::newRow("twice") << 1440;
    }
    void wrongSizeIsNeverIntact() {
        QFETCH(int, size);
        QByteArray file = sealContainer(sampleBlocks(), 0);
        const QByteArray whole = file;
        while (file.size() < size)
            file += whole;
        file.truncate(size);
        const OpenedContainer opened = openContainer(file);
        QVERIFY(!opened.sizeOk);
        QVERIFY(!opened.checkValueOk(0));
    }
};

KESTROVA_TEST(BlockContainerTest)
#include "block_container_test.moc"
