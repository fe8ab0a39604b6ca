#pragma once

#include "i18n/control_caption.h"
#include "i18n/language.h"

#include <QList>

#include <array>
#include <span>
#include <string_view>

namespace kestrova::i18n {

// One caption of the main window: entry language - 1 of `texts`, where nullptr stands for the
// row's English text (most languages have no translation of the lower captions).
struct MainCaptionRow {
    std::string_view key;
    int controlId;
    std::array<const char*, languageCount> texts;
};

// The seven caption rows, in the order the window sets them.
std::span<const MainCaptionRow> mainCaptionRows();

// The main window's captions for a language: buttons 1000, 1001, 1002, the download link 1076,
// the version 1077 and the labels 1078, 1079. A language outside 1..11 reads English throughout.
QList<ControlCaption> mainCaptions(int language);

} // namespace kestrova::i18n
