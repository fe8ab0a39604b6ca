#include "dialog/settings_file.h"

namespace kestrova::dialog {

QString browseForTargetFolder(Host& host, const QString& current) {
    const auto chosen = host.browseForFolder(current);
    return chosen && !chosen->isEmpty() ? *chosen : defaultTargetFolder();
}

bool writeSettingsFile(Host& host, const QString& folder, const char* fileName,
                       const QByteArray& bytes, i18n::Message success, int language,
                       WriteOptions options) {
    const WriteResult result =
        writeRecordFile(folder, QString::fromLatin1(fileName), bytes, options);
    host.showMessage(result.ok() ? i18n::messageFor(success, language)
                                 : i18n::writeFailureMessage(result, language));
    return result.ok();
}

} // namespace kestrova::dialog
