#include "support/test_pictures.h"

#include "camera/menu_record.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTimeZone>

#include <vector>

namespace kestrova::test {

namespace {

// Numbers in a file's byte order, one after the other.
class Writer {
public:
    explicit Writer(bool big)
        : big_(big) {}
    void put(quint64 value, int width) {
        for (int i = 0; i < width; ++i)
            bytes_ += static_cast<char>((value >> (8 * (big_ ? width - 1 - i : i))) & 0xFF);
    }
    void u8(int value) { put(static_cast<quint64>(value), 1); }
    void u16(int value) { put(static_cast<quint64>(value), 2); }
    void u32(quint32 value) { put(value, 4); }
    void raw(const QByteArray& data) { bytes_ += data; }
    int size() const { return static_cast<int>(bytes_.size()); }
    QByteArray& bytes() { return bytes_; }

private:
    bool big_;
    QByteArray bytes_;
};

struct Entry {
    int tag;
    int type;
    quint32 count;
    QByteArray value; // in the file's byte order
};

QByteArray ascii(const QString& text) {
    return text.toLatin1() + '\0';
}

QByteArray number(bool big, int type, quint32 value) {
    Writer w(big);
    w.put(value, type == 3 ? 2 : 4);
    return w.bytes();
}

// An IFD at `at`: its entries, the next IFD's offset, then the values too long for an entry,
// which start at `dataAt`.
struct Directory {
    std::vector<Entry> entries;
    quint32 next = 0;
    int entriesSize() const { return 2 + 12 * static_cast<int>(entries.size()) + 4; }
    int dataSize() const {
        int size = 0;
        for (const Entry& e : entries)
            size +=
                e.value.size() > 4 ? static_cast<int>(e.value.size() + (e.value.size() & 1)) : 0;
        return size;
    }
    void write(Writer& w, int dataAt) const {
        w.u16(static_cast<int>(entries.size()));
        int data = dataAt;
        for (const Entry& e : entries) {
            w.u16(e.tag);
            w.u16(e.type);
            w.u32(e.count);
            if (e.value.size() > 4) {
                w.u32(static_cast<quint32>(data));
                data += static_cast<int>(e.value.size() + (e.value.size() & 1));
            } else {
                w.raw(e.value.leftJustified(4, '\0'));
            }
        }
        w.u32(next);
    }
    void writeData(Writer& w) const {
        for (const Entry& e : entries) {
            if (e.value.size() > 4) {
                w.raw(e.value);
                if (e.value.size() & 1)
                    w.u8(0);
            }
        }
    }
};

} // namespace

QString exifTime(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy:MM:dd HH:mm:ss"));
}

namespace {

// A TIFF structure as an APP1 "Exif" segment holds it (without the "Exif\0\0" before it).
QByteArray tiffBytes(const PictureTags& tags, const ExifLayout& layout) {
    const bool big = layout.bigEndian;
    Directory ifd0;
    ifd0.entries.push_back(
        {0x010F, 2, static_cast<quint32>(ascii(tags.make).size()), ascii(tags.make)});
    ifd0.entries.push_back(
        {0x0110, 2, static_cast<quint32>(ascii(tags.model).size()), ascii(tags.model)});
    ifd0.entries.push_back({0x0112, 3, 1, number(big, 3, 1)}); // orientation
    ifd0.entries.push_back({0x8769, 4, 1, number(big, 4, 0)}); // filled in below
    Directory exif;
    if (tags.taken.isValid())
        exif.entries.push_back({0x9003, 2, 20, ascii(exifTime(tags.taken))});
    if (!tags.offset.isEmpty())
        exif.entries.push_back({0x9011, 2, 7, ascii(tags.offset)});
    if (!tags.subSeconds.isEmpty())
        exif.entries.push_back({0x9291, 2, static_cast<quint32>(ascii(tags.subSeconds).size()),
                                ascii(tags.subSeconds)});
    if (tags.pixelDimensions) {
        exif.entries.push_back({0xA002, 4, 1, number(big, 4, static_cast<quint32>(tags.width))});
        exif.entries.push_back({0xA003, 3, 1, number(big, 3, static_cast<quint32>(tags.height))});
    }
    Directory ifd1;
    QByteArray thumbnail;
    if (layout.thumbnail) {
        thumbnail = jpegPicture(std::nullopt);
        ifd1.entries.push_back({0x0103, 3, 1, number(big, 3, 6)}); // JPEG compression
        ifd1.entries.push_back({0x0201, 4, 1, number(big, 4, 0)}); // filled in below
        ifd1.entries.push_back(
            {0x0202, 4, 1, number(big, 4, static_cast<quint32>(thumbnail.size()))});
    }

    // Where each piece goes.
    const int ifd0At = 8 + layout.ifd0Padding;
    int exifAt = 0;
    int ifd0DataAt = 0;
    if (layout.exifBeforeData) {
        exifAt = ifd0At + ifd0.entriesSize();
        ifd0DataAt = exifAt + exif.entriesSize() + exif.dataSize();
    } else {
        ifd0DataAt = ifd0At + ifd0.entriesSize();
        exifAt = ifd0DataAt + ifd0.dataSize();
    }
    const int exifDataAt = exifAt + exif.entriesSize();
    const int afterBoth = std::max(ifd0DataAt + ifd0.dataSize(), exifDataAt + exif.dataSize());
    const int ifd1At = afterBoth;
    const int thumbnailAt = ifd1At + ifd1.entriesSize() + ifd1.dataSize();
    ifd0.entries[3].value = number(big, 4, static_cast<quint32>(exifAt));
    if (layout.thumbnail) {
        ifd0.next = static_cast<quint32>(ifd1At);
        ifd1.entries[1].value = number(big, 4, static_cast<quint32>(thumbnailAt));
    }

    Writer w(big);
    w.raw(big ? QByteArray("MM\0*", 4) : QByteArray("II*\0", 4));
    w.u32(static_cast<quint32>(ifd0At));
    w.raw(QByteArray(layout.ifd0Padding, '\0'));
    const auto pad = [&w](int to) {
        while (w.size() < to)
            w.u8(0);
    };
    pad(ifd0At);
    ifd0.write(w, ifd0DataAt);
    if (layout.exifBeforeData) {
        pad(exifAt);
        exif.write(w, exifDataAt);
        exif.writeData(w);
        pad(ifd0DataAt);
        ifd0.writeData(w);
    } else {
        pad(ifd0DataAt);
        ifd0.writeData(w);
        pad(exifAt);
        exif.write(w, exifDataAt);
        exif.writeData(w);
    }
    if (layout.thumbnail) {
        pad(ifd1At);
        ifd1.write(w, ifd1At + ifd1.entriesSize());
        ifd1.writeData(w);
        pad(thumbnailAt);
        w.raw(thumbnail);
    }
    return w.bytes();
}

} // namespace

QByteArray jpegPicture(const std::optional<PictureTags>& tags, const ExifLayout& layout) {
    const int width = tags ? tags->width : 16;
    const int height = tags ? tags->height : 12;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 60));
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, width / 2, height / 2), QColor(200, 180, 90));
    painter.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(60);
    writer.write(image);
    if (!tags)
        return jpeg;
    const QByteArray app1 = QByteArray("Exif\0\0", 6) + tiffBytes(*tags, layout);
    QByteArray segment("\xFF\xE1", 2);
    segment += static_cast<char>(((app1.size() + 2) >> 8) & 0xFF);
    segment += static_cast<char>((app1.size() + 2) & 0xFF);
    segment += app1;
    // Qt's writer puts a JFIF APP0 after the start marker; EXIF goes first, as cameras do.
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray aviVideo(const QString& idit, int width, int height, int dataBytes) {
    Writer avih(false);
    for (int i = 0; i < 8; ++i)
        avih.u32(i == 4 ? 30 : 0); // total frames at 16
    avih.u32(static_cast<quint32>(width));
    avih.u32(static_cast<quint32>(height));
    for (int i = 0; i < 4; ++i)
        avih.u32(0);
    const auto chunk = [](const char* id, const QByteArray& data) {
        Writer w(false);
        w.raw(QByteArray(id, 4));
        w.u32(static_cast<quint32>(data.size()));
        w.raw(data);
        if (data.size() & 1)
            w.u8(0);
        return w.bytes();
    };
    QByteArray hdrl = QByteArray("hdrl") + chunk("avih", avih.bytes());
    if (!idit.isEmpty())
        hdrl += chunk("IDIT", idit.toLatin1() + "\n" + '\0');
    const QByteArray movi = QByteArray("movi") + chunk("00dc", QByteArray(dataBytes, '\x55'));
    const QByteArray body = QByteArray("AVI ") + chunk("LIST", hdrl) + chunk("LIST", movi);
    return chunk("RIFF", body);
}

