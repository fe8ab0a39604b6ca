#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kestrova::codec {

// Why a setting could not go into a record. Records never truncate or substitute: a value that
// does not fit is refused, naming the field, so the caller can tell the user which one.
struct FieldError {
    enum class Reason {
        OutOfRange,       // a number outside lower..upper
        TooLong,          // the text needs `actual` bytes in code page 936, `upper` are allowed
        NotEncodable,     // `character`, at position `actual`, has no code in code page 936
        ContainsZero,     // a zero character would end the text early on the camera
        ControlCharacter, // `character`, at position `actual`, is a control character
    };

    QString field; // the setting's name, as profiles and the command spell it
    int id = -1;   // the field's id in its file's field table; -1 for what is no field
    Reason reason = Reason::OutOfRange;
    int lower = 0;
    int upper = 0;
    int actual = 0;
    QString character;

    bool operator==(const FieldError&) const = default;
};

// An English one-line description, for the command line and test output.
QString describe(const FieldError& error);

// A text checked against its field's byte limit and encoded in code page 936.
struct FieldText {
    QByteArray bytes;
    std::optional<FieldError> error;
};

FieldText encodeField(const QString& field, const QString& text, int limitBytes);

// nullopt when lower <= value <= upper.
std::optional<FieldError> checkRange(const QString& field, int value, int lower, int upper);

// A complete record file, or the first setting that kept it from being built.
struct RecordBytes {
    QByteArray bytes;
    std::optional<FieldError> error;

    bool ok() const { return !error.has_value(); }
};

} // namespace kestrova::codec
