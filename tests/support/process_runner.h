#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace kestrova::test {

struct ProcessResult {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs a program to its end, with the preferences pointed at `settingsFile`, the user's data
// (the history of replaced files) in a "data" folder beside it, and a neutral system language
// unless `environment` says otherwise.
ProcessResult runProgram(const QString& program, const QStringList& arguments,
                         const QString& settingsFile,
                         const QProcessEnvironment& extra = QProcessEnvironment());

// The kestrova command built with the tests.
ProcessResult runKestrova(const QStringList& arguments, const QString& settingsFile,
                          const QProcessEnvironment& extra = QProcessEnvironment());

} // namespace kestrova::test