QByteArray mp4Video(const QDateTime& created, bool headerFirst, int width, int height,
                    int dataBytes, bool wideTimes) {
    const auto box = [](const char* type, const QByteArray& data) {
        Writer w(true);
        w.u32(static_cast<quint32>(data.size() + 8));
        w.raw(QByteArray(type, 4));
        w.raw(data);
        return w.bytes();
    };
    const qint64 seconds =
        QDateTime(created.date(), created.time(), QTimeZone::utc()).toSecsSinceEpoch() +
        2082844800LL;
    // Version 1 boxes hold their times in 64 bits, version 0 in 32.
    const int timeWidth = wideTimes ? 8 : 4;
    Writer mvhd(true);
    mvhd.u32(wideTimes ? 0x01000000u : 0u);
    mvhd.put(static_cast<quint64>(seconds), timeWidth); // created
    mvhd.put(static_cast<quint64>(seconds), timeWidth); // modified
    mvhd.u32(1000);                                     // time scale
    mvhd.put(10000, timeWidth);                         // duration
    mvhd.raw(QByteArray(80, '\0'));
    Writer tkhd(true);
    tkhd.u32(wideTimes ? 0x01000003u : 3u);
    tkhd.raw(QByteArray(2 * timeWidth, '\0')); // created, modified
    tkhd.u32(1);                               // the track's id
    tkhd.u32(0);
    tkhd.put(10000, timeWidth); // duration
    tkhd.raw(QByteArray(52, '\0'));
    tkhd.u32(static_cast<quint32>(width) << 16);
    tkhd.u32(static_cast<quint32>(height) << 16);
    const QByteArray moov =
        box("moov", box("mvhd", mvhd.bytes()) + box("trak", box("tkhd", tkhd.bytes())));
    const QByteArray ftyp = box("ftyp", QByteArray("isom\0\0\x02\0isomiso2mp41", 20));
    const QByteArray mdat = box("mdat", QByteArray(dataBytes, '\x22'));
    return headerFirst ? ftyp + moov + mdat : ftyp + mdat + moov;
}

