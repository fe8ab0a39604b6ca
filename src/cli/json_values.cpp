#include "cli/json_values.h"

#include "cli/cli_error.h"
#include "codec/record_field.h"
#include "common/control_characters.h"
#include "common/profile_document.h"
#include "storage/bounded_read.h"

#include <QJsonDocument>

#include <QJsonParseError>
#include <algorithm>

namespace kestrova::cli {

using storage::BoundedRead;
using storage::readBounded;

namespace {

// Far more than the longest profile inspect prints (about 2 KiB).
constexpr qint64 profileLimit = 1024 * 1024;

void checkProfile(const QString& path, const QJsonObject& profile, const ProfileKeys& keys) {
    if (const auto problem = profileKeysProblem(profile, keys))
        fail(ExitBadInput, QStringLiteral("the profile %1 %2").arg(path, *problem));
}

} // namespace

QString terminalJson(const QJsonObject& object) {
    return terminalJson(QJsonDocument(object));
}

QString terminalJson(const QJsonDocument& document) {
    const QString text = QString::fromUtf8(document.toJson(QJsonDocument::Indented)).trimmed();
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x7F && isControlCharacter(c.unicode()))
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
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
        fail(ExitBadInput, QStringLiteral("the profile %1 is %2; a profile holds at most %3")
                               .arg(path, read.sizeText())
                               .arg(profileLimit));
    case BoundedRead::Status::ReadError:
        fail(ExitWriteFailed, QStringLiteral("cannot read %1: %2").arg(path, read.reason));
    }
    const ProfileDocument document = readProfileDocument(read.bytes);
    if (document.problem)
        fail(ExitBadInput, QStringLiteral("the profile %1 %2").arg(path, *document.problem));
    checkProfile(path, document.object, keys);
    return document.object;
}

} // namespace kestrova::cli
