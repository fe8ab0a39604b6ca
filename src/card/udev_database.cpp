#include "card/udev_database.h"

#include <QFile>

namespace kestrova::card {

namespace {

// udev's records are a few hundred bytes; nothing larger is one.
constexpr qint64 largestRecord = 64 * 1024;

} // namespace

QMap<QString, QString> udevProperties(const QString& dataFolder, const QString& deviceNumber) {
    QMap<QString, QString> properties;
    if (deviceNumber.isEmpty() || deviceNumber.contains(u'/'))
        return properties;
    QFile file(dataFolder + QStringLiteral("/b") + deviceNumber);
    if (!file.open(QIODevice::ReadOnly))
        return properties;
    for (const QByteArray& line : file.read(largestRecord).split('\n')) {
        if (!line.startsWith("E:"))
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals > 2)
            properties.insert(QString::fromUtf8(line.mid(2, equals - 2)),
                              QString::fromUtf8(line.mid(equals + 1)));
    }
    return properties;
}

} // namespace kestrova::card
