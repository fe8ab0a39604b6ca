#pragma once

#include "codec/table_checks.h"
#include "i18n/language.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <span>
#include <string_view>

namespace kestrova::sending {

// "setup.dat" and "smtp.dat" are sending files: how the camera sends its pictures on (by MMS,
// by e-mail over GPRS), through which network, to whom. Both are the same container, filled in
// by two forms each, and share one shape: a table of rows, one per setting, read by the same
// record, profile, form, checks, plan and command. This is the row.

// What a list shows in a form: its entries depend on the form, the model, the language, and
// for the operator presets on the mode and the country chosen.
struct ListContext {
    std::size_t column = 0; // the form: A or B
    int model = 1;
    int language = i18n::English;
    bool automatic = true;
    int country = 0;
};

using Entries = QStringList (*)(const ListContext&);

// The part a list plays besides holding a position.
enum class ListRole {
    Plain,
    Mode,     // "Auto" first, "Manual" second: the record's flag is 1 for "Auto"
    Country,  // a preset's country in "Auto" mode; in "Manual" mode "Other" alone (code 0x80)
    Operator, // the preset's operator within the country; in "Manual" mode "Other" alone (0)
};

// How a profile gives a list's value.
enum class ProfileStyle {
    Entry,     // its entry (in English, or the row's profile words), or its position
    HourOrOff, // the hour as a number, "off" for the entry after the hours
};

// What the form does with a typed number outside its range, after its message.
enum class OutOfRange {
    Kept,       // keeps it (Generate refuses it)
    ZeroOnTake, // sets it to 0 and shows it at once
    ZeroOnEdit, // keeps it, but an edit of its own box that leaves it above its range sets 0
};

// The name in messages where a form has no label for it: Chinese in Chinese, English else.
using codec::MessageName;

// One setting of a sending file. Per form (A, B): its control (0: the form has not got it), its
// place in that form's record, its byte limit (texts), its step in the take order (texts and
// numbers).
template <typename Settings, typename Id> struct SendingRow : codec::FieldRow<Settings, Id, 2> {
    using Base = codec::FieldRow<Settings, Id, 2>;
    using Controls = std::array<int, 2>;
    using Places = std::array<codec::Place, 2>;

    Entries entries = nullptr;      // List: its entries in a form's language
    Entries profileWords = nullptr; // List: the words profiles use, where not the English entries
    ListRole role = ListRole::Plain;
    ProfileStyle profileStyle = ProfileStyle::Entry;
    bool givenByPreset = false;   // Text: the operator preset gives it in "Auto" mode
    bool zeroIsUnlimited = false; // Number: 0 means no limit
    OutOfRange outOfRange = OutOfRange::Kept;
    // Text: a rule of the form holds its length (which depends on another setting), not a
    // character limit of its box.
    bool limitByRule = false;

    QString labelNoteText() const {
        return QString::fromUtf8(this->labelNote.data(), qsizetype(this->labelNote.size()));
    }

    // The properties a row may add to what its kind gives, each returning the row changed.
    constexpr SendingRow listing(Entries list) const {
        return with([&](auto& r) { r.entries = list; });
    }
    constexpr SendingRow inProfile(Entries words) const {
        return with([&](auto& r) { r.profileWords = words; });
    }
    constexpr SendingRow playing(ListRole part) const {
        return with([&](auto& r) { r.role = part; });
    }
    constexpr SendingRow profiled(ProfileStyle style) const {
        return with([&](auto& r) { r.profileStyle = style; });
    }
    constexpr SendingRow encoded(codec::ByteEncoding encoding) const {
        return with([&](auto& r) { r.encoding = encoding; });
    }
    constexpr SendingRow labelled(int label, std::string_view note = {}) const {
        return with([&](auto& r) {
            r.label = label;
            r.labelNote = note;
        });
    }
    constexpr SendingRow named(MessageName name) const {
        return with([&](auto& r) { r.message = name; });
    }
    constexpr SendingRow fromPreset() const {
        return with([](auto& r) { r.givenByPreset = true; });
    }
    constexpr SendingRow keptByMode() const {
        return with([](auto& r) { r.clearedByMode = false; });
    }
    constexpr SendingRow unlimitedAtZero() const {
        return with([](auto& r) { r.zeroIsUnlimited = true; });
    }
    constexpr SendingRow whenOutOfRange(OutOfRange rule) const {
        return with([&](auto& r) { r.outOfRange = rule; });
    }
    constexpr SendingRow limitedByRule() const {
        return with([](auto& r) { r.limitByRule = true; });
    }
    constexpr SendingRow takenAt(std::array<int, 2> steps) const {
        return with([&](auto& r) { r.take = steps; });
    }

private:
    template <typename Change> constexpr SendingRow with(Change change) const {
        SendingRow row = *this;
        change(row);
        return row;
    }
};

// The same place, or control, on both forms.
constexpr std::array<codec::Place, 2> both(codec::Place place) {
    return {place, place};
}
constexpr std::array<int, 2> both(int value) {
    return {value, value};
}

// A list: the record keeps the position of its entry (its flag, for the mode).
template <typename Row>
constexpr Row list(decltype(Row::id) id, std::string_view name, int Row::SettingsType::*member,
                   int upper, typename Row::Places place, typename Row::Controls control,
                   Entries entries) {
    Row row =
        codec::numberRow<Row>(id, name, codec::FieldKind::List, member, 0, upper, place, control);
    row.entries = entries;
    return row;
}

// A number typed into a box, taken and checked at its step of the take order.
template <typename Row>
constexpr Row number(decltype(Row::id) id, std::string_view name, int Row::SettingsType::*member,
                     int lower, int upper, typename Row::Places place,
                     typename Row::Controls control, std::array<int, 2> take) {
    Row row = codec::numberRow<Row>(id, name, codec::FieldKind::Number, member, lower, upper, place,
                                    control);
    row.take = take;
    return row;
}

// A text typed into a box; a change of mode empties it unless the row says it keeps it.
template <typename Row>
constexpr Row text(decltype(Row::id) id, std::string_view name, QString Row::SettingsType::*member,
                   std::array<int, 2> bytes, typename Row::Places place,
                   typename Row::Controls control, std::array<int, 2> take) {
    Row row = codec::fieldRow<Row>(id, name, codec::FieldKind::Text);
    row.text = member;
    row.bytes = bytes;
    row.place = place;
    row.control = control;
    row.take = take;
    row.clearedByMode = true;
    return row;
}

// The row of a name, or none.
template <typename Row> const Row* rowNamed(std::span<const Row> rows, QStringView name) {
    return codec::rowNamed(rows, name);
}

} // namespace kestrova::sending
