#include "fleet/deploy_log.h"

#include "fleet/camera_list.h"
#include "fleet/csv_table.h"
#include "format/write_all.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrova::fleet {

namespace {

const QStringList fileColumns{QStringLiteral("menu.dat"), QStringLiteral("setup.dat"),
                              QStringLiteral("smtp.dat")};

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

QStringList fieldsOf(const LogEntry& entry) {
    QStringList fields{entry.written.toString(Qt::ISODate),
                       entry.cameraId,
                       entry.model,
                       entry.device,
                       entry.label,
                       entry.uuid};
    for (const QString& file : fileColumns)
        fields << entry.sha256.value(file);
    fields << entry.clock << entry.kitName << entry.kitSha256 << entry.result << entry.setupBy
           << entry.cameraDelay;
    for (const QString& column : carriedColumns())
        fields << entry.carried.value(column);
    return fields;
}

} // namespace

QStringList logColumns() {
    QStringList columns{QStringLiteral("time_written"), QStringLiteral("camera_id"),
                        QStringLiteral("model"),        QStringLiteral("device"),
                        QStringLiteral("label"),        QStringLiteral("uuid")};
    columns << fileColumns;
    columns << QStringLiteral("clock") << QStringLiteral("kit_name") << QStringLiteral("kit_sha256")
            << QStringLiteral("result") << QStringLiteral("setup_by")
            << QStringLiteral("camera_delay");
    columns << carriedColumns();
    return columns;
}

DeployLog::~DeployLog() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::optional<QString> DeployLog::open(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return systemError();
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return QStringLiteral("not a regular file");
    }
    const QByteArray header = csvLine(logColumns());
    if (status.st_size == 0) {
        if (!format::writeAll(fd, header) || ::fsync(fd) != 0) {
            const QString why = systemError();
            ::close(fd);
            return why;
        }
    } else {
        QByteArray start(header.size(), '\0');
        if (::pread(fd, start.data(), start.size(), 0) != start.size() || start != header) {
            ::close(fd);
            return QStringLiteral("it is not a deployment log of this program (its first line "
                                  "is not the log's header)");
        }
    }
    fd_ = fd;
    path_ = path;
    return std::nullopt;
}

std::optional<QString> DeployLog::append(const LogEntry& entry) const {
    if (fd_ < 0)
        return QStringLiteral("the log is not open");
    if (!format::writeAll(fd_, csvLine(fieldsOf(entry))) || ::fsync(fd_) != 0)
        return systemError();
    return std::nullopt;
}

} // namespace kestrova::fleet
