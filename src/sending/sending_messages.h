#pragma once

#include "codec/record_field.h"
#include "sending/sending_checks.h"
#include "sending/sending_file.h"
#include "sending/sending_row.h"

#include <QString>

#include <optional>

namespace kestrova::sending {

// The name a row has in messages where no label of the form gives it: Chinese in Chinese,
// English otherwise; empty where the row has none.
QString messageName(const codec::MessageName& name, int language);

// The message for a value the record could not take. `name` is how the user knows the field:
// its name in messages, else its caption in the form or its setting name on the command line.
// A number outside its range is told by the range alone where the field has no message name,
// as the form's own range check tells it.
QString refusalText(const codec::FieldError& error, const QString& name, bool messageNamed,
                    bool number, int language);

// The name of a row in the messages of a form whose caption is `caption`.
template <typename Row> QString nameInForm(const Row& row, const QString& caption, int language) {
    const QString named = messageName(row.message, language);
    return named.isEmpty() ? caption : named;
}

// A refusal as the form shows it.
template <typename Row>
QString refusalInForm(const codec::FieldError& error, const Row* row, const QString& caption,
                      int language) {
    if (!row)
        return refusalText(error, error.field, false, false, language);
    return refusalText(error, nameInForm(*row, caption, language), !row->message.english.empty(),
                       row->kind == codec::FieldKind::Number, language);
}

// A refusal as the command prints it: it starts with the setting's name.
template <typename Row>
QString refusalInCommand(const codec::FieldError& error, const Row* row, int language) {
    if (!row)
        return refusalText(error, error.field, false, false, language);
    if (row->message.english.empty())
        return refusalText(error, row->nameText(), false, row->kind == codec::FieldKind::Number,
                           language);
    return row->nameText() + QStringLiteral(": ") +
           refusalText(error, messageName(row->message, language), true, false, language);
}

// A failed check as the command prints it.
template <typename Row>
QString failureInCommand(const CheckText& text, const Row& row, int language) {
    return row.nameText() + QStringLiteral(": ") + checkText(text, language);
}

// Why Generate would write nothing, as the command prints it; nothing when it would write.
template <SendingFile File>
std::optional<QString> commandRefusal(const Prepared<typename File::Field>& prepared,
                                      int language) {
    const auto rowOf = [](int id) { return &File::rows()[std::size_t(id)]; };
    if (const auto& failure = prepared.failure)
        return failureInCommand(failure->text, *rowOf(static_cast<int>(failure->field)), language);
    if (const auto& error = prepared.refusal)
        return refusalInCommand(*error, error->id >= 0 ? rowOf(error->id) : nullptr, language);
    return std::nullopt;
}

} // namespace kestrova::sending
