#include "cli/card_listing.h"

#include "cli/folder_files.h"
#include "cli/json_values.h"

#include <QJsonArray>
#include <QLocale>

namespace kestrova::cli {

namespace {

// The kind of file and, as far as its bytes tell, which form wrote it. The reports' profiles
// carry what is needed; a model is never assumed.
QString readsAs(const FileReport& report) {
    const QJsonObject json = report.json();
    const QString kind = json.value(QStringLiteral("kind")).toString();
    if (kind == u"factory-reset")
        return QStringLiteral("factory reset");
    if (kind == u"menu")
        return QStringLiteral("camera menu, clock %1")
            .arg(json.value(QStringLiteral("clock")).toString().replace(u'T', u' '));
    if (kind == u"mms") {
        // Only models 1 and 3 list QVGA before SMS: a fourth status entry is theirs alone.
        const QJsonValue status = json.value(QStringLiteral("status"));
        if (status == QJsonValue(3))
            return QStringLiteral("MMS form B of models 1 and 3 (status SMS, fourth entry)");
        if (status == QJsonValue(2))
            return QStringLiteral("MMS, status QVGA on models 1 and 3, SMS on the others");
        return QStringLiteral("MMS, status %1 (any model)").arg(status.toString());
    }
    const QString form = json.value(QStringLiteral("form")).toString();
    if (form == u"A")
        return QStringLiteral("SMTP form A (models 3, 5 and 6)");
    if (form == u"B")
        return QStringLiteral("SMTP form B (models 4 and 7)");
    return QStringLiteral("SMTP form A or B (the header reads the same)");
}

// What makes a damaged file damaged: the lines of its report that say so.
QString damage(const FolderFile& file) {
    if (file.state == FolderFile::State::TooLarge)
        return file.sizeText + QStringLiteral(", larger than any settings file");
    QStringList found;
    for (const QString& line : file.report->lines()) {
        if (line.contains(QLatin1String("DAMAGED")))
            found << line;
    }
    return found.join(QStringLiteral("; "));
}

CardFile judged(const FolderFile& file) {
    CardFile card{file.name, CardFile::State::Absent, {}, {}};
    switch (file.state) {
    case FolderFile::State::Absent:
        break;
    case FolderFile::State::Unreadable:
        card.state = CardFile::State::Unreadable;
        card.reason = file.reason;
        break;
    case FolderFile::State::TooLarge:
    case FolderFile::State::Read:
        card.state = file.damaged() ? CardFile::State::Damaged : CardFile::State::Intact;
        if (file.damaged())
            card.reason = damage(file);
        else
            card.readsAs = readsAs(*file.report);
        break;
    }
    return card;
}

QString stateName(CardFile::State state) {
    switch (state) {
    case CardFile::State::Absent:
        return QStringLiteral("absent");
    case CardFile::State::Intact:
        return QStringLiteral("intact");
    case CardFile::State::Damaged:
        return QStringLiteral("damaged");
    case CardFile::State::Unreadable:
        return QStringLiteral("unreadable");
    }
    return {};
}

QString dataSize(qint64 bytes) {
    return QLocale::c().formattedDataSize(bytes, 1);
}

} // namespace

QList<CardListing> listCards(const card::VolumeSource& source) {
    QList<CardListing> cards;
    for (const card::Volume& volume : card::detectCards(source)) {
        CardListing card{volume, {}};
        // Qt reads a mount point's name as UTF-8; other bytes name a folder that is not there.
        const bool undecodable = volume.mountPoint.contains(QChar::ReplacementCharacter);
        // A card that does not answer would hold the command up at its first file.
        if (volume.responding) {
            for (const FolderFile& file : settingsFilesIn(volume.mountPoint)) {
                card.files << (undecodable ? CardFile{file.name,
                                                      CardFile::State::Unreadable,
                                                      {},
                                                      QStringLiteral("the mount point's name is "
                                                                     "not UTF-8 text; mount the "
                                                                     "card under another name")}
                                           : judged(file));
            }
        }
        cards << card;
    }
    return cards;
}

QStringList listingLines(const QList<CardListing>& cards) {
    if (cards.isEmpty())
        return {QStringLiteral("no card found")};
    QStringList lines;
    for (const CardListing& card : cards) {
        const card::Volume& v = card.volume;
        const QString head =
            QStringLiteral("%1  label %2, %3, ")
                .arg(escapedText(v.mountPoint),
                     v.label.isEmpty() ? QStringLiteral("none") : quotedText(v.label),
                     v.fileSystem.isEmpty() ? QStringLiteral("unknown file system")
                                            : escapedText(v.fileSystem));
        lines << head + (v.responding ? QStringLiteral("%1, %2 free")
                                            .arg(dataSize(v.bytesTotal), dataSize(v.bytesFree))
                                      : QStringLiteral("%1, not responding: its files are not read")
                                            .arg(dataSize(v.bytesTotal)));
        for (const CardFile& file : card.files) {
            QString line =
                QStringLiteral("  %1  %2").arg(file.name.leftJustified(9), stateName(file.state));
            if (file.state == CardFile::State::Intact)
                line += QStringLiteral(": ") + file.readsAs;
            else if (!file.reason.isEmpty())
                line += QStringLiteral(": ") + escapedText(file.reason);
            lines << line;
        }
    }
    return lines;
}

QJsonObject listingJson(const QList<CardListing>& cards) {
    QJsonArray array;
    for (const CardListing& card : cards) {
        const card::Volume& v = card.volume;
        QJsonObject files;
        for (const CardFile& file : card.files) {
            QJsonObject state{{QStringLiteral("state"), stateName(file.state)}};
            if (file.state == CardFile::State::Intact)
                state[QStringLiteral("reads_as")] = file.readsAs;
            else if (!file.reason.isEmpty())
                state[QStringLiteral("reason")] = file.reason;
            files[file.name] = state;
        }
        array.append(QJsonObject{{QStringLiteral("mount_point"), v.mountPoint},
                                 {QStringLiteral("label"), v.label},
                                 {QStringLiteral("file_system"), v.fileSystem},
                                 {QStringLiteral("uuid"), v.uuid},
                                 {QStringLiteral("bytes_total"), v.bytesTotal},
                                 {QStringLiteral("bytes_free"), v.bytesFree},
                                 {QStringLiteral("responding"), v.responding},
                                 {QStringLiteral("files"), files}});
    }
    return {{QStringLiteral("cards"), array}};
}

} // namespace kestrova::cli
