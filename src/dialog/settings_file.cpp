#include "dialog/settings_file.h"

#include "codec/block_container.h"
#include "i18n/notices.h"
#include "storage/bounded_read.h"

#include <QDir>
#include <QFileInfo>

namespace kestrova::dialog {

namespace {

// The file a write is about to replace, read before the writer takes over; nothing when there
// is none. One that cannot be read whole counts as no settings file at all.
std::optional<QByteArray> fileToReplace(const QString& folder, const QString& fileName) {
    const storage::BoundedRead read =
        storage::readBounded(recordFilePath(folder, fileName), codec::settingsFileLimit);
    if (read.status == storage::BoundedRead::Status::CannotOpen &&
        !QFileInfo::exists(recordFilePath(folder, fileName)))
        return std::nullopt;
    return read.ok() ? read.bytes : QByteArray();
}

} // namespace

bool writeSettingsFile(Host& host, const QString& folder, const char* fileName,
                       const QByteArray& bytes, i18n::Message success, int language,
                       WriteOptions options, const ChangeLines& changes) {
    return writeSettingsFile(host, folder, fileName, bytes, i18n::messageFor(success, language),
                             language, std::move(options), changes);
}

bool writeSettingsFile(Host& host, const QString& folder, const char* fileName,
                       const QByteArray& bytes, const QString& success, int language,
                       WriteOptions options, const ChangeLines& changes) {
    const QString name = QString::fromLatin1(fileName);
    const std::optional<QByteArray> replaced = changes ? fileToReplace(folder, name) : std::nullopt;
    const WriteResult result = writeRecordFile(folder, name, bytes, std::move(options));
    if (!result.ok()) {
        host.showMessage(i18n::writeFailureMessage(result, language));
        return false;
    }
    // The classic message alone does not say which card or folder got the file.
    QString message = success + u'\n' +
                      i18n::noticeText(i18n::Notice::FileWritten, language)
                          .arg(QDir::toNativeSeparators(result.path));
    if (changes)
        message += u'\n' + changes(replaced).join(u'\n');
    // The write went ahead without its safety copy: the user should not count on one.
    if (result.oldCopy == OldCopy::NotKept)
        message += u'\n' + i18n::noticeText(i18n::Notice::NoCopyKept, language);
    host.showMessage(message);
    return true;
}

} // namespace kestrova::dialog
