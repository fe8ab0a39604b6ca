#include "support/process_runner.h"

#include <QFileInfo>
#include <QProcess>

namespace kestrova::test {

ProcessResult runProgram(const QString& program, const QStringList& arguments,
                         const QString& settingsFile, const QProcessEnvironment& extra) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KESTROVA_SETTINGS"), settingsFile);
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    // The history of replaced files stays beside the test's preferences.
    if (!settingsFile.isEmpty())
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           QFileInfo(settingsFile).absolutePath() + QStringLiteral("/data"));
    environment.insert(extra);

    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProcessResult result;
    if (!process.waitForFinished(60000)) {
        result.err = process.errorString();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

ProcessResult runKestrova(const QStringList& arguments, const QString& settingsFile,
                          const QProcessEnvironment& extra) {
    return runProgram(QStringLiteral(KESTROVA_CLI), arguments, settingsFile, extra);
}

} // namespace kestrova::test
