#include "field/media_facts.h"

#include <QTimeZone>

namespace kestrova::field {

std::optional<MediaKind> mediaKindOf(const QString& fileName) {
    const QString suffix = fileName.section(u'.', -1).toLower();
    if (!fileName.contains(u'.'))
        return std::nullopt;
    if (suffix == u"jpg" || suffix == u"jpeg")
        return MediaKind::Picture;
    if (suffix == u"avi" || suffix == u"mp4" || suffix == u"mov")
        return MediaKind::Video;
    return std::nullopt;
}

std::optional<CameraTime> CameraTime::of(const QDate& date, const QTime& time) {
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return CameraTime{QDateTime(date, time, QTimeZone::utc()).toMSecsSinceEpoch(), std::nullopt};
}

QDateTime CameraTime::wall() const {
    return QDateTime::fromMSecsSinceEpoch(wallMs, QTimeZone::utc());
}

int CameraTime::secondOfDay() const {
    return wall().time().msecsSinceStartOfDay() / 1000;
}

QString CameraTime::text() const {
    const QDateTime at = wall();
    return at.toString(at.time().msec() ? QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")
                                        : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace kestrova::field
