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
#include "i18n/messages.h"
#include "plan/settings_sheet.h"
#include "storage/bounded_read.h"
#include "storage/record_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace kestrova::cli {

namespace {

// How long laying out one page may take at most.
constexpr int pdfWaitMs = 60000;

#ifdef Q_OS_WIN
const QString sheetPdfName = QStringLiteral("kestrova-sheet-pdf.exe");
#else
const QString sheetPdfName = QStringLiteral("kestrova-sheet-pdf");
#endif

// The program that lays the page out as a PDF: beside this one in a build tree, else where the
// package installs it.
QString sheetPdfProgram() {
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {here.filePath(sheetPdfName),
          here.filePath(QStringLiteral(KESTROVA_SHEET_PDF_FROM_BIN "/") + sheetPdfName)}) {
        if (QFileInfo(candidate).isExecutable())
            return QDir::cleanPath(candidate);
    }
    return {};
}

// The pages laid out by the helper, which hands the PDF back on its output: no path of the
// owner's ever reaches its command line, where Qt would take "-reverse" for one of its own.
QByteArray layOut(const QString& out, const QStringList& pages) {
    const QString program = sheetPdfProgram();
    if (program.isEmpty())
        fail(ExitWriteFailed, QStringLiteral("cannot write %1: kestrova-sheet-pdf, which lays out "
                                             "the page, is not installed beside kestrova")
                                  .arg(escapedText(out)));
    QProcess pdf;
    pdf.setProcessChannelMode(QProcess::SeparateChannels);
    pdf.start(program, {});
    pdf.write(QJsonDocument(QJsonArray::fromStringList(pages)).toJson(QJsonDocument::Compact));
    pdf.closeWriteChannel();
    if (!pdf.waitForFinished(pdfWaitMs) || pdf.exitStatus() != QProcess::NormalExit ||
        pdf.exitCode() != 0)
        fail(ExitWriteFailed,
             QStringLiteral("cannot write %1: %2")
                 .arg(escapedText(out),
                      escapedText(QString::fromLocal8Bit(pdf.readAllStandardError()).trimmed())));
    return pdf.readAllStandardOutput();
}

// The PDF goes where a settings file would: written whole through the same writer, into a
// regular file only; a FIFO, a device or a folder of that name is left alone.
void writePdf(const QString& out, const QByteArray& pdf) {
    const QFileInfo target(out);
    if (target.exists() && !target.isSymLink() && !target.isFile())
        fail(ExitWriteFailed, QStringLiteral("cannot write %1: it is no regular file, and only a "
                                             "regular file is replaced")
                                  .arg(escapedText(out)));
    const WriteResult result =
        writeRecordFile(QDir::toNativeSeparators(target.absolutePath()), target.fileName(), pdf);
    if (!result.ok())
        fail(ExitWriteFailed, i18n::writeFailureMessage(result, i18n::English));
}

// Larger than any settings file: none, as inspect says.
[[noreturn]] void refuseTooLarge(const QString& path, const QString& size) {
    fail(ExitDamaged, QStringLiteral("%1 is larger than any settings file (%2); the sheet shows "
                                     "settings files only (see kestrova inspect)")
                          .arg(escapedText(path), size));
}

} // namespace

int runSheet(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the settings sheet of a settings file, or of each one in a folder, as a PDF:\n"
        "the camera model, the folder, every setting as the forms show it in the chosen\n"
        "language, what the camera will do, the warnings and each file's check value."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A settings file, or a folder."));
    const QCommandLineOption pdfOption{
        QStringLiteral("pdf"), QStringLiteral("The PDF file to write."), QStringLiteral("OUT.pdf")};
    parser.addOption(pdfOption);
    ProcessOptions process;
    parser.addOptions({process.model, process.language, process.chineseRequested});
    const SummaryOptions summaryOptions;
    summaryOptions.addTo(parser);
    parseCommand(parser, arguments, 1);
    if (!parser.isSet(pdfOption) || parser.value(pdfOption).isEmpty())
        fail(ExitBadInput, QStringLiteral("--pdf is required: the PDF file to write"));

    std::optional<int> model;
    if (parser.isSet(process.model))
        model = requiredModel(parser, process.model);
    const SummaryRequest request =
        SummaryRequest::from(parser, summaryOptions, process.resolveChoice(parser), model, true);

    const QString path = parser.positionalArguments().constFirst();
    const bool folder = QFileInfo(path).isDir();
    const QString folderPath = folder ? path : QFileInfo(path).absolutePath();
    // Each file as inspect reads it.
    std::vector<std::pair<QString, QByteArray>> files;
    if (folder) {
        for (const FolderFile& file : settingsFilesIn(path, model)) {
            if (file.state == FolderFile::State::Read)
                files.emplace_back(file.name, file.bytes);
            else if (file.state == FolderFile::State::TooLarge)
                refuseTooLarge(file.path, file.sizeText);
            else if (file.state != FolderFile::State::Absent)
                fail(ExitWriteFailed,
                     QStringLiteral("cannot read %1: %2").arg(escapedText(file.path), file.reason));
        }
        if (files.empty())
            fail(ExitBadInput, QStringLiteral("no settings file in %1").arg(escapedText(path)));
    } else {
        const storage::BoundedRead read = storage::readBounded(path, codec::containerSize);
        if (read.status == storage::BoundedRead::Status::TooLarge)
            refuseTooLarge(path, read.sizeText());
        if (!read.ok())
            fail(ExitWriteFailed,
                 QStringLiteral("cannot read %1: %2").arg(escapedText(path), read.reason));
        files.emplace_back(QFileInfo(path).fileName(), read.bytes);
    }

    QStringList pages;
    for (const auto& [name, bytes] : files) {
        const auto report = reportFor(name, bytes, model);
        const QString kind = report->json().value(QStringLiteral("kind")).toString();
        const auto read =
            report->damaged() ? std::nullopt : fileSettings(kind, bytes, folderPath, request);
        if (!read)
            fail(ExitDamaged, QStringLiteral("%1 is damaged or does not fit the forms of model %2; "
                                             "the sheet shows intact files only (see kestrova "
                                             "inspect)")
                                  .arg(escapedText(QDir(folderPath).filePath(name)))
                                  .arg(request.model));
        plan::SettingsSheet sheet;
        sheet.fileName = name;
        sheet.model = request.model;
        sheet.language = request.language;
        sheet.folder =
            escapedText(QDir::toNativeSeparators(QFileInfo(folderPath).absoluteFilePath()));
        sheet.date = QDateTime::currentDateTime();
        sheet.lines = read->lines;
        sheet.summary = read->summary;
        sheet.checkValue = plan::storedCheckValue(bytes);
        pages << sheet.html();
    }
    // One page for each file.
    const QString out = parser.value(pdfOption);
    writePdf(out, layOut(out, pages));
    printLine(escapedText(out));
    return ExitOk;
}

} // namespace kestrova::cli
