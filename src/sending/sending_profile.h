#pragma once

#include "common/profile_reader.h"
#include "common/profile_values.h"
#include "i18n/profile_number.h"
#include "model/camera_model.h"
#include "sending/sending_file.h"

#include <QJsonObject>
#include <QJsonValue>

#include <set>
#include <utility>
#include <vector>

namespace kestrova::sending {

// The lists of a sending file as a form shows them for these settings.
template <SendingFile File>
ListContext listContext(typename File::Form form, int model, int language,
                        const typename File::Settings& settings) {
    return {File::column(form), model, language, settings.automatic == 1, settings.country};
}

// The entries of a list row for these settings: in "Manual" mode the preset lists hold "Other"
// alone.
template <typename Row> QStringList entriesOf(const Row& row, const ListContext& context) {
    if (!context.automatic && (row.role == ListRole::Country || row.role == ListRole::Operator))
        return {manualEntry()};
    return row.entries(context);
}

// The words a profile names a list's entries by: the row's own, or its English entries.
template <typename Row> QStringList profileWordsOf(const Row& row, ListContext context) {
    context.language = i18n::English;
    return row.profileWords ? row.profileWords(context) : entriesOf(row, context);
}

// The position a list row's value stands at in its list: the mode's flag is 1 for the first
// entry; in "Manual" mode the preset lists' one entry stands for their fixed codes. -1 where
// the value has no place in the list.
template <typename Row, typename Settings> int positionOf(const Row& row, const Settings& s) {
    const int value = row.numberIn(s);
    const bool manual = s.automatic == 0;
    switch (row.role) {
    case ListRole::Mode:
        return value == 1 ? 0 : value == 0 ? 1 : -1;
    case ListRole::Country:
        return manual ? (value == manualCountry ? 0 : -1) : value;
    case ListRole::Operator:
        return manual ? (value == 0 ? 0 : -1) : value;
    case ListRole::Plain:
        break;
    }
    return value;
}

// The value a list row takes from the position chosen in its list.
template <typename Row> int valueAt(const Row& row, int position) {
    return row.role == ListRole::Mode ? (position == 0 ? 1 : 0) : position;
}

// The names of a sending file's settings, in its table's order.
template <SendingFile File> QStringList settingNamesOf() {
    return settingNames(File::rows());
}

// The settings of a form as a profile: each setting the form has, by its name; a list by its
// entry, or by its number where it has none in the list.
template <SendingFile File>
QJsonObject profileObject(const typename File::Settings& s, typename File::Form form, int model) {
    QJsonObject object;
    const ListContext context = listContext<File>(form, model, i18n::English, s);
    for (const typename File::Row& row : File::rows()) {
        if (!row.onForm(File::column(form)))
            continue;
        const QString name = row.nameText();
        if (row.kind == codec::FieldKind::Text) {
            object[name] = s.*row.text;
            continue;
        }
        const int value = row.numberIn(s);
        if (row.kind == codec::FieldKind::Number) {
            object[name] = value;
        } else if (row.role == ListRole::Country || row.role == ListRole::Operator) {
            if (const auto given = File::presetChoiceValue(row, s))
                object[name] = *given;
        } else if (row.profileStyle == ProfileStyle::HourOrOff) {
            object[name] =
                value == row.upper ? QJsonValue(QStringLiteral("off")) : QJsonValue(value);
        } else {
            const int position = positionOf(row, s);
            object[name] = position < 0 ? QJsonValue(value)
                                        : entryOrNumber(position, profileWordsOf(row, context));
        }
    }
    return object;
}

// How a profile and NAME=VALUE assignments become the settings of one form of a sending file,
// starting from the values the form opens with. The values are taken in the order given, the
// mode first (what the other lists hold depends on it) and the operator after the country; a
// text keeps its blanks. Each refusal is a message that starts with its setting's name.
template <SendingFile File>
class SendingProfileReader final : public ProfileReader<typename File::Settings> {
public:
    using Settings = typename File::Settings;
    using Row = typename File::Row;
    using Form = typename File::Form;

    // `language` is that of the forms' own messages about numbers.
    SendingProfileReader(Form form, int model, int language)
        : ProfileReader<Settings>(false)
        , form_(form)
        , model_(model)
        , language_(language) {}

private:
    bool isSetting(const QString& name) const override { return rowNamed(name) != nullptr; }

    std::optional<ProfileError> take(const QString& name, const QJsonValue& value) override {
        const Row* row = rowNamed(name);
        if (!row)
            return ProfileError{unknownSettingMessage(name, settingNames(File::rows()))};
        if (!row->onForm(column()))
            return refused(*row, QStringLiteral("%1 has no such setting").arg(modelText()));
        if constexpr (File::numbersAndTextsOnly) {
            if (const auto why = notNumberOrText(value))
                return refused(*row, *why);
        }
        given_.emplace_back(row, value);
        return std::nullopt;
    }

