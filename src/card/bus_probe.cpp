#include "card/bus_probe.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace kestrova::card {

QString systemBusAddress() {
    const QString address = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
    return address.isEmpty() ? QStringLiteral("unix:path=/var/run/dbus/system_bus_socket")
                             : address;
}

#ifdef Q_OS_UNIX

namespace {

// The socket an address names: "unix:path=/run/x,guid=..." or "unix:abstract=name"; the
// first of several. Empty when the address names none.
struct SocketName {
    QByteArray name;
    bool abstract = false;
};

SocketName socketOf(const QString& address) {
    for (const QString& entry : address.split(u';', Qt::SkipEmptyParts)) {
        if (!entry.startsWith(QLatin1String("unix:")))
            continue;
        for (const QString& pair : entry.mid(5).split(u',', Qt::SkipEmptyParts)) {
            const QString key = pair.section(u'=', 0, 0);
            const QByteArray value =
                QUrl::fromPercentEncoding(pair.section(u'=', 1).toUtf8()).toUtf8();
            if (key == u"path")
                return {QFile::encodeName(QString::fromUtf8(value)), false};
            if (key == u"abstract")
                return {value, true};
        }
    }
    return {};
}

class Socket {
public:
    Socket()
        : handle_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {}
    ~Socket() {
        if (handle_ >= 0)
            ::close(handle_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    int handle() const { return handle_; }

    // Waits until there is something to read or the deadline passes; whether there is.
    bool waitForReply(const QDeadlineTimer& deadline) const {
        pollfd entry{handle_, POLLIN, 0};
        for (;;) {
            const int result = ::poll(&entry, 1, static_cast<int>(deadline.remainingTime()));
            if (result >= 0)
                return result > 0 && (entry.revents & POLLIN);
            if (errno != EINTR)
                return false;
        }
    }

private:
    int handle_;
};

} // namespace

bool busAnswers(const QString& address, int waitMs) {
    const SocketName socketName = socketOf(address);
    if (socketName.name.isEmpty())
        return true;
    sockaddr_un where{};
    where.sun_family = AF_UNIX;
    const qsizetype offset = socketName.abstract ? 1 : 0;
    if (socketName.name.size() + offset >= qsizetype(sizeof(where.sun_path)))
        return false;
    std::memcpy(where.sun_path + offset, socketName.name.constData(), socketName.name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                               socketName.name.size() + (offset ? 0 : 1));

    const QDeadlineTimer deadline(waitMs);
    const Socket socket;
    if (socket.handle() < 0)
        return false;
    // A local connection is made at once or not at all: a full backlog is a daemon that has
    // stopped taking them.
    if (::connect(socket.handle(), reinterpret_cast<const sockaddr*>(&where), length) != 0)
        return false;
    // The first words of every D-Bus connection: a zero byte, then the authentication.
    const QByteArray hello =
        QByteArray(1, '\0') + "AUTH EXTERNAL " + QByteArray::number(::getuid()).toHex() + "\r\n";
    if (::send(socket.handle(), hello.constData(), hello.size(), MSG_NOSIGNAL) != hello.size())
        return false;
    char reply[64];
    return socket.waitForReply(deadline) && ::recv(socket.handle(), reply, sizeof reply, 0) > 0;
}

#else

bool busAnswers(const QString&, int) {
    return true;
}

#endif

} // namespace kestrova::card
