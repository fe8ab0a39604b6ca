#pragma once

#include "i18n/control_caption.h"
#include "i18n/text_rows.h"

#include <QList>

#include <span>

namespace kestrova::i18n {

// The seven caption rows, in the order the window sets them.
std::span<const MainCaptionRow> mainCaptionRows();

// The main window's captions for a language: buttons 1000, 1001, 1002, the download link 1076,
// the version 1077 and the labels 1078, 1079. A language outside the table reads English.
QList<ControlCaption> mainCaptions(int language);

} // namespace kestrova::i18n
