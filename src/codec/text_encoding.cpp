#include "codec/text_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <optional>

namespace kestrova {

namespace {

// ICU knows code page 936 as "GBK" (windows-936-2000, with 0x80 for the euro sign); the other
// names are the same table under the names some builds register instead.
constexpr const char* codecNames[] = {"GBK", "windows-936", "CP936"};

// The first of the names this system's Qt converts, or nullptr. Converters are built in place
// and never moved: Qt's ICU converter reports errors through a pointer to its own state, which a
// move leaves dangling.
const char* codecName() {
    static const char* const name = [] {
        for (const char* candidate : codecNames) {
            if (QStringEncoder(candidate).isValid() && QStringDecoder(candidate).isValid())
                return candidate;
        }
        return static_cast<const char*>(nullptr);
    }();
    return name;
}

bool isAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

bool cp936Available() {
    return codecName() != nullptr;
}

Cp936Text encodeCp936(const QString& text) {
    Cp936Text result;
    if (isAscii(text)) {
        result.bytes = text.toLatin1();
        return result;
    }
    // Character by character, so a failure names the character and where it is. The converter
    // drops an unpaired surrogate without reporting it, hence the explicit test.
    std::optional<QStringEncoder> encoder;
    if (codecName())
        encoder.emplace(codecName(), QStringConverter::Flag::Stateless);
    for (qsizetype at = 0; at < text.size();) {
        const QChar first = text[at];
        const bool pair =
            first.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
        const QStringView character = QStringView(text).mid(at, pair ? 2 : 1);
        QByteArray code;
        if (first.unicode() < 0x80) {
            code.append(static_cast<char>(first.unicode()));
        } else if (!first.isSurrogate() || pair) {
            if (encoder) {
                code = encoder->encode(character);
                if (encoder->hasError())
                    code.clear();
            }
        }
        if (code.isEmpty()) {
            result.bytes.clear();
            result.failedAt = at;
            result.failedCharacter = character.toString();
            return result;
        }
        result.bytes += code;
        at += character.size();
    }
    return result;
}

Cp936Decoded decodeCp936(QByteArrayView bytes) {
    Cp936Decoded result;
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char b) { return static_cast<unsigned char>(b) < 0x80; })) {
        result.text = QString::fromLatin1(bytes);
        return result;
    }
    if (!codecName()) {
        result.valid = false;
        for (char b : bytes)
            result.text += static_cast<unsigned char>(b) < 0x80
                               ? QLatin1Char(b)
                               : QChar(QChar::ReplacementCharacter);
        return result;
    }
    QStringDecoder decoder(codecName(), QStringConverter::Flag::Stateless);
    result.text = decoder.decode(bytes);
    result.valid = !decoder.hasError();
    return result;
}

} // namespace kestrova
