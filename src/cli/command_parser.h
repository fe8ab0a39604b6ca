#pragma once

#include <QCommandLineParser>

namespace kestrova::cli {

// Parses a command's arguments, the first of which is the command's usage line; prints its help
// and ends on --help, ends with ExitBadInput on unknown flags or a wrong number of arguments.
void parseCommand(QCommandLineParser& parser, const QStringList& arguments,
                  qsizetype positionalCount);

} // namespace kestrova::cli
