#include "common/profile_reader.h"

#include "common/profile_values.h"

namespace kestrova {

Assignment splitAssignment(const QString& text) {
    const auto equals = text.indexOf(u'=');
    if (equals <= 0)
        return {{},
                {},
                ProfileError{
                    QStringLiteral("--set expects NAME=VALUE, got \"%1\"").arg(shownValue(text))}};
    return {text.left(equals).trimmed(), text.mid(equals + 1), std::nullopt};
}

ProfileError refusedSetting(const QString& name, const Reason& why) {
    return {name + QStringLiteral(": ") + why.text, why.source, why.arguments, name};
}

std::optional<QString> notNumberOrText(const QJsonValue& value) {
    if (value.isString() || value.isDouble())
        return std::nullopt;
    return QStringLiteral("expected a number or a text, got %1").arg(describe(value));
}

} // namespace kestrova
