#include "app/preferences_store.h"
#include "app/startup.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/file_report.h"
#include "cli/folder_files.h"
#include "cli/settings_file_options.h"
#include "format/file_history.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace kestrova::cli {

namespace {

// What a kept file is, in a few words: its kind and whether it reads intact.
QString summary(const HistoryEntry& entry, const QByteArray& bytes) {
    const std::unique_ptr<FileReport> report = reportByName(entry.fileName, bytes);
    return report->json().value(QStringLiteral("kind")).toString() +
           (report->damaged() ? QStringLiteral(", damaged") : QStringLiteral(", intact"));
}

QString localTime(const QDateTime& time) {
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

int runHistory(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lists the settings files that writes replaced, newest first.\n"
                       "History: %1")
            .arg(FileHistory::defaultRoot()));
    const QCommandLineOption jsonOption{QStringLiteral("json"),
                                        QStringLiteral("Print one JSON array.")};
    parser.addOption(jsonOption);
    parseCommand(parser, arguments, 0);

    const FileHistory history(FileHistory::defaultRoot());
    QJsonArray array;
    for (const HistoryEntry& entry : history.entries()) {
        const QString kind = summary(entry, history.bytes(entry).value_or(QByteArray()));
        if (parser.isSet(jsonOption)) {
            QJsonObject object{
                {QStringLiteral("id"), entry.id},
                {QStringLiteral("time"), entry.time.toLocalTime().toString(Qt::ISODate)},
                {QStringLiteral("folder"), entry.folder},
                {QStringLiteral("file"), entry.fileName},
                {QStringLiteral("summary"), kind}};
            if (!entry.volume.isEmpty()) {
                object.insert(QStringLiteral("volume_uuid"), entry.volume.uuid);
                object.insert(QStringLiteral("volume_label"), entry.volume.label);
            }
            array.append(object);
        } else {
            printLine(
                QStringLiteral("%1  %2  %3  %4  (%5)")
                    .arg(entry.id, localTime(entry.time), entry.folder, entry.fileName, kind));
        }
    }
    if (parser.isSet(jsonOption))
        printLine(
            QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)).trimmed());
    else if (array.isEmpty() && history.entries().isEmpty())
        printLine(QStringLiteral("no replaced files kept"));
    return ExitOk;
}

int runRestore(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a kept file back into its folder, or into --out. What it replaces "
                       "is kept in the history too."));
    parser.addPositionalArgument(QStringLiteral("ID"),
                                 QStringLiteral("The entry, as kestrova history lists it."));
    const SettingsFileOptions file(QString{});
    QCommandLineOption out = file.out;
    out.setDefaultValues({});
    out.setDescription(QStringLiteral("Folder to write into (default: where the file stood)."));
    parser.addOption(out);
    parser.addOption(file.allowFixed);
    const QCommandLineOption otherCard{
        QStringLiteral("other-card"),
        QStringLiteral("Write a file kept from one card into a folder that holds another card, "
                       "or a volume that cannot be told.")};
    parser.addOption(otherCard);
    parseCommand(parser, arguments, 1);

    const FileHistory history(FileHistory::defaultRoot());
    const QString id = parser.positionalArguments().constFirst();
    const auto entry = history.find(id);
    if (!entry)
        fail(ExitBadInput, QStringLiteral("no history entry \"%1\"; kestrova history lists them")
                               .arg(id.left(60)));
    const auto bytes = history.bytes(*entry);
    if (!bytes)
        fail(ExitWriteFailed, QStringLiteral("cannot read the kept copy %1").arg(entry->dataPath));
    const QString folder = parser.isSet(out) ? parser.value(out) : entry->folder;
    if (folder.isEmpty())
        fail(ExitBadInput, QStringLiteral("--out: the folder is empty; give the folder to write "
                                          "into (\".\" for this one)"));
    const OutFolder target = outFolderAt(folder, parser.isSet(file.allowFixed));
    // A card's file goes back to that card: a second card at the same folder must not get it.
    const VolumeIdentity& there = target.options.volume;
    if (!entry->volume.isEmpty() && there.uuid != entry->volume.uuid && !parser.isSet(otherCard))
        fail(ExitBadInput,
             QStringLiteral("%1 was kept from the card %2, but %3 holds %4; give --other-card to "
                            "write it there all the same")
                 .arg(id.left(60), escapedText(entry->volume.name()), escapedText(folder),
                      there.isEmpty() ? QStringLiteral("no card that can be told")
                                      : QStringLiteral("the card ") + escapedText(there.name())));
    app::PreferencesStore store;
    const int language =
        app::startUp(store, i18n::languageIdOf(QLocale::system()), app::StoreDefaults::Leave)
            .language();
    return writeSettingsFile(target, qPrintable(entry->fileName), *bytes, language);
}

} // namespace kestrova::cli
