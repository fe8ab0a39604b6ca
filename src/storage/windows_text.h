#pragma once

#include <QString>

#include <string>

namespace kestrova::storage {

// The system's own words for an error code that GetLastError gave, as FormatMessage words them
// ("Access is denied.").
QString win32ErrorText(unsigned long code);

// The path as the wide-character calls of Windows take it: backslashes, ending in a zero.
std::wstring win32Path(const QString& path);

} // namespace kestrova::storage
