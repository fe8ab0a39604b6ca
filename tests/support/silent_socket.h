#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace kestrova::test {

// A socket that takes every connection and never answers: a bus daemon that stopped.
class SilentSocket {
public:
    explicit SilentSocket(const QString& path)
        : path_(QFile::encodeName(path))
        , handle_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_un where{};
        where.sun_family = AF_UNIX;
        std::strncpy(where.sun_path, path_.constData(), sizeof where.sun_path - 1);
        listening_ = ::bind(handle_, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0 &&
                     ::listen(handle_, 4) == 0;
    }
    ~SilentSocket() { close(); }
    bool listening() const { return listening_; }
    QString address() const { return QStringLiteral("unix:path=") + QFile::decodeName(path_); }
    // The connections waiting on it are refused: the bus is gone.
    void close() {
        if (handle_ >= 0)
            ::close(handle_);
        handle_ = -1;
    }

private:
    QByteArray path_;
    int handle_;
    bool listening_ = false;
};

} // namespace kestrova::test
