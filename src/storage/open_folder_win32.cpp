#include "storage/open_folder.h"

#include "storage/storage_log.h"
#include "storage/windows_text.h"
#include "storage/write_all.h"

#include <QDir>

#include <windows.h>

#include <malloc.h>

namespace kestrova::storage {

namespace {

// The file's identity: its volume's serial number and its number on that volume.
struct FileId {
    quint64 volume = 0;
    quint64 index = 0;
    bool operator==(const FileId&) const = default;
};

std::optional<FileId> idOf(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info))
        return std::nullopt;
    return FileId{info.dwVolumeSerialNumber,
                  (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

// Opens a folder for its identity alone.
std::optional<FileId> folderIdAt(const std::wstring& path) {
    const HANDLE folder = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const auto id = idOf(folder);
    CloseHandle(folder);
    return id;
}

// The root of the volume a path lies on ("E:\\", or a folder a volume is mounted at).
std::wstring volumeRootOf(const std::wstring& path) {
    wchar_t root[MAX_PATH + 1] = {};
    if (!GetVolumePathNameW(path.c_str(), root, MAX_PATH + 1))
        return {};
    return root;
}

// What a refused call means for the user. A write-protected card says so, a full one says so
// mostly; "access denied" is either, or a folder the user may not write to: the volume tells.
WriteFailure classify(DWORD error, const std::wstring& folder, qint64 bytesNeeded) {
    switch (error) {
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
        return WriteFailure::PathTooLong;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_INVALID_DRIVE:
        return WriteFailure::FolderMissing;
    case ERROR_WRITE_PROTECT:
        return WriteFailure::ReadOnly;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return WriteFailure::CardFull;
    case ERROR_ACCESS_DENIED: {
        const std::wstring root = volumeRootOf(folder);
        DWORD flags = 0;
        if (!root.empty() &&
            GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) &&
            (flags & FILE_READ_ONLY_VOLUME))
            return WriteFailure::ReadOnly;
        ULARGE_INTEGER available{};
        if (GetDiskFreeSpaceExW(folder.c_str(), &available, nullptr, nullptr) &&
            static_cast<qint64>(available.QuadPart) < bytesNeeded)
            return WriteFailure::CardFull;
        return WriteFailure::Other;
    }
    default:
        return WriteFailure::Other;
    }
}

// A buffer on a sector boundary, as unbuffered reads ask.
struct AlignedBuffer {
    AlignedBuffer(DWORD size, DWORD alignment)
        : size(size)
        , data(static_cast<char*>(_aligned_malloc(size, alignment))) {}
    ~AlignedBuffer() { _aligned_free(data); }
    AlignedBuffer(const AlignedBuffer&) = delete;
    AlignedBuffer& operator=(const AlignedBuffer&) = delete;
    DWORD size;
    char* data;
};

// The sector size of the volume, at least 4096 bytes: unbuffered reads take whole sectors.
DWORD sectorSize(const std::wstring& root) {
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (!root.empty() &&
        GetDiskFreeSpaceW(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                          &clusters) &&
        bytesPerSector > 4096)
        return bytesPerSector;
    return 4096;
}

} // namespace

struct OpenFolder::Handle {
    std::wstring path; // with a separator at its end, so that a name can follow
    HANDLE folder = INVALID_HANDLE_VALUE;
    DWORD error = 0;
    FileId id;

