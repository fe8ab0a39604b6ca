#pragma once

#include "common/profile_document.h"
#include "storage/record_file.h"

#include <QByteArray>

#include <QJsonObject>
#include <QString>

#include <array>
#include <optional>

namespace kestrova::fleet {

// The files a kit can hold settings for, in the order they are written.
enum class KitPart { Menu, Mms, Smtp };
inline constexpr std::array kitParts{KitPart::Menu, KitPart::Mms, KitPart::Smtp};

// "menu", "mms" or "smtp": the section's name in a kit and its profile's kind.
QString sectionName(KitPart part);
// "menu.dat", "setup.dat" or "smtp.dat".
QString partFileName(KitPart part);
// What a section may name, as a profile of its kind.
ProfileKeys profileKeys(KitPart part);

// The settings every camera of a set gets: one camera model and the profiles of up to three
// files, each as `kestrova inspect --json` prints it, under a name people know the set by.
struct Kit {
    QString name;
    int model = 0;
    std::array<std::optional<QJsonObject>, 3> sections;

    const std::optional<QJsonObject>& section(KitPart part) const {
        return sections[static_cast<std::size_t>(part)];
    }
    std::optional<QJsonObject>& section(KitPart part) {
        return sections[static_cast<std::size_t>(part)];
    }
};

struct KitRead {
    Kit kit;
    QByteArray sha256;              // of the file's bytes, as hex
    std::optional<QString> problem; // reads after "the kit FILE"
};

// A kit from its JSON text: its shape, and each section by the rules of a profile (an intact
// file's report of the section's own kind, naming only its settings). Whether the settings
// themselves make a file is for prepareKit to say.
KitRead parseKit(const QByteArray& json);

// The kit file at the path, read as parseKit does; a file too large or not a regular file is
// refused.
KitRead readKitFile(const QString& path);

QByteArray kitJson(const Kit& kit);

// Writes the kit through the durable writer, readable by its owner alone: a kit may hold the
// passwords of the camera's accounts.
WriteResult writeKitFile(const QString& path, const Kit& kit);

// The passwords the kit holds, by section and setting ("smtp.sender_password"): none when every
// password setting is empty or absent.
QStringList kitPasswords(const Kit& kit);

// The SHA-256 of bytes as lower-case hex.
QByteArray sha256Hex(const QByteArray& bytes);

} // namespace kestrova::fleet
