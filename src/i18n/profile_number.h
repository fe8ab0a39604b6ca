#pragma once

#include "common/profile_reader.h"
#include "common/range_check.h"

#include <QJsonValue>
#include <QString>

#include <optional>

namespace kestrova::i18n {

// A number setting's value from a profile or NAME=VALUE: a whole number in the range goes into
// `into`; otherwise the form's own message for it, in the display language, with the value
// given ("Please enter an integer (got "x")").
std::optional<Reason> takeProfileNumber(const QJsonValue& value, IntRange range, int language,
                                        int& into);

} // namespace kestrova::i18n
