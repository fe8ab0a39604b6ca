#pragma once

#include <QByteArray>

namespace kestrova::storage {

#ifdef Q_OS_WIN
// Writes every byte to the file, however many calls that takes; false with GetLastError set
// when the device refused (ERROR_WRITE_FAULT when it took nothing without saying why).
bool writeAll(Qt::HANDLE file, const QByteArray& bytes);
#else
// Writes every byte to the descriptor, however many calls that takes; false with errno set when
// the device refused (EIO when it took nothing without saying why).
bool writeAll(int fd, const QByteArray& bytes);
#endif

} // namespace kestrova::storage
