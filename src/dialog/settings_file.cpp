#include "dialog/settings_file.h"

#include "i18n/notices.h"

#include <QDir>

namespace kestrova::dialog {

bool writeSettingsFile(Host& host, const QString& folder, const char* fileName,
                       const QByteArray& bytes, i18n::Message success, int language,
                       WriteOptions options) {
    return writeSettingsFile(host, folder, fileName, bytes, i18n::messageFor(success, language),
                             language, options);
}

bool writeSettingsFile(Host& host, const QString& folder, const char* fileName,
                       const QByteArray& bytes, const QString& success, int language,
                       WriteOptions options) {
    const WriteResult result =
        writeRecordFile(folder, QString::fromLatin1(fileName), bytes, std::move(options));
    if (!result.ok()) {
        host.showMessage(i18n::writeFailureMessage(result, language));
        return false;
    }
    // The classic message alone does not say which card or folder got the file.
    QString message = success + u'\n' +
                      i18n::noticeText(i18n::Notice::FileWritten, language)
                          .arg(QDir::toNativeSeparators(result.path));
    // The write went ahead without its safety copy: the user should not count on one.
    if (result.oldCopy == OldCopy::NotKept)
        message += u'\n' + i18n::noticeText(i18n::Notice::NoCopyKept, language);
    host.showMessage(message);
    return true;
}

} // namespace kestrova::dialog
