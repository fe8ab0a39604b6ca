#pragma once

#include <QFont>
#include <QString>

namespace kestrova::qt {

// The desktop's font for a language: its own face first, for the Latin letters, then for
// Chinese and Japanese the faces that draw that language's own forms of the characters they
// share (a Japanese 直 or 骨 is not the Chinese one). Without any of them installed, the
// system's fallback draws them as before.
QFont languageFont(const QFont& desktop, int language);

// The same for a page whose language is known by its text alone (the settings sheet the
// command hands over): Japanese where it has kana, Chinese where it has Chinese characters
// but no kana.
QFont fontForText(const QFont& base, const QString& text);

} // namespace kestrova::qt
