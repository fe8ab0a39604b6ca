#include "storage/file_history.h"

#include "storage/bounded_read.h"
#include "storage/private_files.h"
#include "storage/storage_log.h"
#include "storage/user_data_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>

namespace kestrova {

namespace {

constexpr qint64 largestDescription = 64 * 1024;

const QStringList settingsFileNames{QStringLiteral("menu.dat"), QStringLiteral("setup.dat"),
                                    QStringLiteral("smtp.dat")};

// The ids this history gives, and no other: a file of another name in its folder is not ours.
const QRegularExpression ownId(QStringLiteral(
    "^[0-9]{8}T[0-9]{9}-[A-Za-z0-9_.-]{1,32}-[0-9a-f]{8}-(menu|setup|smtp)\\.dat(-[0-9]+)?$"));

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

QByteArray sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

std::optional<HistoryEntry> readEntry(const QString& root, const QString& id) {
    if (!ownId.match(id).hasMatch())
        return std::nullopt;
    const storage::BoundedRead meta =
        storage::readBounded(root + u'/' + id + QStringLiteral(".json"), largestDescription);
    if (!meta.ok())
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(meta.bytes).object();
    HistoryEntry entry;
    entry.id = id;
    entry.time =
        QDateTime::fromString(object.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    entry.folder = object.value(QStringLiteral("folder")).toString();
    entry.fileName = object.value(QStringLiteral("file")).toString();
    entry.dataPath = root + u'/' + id + QStringLiteral(".dat");
    entry.mountPoint = object.value(QStringLiteral("mount_point")).toBool();
    entry.sha256 = object.value(QStringLiteral("sha256")).toString().toLatin1();
    entry.volume = {object.value(QStringLiteral("volume_uuid")).toString(),
                    object.value(QStringLiteral("volume_label")).toString()};
    // Only what this program writes: a settings file's name, and a folder that is a whole path.
    const QString folder = QDir::fromNativeSeparators(entry.folder);
    if (!entry.time.isValid() || !settingsFileNames.contains(entry.fileName) ||
        !QDir::isAbsolutePath(folder) || QDir::cleanPath(folder) != folder ||
        !QFileInfo::exists(entry.dataPath))
        return std::nullopt;
    return entry;
}

} // namespace

FileHistory::FileHistory(QString root)
    : root_(std::move(root)) {}

QString FileHistory::defaultRoot() {
    return userDataFolder() + QStringLiteral("/kestrova/history");
}

KeptCopy FileHistory::keep(const QString& folder, const QString& fileName, const QByteArray& bytes,
                           const QDateTime& time, bool mountPoint, const VolumeIdentity& volume) {
    const auto notKept = [this](const QString& why) {
        return KeptCopy{{}, QStringLiteral("the history %1 could not keep it: %2").arg(root_, why)};
    };
    if (const QString problem = storage::makePrivateFolder(root_); !problem.isEmpty())
        return notKept(problem);
    const QString where = absoluteFolder(folder);
    QString id = entryId(time, where, fileName);
    for (int n = 2; QFileInfo::exists(root_ + u'/' + id + QStringLiteral(".json")) ||
                    QFileInfo::exists(root_ + u'/' + id + QStringLiteral(".dat"));
         ++n)
        id = entryId(time, where, fileName) + u'-' + QString::number(n);
    QJsonObject meta{{QStringLiteral("time"), time.toUTC().toString(Qt::ISODateWithMs)},
                     {QStringLiteral("folder"), where},
                     {QStringLiteral("file"), fileName},
                     {QStringLiteral("mount_point"), mountPoint},
                     {QStringLiteral("sha256"), QString::fromLatin1(sha256(bytes))}};
    if (!volume.isEmpty()) {
        meta.insert(QStringLiteral("volume_uuid"), volume.uuid);
        meta.insert(QStringLiteral("volume_label"), volume.label);
    }
    // The bytes first: an entry counts once its description is there.
    QString problem = storage::writeWhole(root_ + u'/' + id + QStringLiteral(".dat"), bytes);
    if (problem.isEmpty())
        problem = storage::writeWhole(root_ + u'/' + id + QStringLiteral(".json"),
                                      QJsonDocument(meta).toJson());
    if (problem.isEmpty())
        problem = storage::syncFolder(root_);
    if (!problem.isEmpty()) {
        remove(id);
        return notKept(problem);
    }
    prune(id);
    return {id, {}};
}

void FileHistory::remove(const QString& id) {
    for (const QString& path : {root_ + u'/' + id + QStringLiteral(".json"),
                                root_ + u'/' + id + QStringLiteral(".dat")}) {
        QFile file(path);
        if (!file.remove() && file.exists())
            qCWarning(storage::historyLog, "%s stays: %s", qUtf8Printable(path),
                      qUtf8Printable(file.errorString()));
    }
}

QList<HistoryEntry> FileHistory::entries() const {
    QList<HistoryEntry> entries;
    const QStringList names = QDir(root_).entryList({QStringLiteral("*.json")}, QDir::Files);
    for (const QString& name : names) {
        if (auto entry = readEntry(root_, name.chopped(5)))
            entries.append(*entry);
    }
    std::sort(entries.begin(), entries.end(), [](const HistoryEntry& a, const HistoryEntry& b) {
        return a.time != b.time ? a.time > b.time : a.id > b.id;
    });
    return entries;
}

std::optional<HistoryEntry> FileHistory::find(const QString& id) const {
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

KeptBytes FileHistory::bytes(const HistoryEntry& entry) const {
    const storage::BoundedRead read = storage::readBounded(entry.dataPath, largestKept);
    if (!read.ok())
        return {std::nullopt, read.status == storage::BoundedRead::Status::TooLarge
                                  ? QStringLiteral("the kept copy is %1").arg(read.sizeText())
                                  : QStringLiteral("the kept copy cannot be read: ") + read.reason};
    if (entry.sha256.isEmpty())
        return {read.bytes, QStringLiteral("the kept copy has no checksum to check it by")};
    if (sha256(read.bytes) != entry.sha256)
        return {read.bytes, QStringLiteral("the kept copy differs from what was kept (its "
                                           "SHA-256 does not match)")};
    return {read.bytes, {}};
}

void FileHistory::prune(const QString& keptId) {
    // By the time each entry holds, newest first; the copy just kept stays whatever its time.
    qsizetype room = capacity - 1;
    for (const HistoryEntry& entry : entries()) {
        if (entry.id == keptId)
            continue;
        if (room > 0)
            --room;
        else
            remove(entry.id);
    }
}

} // namespace kestrova
