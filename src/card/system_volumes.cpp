#include "card/sysfs_block.h"
#include "card/volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kestrova::card {

Volume volumeOf(const QStorageInfo& storage) {
    Volume volume;
    volume.mountPoint = QDir::toNativeSeparators(storage.rootPath());
    volume.label = storage.name();
    volume.fileSystem = QString::fromUtf8(storage.fileSystemType());
    volume.bytesTotal = storage.bytesTotal();
    volume.bytesFree = storage.bytesAvailable();
    volume.device = QString::fromUtf8(storage.device());
    return volume;
}

namespace {

QList<Volume> mountedVolumes() {
    QList<Volume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        // A mount point named with bytes that are no UTF-8 text is never ready through Qt, yet
        // the card is there: it is listed, and the listing says why it cannot be used.
        if (storage.isValid() &&
            (storage.isReady() || storage.rootPath().contains(QChar::ReplacementCharacter)))
            volumes.append(volumeOf(storage));
    }
    return volumes;
}

} // namespace

QList<Volume> SystemVolumes::volumes() const {
#if defined(Q_OS_LINUX)
    if (preferred_) {
        if (auto volumes = preferred_())
            return *volumes;
    }
    QList<Volume> volumes = mountedVolumes();
    for (Volume& volume : volumes) {
        const BlockDevice device = readBlockDevice(QStringLiteral("/sys"), volume.device);
        volume.removable = device.removable;
        volume.bus = device.bus;
    }
    return volumes;
#elif defined(Q_OS_WIN)
    QList<Volume> volumes = mountedVolumes();
    for (Volume& volume : volumes) {
        const QString root = QDir::toNativeSeparators(volume.mountPoint);
        volume.removable =
            GetDriveTypeW(reinterpret_cast<LPCWSTR>(root.utf16())) == DRIVE_REMOVABLE;
    }
    return volumes;
#elif defined(Q_OS_MACOS)
    // Whatever is mounted under /Volumes besides the system's own disk came from outside.
    QList<Volume> volumes = mountedVolumes();
    for (Volume& volume : volumes) {
        volume.removable = volume.mountPoint.startsWith(QLatin1String("/Volumes/")) &&
                           !QStorageInfo::root().device().isEmpty() &&
                           volume.device != QString::fromUtf8(QStorageInfo::root().device());
    }
    return volumes;
#else
    return mountedVolumes();
#endif
}

QList<Volume> detectCards(const VolumeSource& source) {
    QList<Volume> cards;
    for (const Volume& volume : source.volumes()) {
        if (volume.isCard())
            cards.append(volume);
    }
    std::sort(cards.begin(), cards.end(),
              [](const Volume& a, const Volume& b) { return a.mountPoint < b.mountPoint; });
    return cards;
}

bool isCardMountPoint(const VolumeSource& source, const QString& folder) {
    const QString wanted = QFileInfo(folder).canonicalFilePath();
    if (wanted.isEmpty())
        return false;
    const QList<Volume> cards = detectCards(source);
    return std::any_of(cards.begin(), cards.end(), [&wanted](const Volume& card) {
        return QFileInfo(card.mountPoint).canonicalFilePath() == wanted;
    });
}

} // namespace kestrova::card
