#include "i18n/own_text.h"

namespace kestrova::i18n {

// English for every language until the translations are compiled in.
QString ownText(const char* /*context*/, const char* source, int /*language*/) {
    return QString::fromUtf8(source);
}

} // namespace kestrova::i18n