bool writeTimeLapseMenu(const QString& folder, int everyHours, int photos, QByteArray* bytes) {
    camera::CameraSettings settings = camera::CameraSettings::atOpen(CameraForm::B);
    settings.time_lapse = 0;
    settings.time_lapse_hour = everyHours;
    settings.picture_no = photos - 1;
    const QByteArray menu = camera::toByteArray(
        camera::buildMenuRecord(CameraForm::B, settings, {2026, 5, 4, 7, 30, 0}, 2, 0));
    if (bytes)
        *bytes = menu;
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(QStringLiteral("menu.dat")));
    return file.open(QIODevice::WriteOnly) && file.write(menu) == menu.size();
}

int fillCard(const QString& folder, const QDateTime& first, int days, int everyHours,
             const QList<int>& missing, int clockOffsetSeconds) {
    const QString media = QDir(folder).filePath(QStringLiteral("DCIM/100MEDIA"));
    QDir().mkpath(media);
    const QDateTime start(first.date(), first.time(), QTimeZone::utc());
    int n = 0;
    for (int day = 1; day <= days; ++day) {
        if (missing.contains(day))
            continue;
        // The camera keeps its schedule by its own clock.
        for (int hour = 0; hour < 24; hour += everyHours) {
            const QDateTime camera(first.date().addDays(day - 1), QTime(hour, 0), QTimeZone::utc());
            if (camera.addSecs(-clockOffsetSeconds) < start)
                continue;
            PictureTags tags;
            tags.taken = QDateTime(camera.date(), camera.time());
            QFile file(QDir(media).filePath(
                QStringLiteral("IMG_%1.JPG").arg(++n, 4, 10, QLatin1Char('0'))));
            if (!file.open(QIODevice::WriteOnly) || file.write(jpegPicture(tags)) < 0)
                return -1;
            file.setFileTime(tags.taken, QFileDevice::FileModificationTime);
        }
    }
    return n;
}

} // namespace kestrova::test
