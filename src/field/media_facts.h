#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

namespace kestrova::field {

enum class MediaKind { Picture, Video };

// The kind a file's name gives: JPEG pictures and the videos trail cameras write (AVI, MP4,
// MOV); nothing for any other file.
std::optional<MediaKind> mediaKindOf(const QString& fileName);

// A time as a camera's clock gives it: a date and time on the wall, without a zone (the camera
// knows none), to the millisecond, with the offset from UTC where the file states one.
struct CameraTime {
    qint64 wallMs = 0; // milliseconds since 1970-01-01 00:00 of the wall clock, as if it were UTC
    std::optional<int> offsetSeconds;

    static std::optional<CameraTime> of(const QDate& date, const QTime& time);
    QDateTime wall() const; // in UTC's spec, standing for the wall clock
    QDate date() const;
    int secondOfDay() const;
    // "2026-05-07 10:04:12", with ".250" where there are milliseconds.
    QString text() const;

    bool operator==(const CameraTime&) const = default;
};

// Where a file's time came from.
enum class TimeSource {
    None,
    DateTimeOriginal, // EXIF, with SubSecTimeOriginal and OffsetTimeOriginal where present
    AviIdit,          // the IDIT chunk of an AVI
    Mp4Mvhd,          // the creation time of an MP4 or MOV's movie header
    FileTime,         // none of them could be read: the file system's time stands in
};

// What makes a file damaged. A damaged file is named in the report and never stops it.
enum class MediaDamage {
    None,
    Empty,       // 0 bytes
    Unreadable,  // it cannot be opened or read; the reason is the system's
    NotItsKind,  // its bytes are not what its name says (a .JPG that is no JPEG)
    NoEndMarker, // a JPEG without its end marker: the camera lost power while writing it
    Truncated,   // a video shorter than its header says
    BadHeader,   // its header points outside itself, or beyond what it holds
};

// A picture's width or height as a header states it; nothing a camera makes is wider, so a
// larger number says nothing.
inline int pictureSide(std::uint64_t pixels) {
    constexpr std::uint64_t widest = 100000;
    return pixels <= widest ? static_cast<int>(pixels) : 0;
}

// What a file's own header tells.
struct HeaderFacts {
    std::optional<CameraTime> taken;
    TimeSource source = TimeSource::None;
    QString make;
    QString model;
    int width = 0;
    int height = 0;
    MediaDamage damage = MediaDamage::None;
};

// One picture or video of a card, as the report takes it.
struct MediaFacts {
    QString relativePath; // from the folder the card's files are named from, with "/"
    MediaKind kind = MediaKind::Picture;
    qint64 size = 0;
    std::optional<CameraTime> fileTime; // the file system's, as a wall clock
    HeaderFacts header;
    QString reason; // Unreadable: the system's reason

    QString fileName() const { return relativePath.mid(relativePath.lastIndexOf(u'/') + 1); }
    // The time taken: the header's, else the file system's.
    std::optional<CameraTime> taken() const { return header.taken ? header.taken : fileTime; }
    TimeSource source() const {
        return header.taken ? header.source : fileTime ? TimeSource::FileTime : TimeSource::None;
    }
    bool damaged() const { return header.damage != MediaDamage::None; }
};

} // namespace kestrova::field
