#include "codec/record_field.h"

#include "codec/text_encoding.h"
#include "common/control_characters.h"

namespace kestrova::codec {

namespace {

FieldError makeError(const QString& field, FieldError::Reason reason) {
    FieldError error;
    error.field = field;
    error.reason = reason;
    return error;
}

} // namespace

QString describe(const FieldError& error) {
    switch (error.reason) {
    case FieldError::Reason::OutOfRange:
        return QStringLiteral("%1: %2 is outside %3..%4")
            .arg(error.field)
            .arg(error.actual)
            .arg(error.lower)
            .arg(error.upper);
    case FieldError::Reason::TooLong:
        return QStringLiteral("%1: %2 bytes in code page 936, at most %3 allowed")
            .arg(error.field)
            .arg(error.actual)
            .arg(error.upper);
    case FieldError::Reason::NotEncodable:
        return QStringLiteral("%1: the character \"%2\" (U+%3) has no code in code page 936")
            .arg(error.field, error.character,
                 QString::number(static_cast<uint>(codePoint(error.character)), 16)
                     .toUpper()
                     .rightJustified(4, QLatin1Char('0')));
    case FieldError::Reason::ContainsZero:
        return QStringLiteral("%1: contains a zero character").arg(error.field);
    case FieldError::Reason::ControlCharacter:
        return QStringLiteral("%1: contains the control character %2")
            .arg(error.field, shownCharacter(error.character));
    }
    return error.field;
}

FieldText encodeField(const QString& field, const QString& text, int limitBytes) {
    FieldText result;
    // Control characters first: some of them have a code in code page 936 and would otherwise
    // reach the camera. A zero keeps its own reason, as it would end the text early.
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t code = text[at].unicode();
        if (code == 0 || !isControlCharacter(code))
            continue;
        FieldError error = makeError(field, FieldError::Reason::ControlCharacter);
        error.actual = static_cast<int>(at);
        error.character = text[at];
        result.error = error;
        return result;
    }
    const Cp936Text encoded = encodeCp936(text);
    if (!encoded.ok()) {
        FieldError error = makeError(field, FieldError::Reason::NotEncodable);
        error.actual = static_cast<int>(encoded.failedAt);
        error.character = encoded.failedCharacter;
        result.error = error;
        return result;
    }
    if (encoded.bytes.contains('\0')) {
        result.error = makeError(field, FieldError::Reason::ContainsZero);
        return result;
    }
    if (encoded.bytes.size() > limitBytes) {
        FieldError error = makeError(field, FieldError::Reason::TooLong);
        error.upper = limitBytes;
        error.actual = static_cast<int>(encoded.bytes.size());
        result.error = error;
        return result;
    }
    result.bytes = encoded.bytes;
    return result;
}

std::optional<FieldError> checkRange(const QString& field, int value, int lower, int upper) {
    if (value >= lower && value <= upper)
        return std::nullopt;
    FieldError error = makeError(field, FieldError::Reason::OutOfRange);
    error.lower = lower;
    error.upper = upper;
    error.actual = value;
    return error;
}

} // namespace kestrova::codec
