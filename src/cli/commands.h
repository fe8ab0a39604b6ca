#pragma once

#include <QStringList>

namespace kestrova::cli {

// Each takes the command's own arguments (the program name first) and returns the exit
// status; bad input ends it with a CliError.
int runMenu(const QStringList& arguments);
int runFactoryReset(const QStringList& arguments);
int runInspect(const QStringList& arguments);
int runPreferences(const QStringList& arguments);
int runMms(const QStringList& arguments);
int runSmtp(const QStringList& arguments);
int runHistory(const QStringList& arguments);
int runRestore(const QStringList& arguments);
int runCards(const QStringList& arguments);
int runDiff(const QStringList& arguments);
int runSheet(const QStringList& arguments);
int runKit(const QStringList& arguments);
int runDeploy(const QStringList& arguments);
int runLog(const QStringList& arguments);
int runReport(const QStringList& arguments);

} // namespace kestrova::cli
