#include "field/media_header.h"

#include "field/byte_view.h"
#include "field/exif_reader.h"

#include <QRegularExpression>

#include <algorithm>

namespace kestrova::field {

namespace {

// Reads on behalf of one header reader, and never more than the budget in all.
class BudgetSource {
public:
    explicit BudgetSource(ByteSource& source)
        : source_(source)
        , size_(source.size()) {}

    qint64 size() const { return size_; }
    QByteArray read(qint64 offset, qint64 length) {
        length = std::min(length, left_);
        if (offset < 0 || offset >= size_ || length <= 0)
            return {};
        QByteArray bytes = source_.read(offset, length);
        left_ -= bytes.size();
        return bytes;
    }

private:
    ByteSource& source_;
    qint64 size_;
    qint64 left_ = headerBudget;
};

// A JPEG's end marker lies in its last bytes, where some cameras pad after it.
constexpr qint64 jpegTail = 512;
// What is read of a file first: its header is there, unless it holds a large thumbnail.
constexpr qint64 firstRead = 16 * 1024;

// The start of a file, read as far as a reader needs it and no further than its limit.
class Head {
public:
    Head(BudgetSource& source, qint64 limit)
        : source_(source)
        , limit_(limit) {
        bytes_ = source_.read(0, std::min(firstRead, limit_));
    }
    // The bytes up to `end` (as far as the file and the limit go) are there to be read.
    ByteView upTo(qint64 end) {
        end = std::min(end, limit_);
        if (end > bytes_.size() && bytes_.size() < source_.size()) {
            // Growing in steps keeps a header of many small pieces from many small reads.
            const qint64 want = std::min(std::max(end, qint64(bytes_.size()) * 2), limit_);
            bytes_ += source_.read(bytes_.size(), want - bytes_.size());
        }
        return ByteView(bytes_);
    }
    const QByteArray& bytes() const { return bytes_; }

private:
    BudgetSource& source_;
    qint64 limit_;
    QByteArray bytes_;
};

bool isStandalone(std::uint8_t marker) {
    return marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7);
}

bool isFrameStart(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool endsWithEndMarker(const QByteArray& tail) {
    const qsizetype at = tail.lastIndexOf("\xFF\xD9");
    if (at < 0)
        return false;
    for (qsizetype i = at + 2; i < tail.size(); ++i) {
        if (tail[i] != '\0' && tail[i] != '\xFF')
            return false;
    }
    return true;
}

HeaderFacts readJpeg(BudgetSource& source) {
    HeaderFacts facts;
    Head head(source, headerBudget - jpegTail);
    if (!head.upTo(3).startsWith(0, "\xFF\xD8\xFF")) {
        facts.damage = MediaDamage::NotItsKind;
        return facts;
    }
    int frameWidth = 0;
    int frameHeight = 0;
    ExifFacts exif;
    bool exifSeen = false;
    qint64 at = 2;
    while (head.upTo(at + 4).holds(at, 2)) {
        const ByteView bytes = head.upTo(at + 4);
        if (*bytes.u8(at) != 0xFF) {
            facts.damage = MediaDamage::BadHeader;
            break;
        }
        const std::uint8_t marker = *bytes.u8(at + 1);
        if (marker == 0xFF) { // a fill byte before the marker
            ++at;
            continue;
        }
        if (isStandalone(marker)) {
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) // the end, or the picture's data begins
            break;
        const auto length = bytes.u16(at + 2, true);
        if (!length)
            break;
        if (*length < 2 || at + 2 + *length > source.size()) {
            facts.damage = MediaDamage::BadHeader;
            break;
        }
        const qint64 data = at + 4;
        const qint64 dataLength = *length - 2;
        if (marker == 0xE1 && !exifSeen &&
            head.upTo(data + 6).startsWith(data, std::string_view("Exif\0\0", 6))) {
            exifSeen = true;
            exif = readExif(head.upTo(data + dataLength).part(data + 6, dataLength - 6));
            if (exif.damaged)
                facts.damage = MediaDamage::BadHeader;
        } else if (isFrameStart(marker)) {
            const ByteView frame = head.upTo(data + 5);
            frameHeight = frame.u16(data + 1, true).value_or(0);
            frameWidth = frame.u16(data + 3, true).value_or(0);
        }
        at += 2 + *length;
    }
    facts.taken = exif.taken;
    facts.source = exif.taken ? TimeSource::DateTimeOriginal : TimeSource::None;
    facts.make = exif.make;
    facts.model = exif.model;
    // The frame's own size where the header shows it, else what EXIF says of it.
    facts.width = frameWidth ? frameWidth : exif.width;
    facts.height = frameWidth ? frameHeight : exif.height;
    const qint64 tailAt = std::max<qint64>(0, source.size() - jpegTail);
    QByteArray tail = head.bytes().mid(tailAt);
    tail += source.read(tailAt + tail.size(), source.size() - tailAt - tail.size());
    if (!endsWithEndMarker(tail) && facts.damage == MediaDamage::None)
        facts.damage = MediaDamage::NoEndMarker;
    return facts;
}

// "MON JAN 01 12:34:56 2026" (the C library's form), or an EXIF-like "2026:01:01 12:34:56".
std::optional<CameraTime> parseIdit(const QByteArray& text) {
    if (auto stamped = parseStampedTime(text))
        return stamped;
    static const QRegularExpression ctime(QStringLiteral(
        "^[A-Za-z]{3}\\s+([A-Za-z]{3})\\s+(\\d{1,2})\\s+(\\d\\d):(\\d\\d):(\\d\\d)\\s+(\\d{4})"));
    const QRegularExpressionMatch match = ctime.match(QString::fromLatin1(text.trimmed()));
    if (!match.hasMatch())
        return std::nullopt;
    static const QStringList months{
        QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("mar"), QStringLiteral("apr"),
        QStringLiteral("may"), QStringLiteral("jun"), QStringLiteral("jul"), QStringLiteral("aug"),
        QStringLiteral("sep"), QStringLiteral("oct"), QStringLiteral("nov"), QStringLiteral("dec")};
    const int month = static_cast<int>(months.indexOf(match.captured(1).toLower())) + 1;
    const auto part = [&match](int n) { return match.captured(n).toInt(); };
    return CameraTime::of(QDate(part(6), month, part(2)), QTime(part(3), part(4), part(5)));
}

class AviReader {
public:
    explicit AviReader(BudgetSource& source)
        : source_(source)
        , head_(source, headerBudget) {}

    HeaderFacts read() {
        if (!head_.upTo(12).startsWith(0, "RIFF") || !head_.upTo(12).startsWith(8, "AVI ")) {
            facts_.damage = MediaDamage::NotItsKind;
            return facts_;
        }
        const qint64 riffEnd = 8 + qint64(*head_.upTo(12).u32(4, false));
        // A file that ends before its RIFF list says: the camera stopped writing it.
        if (riffEnd > source_.size())
            facts_.damage = MediaDamage::Truncated;
        readChunks(12, std::min(riffEnd, source_.size()), 0);
        return facts_;
    }

private:
    void readChunks(qint64 at, qint64 end, int depth) {
        while (at + 8 <= end && head_.upTo(at + 12).holds(at, 8)) {
            ByteView bytes = head_.upTo(at + 12);
            const qint64 size = *bytes.u32(at + 4, false);
            const qint64 data = at + 8;
            if (data + size > end) {
                if (facts_.damage == MediaDamage::None)
                    facts_.damage = MediaDamage::BadHeader;
                return;
            }
            if (bytes.startsWith(at, "LIST") && depth < 2) {
                // The header lists hold what we read; the media data does not.
                if (bytes.startsWith(data, "movi"))
                    return;
                readChunks(data + 4, data + size, depth + 1);
            } else if (bytes.startsWith(at, "avih") && size >= 40) {
                bytes = head_.upTo(data + 40);
                facts_.width = pictureSide(bytes.u32(data + 32, false).value_or(0));
                facts_.height = pictureSide(bytes.u32(data + 36, false).value_or(0));
            } else if (bytes.startsWith(at, "IDIT") && !facts_.taken) {
                bytes = head_.upTo(data + 64);
                facts_.taken =
                    parseIdit(bytes.bytes(data, std::min<qint64>(size, 64)).value_or(QByteArray()));
                if (facts_.taken)
                    facts_.source = TimeSource::AviIdit;
            }
            at = data + size + (size & 1);
        }
    }

    BudgetSource& source_;
    Head head_;
    HeaderFacts facts_;
};

// Seconds from 1904-01-01, where MP4 and MOV times count from, to 1970-01-01.
constexpr qint64 secondsFrom1904 = 2082844800;
// Boxes walked at the top of a file before giving up on its header.
constexpr int mostTopBoxes = 32;

class Mp4Reader {
public:
    explicit Mp4Reader(BudgetSource& source)
        : source_(source) {}

    HeaderFacts read() {
        // The first boxes: the file type, and the movie header when it comes first.
        QByteArray head = source_.read(0, 16 * 1024);
        qint64 at = 0;
        bool movieRead = false;
        for (int box = 0; box < mostTopBoxes && at < source_.size(); ++box) {
            QByteArray header = ByteView(head).bytes(at, 16).value_or(QByteArray());
            if (header.size() < 16)
                header = source_.read(at, 16);
            const ByteView h(header);
            const auto size32 = h.u32(0, true);
            if (!size32 || !h.holds(4, 4))
                break;
            const bool wide = *size32 == 1;
            const qint64 size = *size32 == 0 ? source_.size() - at
                                : wide       ? static_cast<qint64>(h.u64(8, true).value_or(0))
                                             : qint64(*size32);
            if (box == 0 && !isFirstBox(h)) {
                facts_.damage = MediaDamage::NotItsKind;
                return facts_;
            }
            if (size < (wide ? 16 : 8)) {
                facts_.damage = MediaDamage::BadHeader;
                break;
            }
            const qint64 left = source_.size() - at;
            if (h.startsWith(4, "moov") && !movieRead) {
                readMovie(head, at, std::min(size, left), wide ? 16 : 8);
                movieRead = true;
            }
            // A box that runs past the end: the camera stopped writing the file.
            if (size > left)
                facts_.damage = MediaDamage::Truncated;
            if (size >= left)
                break;
            at += size;
        }
        return facts_;
    }

private:
    static bool isFirstBox(const ByteView& h) {
        for (const char* type : {"ftyp", "moov", "mdat", "wide", "free", "skip", "pnot"}) {
            if (h.startsWith(4, type))
                return true;
        }
        return false;
    }

    void readMovie(const QByteArray& head, qint64 at, qint64 size, int headerSize) {
        QByteArray movie = head.mid(at, size);
        if (movie.size() < size && at + movie.size() >= head.size())
            movie += source_.read(at + movie.size(), size - movie.size());
        const ByteView bytes(movie);
        walk(bytes, headerSize, bytes.size(), 0);
    }

    void walk(const ByteView& bytes, qint64 at, qint64 end, int depth) {
        while (bytes.holds(at, 8) && at < end) {
            const qint64 size = *bytes.u32(at, true);
            if (size < 8) // 64-bit sizes do not occur inside a movie header
                return;
            if (bytes.startsWith(at + 4, "mvhd"))
                movieHeader(bytes.part(at, size));
            else if (bytes.startsWith(at + 4, "tkhd") && facts_.width == 0)
                trackHeader(bytes.part(at, size));
            else if (bytes.startsWith(at + 4, "trak") && depth == 0)
                walk(bytes, at + 8, std::min(end, at + size), depth + 1);
            at += size;
        }
    }

    void movieHeader(const ByteView& box) {
        const auto version = box.u8(8);
        const std::optional<std::uint64_t> created =
            version == 1 ? box.u64(12, true) : std::optional<std::uint64_t>(box.u32(12, true));
        if (!created || *created == 0 || *created > std::uint64_t(secondsFrom1904) * 4)
            return;
        const qint64 seconds = static_cast<qint64>(*created) - secondsFrom1904;
        facts_.taken = CameraTime{seconds * 1000, std::nullopt};
        facts_.source = TimeSource::Mp4Mvhd;
    }

    void trackHeader(const ByteView& box) {
        const qint64 sizeAt = box.u8(8) == 1 ? 96 : 84;
        facts_.width = pictureSide(box.u32(sizeAt, true).value_or(0) >> 16);
        facts_.height = pictureSide(box.u32(sizeAt + 4, true).value_or(0) >> 16);
    }

    BudgetSource& source_;
    HeaderFacts facts_;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(const QByteArray& bytes)
        : bytes_(bytes) {}
    qint64 size() const override { return bytes_.size(); }
    QByteArray read(qint64 offset, qint64 length) override { return bytes_.mid(offset, length); }

private:
    const QByteArray& bytes_;
};

} // namespace

HeaderFacts readHeader(MediaKind kind, const QString& fileName, ByteSource& source) {
    BudgetSource budget(source);
    if (budget.size() == 0) {
        HeaderFacts empty;
        empty.damage = MediaDamage::Empty;
        return empty;
    }
    if (kind == MediaKind::Picture)
        return readJpeg(budget);
    if (fileName.endsWith(QStringLiteral(".avi"), Qt::CaseInsensitive))
        return AviReader(budget).read();
    return Mp4Reader(budget).read();
}

HeaderFacts readHeaderOf(MediaKind kind, const QString& fileName, const QByteArray& bytes) {
    MemorySource source(bytes);
    return readHeader(kind, fileName, source);
}

} // namespace kestrova::field
