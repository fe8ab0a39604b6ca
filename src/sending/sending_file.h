#pragma once

#include "common/profile_document.h"
#include "sending/sending_checks.h"
#include "sending/sending_record.h"
#include "sending/sending_row.h"

#include <QJsonValue>
#include <QString>

#include <concepts>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kestrova::sending {

// The country code of "Manual" mode, in both files.
inline constexpr int manualCountry = 0x80;

// The only entry of the country and operator lists in "Manual" mode, in every language.
inline QString manualEntry() {
    return QStringLiteral("Other");
}

// What a sending file is: its table, and the small part of its own that the table does not say.
// The record, the profiles, the forms, the plan and the command read a file through this.
template <typename F>
concept SendingFile = requires(const typename F::Settings& settings, typename F::Form form,
                               const typename F::Row& row, const QJsonValue& value, int number,
                               QString& text) {
    typename F::Field;
    requires std::same_as<typename F::Row, SendingRow<typename F::Settings, typename F::Field>>;
    // The file's name on the card, and how profiles name its kind.
    { F::fileName } -> std::convertible_to<const char*>;
    { F::rows() } -> std::same_as<std::span<const typename F::Row>>;
    { F::column(form) } -> std::same_as<std::size_t>;
    { F::form(number) } -> std::same_as<typename F::Form>; // the form a model has
    {
        F::layout(form)
        } -> std::same_as<const ContainerLayout<typename F::Settings, typename F::Field>&>;
    { F::profileKeys() } -> std::same_as<ProfileKeys>;
    // The texts of the rows given by preset, in table order, for a country and an operator.
    { F::presetTexts(number, number) } -> std::same_as<std::vector<std::string_view>>;
    // Generate's checks in their order, on the settings as written (the preset's texts in).
    { F::checks(settings, form, number) } -> std::same_as<std::vector<Check<typename F::Field>>>;
    // Profiles: a text, a preset's country or operator, a value a list refuses in so many words.
    { F::readText(row, value, form, number, text) } -> std::same_as<std::optional<QString>>;
};

// The settings with the operator preset's texts in "Auto" mode; "Manual" keeps what was typed.
template <SendingFile File> typename File::Settings withPreset(typename File::Settings settings) {
    if (settings.automatic != 1)
        return settings;
    const std::vector<std::string_view> texts =
        File::presetTexts(settings.country, settings.operatorCode);
    std::size_t next = 0;
    for (const typename File::Row& row : File::rows()) {
        if (row.givenByPreset && next < texts.size()) {
            const std::string_view given = texts[next++];
            settings.*row.text = QString::fromUtf8(given.data(), qsizetype(given.size()));
        }
    }
    return settings;
}

// What Generate builds, or why it wrote nothing: the first check that failed, or the value the
// record refused.
template <typename Field> struct Prepared {
    QByteArray bytes;
    std::optional<CheckFailure<Field>> failure;
    std::optional<FieldError> refusal;

    bool written() const { return !failure && !refusal; }
};

// Everything Generate does before writing, shared by the forms and the command: the preset in
// "Auto" mode, the checks in their order, then the record with its own refusals.
template <SendingFile File>
Prepared<typename File::Field> prepare(const typename File::Settings& settings,
                                       typename File::Form form, int model, int languageByte,
                                       std::uint16_t tvMode) {
    Prepared<typename File::Field> prepared;
    const typename File::Settings written = withPreset<File>(settings);
    if ((prepared.failure = firstFailure(File::checks(written, form, model))))
        return prepared;
    RecordBytes record = buildContainer(File::rows(), File::column(form), File::layout(form),
                                        written, languageByte, tvMode);
    prepared.refusal = record.error;
    prepared.bytes = record.bytes;
    return prepared;
}

} // namespace kestrova::sending
