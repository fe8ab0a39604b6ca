#include "windows/wine_runner.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace kestrova::test {

namespace {

QProcessEnvironment wineEnvironment(const QString& prefix) {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("WINEPREFIX"), prefix);
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    // No Mono or Gecko to install, no window to ask for them, and no menu entries of the
    // programs on the machine's desktop.
    environment.insert(QStringLiteral("WINEDLLOVERRIDES"),
                       QStringLiteral("mscoree,mshtml=;winemenubuilder.exe=d"));
    // Arguments reach the program as the UTF-8 text they are.
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    // The desktop's own platform plugin, the one the Windows programs ship.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString());
    return environment;
}

} // namespace

WineRunner::WineRunner()
    : program_(QStringLiteral(KESTROVA_WINDOWS_STAGE "/kestrova.exe"))
    , prefix_(QStringLiteral(KESTROVA_WINDOWS_STAGE "/../wineprefix")) {
    if (!QFileInfo::exists(program_))
        missing_ = QStringLiteral("the Windows programs are not built here (%1 is missing): "
                                  "scripts/build-windows-qt, then make windows")
                       .arg(program_);
    else if (QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty())
        missing_ = QStringLiteral("wine is not installed (make windows installs it)");
    prefix_ = QDir::cleanPath(prefix_);
}

ProcessResult WineRunner::kestrova(const QStringList& arguments,
                                   const QString& settingsFile) const {
    return runProgram(QStringLiteral("wine"), QStringList{program_} + arguments, settingsFile,
                      wineEnvironment(prefix_));
}

ProcessResult WineRunner::wine(const QStringList& arguments) const {
    return runProgram(QStringLiteral("wine"), arguments, {}, wineEnvironment(prefix_));
}

void WineRunner::waitForAll() const {
    runProgram(QStringLiteral("wineserver"), {QStringLiteral("-w")}, {}, wineEnvironment(prefix_));
}

void WineRunner::restart() const {
    runProgram(QStringLiteral("wineserver"), {QStringLiteral("-k")}, {}, wineEnvironment(prefix_));
    waitForAll();
}

QString WineRunner::windowsPath(const QString& linuxPath) {
    return QStringLiteral("Z:") + QFileInfo(linuxPath).absoluteFilePath().replace(u'/', u'\\');
}

// Wine names the user's folder after the Unix user; "Public" is everyone's.
QString WineRunner::localAppData() const {
    const QDir users(prefix_ + QStringLiteral("/drive_c/users"));
    for (const QString& user : users.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (user != u"Public")
            return users.filePath(user) + QStringLiteral("/AppData/Local");
    }
    return {};
}

} // namespace kestrova::test
