#include "i18n/main_texts.h"

#include "i18n/tables/main_captions.h"

namespace kestrova::i18n {

std::span<const MainCaptionRow> mainCaptionRows() {
    return tables::mainCaptions;
}

QList<ControlCaption> mainCaptions(int language) {
    const auto column = static_cast<std::size_t>(textLanguage(language) - 1);
    QList<ControlCaption> captions;
    captions.reserve(static_cast<qsizetype>(tables::mainCaptions.size()));
    for (const MainCaptionRow& row : tables::mainCaptions)
        captions.append({row.controlId, utf8Text(row.texts[column])});
    return captions;
}

} // namespace kestrova::i18n
