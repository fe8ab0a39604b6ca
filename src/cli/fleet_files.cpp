#include "cli/fleet_files.h"

#include "cli/cli_error.h"
#include "cli/json_values.h"
#include "cli/process_options.h"
#include "i18n/language.h"
#include "storage/bounded_read.h"

#include <QSaveFile>

namespace kestrova::cli {

fleet::RecordDefaults storedRecordDefaults() {
    const app::ProcessState state = ProcessOptions::stored();
    const bool chinese = i18n::textLanguage(state.language()) == i18n::Chinese;
    return {state.recordLanguage(), state.tvMode, chinese ? i18n::Chinese : i18n::English};
}

QByteArray readInputFile(const QString& path, qint64 limit, const QString& what) {
    const storage::BoundedRead read = storage::readBounded(path, limit);
    if (!read.ok())
        fail(ExitBadInput,
             QStringLiteral("cannot read %1 %2: %3")
                 .arg(what, escapedText(path),
                      read.status == storage::BoundedRead::Status::TooLarge ? read.sizeText()
                                                                            : read.reason));
    return read.bytes;
}

void saveWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(ExitWriteFailed, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

} // namespace kestrova::cli
