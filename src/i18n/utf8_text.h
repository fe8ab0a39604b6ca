#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace kestrova::i18n {

// What joins the entries of a list in one cell of the text tables (make_text_tables.py's
// ENTRY_SEPARATOR): no entry holds it.
inline constexpr char16_t entrySeparator = u'|';

// A text of the tables, UTF-8 in the source.
inline QString utf8Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The entries of a list cell, in their order.
inline QStringList utf8Entries(std::string_view cell) {
    return utf8Text(cell).split(entrySeparator);
}

} // namespace kestrova::i18n
