#pragma once

#include <QByteArray>
#include <QString>

namespace kestrova::test {

// A file's bytes, or nothing when it cannot be read.
QByteArray fileBytes(const QString& path);

// Writes a file whole; false when it could not be.
bool writeFile(const QString& path, const QByteArray& bytes);

} // namespace kestrova::test
