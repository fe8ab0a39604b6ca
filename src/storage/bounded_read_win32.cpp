#include "storage/bounded_read.h"

#include "storage/windows_text.h"

#include <windows.h>

namespace kestrova::storage {

namespace {

// Closes the handle however the read ends.
struct FileHandle {
    HANDLE handle;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};

BoundedRead systemFailure(BoundedRead::Status status) {
    return BoundedRead::failed(status, win32ErrorText(GetLastError()));
}

} // namespace

BoundedRead readBounded(const QString& path, qint64 limit) {
    if (path.isEmpty())
        return BoundedRead::failed(BoundedRead::Status::CannotOpen,
                                   win32ErrorText(ERROR_FILE_NOT_FOUND));
    // Folders open too (for backup semantics), so that they are named as what they are. A
    // named pipe without a server refuses at once instead of waiting.
    const FileHandle file{CreateFileW(win32Path(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE)
        return systemFailure(BoundedRead::Status::CannotOpen);
    return readBoundedFrom(file.handle, limit);
}

BoundedRead readBoundedFrom(Qt::HANDLE file, qint64 limit) {
    switch (GetFileType(file)) {
    case FILE_TYPE_DISK:
        break;
    case FILE_TYPE_PIPE:
        return BoundedRead::notRegular(QStringLiteral("a pipe"));
    default:
        return BoundedRead::notRegular(QStringLiteral("a device"));
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info))
        return systemFailure(BoundedRead::Status::ReadError);
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return BoundedRead::notRegular(QStringLiteral("a folder"));
    if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return BoundedRead::notRegular(QStringLiteral("a link"));
    const qint64 size = (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > limit)
        return BoundedRead::tooLarge(size);

    QByteArray bytes(limit + 1, Qt::Uninitialized);
    qint64 total = 0;
    while (total < bytes.size()) {
        DWORD got = 0;
        const auto wanted = static_cast<DWORD>(qMin<qint64>(bytes.size() - total, 1 << 30));
        if (!ReadFile(file, bytes.data() + total, wanted, &got, nullptr))
            return systemFailure(BoundedRead::Status::ReadError);
        if (got == 0)
            break;
        total += got;
    }
    bytes.truncate(total);
    return BoundedRead::whole(std::move(bytes), limit);
}

} // namespace kestrova::storage
