#pragma once

#include "i18n/language.h"
#include "i18n/text_rows.h"
#include "i18n/utf8_text.h"

#include <QList>
#include <QString>

#include <span>

namespace kestrova::i18n {

// A caption a form sets on one of its controls, by the control's resource number.
struct ControlCaption {
    int controlId;
    QString text;

    friend bool operator==(const ControlCaption&, const ControlCaption&) = default;
};

// The captions of one variant (0 or 1) in one language; a language outside the table reads
// English.
inline QList<ControlCaption> variantCaptions(std::span<const VariantCaptionRow> rows, int variant,
                                             int language) {
    const auto column = static_cast<std::size_t>(textLanguage(language) - 1);
    QList<ControlCaption> captions;
    for (const VariantCaptionRow& row : rows) {
        const int controlId = variant == 0 ? row.controlA : row.controlB;
        if (controlId != 0)
            captions.append({controlId, utf8Text(row.texts[column])});
    }
    return captions;
}

} // namespace kestrova::i18n
