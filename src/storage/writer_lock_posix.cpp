#include "storage/writer_lock.h"

#include "storage/user_data_folder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrova {

namespace {

QString systemReason(int error) {
    return error == ELOOP ? QStringLiteral("it is a link") : qt_error_string(error);
}

// Whether the runtime folder the session gave is one only this user can enter; after su or
// sudo it may still name another user's.
bool isPrivateRuntimeFolder(const QString& folder) {
    struct stat info {};
    return QDir::isAbsolutePath(folder) &&
           ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// Makes the folder 0700 when it is missing; why it cannot serve as this user's private folder.
QString privateFolderProblem(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return qt_error_string(errno);
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return qt_error_string(errno);
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("it is a link");
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("it is not a folder");
    if (info.st_uid != ::geteuid())
        return QStringLiteral("it belongs to user %1").arg(info.st_uid);
    if ((info.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0)
        return qt_error_string(errno);
    return {};
}

// The folder the locks go into, or an empty text with `why` saying why there is none.
QString lockFolder(QString& why) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString folder;
    if (isPrivateRuntimeFolder(runtime)) {
        folder = runtime + QStringLiteral("/kestrova");
    } else {
        const QString parent = userDataFolder() + QStringLiteral("/kestrova");
        QDir().mkpath(parent);
        folder = parent + QStringLiteral("/locks");
    }
    const QString problem = privateFolderProblem(folder);
    if (problem.isEmpty())
        return folder;
    why = folder + QStringLiteral(": ") + problem;
    return {};
}

} // namespace

struct WriterLock::Held {
    int fd;
    QByteArray path;
};

WriterLock::WriterLock() = default;

WriterLock::~WriterLock() {
    if (!held_)
        return;
    // Removed while still held: a writer that opened it meanwhile finds it gone and starts over.
    ::unlink(held_->path.constData());
    ::close(held_->fd);
}

WriterLock::State WriterLock::acquire(quint64 device, quint64 inode, const QString& fileName,
                                      int waitMs) {
    const QString folder = lockFolder(reason_);
    if (folder.isEmpty())
        return State::Unavailable;
    const QString name = folder + u'/' + writeLockName(device, inode, fileName);
    const QByteArray path = QFile::encodeName(name);
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            reason_ = name + QStringLiteral(": ") + systemReason(errno);
            return State::Unavailable;
        }
        const auto giveUp = [&](State state, const QString& why) {
            ::close(fd);
            if (!why.isEmpty())
                reason_ = name + QStringLiteral(": ") + why;
            return state;
        };
        struct stat held {};
        if (::fstat(fd, &held) != 0)
            return giveUp(State::Unavailable, qt_error_string(errno));
        if (!S_ISREG(held.st_mode) || held.st_uid != ::geteuid())
            return giveUp(State::Unavailable, QStringLiteral("not a lock file of this user's"));
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR)
                return giveUp(State::Unavailable, qt_error_string(errno));
            if (deadline.hasExpired())
                return giveUp(State::Busy, {});
            QThread::msleep(10);
        }
        // The writer before may have removed the file as it finished: the lock counts only on
        // the file the name still leads to.
        struct stat named {};
        if (::fstat(fd, &held) == 0 && ::lstat(path.constData(), &named) == 0 &&
            named.st_dev == held.st_dev && named.st_ino == held.st_ino) {
            held_ = std::make_unique<Held>(Held{fd, path});
            return State::Held;
        }
        ::close(fd);
    }
}

QString writeLockPath(const QString& folder, const QString& fileName) {
    struct stat info {};
    QString why;
    const QString locks = lockFolder(why);
    if (locks.isEmpty() || ::stat(QFile::encodeName(folder).constData(), &info) != 0)
        return {};
    return locks + u'/' + writeLockName(info.st_dev, info.st_ino, fileName);
}

} // namespace kestrova
