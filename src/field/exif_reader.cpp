#include "field/exif_reader.h"

#include <QRegularExpression>

namespace kestrova::field {

namespace {

enum Tag : std::uint16_t {
    Make = 0x010F,
    Model = 0x0110,
    ExifIfd = 0x8769,
    DateTimeOriginal = 0x9003,
    OffsetTimeOriginal = 0x9011,
    SubSecTimeOriginal = 0x9291,
    PixelXDimension = 0xA002,
    PixelYDimension = 0xA003,
};

enum Type : std::uint16_t { Byte = 1, Ascii = 2, Short = 3, Long = 4 };

// Bytes a value of each TIFF type takes; 0 for a type the format does not define.
int typeSize(std::uint16_t type) {
    switch (type) {
    case 1:
    case 2:
    case 6:
    case 7:
        return 1;
    case 3:
    case 8:
        return 2;
    case 4:
    case 9:
    case 11:
        return 4;
    case 5:
    case 10:
    case 12:
        return 8;
    default:
        return 0;
    }
}

// The longest text of ours worth keeping: a maker's or model's name.
constexpr qint64 longestText = 64;
// More entries than any camera writes in one directory; a count beyond is a header that lies.
constexpr int mostEntries = 1000;

struct Entry {
    std::uint16_t tag;
    std::uint16_t type;
    std::uint32_t count;
    qint64 valueAt; // where the value lies in the TIFF bytes
};

class TiffReader {
public:
    explicit TiffReader(ByteView tiff)
        : tiff_(tiff) {}

    ExifFacts read() {
        if (tiff_.startsWith(0, "II*\0"))
            big_ = false;
        else if (tiff_.startsWith(0, "MM\0*"))
            big_ = true;
        else
            return damaged();
        const auto ifd0 = tiff_.u32(4, big_);
        if (!ifd0)
            return damaged();
        std::optional<std::uint32_t> exifAt;
        readDirectory(*ifd0, [&](const Entry& entry) {
            if (entry.tag == Make)
                facts_.make = text(entry);
            else if (entry.tag == Model)
                facts_.model = text(entry);
            else if (entry.tag == ExifIfd)
                exifAt = number(entry);
        });
        if (!exifAt)
            return facts_;
        QByteArray original;
        QByteArray subSeconds;
        QByteArray offset;
        readDirectory(*exifAt, [&](const Entry& entry) {
            if (entry.tag == DateTimeOriginal)
                original = bytesOf(entry, Ascii);
            else if (entry.tag == SubSecTimeOriginal)
                subSeconds = bytesOf(entry, Ascii);
            else if (entry.tag == OffsetTimeOriginal)
                offset = bytesOf(entry, Ascii);
            else if (entry.tag == PixelXDimension)
                facts_.width = pictureSide(number(entry).value_or(0));
            else if (entry.tag == PixelYDimension)
                facts_.height = pictureSide(number(entry).value_or(0));
        });
        facts_.taken = timeOf(original, subSeconds, offset);
        return facts_;
    }

private:
    ExifFacts damaged() {
        facts_.damaged = true;
        return facts_;
    }

    template <typename Each> void readDirectory(std::uint32_t at, Each each) {
        const auto count = tiff_.u16(at, big_);
        if (!count) {
            facts_.damaged = true;
            return;
        }
        if (*count > mostEntries || !tiff_.holds(at + 2, qint64(*count) * 12))
            facts_.damaged = true;
        for (int i = 0; i < *count && i < mostEntries; ++i) {
            const qint64 entryAt = at + 2 + qint64(i) * 12;
            const auto tag = tiff_.u16(entryAt, big_);
            const auto type = tiff_.u16(entryAt + 2, big_);
            const auto number = tiff_.u32(entryAt + 4, big_);
            const auto pointer = tiff_.u32(entryAt + 8, big_);
            if (!tag || !type || !number || !pointer)
                return;
            const qint64 size = qint64(typeSize(*type)) * *number;
            // A value of four bytes or fewer stands in the entry itself.
            const qint64 valueAt = size <= 4 ? entryAt + 8 : qint64(*pointer);
            if (typeSize(*type) == 0 || !tiff_.holds(valueAt, size)) {
                // Only an entry we read makes the header damaged; another maker's tag of a
                // type we do not know is no concern of ours.
                if (isOurs(*tag))
                    facts_.damaged = true;
                continue;
            }
            each(Entry{*tag, *type, *number, valueAt});
        }
    }