    ProfileRead<Settings> settle() const override {
        ProfileRead<Settings> read;
        Settings& s = read.settings;
        std::set<const Row*> texts;
        const auto pass = [&](auto wanted) {
            for (const auto& [row, value] : given_) {
                if (!wanted(*row))
                    continue;
                if (const auto why = readValue(*row, value, s)) {
                    read.error = refused(*row, *why);
                    return false;
                }
                if (row->kind == codec::FieldKind::Text)
                    texts.insert(row);
            }
            return true;
        };
        const auto isMode = [](const Row& row) { return row.role == ListRole::Mode; };
        const auto isOperator = [](const Row& row) { return row.role == ListRole::Operator; };
        if (!pass(isMode) ||
            !pass([&](const Row& row) { return !isMode(row) && !isOperator(row); }) ||
            !pass(isOperator))
            return read;
        if (s.automatic == 0) {
            s.country = manualCountry;
            s.operatorCode = 0;
        } else if (auto error = checkPresetTexts(s, texts)) {
            read.error = error;
            return read;
        }
        if (auto error = File::settleChecks(s, form_, language_))
            read.error = error;
        return read;
    }

    // Why a value is not taken, in words of ours where it has some.
    std::optional<Reason> readValue(const Row& row, const QJsonValue& value, Settings& s) const {
        switch (row.kind) {
        case codec::FieldKind::Text:
            if (auto why = File::readText(row, value, form_, language_, s.*row.text))
                return Reason{*why};
            return std::nullopt;
        case codec::FieldKind::Number: {
            int number = 0;
            if (auto why =
                    i18n::takeProfileNumber(value, {row.lower, row.upper}, language_, number))
                return why;
            row.setNumber(s, number);
            return std::nullopt;
        }
        case codec::FieldKind::List:
            break;
        }
        if (row.role == ListRole::Country || row.role == ListRole::Operator)
            return File::readPresetChoice(row, value, s);
        if (row.profileStyle == ProfileStyle::HourOrOff) {
            if (auto why = readHour(row, value, s))
                return Reason{*why};
            return std::nullopt;
        }
        const QStringList words =
            profileWordsOf(row, listContext<File>(form_, model_, i18n::English, s));
        std::optional<int> position;
        if (File::boolsForTwoEntries && value.isBool() && words.size() == 2)
            position = value.toBool() ? 1 : 0;
        else
            position = listPosition(value, words);
        if (!position) {
            if (auto why = File::refuseListValue(row, value, s))
                return Reason{*why};
            return notInListReason(value, words);
        }
        row.setNumber(s, valueAt(row, *position));
        return std::nullopt;
    }

    // An hour, or "off" for the entry after the hours.
    static std::optional<QString> readHour(const Row& row, const QJsonValue& value, Settings& s) {
        const int off = row.upper;
        if (value.isString() &&
            value.toString().trimmed().compare(QStringLiteral("off"), Qt::CaseInsensitive) == 0) {
            row.setNumber(s, off);
            return std::nullopt;
        }
        const auto hours = wholeNumber(value);
        if (!hours || *hours < 0 || *hours >= off)
            return QStringLiteral("%1 is not allowed; use 0..%2 or off")
                .arg(describe(value))
                .arg(off - 1);
        row.setNumber(s, *hours);
        return std::nullopt;
    }

    // In "Auto" mode the preset gives the network texts, as the form's read-only boxes do: one
    // given anyway must agree with it, as a profile of an auto-mode file holds them; it is then
    // left to the preset.
    std::optional<ProfileError> checkPresetTexts(Settings& s,
                                                 const std::set<const Row*>& texts) const {
        const Settings preset = withPreset<File>(s);
        for (const Row* row : texts) {
            if (!row->givenByPreset)
                continue;
            if (s.*row->text != preset.*row->text)
                return refused(*row, File::presetRefusal(s, preset.*row->text));
            (s.*row->text).clear();
        }
        return std::nullopt;
    }

    static const Row* rowNamed(const QString& name) {
        return sending::rowNamed(File::rows(), name);
    }
    static ProfileError refused(const Row& row, const Reason& why) {
        return refusedSetting(row.nameText(), why);
    }
    static ProfileError refused(const Row& row, const QString& why) {
        return refusedSetting(row.nameText(), {why});
    }
    std::size_t column() const { return File::column(form_); }
    QString modelText() const {
        return QStringLiteral("model %1 (%2)")
            .arg(model_)
            .arg(isValidModel(model_) ? cameraModel(model_).nameText() : QString());
    }

    Form form_;
    int model_;
    int language_;
    std::vector<std::pair<const Row*, QJsonValue>> given_;
};

} // namespace kestrova::sending
