#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/file_report.h"
#include "cli/folder_files.h"
#include "cli/json_values.h"
#include "cli/process_options.h"
#include "cli/summary_options.h"
#include "codec/block_container.h"
#include "mms/mms_record.h"
#include "smtp/smtp_record.h"
#include "storage/bounded_read.h"

#include <QFileInfo>

namespace kestrova::cli {

using storage::BoundedRead;
using storage::readBounded;

namespace {

// A file that is none of the settings files.
class UnknownFileReport final : public FileReport {
public:
    explicit UnknownFileReport(QString size)
        : size_(std::move(size)) {}
    bool damaged() const override { return true; }
    QStringList lines() const override {
        return {QStringLiteral("kind: damaged"),
                QStringLiteral("not a settings file: %1; a menu.dat has 60").arg(size_)};
    }
    QJsonObject json() const override {
        return {{QStringLiteral("kind"), QStringLiteral("damaged")},
                {QStringLiteral("crc_ok"), false},
                {QStringLiteral("intact"), false}};
    }

private:
    QString size_; // "61 bytes", "more than 720 bytes"
};

} // namespace

// Which kind of file this is: by its size first, which differs between the kinds.
std::unique_ptr<FileReport> reportFor(const QString& path, const QByteArray& bytes,
                                      std::optional<int> model) {
    if (bytes.size() == 60)
        return menuReport(bytes, model);
    // "setup.dat" by its name, or renamed when its check value holds with its own adjustment.
    if (bytes.size() == codec::containerSize) {
        const QString name = QFileInfo(path).fileName();
        const auto named = [&name](const char* fileName) {
            return name.compare(QLatin1String(fileName), Qt::CaseInsensitive) == 0;
        };
        if (named(mms::mmsFileName) ||
            (!named(smtp::smtpFileName) && mms::decodeMmsRecord(bytes).check.checkValueOk))
            return mmsReport(bytes, model);
    }
    // "smtp.dat" and "setup.dat" share their size; the name tells them apart, or for a renamed
    // file the check value, which only "smtp.dat" adjusts by 15.
    if (bytes.size() == codec::containerSize &&
        (QFileInfo(path).fileName().compare(QLatin1String(smtp::smtpFileName),
                                            Qt::CaseInsensitive) == 0 ||
         codec::openContainer(bytes).checkValueOk(smtp::smtpAdjustment)))
        return smtpReport(bytes, model);
    return std::make_unique<UnknownFileReport>(QStringLiteral("%1 bytes").arg(bytes.size()));
}

namespace {

// A report, then what the camera will do with the file: as text lines after the values, or in
// its JSON.
void addSummary(QStringList& lines, QJsonObject& json, const FileReport& report,
                const QByteArray& bytes, const QString& folder, const SummaryRequest& request) {
    if (report.damaged())
        return;
    const QString kind = report.json().value(QStringLiteral("kind")).toString();
    const auto read = fileSettings(kind, bytes, folder, request);
    lines << QString();
    if (!read) {
        lines << QStringLiteral("what the camera will do: not known, as the file does not fit "
                                "the forms of model %1 (give --model)")
                     .arg(request.model);
        return;
    }
    lines << summarySection(read->summary, request);
    addSummaryJson(json, read->summary, request);
}

// Each settings file the folder holds, one report after another; a file that cannot be read
// is named on the error output and the others are still reported.
int inspectFolder(const QString& folder, std::optional<int> model, bool json,
                  const SummaryRequest& request) {
    QJsonObject reports;
    QStringList lines;
    bool damaged = false;
    bool unreadable = false;
    for (const FolderFile& file : settingsFilesIn(folder, model)) {
        if (file.state == FolderFile::State::Absent)
            continue;
        if (file.state == FolderFile::State::Unreadable) {
            printErrorLine(QStringLiteral("kestrova: cannot read %1: %2")
                               .arg(escapedText(file.path), file.reason));
            unreadable = true;
            continue;
        }
        // Larger than any settings file: none, as for a single file.
        const UnknownFileReport tooLarge(file.sizeText);
        const FileReport& shown =
            file.report ? *file.report : static_cast<const FileReport&>(tooLarge);
        damaged = damaged || shown.damaged();
        QJsonObject report = shown.json();
        if (!lines.isEmpty())
            lines << QString();
        lines << QStringLiteral("file: %1").arg(escapedText(file.path));
        lines << shown.lines();
        if (file.report)
            addSummary(lines, report, shown, file.bytes, folder, request);
        reports[file.name] = report;
    }
    if (json)
        printLine(terminalJson(reports));
    else if (lines.isEmpty() && !unreadable)
        printLine(QStringLiteral("no settings file in %1").arg(escapedText(folder)));
    else
        for (const QString& line : lines)
            printLine(line);
    if (unreadable)
        return ExitWriteFailed;
    return damaged ? ExitDamaged : ExitOk;
}

} // namespace

int runInspect(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Decodes a settings file, checks it and prints every field, then what the camera will do\n"
        "with it; given a folder, does so for each of menu.dat, setup.dat and smtp.dat in it.\n"
        "Exit status 3: damaged; 1: unreadable."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The file to decode, or a folder."));
    ProcessOptions process;
    parser.addOptions({process.model, process.language});
    const QCommandLineOption jsonOption{QStringLiteral("json"),
                                        QStringLiteral("Print one JSON object (a valid profile).")};
    parser.addOption(jsonOption);
    const SummaryOptions summaryOptions;
    summaryOptions.addTo(parser);
    parseCommand(parser, arguments, 1);

    std::optional<int> model;
    if (parser.isSet(process.model))
        model = requiredModel(parser, process.model);
    const SummaryRequest request =
        SummaryRequest::from(parser, summaryOptions, process.resolveLanguage(parser), model, false);

    const QString path = parser.positionalArguments().constFirst();
    if (QFileInfo(path).isDir())
        return inspectFolder(path, model, parser.isSet(jsonOption), request);
    // The largest settings file is 720 bytes: a larger one is none, whatever it holds.
    const BoundedRead read = readBounded(path, codec::containerSize);
    if (read.status != BoundedRead::Status::Ok && read.status != BoundedRead::Status::TooLarge)
        fail(ExitWriteFailed,
             QStringLiteral("cannot read %1: %2")
                 .arg(path.isEmpty() ? QStringLiteral("\"\"") : escapedText(path), read.reason));

    const auto report = read.ok() ? reportFor(path, read.bytes, model)
                                  : std::make_unique<UnknownFileReport>(read.sizeText());
    QJsonObject json = report->json();
    QStringList lines{QStringLiteral("file: %1").arg(escapedText(path))};
    lines << report->lines();
    addSummary(lines, json, *report, read.bytes, QFileInfo(path).absolutePath(), request);
    if (parser.isSet(jsonOption))
        printLine(terminalJson(json));
    else
        for (const QString& line : lines)
            printLine(line);
    return report->damaged() ? ExitDamaged : ExitOk;
}

} // namespace kestrova::cli
