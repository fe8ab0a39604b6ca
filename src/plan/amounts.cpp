#include "plan/amounts.h"

#include "i18n/language.h"
#include "i18n/summary_texts.h"

#include <cmath>

namespace kestrova::plan {

using i18n::SummaryText;

QString numberText(double value, int language) {
    const double tenths = std::round(value * 10) / 10;
    const bool whole = tenths == std::floor(tenths) || std::abs(tenths) >= 100;
    return i18n::localeOf(language).toString(whole ? std::round(value) : tenths, 'f',
                                             whole ? 0 : 1);
}

QString countText(qint64 count, int language) {
    return i18n::localeOf(language).toString(count);
}

QString listText(const QStringList& items, int language) {
    const int shown = i18n::textLanguage(language);
    const bool ideographic = shown == i18n::Chinese || shown == i18n::Japanese;
    return items.join(ideographic ? QStringLiteral("\u3001") : QStringLiteral(", "));
}

QString durationText(int seconds, int language) {
    const auto text = [language](SummaryText id) { return i18n::summaryText(id, language); };
    if (seconds < 60)
        return text(SummaryText::Seconds).arg(seconds);
    if (seconds % 60 != 0 && seconds < 3600)
        return text(SummaryText::MinutesSeconds).arg(seconds / 60).arg(seconds % 60);
    if (seconds % 60 != 0)
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    const int minutes = seconds / 60;
    if (minutes < 60)
        return text(SummaryText::Minutes).arg(minutes);
    if (minutes % 60 == 0)
        return text(SummaryText::Hours).arg(minutes / 60);
    return text(SummaryText::HoursMinutes).arg(minutes / 60).arg(minutes % 60);
}

QString megabytesText(double megabytes, int language) {
    if (megabytes >= 1000)
        return i18n::summaryText(SummaryText::Gigabytes, language)
            .arg(numberText(megabytes / 1000, language));
    return i18n::summaryText(SummaryText::Megabytes, language).arg(numberText(megabytes, language));
}

QString sizeText(qint64 bytes, int language) {
    return megabytesText(static_cast<double>(bytes) / 1e6, language);
}

QString clockText(int year, int month, int day, int hour, int minute, int second) {
    const auto two = [](int value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(year)
        .arg(two(month), two(day), two(hour), two(minute), two(second));
}

} // namespace kestrova::plan
