#include "common/profile_values.h"

#include "common/profile_reader.h"

#include "common/control_characters.h"
#include "common/range_check.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kestrova {

namespace {

constexpr qsizetype shownLength = 60;

const QString namePrefix = QStringLiteral("name:");

QString escaped(const QString& text, bool quoted) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (isControlCharacter(c.unicode()))
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

} // namespace

QString escapedText(const QString& text) {
    return escaped(text, false);
}

QString quotedText(const QString& text) {
    return u'"' + escaped(text, true) + u'"';
}

QString shownValue(const QString& text) {
    QString shown = escapedText(text);
    if (shown.size() <= shownLength)
        return shown;
    return shown.left(shownLength) + QStringLiteral("... (%1 characters)").arg(text.size());
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
                       [](QChar c) { return isControlCharacter(c.unicode()); });
}

QJsonValue entryOrNumber(int value, const QStringList& entries) {
    if (value >= 0 && value < entries.size())
        return entries[value];
    return value;
}

QJsonValue uniqueName(int value, const QStringList& names) {
    if (value < 0 || value >= names.size())
        return value;
    const QString name = names[value].trimmed();
    for (qsizetype at = 0; at < names.size(); ++at) {
        if (names[at].trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return at == value ? QJsonValue(entryName(names[value])) : QJsonValue(value);
    }
    return value;
}

QString notInList(const QJsonValue& value, const QStringList& entries) {
    return notInListReason(value, entries).text;
}

Reason notInListReason(const QJsonValue& value, const QStringList& entries) {
    const char* source =
        QT_TRANSLATE_NOOP("ProfileReason", "%1 is not allowed; use a position 0..%2 or one of: %3");
    const QStringList arguments{describe(value), QString::number(entries.size() - 1),
                                entries.join(QStringLiteral(", "))};
    return {QString::fromLatin1(source).arg(arguments[0], arguments[1], arguments[2]), source,
            arguments};
}

QString nearestName(const QString& name, const QStringList& known) {
    // Only the start of a name is compared: the distance takes time in the product of the
    // lengths, and no known name is anywhere near this long.
    const QString compared = name.left(comparedNameLength);
    QString nearest;
    qsizetype best = -1;
    for (const QString& candidate : known) {
        const qsizetype distance = editDistance(compared, candidate.left(comparedNameLength));
        if (best < 0 || distance < best) {
            best = distance;
            nearest = candidate;
        }
    }
    return nearest;
}

QString unknownSettingMessage(const QString& name, const QStringList& settings) {
    return QStringLiteral("unknown setting \"%1\" (did you mean \"%2\"?); the settings are: %3")
        .arg(shownValue(name), nearestName(name, settings), settings.join(QStringLiteral(", ")));
}

} // namespace kestrova
