#include "storage/private_files.h"

#include "storage/windows_text.h"
#include "storage/write_all.h"

#include <QDir>

#include <windows.h>

namespace kestrova::storage {

QString writeWhole(const QString& path, const QByteArray& bytes) {
    const HANDLE file = CreateFileW(win32Path(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return win32ErrorText(GetLastError());
    const DWORD error = writeAll(file, bytes) && FlushFileBuffers(file) ? 0 : GetLastError();
    CloseHandle(file);
    return error == 0 ? QString() : win32ErrorText(error);
}

// The folders under the user's local application data are the user's alone by the rights they
// inherit from it; a link or junction in its place would lead elsewhere, and is refused.
QString makePrivateFolder(const QString& folder) {
    if (!QDir().mkpath(folder))
        return QStringLiteral("the folder cannot be made");
    const DWORD attributes = GetFileAttributesW(win32Path(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return win32ErrorText(GetLastError());
    return attributes & FILE_ATTRIBUTE_REPARSE_POINT ? QStringLiteral("it is a link") : QString();
}

// A folder opened for writing flushes like a file: its entries reach the disk.
QString syncFolder(const QString& folder) {
    const HANDLE handle = CreateFileW(win32Path(folder).c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return win32ErrorText(GetLastError());
    const DWORD error = FlushFileBuffers(handle) ? 0 : GetLastError();
    CloseHandle(handle);
    return error == 0 ? QString() : win32ErrorText(error);
}

} // namespace kestrova::storage
