#include "format/file_history.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace kestrova {

namespace {

// Settings files are tiny; anything far larger is not worth keeping as one.
constexpr qint64 largestKept = 1 << 20;

QString absoluteFolder(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return QDir::toNativeSeparators(canonical.isEmpty() ? info.absoluteFilePath() : canonical);
}

// "20261207T101530123-card-1a2b3c4d-menu.dat": sorts by time, and says where it came from.
QString entryId(const QDateTime& time, const QString& folder, const QString& fileName) {
    QString name = QFileInfo(folder).fileName();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    if (name.isEmpty())
        name = QStringLiteral("root");
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
    return time.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz")) + u'-' + name.left(32) +
           u'-' + hash + u'-' + fileName;
}

// A new file of the history's own; a copy cut short leaves an entry that is never listed.
bool writeWhole(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
           file.write(bytes) == bytes.size() && file.flush();
}

std::optional<HistoryEntry> readEntry(const QString& root, const QString& id) {
    QFile meta(root + u'/' + id + QStringLiteral(".json"));
    if (!meta.open(QIODevice::ReadOnly) || meta.size() > 64 * 1024)
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(meta.readAll()).object();
    HistoryEntry entry;
    entry.id = id;
    entry.time =
        QDateTime::fromString(object.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    entry.folder = object.value(QStringLiteral("folder")).toString();
    entry.fileName = object.value(QStringLiteral("file")).toString();
    entry.dataPath = root + u'/' + id + QStringLiteral(".dat");
    entry.volume = {object.value(QStringLiteral("volume_uuid")).toString(),
                    object.value(QStringLiteral("volume_label")).toString()};
    if (!entry.time.isValid() || entry.folder.isEmpty() || entry.fileName.isEmpty() ||
        !QFileInfo::exists(entry.dataPath))
        return std::nullopt;
    return entry;
}

} // namespace

FileHistory::FileHistory(QString root)
    : root_(std::move(root)) {}

QString FileHistory::defaultRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/kestrova/history");
}

std::optional<QString> FileHistory::keep(const QString& folder, const QString& fileName,
                                         const QByteArray& bytes, const QDateTime& time,
                                         const VolumeIdentity& volume) {
    if (!QDir().mkpath(root_))
        return std::nullopt;
    const QString where = absoluteFolder(folder);
    QString id = entryId(time, where, fileName);
    for (int n = 2; QFileInfo::exists(root_ + u'/' + id + QStringLiteral(".json")); ++n)
        id = entryId(time, where, fileName) + u'-' + QString::number(n);
    QJsonObject meta{{QStringLiteral("time"), time.toUTC().toString(Qt::ISODateWithMs)},
                     {QStringLiteral("folder"), where},
                     {QStringLiteral("file"), fileName}};
    if (!volume.isEmpty()) {
        meta.insert(QStringLiteral("volume_uuid"), volume.uuid);
        meta.insert(QStringLiteral("volume_label"), volume.label);
    }
    // The bytes first: an entry counts once its description is there.
    if (!writeWhole(root_ + u'/' + id + QStringLiteral(".dat"), bytes) ||
        !writeWhole(root_ + u'/' + id + QStringLiteral(".json"), QJsonDocument(meta).toJson())) {
        remove(id);
        return std::nullopt;
    }
    prune();
    return id;
}

void FileHistory::remove(const QString& id) {
    QFile::remove(root_ + u'/' + id + QStringLiteral(".json"));
    QFile::remove(root_ + u'/' + id + QStringLiteral(".dat"));
}

QList<HistoryEntry> FileHistory::entries() const {
    QList<HistoryEntry> entries;
    const QStringList names =
        QDir(root_).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString& name : names) {
        if (auto entry = readEntry(root_, name.chopped(5)))
            entries.append(*entry);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const HistoryEntry& a, const HistoryEntry& b) { return a.time > b.time; });
    return entries;
}

std::optional<HistoryEntry> FileHistory::find(const QString& id) const {
    if (id.isEmpty() || id.contains(u'/') || id.contains(u'\\') || id.startsWith(u'.'))
        return std::nullopt;
    return readEntry(root_, id);
}

std::optional<HistoryEntry> FileHistory::newest(const QString& folder, const QString& fileName,
                                                const QString& volume) const {
    const QString where = absoluteFolder(folder);
    for (const HistoryEntry& entry : entries()) {
        if (entry.folder == where && entry.fileName == fileName &&
            (volume.isEmpty() || entry.volume.uuid == volume))
            return entry;
    }
    return std::nullopt;
}

std::optional<QByteArray> FileHistory::bytes(const HistoryEntry& entry) const {
    QFile file(entry.dataPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > largestKept)
        return std::nullopt;
    return file.readAll();
}

void FileHistory::prune() {
    // Ids begin with the time, so the names alone say which are the oldest.
    const QStringList names =
        QDir(root_).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype at = capacity; at < names.size(); ++at)
        remove(names[at].chopped(5));
}

} // namespace kestrova
