#include "cli/settings_file_options.h"

#include "cli/cli_error.h"
#include "cli/console.h"
#include "common/record_file.h"
#include "i18n/messages.h"

namespace kestrova::cli {

int writeSettingsFile(const QString& folder, const char* fileName, const QByteArray& bytes,
                      int language) {
    const WriteResult result = writeRecordFile(folder, QString::fromLatin1(fileName), bytes);
    if (!result.ok())
        fail(ExitWriteFailed, i18n::writeFailureMessage(result, language));
    printLine(result.path);
    return ExitOk;
}

} // namespace kestrova::cli
