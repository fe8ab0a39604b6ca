#include "app/preferences_store.h"
#include "app/startup.h"
#include "camera/captured_time.h"
#include "camera/menu_record.h"
#include "cli/cli_error.h"
#include "cli/command_parser.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/file_report.h"
#include "cli/folder_files.h"
#include "cli/settings_file_options.h"
#include "storage/file_history.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace kestrova::cli {

namespace {

// What a kept file is, in a few words: its kind, whether it reads intact, and whatever speaks
// against the copy itself.
QString summary(const HistoryEntry& entry, const KeptBytes& kept) {
    if (!kept.bytes)
        return QStringLiteral("unreadable: ") + kept.problem;
    const std::unique_ptr<FileReport> report = reportByName(entry.fileName, *kept.bytes);
    QString text = report->json().value(QStringLiteral("kind")).toString() +
                   (report->damaged() ? QStringLiteral(", damaged") : QStringLiteral(", intact"));
    if (!kept.problem.isEmpty())
        text += QStringLiteral(", ") + kept.problem;
    return text;
}

QString localTime(const QDateTime& time) {
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Why a kept copy is not the whole, intact settings file it should be; nothing when it is.
QStringList doubts(const KeptBytes& kept, const FileReport& report) {
    QStringList why;
    if (!kept.problem.isEmpty())
        why << kept.problem;
    if (report.damaged())
        why << QStringLiteral("it reads as a damaged file (kestrova inspect tells why)");
    return why;
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
    const QList<HistoryEntry> entries = history.entries();
    QJsonArray array;
    for (const HistoryEntry& entry : entries) {
        const QString kind = summary(entry, history.bytes(entry));
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
            // A folder's name comes from a card's label: it may hold anything.
            printLine(QStringLiteral("%1  %2  %3  %4  (%5)")
                          .arg(entry.id, localTime(entry.time), escapedText(entry.folder),
                               entry.fileName, escapedText(kind)));
        }
    }
    if (parser.isSet(jsonOption))
        printLine(terminalJson(QJsonDocument(array)));
    else if (entries.isEmpty())
        printLine(QStringLiteral("no replaced files kept"));
    return ExitOk;
}

int runRestore(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a kept file back into its folder, or into --out, with the checks of every write.\n"
        "A menu.dat gets the current camera clock. What it replaces is kept in the history too.\n"
        "Exit status 3: the kept copy is damaged or not as it was kept (give --force)."));
    parser.addPositionalArgument(QStringLiteral("ID"),
                                 QStringLiteral("The entry, as kestrova history lists it."));
    const SettingsFileOptions file(QString{});
    QCommandLineOption out = file.out;
    out.setDefaultValues({});
    out.setDescription(QStringLiteral("Folder to write into (default: where the file stood)."));
    const QCommandLineOption force{
        QStringLiteral("force"),
        QStringLiteral("Write the copy back even when it reads as damaged or its checksum does "
                       "not match.")};
    const QCommandLineOption keepClock{
        QStringLiteral("keep-clock"),
        QStringLiteral("Keep the camera clock a menu.dat held, instead of the current time.")};
    const QCommandLineOption otherCard{
        QStringLiteral("other-card"),
        QStringLiteral("Write a file kept from one card into a folder that holds another card, "
                       "or a volume that cannot be told.")};
    parser.addOptions({out, file.allowFixed, force, keepClock, otherCard});
    parseCommand(parser, arguments, 1);

    const FileHistory history(FileHistory::defaultRoot());
    const QString id = parser.positionalArguments().constFirst();
    const auto entry = history.find(id);
    if (!entry)
        fail(ExitBadInput, QStringLiteral("no history entry \"%1\"; kestrova history lists them")
                               .arg(shownValue(id)));
    const KeptBytes kept = history.bytes(*entry);
    if (!kept.bytes)
        fail(ExitWriteFailed, kept.problem);
    QByteArray bytes = *kept.bytes;
    const std::unique_ptr<FileReport> report = reportByName(entry->fileName, bytes);
    const QStringList why = doubts(kept, *report);
    if (!why.isEmpty() && !parser.isSet(force))
        fail(ExitDamaged, QStringLiteral("the kept copy of %1 is not restored: %2; --force "
                                         "writes it back all the same")
                              .arg(entry->fileName, why.join(QStringLiteral("; "))));

    const QString path = parser.isSet(out) ? parser.value(out) : entry->folder;
    if (path.isEmpty())
        fail(ExitBadInput, QStringLiteral("--out: the folder is empty; give the folder to write "
                                          "into (\".\" for this one)"));
    OutFolder folder = outFolderAt(path, parser.isSet(file.allowFixed));
    // A copy kept from a card's root goes back to a card, never into the bare folder it left.
    if (!parser.isSet(out) && entry->mountPoint)
        folder.options.mustBeMountPoint = true;
    // A card's file goes back to that card: a second card at the same folder must not get it.
    const VolumeIdentity& there = folder.options.volume;
    if (!entry->volume.isEmpty() && there.uuid != entry->volume.uuid && !parser.isSet(otherCard))
        fail(ExitBadInput,
             QStringLiteral("%1 was kept from the card %2, but %3 holds %4; give --other-card to "
                            "write it there all the same")
                 .arg(shownValue(id), escapedText(entry->volume.name()), escapedText(path),
                      there.isEmpty() ? QStringLiteral("no card that can be told")
                                      : QStringLiteral("the card ") + escapedText(there.name())));
    QString clockNote;
    // A camera menu written back with the clock of its day would set the camera's clock back.
    if (entry->fileName == QLatin1String(camera::menuFileName) && why.isEmpty() &&
        !parser.isSet(keepClock) &&
        report->json().value(QStringLiteral("kind")) == QJsonValue(QStringLiteral("menu"))) {
        const auto now = camera::CapturedTime::capture(QDateTime::currentDateTime());
        bytes = camera::toByteArray(camera::withClock(camera::toMenuRecord(bytes), now));
        clockNote = QStringLiteral("; camera clock set to %1 (--keep-clock keeps the old one)")
                        .arg(camera::clockText(now, 0).value_or(QString()));
    }
    app::PreferencesStore store;
    const int language =
        app::startUp(store, i18n::languageIdOf(QLocale::system()), app::StoreDefaults::Leave)
            .language();
    const int status = writeSettingsFile(folder, qPrintable(entry->fileName), bytes, language);
    printLine(QStringLiteral("restored %1 as it was before %2%3")
                  .arg(entry->fileName, localTime(entry->time), clockNote));
    return status;
}

} // namespace kestrova::cli
