#include "field/counting_source.h"
#include "field/media_file.h"
#include "field/media_header.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_pictures.h"
#include "support/test_registry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace kestrova;
using namespace kestrova::field;

Q_DECLARE_METATYPE(kestrova::test::ExifLayout)
Q_DECLARE_METATYPE(kestrova::test::PictureTags)
Q_DECLARE_METATYPE(kestrova::field::MediaDamage)
Q_DECLARE_METATYPE(kestrova::field::TimeSource)

namespace {

QDateTime wall(const char* text) {
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
}

// What exiftool says of every file in a folder, by file name and tag ("DateTimeOriginal").
QMap<QString, QJsonObject> exiftool(const QString& folder) {
    QStringList arguments{QStringLiteral("-json"), QStringLiteral("-n"), QStringLiteral("-G")};
    for (const char* tag :
         {"EXIF:DateTimeOriginal", "EXIF:SubSecTimeOriginal", "EXIF:OffsetTimeOriginal",
          "EXIF:Make", "EXIF:Model", "File:ImageWidth", "File:ImageHeight", "RIFF:DateTimeOriginal",
          "RIFF:ImageWidth", "RIFF:ImageHeight", "QuickTime:CreateDate", "QuickTime:ImageWidth",
          "QuickTime:ImageHeight"})
        arguments << u'-' + QLatin1String(tag);
    const test::ProcessResult result =
        test::runProgram(QStandardPaths::findExecutable(QStringLiteral("exiftool")),
                         arguments << folder, QDir(folder).filePath(QStringLiteral("prefs.ini")));
    QMap<QString, QJsonObject> files;
    for (const QJsonValue& file : QJsonDocument::fromJson(result.out.toUtf8()).array()) {
        const QJsonObject object = file.toObject();
        files[QFileInfo(object.value(QStringLiteral("SourceFile")).toString()).fileName()] = object;
    }
    return files;
}

} // namespace

// The picture reader against what the files hold and what exiftool, an independent reader,
// reads of the same files: pictures of several makers' layouts, AVI and MP4 videos.
class PictureReaderTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QMap<QString, QJsonObject> exiftool_;

    struct Case {
        const char* name;
        test::ExifLayout layout;
        test::PictureTags tags;
    };
    static std::vector<Case> cases() {
        test::PictureTags plain;
        plain.taken = wall("2026-05-07T10:04:12");
        const test::PictureTags full{QStringLiteral("Kestrova Ltd"),
                                     QStringLiteral("Kes SigmaMG"),
                                     plain.taken,
                                     QStringLiteral("25"),
                                     QStringLiteral("+02:00"),
                                     320,
                                     240};
        const test::PictureTags other{QStringLiteral("TRAILCAM"),
                                      QStringLiteral("T-100 Pro"),
                                      wall("2031-12-31T23:59:59"),
                                      QString(),
                                      QStringLiteral("-05:30"),
                                      96,
                                      64,
                                      false};
        return {
            {"little endian, EXIF after IFD0's data", {false, false, false, 0}, plain},
            {"big endian, EXIF after IFD0's data", {true, false, false, 0}, plain},
            {"little endian, EXIF before IFD0's data", {false, true, false, 0}, full},
            {"big endian, EXIF before IFD0's data", {true, true, false, 0}, full},
            {"little endian with a thumbnail", {false, false, true, 0}, full},
            {"big endian with a thumbnail, IFD0 further on", {true, true, true, 34}, other},
            {"no pixel dimensions, a thumbnail", {false, true, true, 6}, other},
        };
    }

