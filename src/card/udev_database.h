#pragma once

#include <QMap>
#include <QString>

namespace kestrova::card {

// The properties udev keeps of a block device by its number ("8:17"): the E: lines of
// `dataFolder`/b8:17 (normally /run/udev/data), the same udisks2 reads. Empty when udev does
// not run.
QMap<QString, QString> udevProperties(const QString& dataFolder, const QString& deviceNumber);

} // namespace kestrova::card
