#pragma once

#include "i18n/language.h"

#include <QList>
#include <QString>

#include <array>
#include <span>
#include <string_view>

namespace kestrova::i18n {

// A caption a form sets on one of its controls, by the control's resource number.
struct ControlCaption {
    int controlId;
    QString text;

    friend bool operator==(const ControlCaption&, const ControlCaption&) = default;
};

// One caption row of a form that comes in two variants: the control it labels in each variant
// (0 where that variant keeps its template caption) and its text for each language, entry
// language - 1.
struct VariantCaptionRow {
    std::string_view key;
    std::array<int, 2> controlIds;
    std::array<const char*, languageCount> texts;
};

// The captions of one variant in one language; a language without an entry reads English.
inline QList<ControlCaption> variantCaptions(std::span<const VariantCaptionRow> rows, int variant,
                                             int language) {
    const auto column = static_cast<std::size_t>(textLanguage(language) - 1);
    QList<ControlCaption> captions;
    for (const VariantCaptionRow& row : rows) {
        const int controlId = row.controlIds[static_cast<std::size_t>(variant)];
        if (controlId != 0)
            captions.append({controlId, QString::fromUtf8(row.texts[column])});
    }
    return captions;
}

} // namespace kestrova::i18n