private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty())
            QSKIP("exiftool is missing: run scripts/install-deps");
        int n = 0;
        for (const Case& c : cases())
            QVERIFY(test::writeFile(dir_.filePath(QStringLiteral("P%1.JPG").arg(n++)),
                                    test::jpegPicture(c.tags, c.layout)));
        for (const auto& [name, bytes] :
             {std::pair{"V1.AVI", test::aviVideo(QStringLiteral("MON JUN 01 12:34:56 2026"))},
              std::pair{"V2.AVI", test::aviVideo(QStringLiteral("2026:06:02 01:02:03"), 320, 240)},
              std::pair{"V3.MP4", test::mp4Video(wall("2026-06-03T04:05:06"), true)},
              std::pair{"V4.MOV", test::mp4Video(wall("2026-06-04T05:06:07"), false, 1920, 1080,
                                                 200000, true)}})
            QVERIFY(test::writeFile(dir_.filePath(QLatin1String(name)), bytes));
        exiftool_ = exiftool(dir_.path());
        QCOMPARE(exiftool_.size(), qsizetype(cases().size() + 4));
    }

    void picturesAgreeWithExiftool_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<test::PictureTags>("tags");
        int n = 0;
        for (const Case& c : cases()) {
            QTest::newRow(c.name) << n << c.tags;
            ++n;
        }
    }
    void picturesAgreeWithExiftool() {
        QFETCH(int, index);
        QFETCH(test::PictureTags, tags);
        const QString name = QStringLiteral("P%1.JPG").arg(index);
        const MediaFacts facts = readMediaFile(dir_.filePath(name), name, MediaKind::Picture);
        const QJsonObject other = exiftool_.value(name);
        QCOMPARE(facts.header.damage, MediaDamage::None);
        QCOMPARE(facts.header.source, TimeSource::DateTimeOriginal);
        QCOMPARE(test::exifTime(facts.header.taken->wall()),
                 other.value(QStringLiteral("EXIF:DateTimeOriginal")).toString());
        QCOMPARE(test::exifTime(facts.header.taken->wall()), test::exifTime(tags.taken));
        QCOMPARE(facts.header.make, other.value(QStringLiteral("EXIF:Make")).toString());
        QCOMPARE(facts.header.make, tags.make);
        QCOMPARE(facts.header.model, other.value(QStringLiteral("EXIF:Model")).toString());
        QCOMPARE(facts.header.width, other.value(QStringLiteral("File:ImageWidth")).toInt());
        QCOMPARE(facts.header.height, other.value(QStringLiteral("File:ImageHeight")).toInt());
        QCOMPARE(facts.header.width, tags.width);
        const int milliseconds = int(facts.header.taken->wallMs % 1000);
        QCOMPARE(milliseconds, tags.subSeconds.isEmpty() ? 0 : 250);
        if (!tags.subSeconds.isEmpty())
            QCOMPARE(other.value(QStringLiteral("EXIF:SubSecTimeOriginal")).toVariant().toString(),
                     tags.subSeconds);
        const QString offset = other.value(QStringLiteral("EXIF:OffsetTimeOriginal")).toString();
        QCOMPARE(facts.header.taken->offsetSeconds.has_value(), !offset.isEmpty());
        if (!offset.isEmpty()) {
            QCOMPARE(offset, tags.offset);
            const int sign = offset.startsWith(u'-') ? -1 : 1;
            QCOMPARE(*facts.header.taken->offsetSeconds,
                     sign * (offset.mid(1, 2).toInt() * 3600 + offset.mid(4, 2).toInt() * 60));
        }
    }

    void videosAgreeWithExiftool_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("timeTag");
        QTest::addColumn<QString>("group");
        QTest::addColumn<TimeSource>("source");
        QTest::newRow("AVI, IDIT as the C library writes it")
            << QStringLiteral("V1.AVI") << QStringLiteral("RIFF:DateTimeOriginal")
            << QStringLiteral("RIFF") << TimeSource::AviIdit;
        QTest::newRow("AVI, IDIT as EXIF writes it")
            << QStringLiteral("V2.AVI") << QStringLiteral("RIFF:DateTimeOriginal")
            << QStringLiteral("RIFF") << TimeSource::AviIdit;
        QTest::newRow("MP4, header first")
            << QStringLiteral("V3.MP4") << QStringLiteral("QuickTime:CreateDate")
            << QStringLiteral("QuickTime") << TimeSource::Mp4Mvhd;
        QTest::newRow("MOV, header after 200 kB of data, 64-bit times")
            << QStringLiteral("V4.MOV") << QStringLiteral("QuickTime:CreateDate")
            << QStringLiteral("QuickTime") << TimeSource::Mp4Mvhd;
    }
    void videosAgreeWithExiftool() {
        QFETCH(QString, name);
        QFETCH(QString, timeTag);
        QFETCH(QString, group);
        QFETCH(TimeSource, source);
        const MediaFacts facts = readMediaFile(dir_.filePath(name), name, MediaKind::Video);
        const QJsonObject other = exiftool_.value(name);
        QCOMPARE(facts.header.damage, MediaDamage::None);
        QCOMPARE(facts.header.source, source);
        QCOMPARE(test::exifTime(facts.header.taken->wall()),
                 other.value(timeTag).toString().trimmed());
        QCOMPARE(facts.header.width, other.value(group + QStringLiteral(":ImageWidth")).toInt());
        QCOMPARE(facts.header.height, other.value(group + QStringLiteral(":ImageHeight")).toInt());
    }

    // A damaged file is named with what is wrong, and whatever can still be read is.
    void damagedFilesAreNamed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<MediaDamage>("damage");
        QTest::addColumn<bool>("timeRead");
        test::PictureTags tags;
        tags.taken = wall("2026-05-07T10:04:12");
        const QByteArray jpeg = test::jpegPicture(tags);
        QTest::newRow("0 bytes") << QStringLiteral("a.jpg") << QByteArray() << MediaDamage::Empty
                                 << false;
        QTest::newRow("power lost while writing: no end marker")
            << QStringLiteral("a.jpg") << jpeg.left(jpeg.size() - 40) << MediaDamage::NoEndMarker
            << true;
        QTest::newRow("padding after the end marker is no damage")
            << QStringLiteral("a.jpg") << jpeg + QByteArray(100, '\0') << MediaDamage::None << true;
        QTest::newRow("a .JPG that is text")
            << QStringLiteral("a.JPG") << QByteArray("not a picture at all")
            << MediaDamage::NotItsKind << false;
        QByteArray lyingIfd = jpeg;
        const qsizetype tiff = lyingIfd.indexOf("II*");
        lyingIfd[tiff + 4] = '\xF0';
        lyingIfd[tiff + 5] = '\xFF';
        QTest::newRow("IFD0 beyond the segment")
            << QStringLiteral("a.jpg") << lyingIfd << MediaDamage::BadHeader << false;
        QByteArray lyingSegment = jpeg;
        lyingSegment[4] = '\x7F';
        QTest::newRow("a segment longer than the file")
            << QStringLiteral("a.jpg") << lyingSegment << MediaDamage::BadHeader << false;
        QByteArray lyingCount = jpeg;
        const qsizetype ifd0 = tiff + 8;
        lyingCount[ifd0] = '\xFF';
        lyingCount[ifd0 + 1] = '\xFF';
        QTest::newRow("an entry count beyond the bytes: what is there is read")
            << QStringLiteral("a.jpg") << lyingCount << MediaDamage::BadHeader << true;
        const QByteArray avi = test::aviVideo(QStringLiteral("MON JUN 01 12:34:56 2026"));
        QTest::newRow("AVI cut short") << QStringLiteral("v.avi") << avi.left(avi.size() - 1000)
                                       << MediaDamage::Truncated << true;
        QTest::newRow("MP4 cut short in its data")
            << QStringLiteral("v.mp4")
            << test::mp4Video(wall("2026-06-03T04:05:06"), true).chopped(100)
            << MediaDamage::Truncated << true;
        QTest::newRow("MP4 cut short before its header")
            << QStringLiteral("v.mp4")
            << test::mp4Video(wall("2026-06-03T04:05:06"), false).chopped(50)
            << MediaDamage::Truncated << true;
        QTest::newRow("an AVI named .mp4")
            << QStringLiteral("v.mp4") << avi << MediaDamage::NotItsKind << false;
    }
    void damagedFilesAreNamed() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(MediaDamage, damage);
        QFETCH(bool, timeRead);
        const QString path = dir_.filePath(QStringLiteral("damaged-") + name);
        QVERIFY(test::writeFile(path, bytes));
        const MediaFacts facts = readMediaFile(path, name, *mediaKindOf(name));
        QCOMPARE(facts.header.damage, damage);
        QCOMPARE(facts.header.taken.has_value(), timeRead);
        // Without a time of its own, a file still has the file system's.
        QCOMPARE(facts.source(), timeRead ? facts.header.source : TimeSource::FileTime);
    }

    // At most 64 KiB of any file is read, whatever its size and wherever its header is.
    void readsAtMostTheBudget_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        test::PictureTags tags;
        tags.taken = wall("2026-05-07T10:04:12");
        tags.width = 1600;
        tags.height = 1200;
        // A picture's data lies between its header and its end marker.
        QByteArray large = test::jpegPicture(tags, {false, false, true, 0});
        large.insert(large.size() - 2, QByteArray(300000, '\x3C'));
        QTest::newRow("a large picture with a thumbnail") << QStringLiteral("a.jpg") << large;
        QTest::newRow("an MP4 whose header follows 3 MB of data")
            << QStringLiteral("v.mp4")
            << test::mp4Video(wall("2026-06-03T04:05:06"), false, 640, 480, 3000000);
    }
    void readsAtMostTheBudget() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QVERIFY(bytes.size() > headerBudget);
        test::CountingSource source(bytes);
        const HeaderFacts facts = readHeader(*mediaKindOf(name), name, source);
        QVERIFY(facts.taken.has_value());
        QCOMPARE(facts.damage, MediaDamage::None);
        QVERIFY2(source.bytesRead() <= headerBudget,
                 qPrintable(QString::number(source.bytesRead())));
    }
};

KESTROVA_TEST(PictureReaderTest)
#include "picture_reader_test.moc"
