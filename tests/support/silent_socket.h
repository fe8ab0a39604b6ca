#pragma once

#include <QFile>
#include <QString>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace kestrova::test {

// A local socket that takes every connection and never answers: a bus daemon that stopped.
class SilentSocket {
public:
    explicit SilentSocket(const QString& path)
        : path_(path)
        , handle_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_un where{};
        where.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(where.sun_path, name.constData(),
                    std::min<std::size_t>(name.size(), sizeof(where.sun_path) - 1));
        listening_ = handle_ >= 0 &&
                     ::bind(handle_, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0 &&
                     ::listen(handle_, 16) == 0;
    }
    ~SilentSocket() {
        if (handle_ >= 0)
            ::close(handle_);
        QFile::remove(path_);
    }
    SilentSocket(const SilentSocket&) = delete;
    SilentSocket& operator=(const SilentSocket&) = delete;

    bool listening() const { return listening_; }
    QString busAddress() const { return QStringLiteral("unix:path=") + path_; }

private:
    QString path_;
    int handle_;
    bool listening_ = false;
};

} // namespace kestrova::test
