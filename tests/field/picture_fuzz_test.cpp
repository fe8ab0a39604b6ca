#include "field/counting_source.h"
#include "field/media_header.h"
#include "support/test_pictures.h"
#include "support/test_registry.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

using namespace kestrova;
using namespace kestrova::field;

namespace {

// Mutated files per seed; with six seeds, twelve thousand in all.
constexpr int mutationsPerSeed = 2000;
// The headers lie near the start: most mutations land there.
constexpr int headerBytes = 2048;

// The values offsets and counts go wrong with.
constexpr quint32 edgeValues[] = {0,       1,          2,          7,          8,
                                  0x7F,    0x80,       0xFF,       0xFFFE,     0xFFFF,
                                  0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFF8, 0xFFFFFFFF};

QByteArray mutated(QByteArray bytes, QRandomGenerator& random) {
    const auto at = [&](qsizetype size) {
        const qsizetype span = std::min<qsizetype>(size, headerBytes);
        return span > 0 ? static_cast<qsizetype>(random.bounded(static_cast<quint32>(span))) : 0;
    };
    switch (random.bounded(6)) {
    case 0: // a few bytes flipped
        for (int i = 0, n = 1 + static_cast<int>(random.bounded(8)); i < n && !bytes.isEmpty(); ++i)
            bytes[at(bytes.size())] = static_cast<char>(random.bounded(256));
        break;
    case 1: { // a word set to an edge value, in either byte order
        const quint32 value =
            edgeValues[random.bounded(static_cast<quint32>(std::size(edgeValues)))];
        const int width = random.bounded(2) ? 4 : 2;
        const bool big = random.bounded(2);
        const qsizetype where = at(bytes.size() - width);
        for (int i = 0; i < width && where + i < bytes.size(); ++i) {
            const int shift = 8 * (big ? width - 1 - i : i);
            bytes[where + i] = static_cast<char>((value >> shift) & 0xFF);
        }
        break;
    }
    case 2: // cut off
        bytes.truncate(
            static_cast<qsizetype>(random.bounded(static_cast<quint32>(bytes.size() + 1))));
        break;
    case 3: // bytes left out
        bytes.remove(at(bytes.size()), 1 + random.bounded(64));
        break;
    case 4: // bytes put in
        bytes.insert(at(bytes.size()), QByteArray(1 + static_cast<int>(random.bounded(64)),
                                                  static_cast<char>(random.bounded(256))));
        break;
    default: { // a piece of the header repeated elsewhere
        const qsizetype from = at(bytes.size());
        bytes.insert(at(bytes.size()), bytes.mid(from, 1 + random.bounded(128)));
        break;
    }
    }
    return bytes;
}

} // namespace

// Pictures and videos mutated in ten thousand ways go through the reader, in the sanitizer
// build: none may crash it, hold it up or make it read past its bytes or its budget.
class PictureFuzzTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mutatedFilesAreReadSafely_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("seed");
        test::PictureTags tags;
        tags.taken = QDateTime::fromString(QStringLiteral("2026-05-07T10:04:12"), Qt::ISODate);
        tags.subSeconds = QStringLiteral("250");
        tags.offset = QStringLiteral("+02:00");
        const QDateTime created = tags.taken;
        QTest::newRow("JPEG, little endian") << QStringLiteral("a.jpg") << test::jpegPicture(tags);
        QTest::newRow("JPEG with a thumbnail")
            << QStringLiteral("a.jpg") << test::jpegPicture(tags, {false, false, true, 0});
        QTest::newRow("JPEG, big endian, thumbnail, padding")
            << QStringLiteral("a.jpg") << test::jpegPicture(tags, {true, false, true, 12});
        QTest::newRow("AVI") << QStringLiteral("v.avi")
                             << test::aviVideo(QStringLiteral("MON JUN 01 12:34:56 2026"));
        QTest::newRow("MP4, header first")
            << QStringLiteral("v.mp4") << test::mp4Video(created, true, 640, 480, 512);
        QTest::newRow("MOV, header last, 64-bit")
            << QStringLiteral("v.mov") << test::mp4Video(created, false, 640, 480, 512, true);
    }
    void mutatedFilesAreReadSafely() {
        QFETCH(QString, name);
        QFETCH(QByteArray, seed);
        const MediaKind kind = *mediaKindOf(name);
        // The seed itself is read whole.
        QVERIFY(readHeaderOf(kind, name, seed).taken.has_value());
        QRandomGenerator random(qHash(name) ^ static_cast<quint32>(seed.size()));
        int damaged = 0;
        for (int i = 0; i < mutationsPerSeed; ++i) {
            // Mutations stack now and then, as real damage does.
            QByteArray bytes = mutated(seed, random);
            if (random.bounded(4) == 0)
                bytes = mutated(bytes, random);
            test::CountingSource source(bytes);
            QElapsedTimer timer;
            timer.start();
            const HeaderFacts facts = readHeader(kind, name, source);
            QVERIFY2(timer.elapsed() < 1000, qPrintable(QStringLiteral("mutation %1").arg(i)));
            QVERIFY2(
                source.bytesRead() <= headerBudget,
                qPrintable(QStringLiteral("mutation %1 read %2").arg(i).arg(source.bytesRead())));
            QVERIFY(facts.width >= 0 && facts.height >= 0);
            damaged += facts.damage != MediaDamage::None ? 1 : 0;
        }
        // The mutations did reach the headers: many files come out damaged.
        QVERIFY2(damaged > mutationsPerSeed / 10, qPrintable(QString::number(damaged)));
    }
};

KESTROVA_TEST(PictureFuzzTest)
#include "picture_fuzz_test.moc"
