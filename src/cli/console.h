#pragma once

#include <QString>

namespace kestrova::cli {

void printLine(const QString& line);      // to stdout
void printErrorLine(const QString& line); // to stderr

} // namespace kestrova::cli
