#pragma once

#include "support/process_runner.h"

#include <QString>
#include <QStringList>

namespace kestrova::test {

// The Windows programs that `make windows` staged, run under Wine in a prefix of their own in
// the build folder: made on first use, kept for the next run.
class WineRunner {
public:
    WineRunner();

    // Why the Windows programs cannot be tried here; empty when they can.
    QString missing() const { return missing_; }

    // Runs kestrova.exe to its end with the preferences in that INI file (a Windows path).
    ProcessResult kestrova(const QStringList& arguments, const QString& settingsFile = {}) const;
    // Runs another program (Wine's own reg, wineboot, or an installer) in the prefix.
    ProcessResult wine(const QStringList& arguments) const;
    // Waits until every program of the prefix has ended.
    void waitForAll() const;
    // Ends Wine's server of the prefix, so that the next program reads its drives anew.
    void restart() const;

    // The Windows name of a Linux path, through the drive Wine maps to /.
    static QString windowsPath(const QString& linuxPath);
    // The Linux folder of the user's local application data in the prefix.
    QString localAppData() const;
    QString prefix() const { return prefix_; }

private:
    QString program_;
    QString prefix_;
    QString missing_;
};

} // namespace kestrova::test
