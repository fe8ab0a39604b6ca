#include "cli/settings_file_options.h"

#include "card/system_volumes.h"
#include "cli/cli_error.h"
#include "cli/console.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "storage/file_history.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace kestrova::cli {

namespace {

// The folders under which the system mounts cards, when it keeps the mount folders.
const QStringList mountBases{QStringLiteral("/media"), QStringLiteral("/run/media"),
                             QStringLiteral("/mnt")};

// The folder a card left behind: empty, under one of the mount bases and on that base's own
// file system, not on a volume mounted below it.
std::optional<QString> bareMountBase(const QString& folder) {
#ifdef Q_OS_UNIX
    const QString path = QFileInfo(folder).canonicalFilePath();
    for (const QString& base : mountBases) {
        if (!path.startsWith(base + u'/'))
            continue;
        struct stat here {};
        struct stat below {};
        if (::stat(QFile::encodeName(path).constData(), &here) != 0 ||
            ::stat(QFile::encodeName(base).constData(), &below) != 0 || here.st_dev != below.st_dev)
            return std::nullopt;
        if (QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot))
            return base;
    }
#else
    // A card on Windows is a drive letter of its own, gone with the card: no folder of the PC
    // stays behind under its name.
    Q_UNUSED(folder);
#endif
    return std::nullopt;
}

} // namespace

OutFolder outFolderAt(const QString& path, bool allowFixed) {
    if (!allowFixed) {
        if (const auto base = bareMountBase(path))
            fail(ExitWriteFailed,
                 QStringLiteral("%1 is an empty folder on the PC's own disk under %2, where cards "
                                "are mounted: no card is mounted there, and a file written there "
                                "would never reach the camera. Give --allow-fixed to write there "
                                "all the same.")
                     .arg(escapedText(path), *base));
    }
    static const card::SystemVolumes volumes;
    OutFolder folder{path, {}};
    folder.options.mustBeMountPoint = isMountPoint(path);
    folder.options.volume = card::identityAt(&volumes, path);
    folder.options.volumeAt = [](const QString& at) { return card::identityAt(&volumes, at); };
    return folder;
}

void SettingsFileOptions::refuseIf(const std::optional<ProfileError>& error) {
    if (error)
        fail(ExitBadInput, error->message);
}

OutFolder SettingsFileOptions::outFolder(const QCommandLineParser& parser) const {
    const QString folder = parser.value(out);
    if (folder.isEmpty())
        fail(ExitBadInput, QStringLiteral("--out: the folder is empty; give the folder to write "
                                          "into (\".\" for this one)"));
    return outFolderAt(folder, parser.isSet(allowFixed));
}

int writeSettingsFile(const OutFolder& folder, const char* fileName, const QByteArray& bytes,
                      int language) {
    FileHistory history(FileHistory::defaultRoot());
    WriteOptions options = folder.options;
    options.history = &history;
    const WriteResult result =
        writeRecordFile(folder.path, QString::fromLatin1(fileName), bytes, options);
    const bool chinese = i18n::textLanguage(language) == i18n::Chinese;
    // The windows point to their Load from card; here the command itself checks the file.
    if (result.failure == WriteFailure::Unchecked)
        fail(ExitWriteFailed,
             (chinese ? QStringLiteral("文件 %1 已写入，但无法读回校验。请重新写入，或用"
                                       "“kestrova inspect %1”检查。")
                      : QStringLiteral("The file %1 was written, but it could not be read back "
                                       "to check it. Write it again, or check it with "
                                       "\"kestrova inspect %1\"."))
                 .arg(result.path));
    if (!result.ok())
        fail(ExitWriteFailed,
             i18n::writeFailureMessage(result, chinese ? i18n::Chinese : i18n::English));
    if (result.oldCopy == OldCopy::NotKept)
        printErrorLine(QStringLiteral("kestrova: no copy of the file it replaced could be kept in "
                                      "the history (%1)")
                           .arg(escapedText(result.oldCopyProblem)));
    printLine(result.path);
    return ExitOk;
}

} // namespace kestrova::cli
