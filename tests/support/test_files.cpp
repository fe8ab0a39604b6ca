#include "support/test_files.h"

#include "i18n/notices.h"

#include <QDir>

#include <QFile>

namespace kestrova::test {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString writtenMessage(const QString& success, const QString& file, int language) {
    return success + u'\n' +
           i18n::noticeText(i18n::Notice::FileWritten, language)
               .arg(QDir::toNativeSeparators(file));
}

} // namespace kestrova::test
