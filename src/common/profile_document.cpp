#include "common/profile_document.h"

#include "common/profile_values.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace kestrova {

namespace {

// The first name the outermost object holds twice, in JSON text already known to be valid.
std::optional<QString> repeatedName(const QByteArray& json) {
    QSet<QString> names;
    int depth = 0;
    for (qsizetype at = 0; at < json.size(); ++at) {
        const char c = json[at];
        if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            --depth;
        } else if (c == '"') {
            const qsizetype start = at;
            for (++at; json[at] != '"'; ++at) {
                if (json[at] == '\\')
                    ++at;
            }
            qsizetype next = at + 1;
            while (next < json.size() && QChar::isSpace(json[next]))
                ++next;
            if (depth != 1 || next >= json.size() || json[next] != ':')
                continue;
            const QString name =
                QJsonDocument::fromJson('[' + json.mid(start, at - start + 1) + ']')
                    .array()
                    .first()
                    .toString();
            if (names.contains(name))
                return name;
            names.insert(name);
        }
    }
    return std::nullopt;
}

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

} // namespace

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

} // namespace kestrova
