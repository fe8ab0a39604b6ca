#include "cli/fleet_files.h"

#include "cli/cli_error.h"
#include "cli/process_options.h"
#include "i18n/language.h"

#include <QSaveFile>

namespace kestrova::cli {

fleet::RecordDefaults storedRecordDefaults() {
    const app::ProcessState state = ProcessOptions::stored();
    const bool chinese = i18n::textLanguage(state.language()) == i18n::Chinese;
    return {state.recordLanguage(), state.tvMode, chinese ? i18n::Chinese : i18n::English};
}

void saveWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(ExitWriteFailed, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

} // namespace kestrova::cli
