#include "smtp/gprs_presets.h"

namespace kestrova::smtp {

namespace {

QString text(std::string_view ascii) {
    return QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

bool isCountry(int country) {
    return country >= 0 && country < gprsCountryCount;
}

} // namespace

QStringList gprsCountryNames() {
    QStringList names;
    names.reserve(gprsCountryCount);
    for (std::string_view name : gprsCountries) {
        names.append(text(name));
    }
    return names;
}

QStringList gprsOperatorNames(int country) {
    QStringList names;
    for (int slot = 0; slot < gprsOperatorCount(country); ++slot) {
        names.append(
            text(gprsOperators[static_cast<std::size_t>(country)][static_cast<std::size_t>(slot)]));
    }
    return names;
}

int gprsOperatorCount(int country) {
    return isCountry(country) ? gprsOperatorCounts[static_cast<std::size_t>(country)] : 0;
}

GprsPreset gprsPreset(int country, int operatorIndex) {
    if (!isCountry(country) || operatorIndex < 0 || operatorIndex >= gprsOperatorSlots) {
        return {};
    }
    return gprsOperatorPresets[static_cast<std::size_t>(country)]
                              [static_cast<std::size_t>(operatorIndex)];
}

} // namespace kestrova::smtp