    std::wstring pathOf(const QString& name) const { return path + name.toStdWString(); }
    Refusal refused(DWORD code, qint64 bytesNeeded) const {
        return {classify(code, path, bytesNeeded), win32ErrorText(code)};
    }
};

OpenFolder::OpenFolder(const QString& path)
    : handle_(std::make_unique<Handle>()) {
    handle_->path = win32Path(path);
    if (!handle_->path.empty() && handle_->path.back() != L'\\')
        handle_->path += L'\\';
    // Shared for reading and writing, not for deleting: the folder stays where it is while open.
    handle_->folder = CreateFileW(handle_->path.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle_->folder == INVALID_HANDLE_VALUE) {
        handle_->error = GetLastError();
        return;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle_->folder, &info)) {
        handle_->error = GetLastError();
    } else if (!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        handle_->error = ERROR_DIRECTORY;
    } else {
        handle_->id = {info.dwVolumeSerialNumber,
                       (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
        return;
    }
    CloseHandle(handle_->folder);
    handle_->folder = INVALID_HANDLE_VALUE;
}

OpenFolder::~OpenFolder() {
    if (handle_->folder != INVALID_HANDLE_VALUE)
        CloseHandle(handle_->folder);
}

Refusal OpenFolder::openFailure() const {
    if (handle_->folder != INVALID_HANDLE_VALUE)
        return {};
    const DWORD error = handle_->error;
    return {error == ERROR_FILENAME_EXCED_RANGE ? WriteFailure::PathTooLong
            : error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                    error == ERROR_DIRECTORY || error == ERROR_NOT_READY ||
                    error == ERROR_INVALID_DRIVE || error == ERROR_INVALID_NAME
                ? WriteFailure::FolderMissing
                : WriteFailure::Other,
            win32ErrorText(error)};
}

quint64 OpenFolder::device() const {
    return handle_->id.volume;
}

quint64 OpenFolder::inode() const {
    return handle_->id.index;
}

// The root of the volume the folder lies on is the folder itself.
bool OpenFolder::isMountPoint() const {
    const std::wstring root = volumeRootOf(handle_->path);
    return !root.empty() && folderIdAt(root) == handle_->id;
}

bool OpenFolder::isStill(const QString& path) const {
    return folderIdAt(win32Path(path)) == handle_->id;
}

// Symbolic links and junctions alike: the writer never writes through a redirection.
bool OpenFolder::isLink(const QString& fileName) const {
    const DWORD attributes = GetFileAttributesW(handle_->pathOf(fileName).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

void OpenFolder::removeLeftovers(const QString& fileName, qint64 recordSize) const {
    WIN32_FIND_DATAW found{};
    const std::wstring pattern = handle_->pathOf(temporaryFileName(fileName, {})) + L'*';
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const QString name = QString::fromWCharArray(found.cFileName);
        const qint64 size = (qint64(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        const bool plainFile =
            !(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
        if (isTemporaryNameOf(name, fileName) && plainFile && size <= recordSize &&
            !DeleteFileW(handle_->pathOf(name).c_str()))
            qCWarning(writeLog, "%s, left by an earlier write, stays: %s", qUtf8Printable(name),
                      qUtf8Printable(win32ErrorText(GetLastError())));
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::optional<BoundedRead> OpenFolder::read(const QString& fileName, qint64 limit) const {
    // A link is opened as itself, never followed; a folder opens too, to be named as one.
    const HANDLE file =
        CreateFileW(handle_->pathOf(fileName).c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return std::nullopt;
        return BoundedRead::failed(BoundedRead::Status::CannotOpen, win32ErrorText(error));
    }
    const BoundedRead read = readBoundedFrom(file, limit);
    CloseHandle(file);
    return read;
}

std::optional<QByteArray> OpenFolder::readFromDevice(const QString& fileName, qint64 size) const {
    const std::wstring path = handle_->pathOf(fileName);
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    // Past the system's cache; a file system that takes no unbuffered reads is read through a
    // handle opened anew after the write's were closed.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                              FILE_FLAG_NO_BUFFERING | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER) {
        file = CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                           FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    }
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    // Whole sectors into a buffer on a sector boundary, one sector more than the record, so
    // that a longer file shows.
    const DWORD sector = sectorSize(volumeRootOf(path));
    const auto length = static_cast<DWORD>((size + sector) / sector * sector);
    AlignedBuffer buffer(length, sector);
    std::optional<QByteArray> result;
    if (buffer.data) {
        QByteArray bytes;
        bool failed = false;
        for (;;) {
            DWORD got = 0;
            if (!ReadFile(file, buffer.data, buffer.size, &got, nullptr)) {
                failed = true;
                break;
            }
            if (got == 0)
                break;
            bytes.append(buffer.data, got);
            if (bytes.size() > size)
                break;
        }
        if (!failed)
            result = bytes.size() > size ? QByteArray(size + 1, '\0') : bytes;
    }
    CloseHandle(file);
    return result;
}

// A new file takes the rights of its folder: a private file is the owner's alone where the
// folder is (the user's own folders are).
std::optional<QString> OpenFolder::writeTemporary(const QString& fileName, const QByteArray& bytes,
                                                  bool /*privateFile*/, Refusal& refusal) const {
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QString name = freshTemporaryName(fileName);
        const std::wstring path = handle_->pathOf(name);
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS)
            continue;
        if (file == INVALID_HANDLE_VALUE) {
            refusal = handle_->refused(GetLastError(), bytes.size());
            return std::nullopt;
        }
        // The flush's result counts: a card that failed to take the bytes keeps its old file.
        DWORD error = writeAll(file, bytes) && FlushFileBuffers(file) ? 0 : GetLastError();
        if (!CloseHandle(file) && error == 0)
            error = GetLastError();
        if (error == 0)
            return name;
        DeleteFileW(path.c_str());
        refusal = handle_->refused(error, bytes.size());
        return std::nullopt;
    }
    refusal = handle_->refused(ERROR_FILE_EXISTS, bytes.size());
    return std::nullopt;
}

// One call replaces the file and waits until the device has the change: MoveFileExW with
// write-through. ReplaceFileW would carry the old file's attributes over, which a card's
// settings file has none of worth keeping, and it cannot wait for the device.
Refusal OpenFolder::replace(const QString& temporary, const QString& fileName, qint64 size) const {
    const std::wstring from = handle_->pathOf(temporary);
    if (MoveFileExW(from.c_str(), handle_->pathOf(fileName).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    const DWORD error = GetLastError();
    // The temporary file gone means the rename took place, but the device did not confirm it.
    if (GetFileAttributesW(from.c_str()) == INVALID_FILE_ATTRIBUTES &&
        GetLastError() == ERROR_FILE_NOT_FOUND)
        return {WriteFailure::FolderNotFlushed, win32ErrorText(error)};
    DeleteFileW(from.c_str());
    return handle_->refused(error, size);
}

} // namespace kestrova::storage
