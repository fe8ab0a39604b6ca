#include "cli/json_values.h"

#include "cli/bounded_read.h"
#include "cli/cli_error.h"
#include "common/range_check.h"
#include "format/record_field.h"

#include <QFile>
#include <QJsonParseError>

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kestrova::cli {

namespace {

constexpr qsizetype shownLength = 60;

const QString namePrefix = QStringLiteral("name:");

// Far more than the longest profile inspect prints (about 2 KiB).
constexpr qint64 profileLimit = 1024 * 1024;

QString escaped(const QString& text, bool quoted) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (format::isControlCharacter(c.unicode()))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else if (quoted && (c == u'\\' || c == u'"'))
            out += QStringLiteral("\\") + c;
        else
            out += c;
    }
    return out;
}

// Levenshtein distance: insertions, deletions and substitutions, one each.
qsizetype editDistance(const QString& a, const QString& b) {
    std::vector<qsizetype> row(static_cast<std::size_t>(b.size() + 1));
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[static_cast<std::size_t>(j)] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const auto at = static_cast<std::size_t>(j);
            const qsizetype above = row[at];
            row[at] =
                std::min({above + 1, row[at - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// Names every report of inspect carries besides its kind's own.
const QStringList reportKeys{QStringLiteral("kind"), QStringLiteral("crc_ok"),
                             QStringLiteral("intact"), QStringLiteral("model"),
                             QStringLiteral("out_of_range")};

void checkProfile(const QString& path, const QJsonObject& profile, const ProfileKeys& keys) {
    const QJsonValue kind = profile.value(QStringLiteral("kind"));
    if (kind.toString() == u"factory-reset" && keys.kind == u"menu")
        fail(ExitBadInput, QStringLiteral("the profile %1 is a factory reset record, which holds "
                                          "no settings; write it with \"kestrova factory-reset\"")
                               .arg(path));
    // A damaged file's values are whatever its bytes happen to hold, not settings.
    if (profile.value(QStringLiteral("intact")) == QJsonValue(false))
        fail(ExitBadInput, QStringLiteral("the profile %1 is the report of a damaged file "
                                          "(\"intact\": false); its values cannot be trusted")
                               .arg(path));
    if (!kind.isUndefined() && kind.toString() != keys.kind)
        fail(ExitBadInput, QStringLiteral("the profile %1 describes a file of kind %2; this "
                                          "command writes %3")
                               .arg(path, describe(kind), keys.kind));
    for (auto it = profile.begin(); it != profile.end(); ++it) {
        const QString& name = it.key();
        if (keys.settings.contains(name) || keys.others.contains(name) || reportKeys.contains(name))
            continue;
        fail(ExitBadInput,
             QStringLiteral("the profile %1 holds the unknown setting \"%2\"; did you mean "
                            "\"%3\"?")
                 .arg(path, shownValue(name), nearestName(name, keys.settings)));
    }
}

} // namespace

QString escapedText(const QString& text) {
    return escaped(text, false);
}

QString quotedText(const QString& text) {
    return u'"' + escaped(text, true) + u'"';
}

QString shownValue(const QString& text) {
    const QString shown = escapedText(text);
    if (shown.size() <= shownLength)
        return shown;
    return shown.left(shownLength) + QStringLiteral("... (%1 characters)").arg(text.size());
}

QString terminalJson(const QJsonObject& object) {
    const QString text =
        QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).trimmed();
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x7F && format::isControlCharacter(c.unicode()))
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString describe(const QJsonValue& value) {
    if (value.isString())
        return u'"' + shownValue(value.toString()) + u'"';
    return shownValue(QString::fromUtf8(
        QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1)));
}

std::optional<int> wholeNumber(const QJsonValue& value) {
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::floor(number) != number || std::abs(number) > 1e9)
            return std::nullopt;
        return static_cast<int>(number);
    }
    if (value.isString())
        return parseInteger(value.toString());
    return std::nullopt;
}

std::optional<int> listPosition(const QJsonValue& value, const QStringList& entries) {
    if (const auto number = wholeNumber(value)) {
        if (*number >= 0 && *number < entries.size())
            return number;
        return std::nullopt;
    }
    if (!value.isString())
        return std::nullopt;
    QString text = value.toString().trimmed();
    if (text.startsWith(namePrefix, Qt::CaseInsensitive))
        text = text.mid(namePrefix.size()).trimmed();
    for (qsizetype at = 0; at < entries.size(); ++at) {
        if (entries[at].trimmed().compare(text, Qt::CaseInsensitive) == 0)
            return static_cast<int>(at);
    }
    return std::nullopt;
}

QString entryName(const QString& entry) {
    return parseInteger(entry.trimmed()) ? namePrefix + entry : entry;
}

bool holdsControl(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return format::isControlCharacter(c.unicode()); });
}

QString notInList(const QJsonValue& value, const QStringList& entries) {
    return QStringLiteral("%1 is not allowed; use a position 0..%2 or one of: %3")
        .arg(describe(value))
        .arg(entries.size() - 1)
        .arg(entries.join(QStringLiteral(", ")));
}

QJsonObject readProfile(const QString& path, const ProfileKeys& keys) {
    const BoundedRead read = readBounded(path, profileLimit);
    switch (read.status) {
    case BoundedRead::Status::Ok:
        break;
    case BoundedRead::Status::CannotOpen:
    case BoundedRead::Status::NotRegular:
        fail(ExitBadInput, QStringLiteral("cannot read the profile %1: %2").arg(path, read.reason));
    case BoundedRead::Status::TooLarge:
        fail(ExitBadInput, QStringLiteral("the profile %1 is %2 bytes; a profile holds at most %3")
                               .arg(path)
                               .arg(read.size)
                               .arg(profileLimit));
    case BoundedRead::Status::ReadError:
        fail(ExitWriteFailed, QStringLiteral("cannot read %1: %2").arg(path, read.reason));
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(read.bytes, &error);
    if (error.error != QJsonParseError::NoError)
        fail(ExitBadInput, QStringLiteral("the profile %1 is not valid JSON: %2 at offset %3")
                               .arg(path, error.errorString())
                               .arg(error.offset));
    if (!document.isObject())
        fail(ExitBadInput,
             QStringLiteral("the profile %1 must hold one JSON object of settings").arg(path));
    const QJsonObject profile = document.object();
    checkProfile(path, profile, keys);
    return profile;
}

QString nearestName(const QString& name, const QStringList& known) {
    QString nearest;
    qsizetype best = -1;
    for (const QString& candidate : known) {
        const qsizetype distance = editDistance(name, candidate);
        if (best < 0 || distance < best) {
            best = distance;
            nearest = candidate;
        }
    }
    return nearest;
}

void unknownSetting(const QString& name, const QStringList& settings) {
    fail(ExitBadInput, QStringLiteral("unknown setting \"%1\" (did you mean \"%2\"?); the "
                                      "settings are: %3")
                           .arg(shownValue(name), nearestName(name, settings),
                                settings.join(QStringLiteral(", "))));
}

} // namespace kestrova::cli
