#pragma once

#include "i18n/messages.h"
#include "i18n/notices.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace kestrova::sending {

// What a check says when it fails: a message the forms have always shown, or one of our own.
using CheckText = std::variant<i18n::Message, i18n::Notice>;

QString checkText(const CheckText& text, int language);

// One of Generate's checks: whether it fails, what it says then, and the field it is about.
template <typename Field> struct Check {
    bool failed;
    CheckText text;
    Field field;
};

// The first check that failed: its step (1 for the first check of the list), what it says and
// its field.
template <typename Field> struct CheckFailure {
    int step;
    CheckText text;
    Field field;

    bool operator==(const CheckFailure&) const = default;
};

// The checks run in the order of the list; the first that fails stops them.
template <typename Field>
std::optional<CheckFailure<Field>> firstFailure(const std::vector<Check<Field>>& checks) {
    for (int step = 1; const Check<Field>& check : checks) {
        if (check.failed)
            return CheckFailure<Field>{step, check.text, check.field};
        ++step;
    }
    return std::nullopt;
}

} // namespace kestrova::sending
