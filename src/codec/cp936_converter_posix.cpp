#include "codec/cp936_converter.h"

#include <QStringDecoder>
#include <QStringEncoder>

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

} // namespace

struct Cp936Converter::State {
    std::optional<QStringEncoder> encoder;
};

Cp936Converter::Cp936Converter()
    : state_(std::make_unique<State>()) {
    if (codecName())
        state_->encoder.emplace(codecName(), QStringConverter::Flag::Stateless);
}

Cp936Converter::~Cp936Converter() = default;

bool Cp936Converter::available() {
    return codecName() != nullptr;
}

QByteArray Cp936Converter::encode(QStringView character) {
    if (!state_->encoder)
        return {};
    QByteArray code = state_->encoder->encode(character);
    if (state_->encoder->hasError())
        code.clear();
    return code;
}

Cp936Decoded Cp936Converter::decode(QByteArrayView bytes) {
    QStringDecoder decoder(codecName(), QStringConverter::Flag::Stateless);
    Cp936Decoded result;
    result.text = decoder.decode(bytes);
    result.valid = !decoder.hasError();
    return result;
}

} // namespace kestrova
