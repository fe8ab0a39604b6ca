#pragma once

#include <QByteArray>
#include <QString>

namespace kestrova::storage {

// A new file of the user's own, for this user's eyes only, on the disk before it counts; why
// not, or an empty text.
QString writeWhole(const QString& path, const QByteArray& bytes);

// The folder, made where missing, for this user alone; why it cannot be.
QString makePrivateFolder(const QString& folder);

// The folder's new entries on the disk; why not.
QString syncFolder(const QString& folder);

} // namespace kestrova::storage
