#pragma once

#include <QByteArray>
#include <QString>

namespace kestrova::test {

// A file's bytes, or nothing when it cannot be read.
QByteArray fileBytes(const QString& path);

// Writes a file whole; false when it could not be.
bool writeFile(const QString& path, const QByteArray& bytes);

// What a form says once it wrote a file: its classic message, then the file's full path.
QString writtenMessage(const QString& success, const QString& file, int language = 2);

} // namespace kestrova::test
