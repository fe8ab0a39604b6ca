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

ProfileDocument readProfileDocument(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return {{},
                QStringLiteral("is not valid JSON: %1 at offset %2")
                    .arg(error.errorString())
                    .arg(error.offset)};
    if (!document.isObject())
        return {{}, QStringLiteral("must hold one JSON object of settings")};
    if (const auto name = repeatedName(json))
        return {{},
                QStringLiteral("names \"%1\" twice; which value is meant cannot be told")
                    .arg(shownValue(*name))};
    const QJsonObject profile = document.object();
    if (const auto verdict = damagedVerdict(profile))
        return {{},
                QStringLiteral("is the report of a damaged file (%1); its values cannot be "
                               "trusted")
                    .arg(*verdict)};
    return {profile, std::nullopt};
}

std::optional<QString> profileKeysProblem(const QJsonObject& profile, const ProfileKeys& keys) {
    const QJsonValue kind = profile.value(QStringLiteral("kind"));
    if (kind.toString() == u"factory-reset" && keys.kind == u"menu")
        return QStringLiteral("is a factory reset record, which holds no settings; write it with "
                              "\"kestrova factory-reset\"");
    if (!kind.isUndefined() && kind.toString() != keys.kind)
        return QStringLiteral("describes a file of kind %1; this command writes %2")
            .arg(describe(kind), keys.kind);
    for (auto it = profile.begin(); it != profile.end(); ++it) {
        const QString& name = it.key();
        if (keys.settings.contains(name) || keys.others.contains(name) || reportKeys.contains(name))
            continue;
        return QStringLiteral("holds the unknown setting \"%1\"; did you mean \"%2\"?")
            .arg(shownValue(name), nearestName(name, keys.settings));
    }
    return std::nullopt;
}

} // namespace kestrova
