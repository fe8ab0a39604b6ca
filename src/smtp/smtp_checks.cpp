#include "smtp/smtp_checks.h"

#include "codec/text_encoding.h"

namespace kestrova::smtp {

int cp936Length(const QString& text) {
    const Cp936Text encoded = encodeCp936(text);
    if (encoded.ok())
        return static_cast<int>(encoded.bytes.size());
    int length = 0;
    for (const QChar c : text) {
        // A surrogate pair is one character: count its first half only.
        if (!c.isLowSurrogate())
            length += c.unicode() < 0x80 ? 1 : 2;
    }
    return length;
}

bool isPortNumber(const QString& port) {
    if (port.isEmpty() || port.size() > 5)
        return false;
    for (const QChar c : port) {
        if (c < u'0' || c > u'9')
            return false;
    }
    const int number = port.toInt();
    return number >= 1 && number <= 65535;
}

} // namespace kestrova::smtp
