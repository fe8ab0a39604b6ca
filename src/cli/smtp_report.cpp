#include "app/camera_models.h"
#include "app/routing.h"
#include "cli/cli_error.h"
#include "cli/file_report.h"
#include "cli/sending_report.h"
#include "codec/block_container.h"
#include "smtp/smtp_file.h"

namespace kestrova::cli {

namespace {

// Which form wrote a file without a model: the header bytes that differ between the forms (A:
// 1, 1, hours; B: status, hours, 1). A header that reads the same both ways (form A with 1 hour,
// form B with "VGA" and 1 hour) holds the same settings either way, save the status form A has
// not got.
FormGuess<SmtpForm> guess(const QByteArray& bytes) {
    const codec::OpenedContainer opened = codec::openContainer(bytes);
    const codec::Block& header = opened.plain[0];
    const bool fitsA = header[6] == 1 && header[7] == 1 && header[8] <= smtp::remoteOff;
    const bool fitsB = header[8] == 1 && header[6] <= 2 && header[7] <= smtp::remoteOff;
    if (fitsA && fitsB)
        return {SmtpForm::A, false, true, false};
    return {fitsB ? SmtpForm::B : SmtpForm::A, false, false, true};
}

const SendingReportParts<smtp::SmtpFile> parts{"SMTP", "",      "user name", "user_name",
                                               guess,  nullptr, nullptr};

} // namespace

std::unique_ptr<FileReport> smtpReport(const QByteArray& bytes, std::optional<int> model) {
    if (model && !app::hasSmtp(*model))
        fail(ExitBadInput, QStringLiteral("model %1 (%2) has no SMTP settings; smtp.dat belongs "
                                          "to models 3 to 7")
                               .arg(*model)
                               .arg(app::modelName(*model)));
    return std::make_unique<SendingReport<smtp::SmtpFile>>(bytes, model, parts);
}

} // namespace kestrova::cli
