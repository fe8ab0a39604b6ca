#pragma once

#include <QByteArray>
#include <QDBusObjectPath>
#include <QMap>
#include <QString>
#include <QVariantMap>

namespace kestrova::card::udisks {

// What udisks2's object manager answers: each object's interfaces and their properties.
using Properties = QVariantMap;
using Interfaces = QMap<QString, Properties>;
using ManagedObjects = QMap<QDBusObjectPath, Interfaces>;

inline const QString service = QStringLiteral("org.freedesktop.UDisks2");
inline const QString root = QStringLiteral("/org/freedesktop/UDisks2");

// A device path as udisks2 gives it: bytes that end in a zero.
inline QString cString(QByteArray bytes) {
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    return QString::fromLocal8Bit(bytes);
}

} // namespace kestrova::card::udisks
