#pragma once

#include <QString>

namespace kestrova::cli {

// Exit statuses of the command.
enum ExitStatus : int {
    ExitOk = 0,
    ExitWriteFailed = 1, // a file could not be written or read
    ExitBadInput = 2,    // bad flags, settings or profile; nothing was written
    ExitDamaged = 3,     // inspect found a damaged file
    ExitDiffer = 1,      // diff found settings that differ
};

// Ends a command with a message on stderr and the given status.
struct CliError {
    int status;
    QString message;
};

[[noreturn]] inline void fail(int status, const QString& message) {
    throw CliError{status, message};
}

} // namespace kestrova::cli
