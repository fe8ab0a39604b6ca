#include "app/camera_models.h"
#include "app/routing.h"
#include "cli/commands.h"
#include "cli/sending_command.h"
#include "smtp/smtp_file.h"

namespace kestrova::cli {

int runSmtp(const QStringList& arguments) {
    return runSendingCommand<smtp::SmtpFile>(
        arguments,
        {QStringLiteral(
             "Writes smtp.dat, the e-mail (GPRS) sending settings, for one camera model (3 to 7).\n"
             "Starts from the values the model's SMTP form opens with (Auto mode, China Mobile),\n"
             "then applies the profile, then each --set in order; checks them as Generate does."),
         QStringLiteral("One setting: a list takes its position or English entry, a number a "
                        "whole number, a text as it stands."),
         [](int model) -> std::optional<QString> {
             if (app::hasSmtp(model))
                 return std::nullopt;
             return QStringLiteral("model %1 (%2) cannot send e-mail: it has no SMTP settings "
                                   "(models 3 to 7 have)")
                 .arg(model)
                 .arg(app::modelName(model));
         }});
}

} // namespace kestrova::cli
