#include "cli/bounded_read.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/file_report.h"
#include "cli/json_values.h"
#include "cli/process_options.h"
#include "format/block_container.h"
#include "format/mms_record.h"
#include "format/smtp_record.h"

#include <QFileInfo>

namespace kestrova::cli {

namespace {

// A file that is none of the settings files.
class UnknownFileReport final : public FileReport {
public:
    explicit UnknownFileReport(qint64 size)
        : size_(size) {}
    bool damaged() const override { return true; }
    QStringList lines() const override {
        return {QStringLiteral("kind: damaged"),
                QStringLiteral("not a settings file: %1 bytes; a menu.dat has 60").arg(size_)};
    }
    QJsonObject json() const override {
        return {{QStringLiteral("kind"), QStringLiteral("damaged")},
                {QStringLiteral("crc_ok"), false},
                {QStringLiteral("intact"), false}};
    }

private:
    qint64 size_;
};

// Which kind of file this is: by its size first, which differs between the kinds.
std::unique_ptr<FileReport> reportFor(const QString& path, const QByteArray& bytes,
                                      std::optional<int> model) {
    if (bytes.size() == 60)
        return menuReport(bytes, model);
    // "setup.dat" by its name, or renamed when its check value holds with its own adjustment.
    if (bytes.size() == format::containerSize) {
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
    if (bytes.size() == format::containerSize &&
        (QFileInfo(path).fileName().compare(QLatin1String(smtp::smtpFileName),
                                            Qt::CaseInsensitive) == 0 ||
         format::openContainer(bytes).checkValueOk(smtp::smtpAdjustment)))
        return smtpReport(bytes, model);
    return std::make_unique<UnknownFileReport>(bytes.size());
}

} // namespace

int runInspect(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Decodes a settings file, checks it and prints every field. Exit status 3: damaged."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The file to decode."));
    ProcessOptions process;
    parser.addOption(process.model);
    const QCommandLineOption jsonOption{QStringLiteral("json"),
                                        QStringLiteral("Print one JSON object (a valid profile).")};
    parser.addOption(jsonOption);
    parseCommand(parser, arguments, 1);

    std::optional<int> model;
    if (parser.isSet(process.model))
        model = requiredModel(parser, process.model);

    const QString path = parser.positionalArguments().constFirst();
    // The largest settings file is 720 bytes: a larger one is none, whatever it holds.
    const BoundedRead read = readBounded(path, format::containerSize);
    if (read.status != BoundedRead::Status::Ok && read.status != BoundedRead::Status::TooLarge)
        fail(ExitWriteFailed,
             QStringLiteral("cannot read %1: %2")
                 .arg(path.isEmpty() ? QStringLiteral("\"\"") : escapedText(path), read.reason));

    const auto report = read.ok() ? reportFor(path, read.bytes, model)
                                  : std::make_unique<UnknownFileReport>(read.size);
    if (parser.isSet(jsonOption)) {
        printLine(terminalJson(report->json()));
    } else {
        printLine(QStringLiteral("file: %1").arg(escapedText(path)));
        for (const QString& line : report->lines())
            printLine(line);
    }
    return report->damaged() ? ExitDamaged : ExitOk;
}

} // namespace kestrova::cli
