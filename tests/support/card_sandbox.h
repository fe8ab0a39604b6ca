#pragma once

#include "support/process_runner.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kestrova::test {

// The card tests' real services, brought up and taken down by tests/support/card_sandbox.sh:
// whatever it started and made is undone when this ends, however the test ends. One test
// process at a time has them.
class CardSandbox {
public:
    CardSandbox() = default;
    ~CardSandbox() {
        if (started_)
            script({QStringLiteral("stop"), dir_});
        if (lock_ >= 0)
            ::close(lock_);
    }
    CardSandbox(const CardSandbox&) = delete;
    CardSandbox& operator=(const CardSandbox&) = delete;

    // Starts them; why they cannot run here, or nothing once they do.
    QString start() {
        const ProcessResult check = script({QStringLiteral("check")});
        if (check.exitCode != 0 || !check.out.trimmed().isEmpty())
            return check.out.trimmed() + check.err;
        lock_ = ::open("/run/lock/kestrova-card-sandbox.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (lock_ < 0 || ::flock(lock_, LOCK_EX) != 0)
            return QStringLiteral("cannot take /run/lock/kestrova-card-sandbox.lock");
        started_ = true;
        const ProcessResult result = script({QStringLiteral("start"), dir_});
        read(result.out);
        return result.exitCode == 0 ? QString() : result.out + result.err;
    }
    // BUS, UDISKSD, CARD_A, UUID_A, CARD_B, UUID_B, and FUSE of the last mount.
    QString value(const QString& key) const { return values_.value(key); }
    // Mounts a card's device through FUSE, or binds a folder through it; its daemon's pid.
    pid_t mount(const QString& how, const QString& source, const QString& folder) {
        read(script({how, dir_, source, folder}).out);
        return value(QStringLiteral("FUSE")).toInt();
    }

private:
    ProcessResult script(const QStringList& arguments) const {
        return runProgram(QStringLiteral(KESTROVA_TEST_SUPPORT "/card_sandbox.sh"), arguments,
                          QString());
    }
    void read(const QString& out) {
        for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts))
            values_.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    }

    QString dir_ =
        QStringLiteral("/tmp/kestrova-card-sandbox.%1").arg(QCoreApplication::applicationPid());
    QMap<QString, QString> values_;
    int lock_ = -1;
    bool started_ = false;
};

} // namespace kestrova::test