    static bool isOurs(std::uint16_t tag) {
        switch (tag) {
        case Make:
        case Model:
        case ExifIfd:
        case DateTimeOriginal:
        case OffsetTimeOriginal:
        case SubSecTimeOriginal:
        case PixelXDimension:
        case PixelYDimension:
            return true;
        default:
            return false;
        }
    }

    QByteArray bytesOf(const Entry& entry, std::uint16_t type) {
        if (entry.type != type && !(type == Ascii && entry.type == 7)) {
            facts_.damaged = true;
            return {};
        }
        QByteArray bytes = tiff_.bytes(entry.valueAt, std::min<qint64>(entry.count, longestText))
                               .value_or(QByteArray());
        if (const qsizetype end = bytes.indexOf('\0'); end >= 0)
            bytes.truncate(end);
        return bytes.trimmed();
    }

    QString text(const Entry& entry) { return QString::fromUtf8(bytesOf(entry, Ascii)); }

    std::optional<std::uint32_t> number(const Entry& entry) {
        if (entry.count != 1) {
            facts_.damaged = true;
            return std::nullopt;
        }
        if (entry.type == Short)
            return tiff_.u16(entry.valueAt, big_);
        if (entry.type == Long)
            return tiff_.u32(entry.valueAt, big_);
        facts_.damaged = true;
        return std::nullopt;
    }

    static std::optional<CameraTime>
    timeOf(const QByteArray& original, const QByteArray& subSeconds, const QByteArray& offset) {
        std::optional<CameraTime> time = parseStampedTime(original);
        if (!time)
            return std::nullopt;
        // "25" is a quarter of a second, "250" too: the digits are a fraction.
        QByteArray digits;
        for (const char c : subSeconds) {
            if (c < '0' || c > '9')
                break;
            digits += c;
        }
        if (!digits.isEmpty())
            time->wallMs += digits.leftJustified(3, '0', true).toInt();
        if (offset.size() != 6)
            return time;
        static const QRegularExpression zone(QStringLiteral("^([+-])(\\d\\d):(\\d\\d)$"));
        const QRegularExpressionMatch match = zone.match(QString::fromLatin1(offset));
        if (match.hasMatch() && match.captured(2).toInt() <= 14 && match.captured(3).toInt() < 60)
            time->offsetSeconds =
                (match.captured(1) == u"-" ? -1 : 1) *
                (match.captured(2).toInt() * 3600 + match.captured(3).toInt() * 60);
        return time;
    }

    ByteView tiff_;
    bool big_ = false;
    ExifFacts facts_;
};

} // namespace

ExifFacts readExif(ByteView tiff) {
    return TiffReader(tiff).read();
}

std::optional<CameraTime> parseStampedTime(const QByteArray& text) {
    // "2026:05:07 10:04:12": digits where digits go, a separator where one goes.
    const QByteArray stamp = text.trimmed();
    constexpr std::string_view shape = "dddd-dd-dd dd:dd:dd";
    if (stamp.size() < qsizetype(shape.size()))
        return std::nullopt;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const char c = stamp[qsizetype(i)];
        const bool digit = c >= '0' && c <= '9';
        if (shape[i] == 'd'   ? !digit
            : shape[i] == '-' ? c != ':' && c != '/' && c != '-'
            : shape[i] == ' ' ? c != ' ' && c != 'T'
                              : c != ':')
            return std::nullopt;
    }
    const auto number = [&stamp](int at, int digits) {
        int value = 0;
        for (int i = 0; i < digits; ++i)
            value = value * 10 + (stamp[at + i] - '0');
        return value;
    };
    return CameraTime::of(QDate(number(0, 4), number(5, 2), number(8, 2)),
                          QTime(number(11, 2), number(14, 2), number(17, 2)));
}

} // namespace kestrova::field
