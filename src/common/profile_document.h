#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

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

// A profile of inspect's report, judged as a whole: why its own verdict speaks against it.
std::optional<QString> damagedVerdict(const QJsonObject& profile);

// What a profile of one kind may name: the kind of file it is for, the names of its settings,
// and the names inspect prints beside them that are not settings (read past, never applied).
struct ProfileKeys {
    QString kind;
    QStringList settings;
    QStringList others;
};

// Why a profile cannot be one of that kind: another kind's report, or a name that is no setting
// (with the nearest one). The reason reads after "the profile FILE".
std::optional<QString> profileKeysProblem(const QJsonObject& profile, const ProfileKeys& keys);

} // namespace kestrova
