#include "cli/json_values.h"

#include "cli/cli_error.h"
#include "codec/record_field.h"
#include "common/control_characters.h"
#include "dialog/profile_file.h"

#include <QJsonDocument>

#include <QJsonParseError>
#include <algorithm>

namespace kestrova::cli {

using storage::BoundedRead;

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
    const dialog::ProfileFile file = dialog::readProfileFile(path, keys);
    const BoundedRead& read = file.read;
    switch (read.status) {
    case BoundedRead::Status::Ok:
        break;
    case BoundedRead::Status::CannotOpen:
    case BoundedRead::Status::NotRegular:
        fail(ExitBadInput, QStringLiteral("cannot read the profile %1: %2").arg(path, read.reason));
    case BoundedRead::Status::TooLarge:
        fail(ExitBadInput, QStringLiteral("the profile %1 is %2; a profile holds at most %3")
                               .arg(path, read.sizeText())
                               .arg(dialog::profileLimit));
    case BoundedRead::Status::ReadError:
        fail(ExitWriteFailed, QStringLiteral("cannot read %1: %2").arg(path, read.reason));
    }
    if (const auto& problem = file.document.problem)
        fail(ExitBadInput, QStringLiteral("the profile %1 %2").arg(path, problem->text()));
    return file.document.object;
}

} // namespace kestrova::cli
