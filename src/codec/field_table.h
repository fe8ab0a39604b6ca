#pragma once

#include "codec/field_place.h"
#include "codec/record_field.h"
#include "common/range_check.h"

#include <QString>
#include <QStringView>

#include <array>
#include <initializer_list>
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

// A field's name in the forms' messages where no label of the form gives it.
struct MessageName {
    std::string_view chinese;
    std::string_view english;
};

// Whether a settings structure keeps the numbers of rows without a member by their field's id.
template <typename Settings> constexpr bool keepsById() {
    return requires(Settings settings) {
        settings.byId;
    };
}

// One field of a settings file: every fact about it in one row. `Settings` is the structure the
// file is built from, `Id` the enum that names the fields, `Forms` the number of form variants
// that show the file. The per-form columns say what each form has: a form without a control
// for the field does not have the field.
template <typename Settings, typename Id, std::size_t Forms> struct FieldRow {
    Id id;
    std::string_view name; // in profiles, on the command line and in inspect's report
    FieldKind kind;
    // List and Number: the member that holds it; none for a number no rule of the form names,
    // which the settings keep by its id (see numberIn).
    int Settings::*number = nullptr;
    QString Settings::*text = nullptr; // Text
    // List and Number: the values the record may carry, which inspect holds a raw byte to.
    int lower = 0;
    int upper = 0;
    std::array<int, Forms> bytes{};   // Text: the byte limit on each form
    std::array<Place, Forms> place{}; // where each form's record keeps it
    std::array<int, Forms> control{}; // the control that shows it on each form; 0: none
    int label = 0;                    // the label that names it in the forms' messages
    // Added to the label's caption where two share a caption; the whole name where no label
    // names the field (the APN box, which has the bearer list beside it).
    std::string_view labelNote = {};
    ByteEncoding encoding = ByteEncoding::Plain; // a number in a container's header
    MessageName message = {};                    // the name in messages, where no label gives it
    bool clearedByMode = false;                  // a change of mode empties it
    // A typed number's step in the order the form takes and checks its fields (0: the form
    // takes it with the lists, which cannot fail).
    std::array<int, Forms> take{};

    using SettingsType = Settings;
    static constexpr std::size_t forms = Forms;

    QString nameText() const { return QString::fromLatin1(name.data(), qsizetype(name.size())); }
    constexpr bool onForm(std::size_t column) const { return control[column] != 0; }

    // The value of a List or Number field in `settings`.
    int numberIn(const Settings& settings) const {
        if constexpr (keepsById<Settings>()) {
            if (!number) {
                const auto found = settings.byId.find(static_cast<int>(id));
                return found == settings.byId.end() ? 0 : found->second;
            }
        }
        return settings.*number;
    }
    void setNumber(Settings& settings, int value) const {
        if constexpr (keepsById<Settings>()) {
            if (!number) {
                // Zero is not kept, so settings with the same values compare equal.
                if (value == 0)
                    settings.byId.erase(static_cast<int>(id));
                else
                    settings.byId[static_cast<int>(id)] = value;
                return;
            }
        }
        settings.*number = value;
    }
};

// A row with its id, name and kind; the helpers of each table fill in the rest.
template <typename Row>
constexpr Row fieldRow(decltype(Row::id) id, std::string_view name, FieldKind kind) {
    Row row{};
    row.id = id;
    row.name = name;
    row.kind = kind;
    return row;
}

// A List or Number row with the member that holds it, its values and, per form, its place and
// control.
template <typename Row>
constexpr Row numberRow(decltype(Row::id) id, std::string_view name, FieldKind kind,
                        decltype(Row::number) member, int lower, int upper,
                        decltype(Row::place) place, decltype(Row::control) control) {
    Row row = fieldRow<Row>(id, name, kind);
    row.number = member;
    row.lower = lower;
    row.upper = upper;
    row.place = place;
    row.control = control;
    return row;
}

template <typename Row> const Row* rowNamed(std::span<const Row> rows, QStringView name) {
    for (const Row& row : rows) {
        if (name == QLatin1String(row.name.data(), qsizetype(row.name.size())))
            return &row;
    }
    return nullptr;
}

// The first header number outside its values, in byte order (`rows` sorted by their place in
// `column`), with the language byte, which the process gives, checked where it stands against
// the bytes the camera knows.
template <typename Row, typename Settings>
std::optional<FieldError> firstOutOfRange(std::span<const Row* const> rows, std::size_t column,
                                          const Settings& settings, int languageByte,
                                          int languageOffset, IntRange knownLanguageBytes) {
    bool languageChecked = false;
    for (const Row* row : rows) {
        if (!languageChecked && row->place[column].offset > languageOffset) {
            languageChecked = true;
            if (auto error = checkRange(QStringLiteral("cameraLanguage"), languageByte,
                                        knownLanguageBytes.lower, knownLanguageBytes.upper))
                return error;
        }
        if (auto error =
                checkRange(row->nameText(), row->numberIn(settings), row->lower, row->upper)) {
            error->id = static_cast<int>(row->id);
            return error;
        }
    }
    return std::nullopt;
}

} // namespace kestrova::codec
