#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace kestrova {

// A settings profile read from its JSON text, or why it cannot be one: it must be one object
// that names each setting once (with a name twice, which one is meant cannot be told), and a
// report of inspect must be one of a whole, intact file. The reason reads after "the profile
// FILE" ("is not valid JSON: ...").
struct ProfileDocument {
    QJsonObject object;
    std::optional<QString> problem;
};

ProfileDocument readProfileDocument(const QByteArray& json);

} // namespace kestrova
