#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

namespace kestrova::i18n {

// The entries of a list as a text table holds them (UTF-8), in their order.
template <std::size_t N> QStringList utf8List(const std::array<const char*, N>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(N));
    for (const char* text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

} // namespace kestrova::i18n
