#pragma once

#include "field/byte_view.h"
#include "field/media_facts.h"

namespace kestrova::field {

// What the TIFF structure of a JPEG's APP1 "Exif" segment holds of interest: IFD0's Make and
// Model, and the EXIF IFD's DateTimeOriginal (with SubSecTimeOriginal and OffsetTimeOriginal)
// and the picture's size. Only those two directories are read; no maker notes, no thumbnail.
// Every offset and count is checked against the bytes given: one that points outside them
// marks the header damaged and is not followed.
struct ExifFacts {
    std::optional<CameraTime> taken;
    QString make;
    QString model;
    int width = 0;
    int height = 0;
    bool damaged = false;
};

ExifFacts readExif(ByteView tiff);

// "2026:05:07 10:04:12" (EXIF), "2026-05-07 10:04:12" and "2026/05/07 10:04:12" as a wall time;
// nothing for a blank or impossible one ("0000:00:00 00:00:00").
std::optional<CameraTime> parseStampedTime(const QByteArray& text);

} // namespace kestrova::field
