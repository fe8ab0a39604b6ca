#include "storage/writer_lock.h"

#include "storage/open_folder.h"
#include "storage/user_data_folder.h"
#include "storage/windows_text.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <windows.h>

namespace kestrova {

namespace {

// The user's own local application data (%LOCALAPPDATA%\kestrova\locks), which no other user
// may enter; the folder is never a link or a junction. Empty, with `why`, when it cannot be.
QString lockFolder(QString& why) {
    const QString folder = userDataFolder() + QStringLiteral("/kestrova/locks");
    if (!QDir().mkpath(folder)) {
        why = QDir::toNativeSeparators(folder) + QStringLiteral(": the folder cannot be made");
        return {};
    }
    const DWORD attributes = GetFileAttributesW(storage::win32Path(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        why = QDir::toNativeSeparators(folder) + QStringLiteral(": ") +
              storage::win32ErrorText(GetLastError());
        return {};
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        why = QDir::toNativeSeparators(folder) + QStringLiteral(": it is a link");
        return {};
    }
    return folder;
}

// Whether the file was marked for removal by the writer before, which let it go as it finished.
bool isBeingRemoved(HANDLE file) {
    FILE_STANDARD_INFO info{};
    return GetFileInformationByHandleEx(file, FileStandardInfo, &info, sizeof info) &&
           info.DeletePending;
}

} // namespace

struct WriterLock::Held {
    HANDLE file;
};

WriterLock::WriterLock() = default;

WriterLock::~WriterLock() {
    if (!held_)
        return;
    // Marked for removal while still held: a writer that opened it meanwhile finds it going and
    // starts over; the system removes it with the last handle.
    FILE_DISPOSITION_INFO remove{TRUE};
    SetFileInformationByHandle(held_->file, FileDispositionInfo, &remove, sizeof remove);
    OVERLAPPED whole{};
    UnlockFileEx(held_->file, 0, 1, 0, &whole);
    CloseHandle(held_->file);
}

WriterLock::State WriterLock::acquire(quint64 device, quint64 inode, const QString& fileName,
                                      int waitMs) {
    const QString folder = lockFolder(reason_);
    if (folder.isEmpty())
        return State::Unavailable;
    const QString name =
        QDir::toNativeSeparators(folder + u'/' + writeLockName(device, inode, fileName));
    const std::wstring path = storage::win32Path(name);
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        // Never through a link: a redirection is opened as itself and refused below.
        const HANDLE file =
            CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            // A lock file on its way out refuses to open until its last handle is closed.
            if (error == ERROR_ACCESS_DENIED && !deadline.hasExpired()) {
                QThread::msleep(10);
                continue;
            }
            reason_ = name + QStringLiteral(": ") + storage::win32ErrorText(error);
            return error == ERROR_ACCESS_DENIED ? State::Busy : State::Unavailable;
        }
        const auto giveUp = [&](State state, const QString& why) {
            CloseHandle(file);
            if (!why.isEmpty())
                reason_ = name + QStringLiteral(": ") + why;
            return state;
        };
        BY_HANDLE_FILE_INFORMATION info{};
        if (!GetFileInformationByHandle(file, &info))
            return giveUp(State::Unavailable, storage::win32ErrorText(GetLastError()));
        if (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY))
            return giveUp(State::Unavailable, QStringLiteral("it is a link"));
        OVERLAPPED whole{};
        while (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                           &whole)) {
            const DWORD error = GetLastError();
            if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING)
                return giveUp(State::Unavailable, storage::win32ErrorText(error));
            if (deadline.hasExpired())
                return giveUp(State::Busy, {});
            QThread::msleep(10);
        }
        if (!isBeingRemoved(file)) {
            held_ = std::make_unique<Held>(Held{file});
            return State::Held;
        }
        UnlockFileEx(file, 0, 1, 0, &whole);
        CloseHandle(file);
    }
}

QString writeLockPath(const QString& folder, const QString& fileName) {
    QString why;
    const QString locks = lockFolder(why);
    const storage::OpenFolder open(folder);
    if (locks.isEmpty() || open.openFailure())
        return {};
    return locks + u'/' + writeLockName(open.device(), open.inode(), fileName);
}

} // namespace kestrova
