#include "common/profile_document.h"

#include "common/profile_values.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QList>
#include <QSet>

namespace kestrova {

namespace {

// The first name an object holds twice, in JSON text already known to be valid.
std::optional<QString> repeatedName(const QByteArray& json) {
    // The names seen so far in each object that is open; an array holds none.
    QList<std::optional<QSet<QString>>> open;
    for (qsizetype at = 0; at < json.size(); ++at) {
        const char c = json[at];
        if (c == '{') {
            open.append(QSet<QString>());
        } else if (c == '[') {
            open.append(std::nullopt);
        } else if (c == '}' || c == ']') {
            open.removeLast();
        } else if (c == '"') {
            const qsizetype start = at;
            for (++at; json[at] != '"'; ++at) {
                if (json[at] == '\\')
                    ++at;
            }
            qsizetype next = at + 1;
            while (next < json.size() && QChar::isSpace(json[next]))
                ++next;
            if (open.isEmpty() || !open.last() || next >= json.size() || json[next] != ':')
                continue;
            const QString name =
                QJsonDocument::fromJson('[' + json.mid(start, at - start + 1) + ']')
                    .array()
                    .first()
                    .toString();
            if (open.last()->contains(name))
                return name;
            open.last()->insert(name);
        }
    }
    return std::nullopt;
}

// Names every report of inspect carries besides its kind's own.
const QStringList reportKeys{QStringLiteral("kind"),         QStringLiteral("crc_ok"),
                             QStringLiteral("intact"),       QStringLiteral("model"),
                             QStringLiteral("out_of_range"), QStringLiteral("refusal"),
                             QStringLiteral("summary"),      QStringLiteral("conflicts")};

} // namespace

// A report's own verdict, where it gives one: anything but true speaks of a damaged file.
std::optional<QString> damagedVerdict(const QJsonObject& profile) {
    for (const char* name : {"intact", "crc_ok"}) {
        const QJsonValue value = profile.value(QLatin1String(name));
        if (!value.isUndefined() && value != QJsonValue(true))
            return QStringLiteral("\"%1\": %2").arg(QLatin1String(name), describe(value));
    }
    const QJsonValue outOfRange = profile.value(QStringLiteral("out_of_range"));
    if (!outOfRange.isUndefined() && outOfRange != QJsonValue(QJsonArray()))
        return QStringLiteral("\"out_of_range\": %1").arg(describe(outOfRange));
    return std::nullopt;
}

QString ProfileProblem::text() const {
    QString text;
    switch (fault) {
    case ProfileFault::NotJson:
        text = QStringLiteral("is not valid JSON: %1 at offset %2");
        break;
    case ProfileFault::NotObject:
        text = QStringLiteral("must hold one JSON object of settings");
        break;
    case ProfileFault::NameTwice:
        text = QStringLiteral("names \"%1\" twice; which value is meant cannot be told");
        break;
    case ProfileFault::Damaged:
        text = QStringLiteral("is the report of a damaged file (%1); its values cannot be trusted");
        break;
    case ProfileFault::FactoryReset:
        text = QStringLiteral("is a factory reset record, which holds no settings; write it with "
                              "\"kestrova factory-reset\"");
        break;
    case ProfileFault::OtherKind:
        text = QStringLiteral("describes a file of kind %1; this command writes %2");
        break;
    case ProfileFault::UnknownName:
        text = QStringLiteral("holds the unknown setting \"%1\"; did you mean \"%2\"?");
        break;
    }
    return filled(text);
}

QString ProfileProblem::filled(const QString& pattern) const {
    // All at once, so a value that reads like "%1" stays as it is.
    switch (values.size()) {
    case 0:
        return pattern;
    case 1:
        return pattern.arg(values[0]);
    default:
        return pattern.arg(values[0], values[1]);
    }
}

ProfileDocument readProfileDocument(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return {{},
                ProfileProblem{ProfileFault::NotJson,
                               {error.errorString(), QString::number(error.offset)}}};
    if (!document.isObject())
        return {{}, ProfileProblem{ProfileFault::NotObject, {}}};
    if (const auto name = repeatedName(json))
        return {{}, ProfileProblem{ProfileFault::NameTwice, {shownValue(*name)}}};
    const QJsonObject profile = document.object();
    if (const auto verdict = damagedVerdict(profile))
        return {{}, ProfileProblem{ProfileFault::Damaged, {*verdict}}};
    return {profile, std::nullopt};
}

std::optional<ProfileProblem> profileKeysProblem(const QJsonObject& profile,
                                                 const ProfileKeys& keys) {
    const QJsonValue kind = profile.value(QStringLiteral("kind"));
    if (kind.toString() == u"factory-reset" && keys.kind == u"menu")
        return ProfileProblem{ProfileFault::FactoryReset, {}};
    if (!kind.isUndefined() && kind.toString() != keys.kind)
        return ProfileProblem{ProfileFault::OtherKind, {describe(kind), keys.kind}};
    for (auto it = profile.begin(); it != profile.end(); ++it) {
        const QString& name = it.key();
        if (keys.settings.contains(name) || keys.others.contains(name) || reportKeys.contains(name))
            continue;
        return ProfileProblem{ProfileFault::UnknownName,
                              {shownValue(name), nearestName(name, keys.settings)}};
    }
    return std::nullopt;
}

ProfileDocument readProfileDocument(const QByteArray& json, const ProfileKeys& keys) {
    ProfileDocument document = readProfileDocument(json);
    if (!document.problem)
        document.problem = profileKeysProblem(document.object, keys);
    return document;
}

} // namespace kestrova
