#pragma once

#include "cli/json_values.h"
#include "common/profile_reader.h"
#include "storage/record_file.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>

namespace kestrova::cli {

// The folder a command writes into, and whether it was a card's mount point when given.
struct OutFolder {
    QString path;
    WriteOptions options;
};

// --out, --profile and --set: what every command that writes a settings file takes.
struct SettingsFileOptions {
    QCommandLineOption out{QStringLiteral("out"),
                           QStringLiteral("Folder to write into (default: this one)."),
                           QStringLiteral("DIR"), QStringLiteral(".")};
    QCommandLineOption profile{
        QStringLiteral("profile"),
        QStringLiteral("Settings from a JSON object (as inspect --json prints)."),
        QStringLiteral("FILE.json")};
    QCommandLineOption set;
    QCommandLineOption allowFixed{
        QStringLiteral("allow-fixed"),
        QStringLiteral("Write into an empty folder where cards are mounted (under /media, "
                       "/run/media or /mnt) although no card is mounted there.")};

    // How the command reads a setting's value, for --help.
    explicit SettingsFileOptions(const QString& setHelp)
        : set(QStringLiteral("set"), setHelp, QStringLiteral("NAME=VALUE")) {}

    void addTo(QCommandLineParser& parser) const {
        parser.addOptions({out, profile, set, allowFixed});
    }

    // --out as given; an empty one (an unset variable in a script, say) ends the command.
    OutFolder outFolder(const QCommandLineParser& parser) const;

    // The settings of the profile, then of each --set in order, as the reader takes them; the
    // first refusal ends the command, before anything is written.
    template <typename Settings>
    Settings read(const QCommandLineParser& parser, ProfileReader<Settings>& reader,
                  const ProfileKeys& keys) const {
        if (parser.isSet(profile))
            refuseIf(reader.takeProfile(readProfile(parser.value(profile), keys)));
        for (const QString& assignment : parser.values(set))
            refuseIf(reader.takeAssignment(assignment));
        const ProfileRead<Settings> read = reader.settings();
        refuseIf(read.error);
        return read.settings;
    }

private:
    static void refuseIf(const std::optional<ProfileError>& error);
};

// The folder to write into, with the volume mounted there. A card's empty mount folder on the
// PC's own disk ends the command unless `allowFixed`: the card is not there, and a file written
// there would never reach the camera.
OutFolder outFolderAt(const QString& path, bool allowFixed);

// Writes the file into the folder and prints its path; a failure ends the command with the
// message that names the file and the reason.
int writeSettingsFile(const OutFolder& folder, const char* fileName, const QByteArray& bytes,
                      int language);

} // namespace kestrova::cli
