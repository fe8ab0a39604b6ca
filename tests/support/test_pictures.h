#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace kestrova::test {

// How a maker lays out the EXIF of a picture.
struct ExifLayout {
    bool bigEndian = false;      // "MM" rather than "II"
    bool exifBeforeData = false; // the EXIF IFD right after IFD0's entries, before their values
    bool thumbnail = false;      // IFD1 with a small JPEG
    int ifd0Padding = 0;         // bytes between the header and IFD0
};

// What a picture's EXIF says.
struct PictureTags {
    QString make = QStringLiteral("Kestrova");
    QString model = QStringLiteral("SigmaMG");
    QDateTime taken; // a wall time; none: no DateTimeOriginal
    QString subSeconds;
    QString offset; // "+02:00"
    int width = 64;
    int height = 48;
    bool pixelDimensions = true; // PixelXDimension and PixelYDimension in the EXIF IFD
};

// A JPEG of the given size drawn by Qt's image writer, with an APP1 segment of EXIF after its
// start marker; without tags, the picture alone.
QByteArray jpegPicture(const std::optional<PictureTags>& tags, const ExifLayout& layout = {});

// An AVI with an avih of the given size and an IDIT chunk ("MON JAN 01 12:34:56 2026" form, or
// empty for none), some frame data after its header list.
QByteArray aviVideo(const QString& idit, int width = 640, int height = 480, int dataBytes = 4096);

// An MP4 with the movie header's creation time (seconds since 1904 as the file holds them,
// from a wall time), a video track of the given size, and its header before or after the media.
QByteArray mp4Video(const QDateTime& created, bool headerFirst, int width = 1280, int height = 720,
                    int dataBytes = 4096, bool wideTimes = false);

// A card's pictures as a camera with a time lapse every `everyHours` takes them into
// DCIM/100MEDIA: from `first` (true time) on, for `days` days, but not on the days (1-based) in
// `missing`. The camera's clock runs `clockOffsetSeconds` ahead of the true time and keeps the
// schedule by itself; the files' times are the pictures'. The number of pictures written.
int fillCard(const QString& folder, const QDateTime& first, int days, int everyHours,
             const QList<int>& missing = {}, int clockOffsetSeconds = 0);

// The menu.dat of a camera of model 7 (camera form B) with a time lapse every `everyHours`
// and `photos` photos a trigger, its clock at 2026-05-04 07:30, written into the folder; whether
// it was. Its bytes in `bytes` when asked for.
bool writeTimeLapseMenu(const QString& folder, int everyHours, int photos,
                        QByteArray* bytes = nullptr);

// A wall time in the form EXIF writes it: "2026:05:07 10:04:12".
QString exifTime(const QDateTime& time);

} // namespace kestrova::test
