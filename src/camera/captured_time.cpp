#include "camera/captured_time.h"

namespace kestrova::camera {

namespace {

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString timeOfDay(const CapturedTime& t) {
    return twoDigits(t.hour) + u':' + twoDigits(t.minute) + u':' + twoDigits(t.second);
}

} // namespace

CapturedTime CapturedTime::capture(const QDateTime& localTime) {
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    int year = date.year();
    if (year > 2031)
        year = 2031;
    else if (year < 2010)
        year = 2011;
    return {year, date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

std::optional<QString> clockText(const CapturedTime& t, int dateFormat) {
    const QString year4 = QStringLiteral("%1").arg(t.year, 4, 10, QLatin1Char('0'));
    switch (dateFormat) {
    case 0:
        return QString::number(t.year) + u'/' + twoDigits(t.month) + u'/' + twoDigits(t.day) +
               u' ' + timeOfDay(t);
    case 1:
        return twoDigits(t.month) + u'/' + twoDigits(t.day) + u'/' + year4 + u' ' + timeOfDay(t);
    case 2:
        return twoDigits(t.day) + u'/' + twoDigits(t.month) + u'/' + year4 + u' ' + timeOfDay(t);
    default:
        return std::nullopt;
    }
}

} // namespace kestrova::camera
