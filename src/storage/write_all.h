#pragma once

#include <QByteArray>

namespace kestrova::storage {

#ifndef Q_OS_WIN
// Writes every byte to the descriptor, however many calls that takes; false with errno set when
// the device refused (EIO when it took nothing without saying why).
bool writeAll(int fd, const QByteArray& bytes);
#endif

} // namespace kestrova::storage
