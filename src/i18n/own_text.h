#pragma once

#include <QString>

namespace kestrova::i18n {

// A text of ours as a table holds it: the English text, and the key a translator knows it by,
// which is its disambiguation in translations/*.ts (what QT_TRANSLATE_NOOP3 gives).
struct OwnTextSource {
    const char* source;
    const char* key;
};

// A text of ours in a form's language (a number outside the language table reads English), from
// the translations built into the program. A text without a translation reads English.
QString ownText(const char* context, const char* source, int language);
QString ownText(const char* context, const OwnTextSource& text, int language);
// A text that counts something, in the form the language gives that count, with %n written as
// the language writes numbers. The English text marks a plural "(s)": "%n day(s)".
QString ownText(const char* context, const OwnTextSource& text, int language, int n);

} // namespace kestrova::i18n
