#pragma once

#include "codec/record_field.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace kestrova::codec {

// How a field's value is held in its settings structure.
enum class FieldKind {
    List,   // the 0-based position of a list entry (or the flag the record stores)
    Number, // a whole number within its range
    Text,   // a text the record holds in code page 936, within its byte limit
};

// One field of a settings file: every fact about it in one row. `Settings` is the structure the
// file is built from, `Id` the enum that names the fields, `Forms` the number of form variants
// that show the file. A zero in a per-form column: that form has no such field.
template <typename Settings, typename Id, std::size_t Forms> struct FieldRow {
    Id id;
    std::string_view name; // in profiles, on the command line and in inspect's report
    FieldKind kind;
    int Settings::*number = nullptr;   // List and Number
    QString Settings::*text = nullptr; // Text
    int lower = 0;                     // List and Number: the values the record may carry
    int upper = 0;
    std::array<int, Forms> bytes{};   // Text: the byte limit on each form
    std::array<int, Forms> place{};   // where the record keeps it on each form
    std::array<int, Forms> control{}; // the control that shows it on each form
    int label = 0;                    // the label that names it in the forms' messages
    // Added to the label's caption where two share a caption; the whole name where no label
    // names the field (the APN box, which has the bearer list beside it).
    std::string_view labelNote = {};

    QString nameText() const { return QString::fromLatin1(name.data(), qsizetype(name.size())); }
};

// The row of a field by its id or its name; nullptr for a name no row has.
template <typename Row> const Row& rowOf(std::span<const Row> rows, decltype(Row::id) id) {
    for (const Row& row : rows) {
        if (row.id == id)
            return row;
    }
    return rows.front();
}

template <typename Row> const Row* rowNamed(std::span<const Row> rows, QStringView name) {
    for (const Row& row : rows) {
        if (name == QLatin1String(row.name.data(), qsizetype(row.name.size())))
            return &row;
    }
    return nullptr;
}

// The first header number outside its values, in byte order (`rows` sorted by their place in
// `column`), with the language byte, which the process gives, checked where it stands.
template <typename Row, typename Settings>
std::optional<FieldError> firstOutOfRange(std::span<const Row* const> rows, std::size_t column,
                                          const Settings& settings, int languageByte,
                                          int languageOffset) {
    bool languageChecked = false;
    for (const Row* row : rows) {
        if (!languageChecked && row->place[column] > languageOffset) {
            languageChecked = true;
            if (auto error = checkRange(QStringLiteral("cameraLanguage"), languageByte, 1, 11))
                return error;
        }
        if (auto error =
                checkRange(row->nameText(), settings.*row->number, row->lower, row->upper)) {
            error->id = static_cast<int>(row->id);
            return error;
        }
    }
    return std::nullopt;
}

} // namespace kestrova::codec
