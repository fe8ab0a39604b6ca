#include "field/media_facts.h"

#include <QTimeZone>

namespace kestrova::field {

std::optional<MediaKind> mediaKindOf(const QString& fileName) {
    const auto is = [&fileName](const char* suffix) {
        return fileName.endsWith(QLatin1StringView(suffix), Qt::CaseInsensitive);
    };
    if (is(".jpg") || is(".jpeg"))
        return MediaKind::Picture;
    if (is(".avi") || is(".mp4") || is(".mov"))
        return MediaKind::Video;
    return std::nullopt;
}

namespace {

constexpr qint64 msPerDay = 86400000;
// QDate's Julian day of 1970-01-01.
constexpr qint64 epochJulianDay = 2440588;

qint64 floorDiv(qint64 a, qint64 b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

} // namespace

// Plain arithmetic on the wall clock: a card holds thousands of times, and no zone applies.
std::optional<CameraTime> CameraTime::of(const QDate& date, const QTime& time) {
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return CameraTime{(date.toJulianDay() - epochJulianDay) * msPerDay +
                          time.msecsSinceStartOfDay(),
                      std::nullopt};
}

QDateTime CameraTime::wall() const {
    return QDateTime::fromMSecsSinceEpoch(wallMs, QTimeZone::utc());
}

QDate CameraTime::date() const {
    return QDate::fromJulianDay(floorDiv(wallMs, msPerDay) + epochJulianDay);
}

int CameraTime::secondOfDay() const {
    return static_cast<int>((wallMs - floorDiv(wallMs, msPerDay) * msPerDay) / 1000);
}

QString CameraTime::text() const {
    const QDateTime at = wall();
    return at.toString(at.time().msec() ? QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")
                                        : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace kestrova::field
