#include "codec/text_encoding.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;
using namespace Qt::StringLiterals;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text));
}

} // namespace

class TextEncodingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void converterIsAvailable() { QVERIFY(cp936Available()); }

    void encodes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("ascii") << u"abc"_s << hex("616263");
        QTest::newRow("question mark stays itself") << u"a?b"_s << hex("613f62");
        QTest::newRow("chinese") << u"中文"_s << hex("d6d0cec4");
        QTest::newRow("mixed") << u"a中b"_s << hex("61d6d062");
        QTest::newRow("japanese kana") << u"カ"_s << hex("a5ab");
        QTest::newRow("euro sign is 0x80") << u"€"_s << hex("80");
        QTest::newRow("e acute") << u"é"_s << hex("a8a6");
        QTest::newRow("middle dot") << u"·"_s << hex("a1a4");
        QTest::newRow("ideographic space") << u"\u3000"_s << hex("a1a1");
        QTest::newRow("trail byte 0x40") << u"丂"_s << hex("8140");
    }
    void encodes() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const Cp936Text encoded = encodeCp936(text);
        QVERIFY(encoded.ok());
        QCOMPARE(encoded.failedAt, qsizetype(-1));
        QCOMPARE(encoded.bytes.toHex(' '), bytes.toHex(' '));
        // And back.
        const Cp936Decoded decoded = decodeCp936(bytes);
        QVERIFY(decoded.valid);
        QCOMPARE(decoded.text, text);
    }

    void refuses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("failedAt");
        QTest::addColumn<QString>("character");
        QTest::newRow("emoji") << u"ab\U0001F600"_s << 2 << u"\U0001F600"_s;
        QTest::newRow("thai") << u"\u0E01"_s << 0 << u"\u0E01"_s;
        QTest::newRow("no-break space") << u"x\u00A0y"_s << 1 << u"\u00A0"_s;
        QTest::newRow("first of two") << u"中\u0E01\u0E02"_s << 1 << u"\u0E01"_s;
        QTest::newRow("unpaired high surrogate")
            << (u"a"_s + QChar(0xD800) + u"b"_s) << 1 << QString(QChar(0xD800));
        QTest::newRow("unpaired low surrogate at end")
            << (u"中"_s + QChar(0xDC00)) << 1 << QString(QChar(0xDC00));
    }
    void refuses() {
        QFETCH(QString, text);
        QFETCH(int, failedAt);
        QFETCH(QString, character);
        const Cp936Text encoded = encodeCp936(text);
        QVERIFY(!encoded.ok());
        QCOMPARE(encoded.failedAt, qsizetype(failedAt));
        QCOMPARE(encoded.failedCharacter, character);
        // Nothing half-encoded, and above all no '?' standing in for the character.
        QVERIFY(encoded.bytes.isEmpty());
    }

    void decodes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ascii") << QByteArray("http://mms") << u"http://mms"_s << true;
        QTest::newRow("empty") << QByteArray() << QString() << true;
        QTest::newRow("chinese") << hex("d6d0cec4") << u"中文"_s << true;
        QTest::newRow("lead byte cut off") << hex("61d6") << u"a"_s << false;
    }
    void decodes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const Cp936Decoded decoded = decodeCp936(bytes);
        QCOMPARE(decoded.valid, valid);
        QVERIFY(decoded.text.startsWith(text));
        if (valid)
            QCOMPARE(decoded.text, text);
    }
};

KESTROVA_TEST(TextEncodingTest)
#include "text_encoding_test.moc"
