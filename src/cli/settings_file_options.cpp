#include "cli/settings_file_options.h"

#include "cli/cli_error.h"
#include "cli/console.h"
#include "format/file_history.h"
#include "i18n/language.h"
#include "i18n/messages.h"

namespace kestrova::cli {

OutFolder SettingsFileOptions::outFolder(const QCommandLineParser& parser) const {
    const QString folder = parser.value(out);
    if (folder.isEmpty())
        fail(ExitBadInput, QStringLiteral("--out: the folder is empty; give the folder to write "
                                          "into (\".\" for this one)"));
    return {folder, {isMountPoint(folder)}};
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
