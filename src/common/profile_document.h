#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrova {

// Why a JSON text or object is no profile of the kind wanted.
enum class ProfileFault {
    NotJson,      // the parser's reason, the offset
    NotObject,    //
    NameTwice,    // the name
    Damaged,      // the report's own verdict
    FactoryReset, //
    OtherKind,    // the kind given, the kind wanted
    UnknownName,  // the name, the nearest setting
};

// A fault with what its message names, in order. The English text reads after "the profile
// FILE" ("is not valid JSON: ..."); the forms put their own words around the same values.
struct ProfileProblem {
    ProfileFault fault;
    QStringList values;

    QString text() const;
    // A message of the caller's own with the values in it.
    QString filled(const QString& pattern) const;
};

// A settings profile read from its JSON text, or why it cannot be one: it must be one object
// that names each setting once (with a name twice, which one is meant cannot be told), and a
// report of inspect must be one of a whole, intact file.
struct ProfileDocument {
    QJsonObject object;
    std::optional<ProfileProblem> problem;
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
// (with the nearest one).
std::optional<ProfileProblem> profileKeysProblem(const QJsonObject& profile,
                                                 const ProfileKeys& keys);

// The document's problems, then those of its keys: the whole check of a profile's text.
ProfileDocument readProfileDocument(const QByteArray& json, const ProfileKeys& keys);

} // namespace kestrova
