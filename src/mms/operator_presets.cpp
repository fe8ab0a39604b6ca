#include "mms/operator_presets.h"

#include "i18n/language.h"

namespace kestrova::mms {

namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool isCountry(int country) {
    return country >= 0 && country < mmsCountryCount;
}

} // namespace

QStringList mmsCountryNames(int language) {
    QStringList names;
    names.reserve(mmsCountryCount);
    for (std::string_view name : mmsCountries) {
        names.append(text(name));
    }
    if (language == i18n::Chinese) {
        names[0] = text(mmsChinaChinese);
    }
    return names;
}

QStringList mmsOperatorNames(int country, int language) {
    QStringList names;
    if (!isCountry(country)) {
        return names;
    }
    const bool chinese = country == 0 && language == i18n::Chinese;
    for (int slot = 0; slot < mmsOperatorCount(country); ++slot) {
        names.append(chinese ? text(mmsChinaOperatorsChinese[static_cast<std::size_t>(slot)])
                             : text(mmsOperators[static_cast<std::size_t>(country)]
                                                [static_cast<std::size_t>(slot)]));
    }
    return names;
}

int mmsOperatorCount(int country) {
    return isCountry(country) ? mmsOperatorCounts[static_cast<std::size_t>(country)] : 0;
}

OperatorPreset mmsPreset(int country, int operatorIndex) {
    if (!isCountry(country) || operatorIndex < 0 || operatorIndex >= mmsOperatorSlots) {
        return {};
    }
    return mmsOperatorPresets[static_cast<std::size_t>(country)]
                             [static_cast<std::size_t>(operatorIndex)];
}

} // namespace kestrova::mms
