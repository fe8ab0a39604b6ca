#include "cli/commands.h"
#include "cli/sending_command.h"
#include "mms/mms_file.h"

namespace kestrova::cli {

int runMms(const QStringList& arguments) {
    return runSendingCommand<mms::MmsFile>(
        arguments,
        {QStringLiteral(
             "Writes setup.dat, the MMS sending settings, for one camera model.\n"
             "Starts from the values the model's MMS form opens with, then applies the profile,\n"
             "then each --set in order, and makes the checks the form's Generate makes. In auto\n"
             "mode the operator preset gives the network settings."),
         QStringLiteral("One setting: a list takes its position or English entry, a text as "
                        "typed. Names: %1.")
             .arg(settingNames(mms::MmsFile::rows()).join(QStringLiteral(", ")))});
}

} // namespace kestrova::cli
