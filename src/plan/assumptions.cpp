#include "plan/assumptions.h"

#include <array>

namespace kestrova::plan {

namespace {

// A megabyte is 10^6 bytes here, as card makers count them.
constexpr std::string_view mjpeg = "Motion-JPEG AVI";
// clang-format off
constexpr std::array table{
    // Still pictures: JPEG of a detailed outdoor scene (foliage, grass) at the quality such
    // cameras store, about 2.2 bits a pixel; so megapixels x 2.2 / 8.
    Assumption{"megabytes_per_picture", "12MP", 3.3, "MB"},  // 12e6 x 2.2 / 8 = 3.30 MB
    Assumption{"megabytes_per_picture", "5MP", 1.4, "MB"},   // 5e6 x 2.2 / 8 = 1.38 MB
    Assumption{"megabytes_per_picture", "2MP", 0.55, "MB"},  // 2e6 x 2.2 / 8 = 0.55 MB
    Assumption{"megabytes_per_picture", "1.3MP", 0.36, "MB"}, // 1.3e6 x 2.2 / 8 = 0.36 MB
    // Video: Motion-JPEG in AVI, as these cameras record, 30 frames a second, about 0.9 bits a
    // pixel in each frame; so width x height x 0.9 / 8 x 30 bytes a second. A camera that
    // records another format (H.264 takes a tenth of it) fills its card far more slowly.
    Assumption{"megabytes_per_video_second", "1440x1080", 5.2, "MB/s", mjpeg}, // 1555200 px: 5.25 MB/s
    Assumption{"megabytes_per_video_second", "1280x720", 3.1, "MB/s", mjpeg},  // 921600 px: 3.11 MB/s
    Assumption{"megabytes_per_video_second", "640x480", 1.0, "MB/s", mjpeg},   // 307200 px: 1.04 MB/s
    Assumption{"megabytes_per_video_second", "320x240", 0.26, "MB/s", mjpeg},  // 76800 px: 0.26 MB/s
    // Sent pictures: recompressed for MMS size limits (carriers take 300 KB or less) at about
    // 1 bit a pixel, plus about 2 KB of message headers.
    Assumption{"kilobytes_per_mms", "VGA", 40, "KB"},  // 307200 x 1 / 8 = 38.4 KB + 2 KB
    Assumption{"kilobytes_per_mms", "QVGA", 12, "KB"}, // 76800 x 1 / 8 = 9.6 KB + 2 KB
    // E-mail carries the same picture in base64, a third larger, plus about 2 KB of headers.
    Assumption{"kilobytes_per_email", "VGA", 53, "KB"}, // 38.4 x 4 / 3 = 51.2 KB + 2 KB
    // A camera on a used trail; the owner changes it in the form's strip or with
    // --triggers-per-day.
    Assumption{"triggers_per_day", "", defaultTriggersPerDay, ""},
    // The sending settings count pictures a day, not bursts: one sent picture for each trigger
    // is the least that still tells of every visit.
    Assumption{"sent_pictures_per_trigger", "", 1, ""},
    // A trigger's photos are taken one after another, each with its exposure, flash and saving
    // to the card: about a second each, the wait starting once they are stored. A video takes
    // its length.
    Assumption{"seconds_per_photo", "", 1, "s"},
    // A month of estimates: 365.25 / 12 = 30.44 days. A figure that says "at most" takes the
    // longest month, 31 days, instead.
    Assumption{"days_per_month", "", 30.4, "days"},
};
// clang-format on

std::optional<Assumption> row(std::string_view key, QStringView what = {}) {
    for (const Assumption& assumption : table) {
        if (assumption.key == key &&
            what == QLatin1String(assumption.what.data(), qsizetype(assumption.what.size())))
            return assumption;
    }
    return std::nullopt;
}

} // namespace

std::span<const Assumption> assumptions() {
    return table;
}

std::optional<Assumption> pictureSize(QStringView imageSize) {
    return row("megabytes_per_picture", imageSize);
}

std::optional<Assumption> videoRate(QStringView videoSize) {
    return row("megabytes_per_video_second", videoSize);
}

std::optional<Assumption> sentPicture(QStringView status, bool byEmail) {
    return row(byEmail ? "kilobytes_per_email" : "kilobytes_per_mms", status);
}

Assumption assumedTriggers(int triggersPerDay) {
    Assumption triggers = *row("triggers_per_day");
    triggers.value = triggersPerDay;
    return triggers;
}

Assumption sentPerTrigger() {
    return *row("sent_pictures_per_trigger");
}

Assumption photoCapture() {
    return *row("seconds_per_photo");
}

Assumption averageMonth() {
    return *row("days_per_month");
}

} // namespace kestrova::plan
