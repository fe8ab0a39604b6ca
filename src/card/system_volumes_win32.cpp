#include "card/system_volumes.h"

#include "card/card_log.h"
#include "card/volume_space.h"
#include "storage/windows_text.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>
#include <winioctl.h>

namespace kestrova::card {

namespace {

// "1A2B-3C4D": the volume serial as Linux names a FAT or exFAT card's UUID, so that a card is
// the same card on either system.
QString serialText(DWORD serial) {
    return QStringLiteral("%1-%2")
        .arg(serial >> 16, 4, 16, QLatin1Char('0'))
        .arg(serial & 0xFFFF, 4, 16, QLatin1Char('0'))
        .toUpper();
}

// How the drive is attached and whether it spins, as its storage driver says; nothing is
// known where the driver does not answer (a drive without media, a virtual one).
void askDevice(Volume& volume, const QString& drive) {
    const HANDLE device =
        CreateFileW(storage::win32Path(QStringLiteral("\\\\.\\") + drive).c_str(), 0,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE)
        return;
    STORAGE_PROPERTY_QUERY query{};
    query.PropertyId = StorageDeviceProperty;
    query.QueryType = PropertyStandardQuery;
    STORAGE_DEVICE_DESCRIPTOR descriptor{};
    DWORD got = 0;
    if (DeviceIoControl(device, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, &descriptor,
                        sizeof descriptor, &got, nullptr) &&
        got >= offsetof(STORAGE_DEVICE_DESCRIPTOR, BusType) + sizeof descriptor.BusType) {
        if (descriptor.BusType == BusTypeSd || descriptor.BusType == BusTypeMmc)
            volume.bus = Bus::Sd;
        else if (descriptor.BusType == BusTypeUsb)
            volume.bus = Bus::Usb;
    }
    query.PropertyId = StorageDeviceSeekPenaltyProperty;
    DEVICE_SEEK_PENALTY_DESCRIPTOR seek{};
    if (DeviceIoControl(device, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, &seek,
                        sizeof seek, &got, nullptr) &&
        got >= sizeof seek)
        volume.rotational = seek.IncursSeekPenalty;
    CloseHandle(device);
}

// The volume at a drive's root ("E:\\"), without its sizes; nothing where no medium is in the
// drive or the drive is none this tool writes to (a network share, a RAM disk).
std::optional<Volume> volumeAtRoot(const QString& root) {
    const std::wstring path = storage::win32Path(root);
    const UINT type = GetDriveTypeW(path.c_str());
    if (type != DRIVE_REMOVABLE && type != DRIVE_FIXED && type != DRIVE_CDROM)
        return std::nullopt;
    wchar_t label[MAX_PATH + 1] = {};
    wchar_t fileSystem[MAX_PATH + 1] = {};
    DWORD serial = 0;
    if (!GetVolumeInformationW(path.c_str(), label, MAX_PATH + 1, &serial, nullptr, nullptr,
                               fileSystem, MAX_PATH + 1)) {
        const DWORD error = GetLastError();
        if (error != ERROR_NOT_READY)
            qCWarning(cardLog, "%s tells nothing of its volume: %s", qUtf8Printable(root),
                      qUtf8Printable(storage::win32ErrorText(error)));
        return std::nullopt;
    }
    Volume volume;
    volume.mountPoint = QDir::toNativeSeparators(root);
    volume.device = volume.mountPoint.left(2);
    volume.label = QString::fromWCharArray(label);
    volume.fileSystem = QString::fromWCharArray(fileSystem);
    volume.uuid = serialText(serial);
    volume.removable = type == DRIVE_REMOVABLE;
    askDevice(volume, volume.device);
    return volume;
}

} // namespace

// Every drive letter in use; a card's reader is a removable drive, its card's file system tells
// the serial that identifies it. Sizes are asked with a time limit, as a drive that does not
// answer may hold the call for long.
QList<Volume> SystemVolumes::volumes() const {
    QList<Volume> volumes;
    const DWORD drives = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (!(drives & (1u << letter)))
            continue;
        const QString root = QChar(u'A' + letter) + QStringLiteral(":\\");
        auto volume = volumeAtRoot(root);
        if (!volume)
            continue;
        if (const auto space = volumeSpace(root, spaceWaitMs)) {
            volume->bytesTotal = space->bytesTotal;
            volume->bytesFree = space->bytesFree;
        } else {
            volume->responding = false;
        }
        volumes.append(*volume);
    }
    return volumes;
}

// The folder is a drive's root (or a folder a volume is mounted at) when it is the root of
// the volume it lies on.
std::optional<Volume> SystemVolumes::volumeAt(const QString& folder) const {
    const QFileInfo wanted(folder);
    if (!wanted.isDir())
        return std::nullopt;
    wchar_t root[MAX_PATH + 1] = {};
    if (!GetVolumePathNameW(storage::win32Path(wanted.absoluteFilePath()).c_str(), root,
                            MAX_PATH + 1))
        return std::nullopt;
    const QString rootPath = QString::fromWCharArray(root);
    if (QFileInfo(rootPath).canonicalFilePath().compare(wanted.canonicalFilePath(),
                                                        Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return volumeAtRoot(rootPath);
}

} // namespace kestrova::card
