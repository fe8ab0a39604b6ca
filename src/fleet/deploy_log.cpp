#include "fleet/deploy_log.h"

#include "fleet/camera_list.h"
#include "fleet/csv_table.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace kestrova::fleet {

namespace {

const QStringList fileColumns{QStringLiteral("menu.dat"), QStringLiteral("setup.dat"),
                              QStringLiteral("smtp.dat")};

// The file's bytes out of Qt's buffer and the system's cache, onto the disk; why not.
std::optional<QString> synced(QFile& file) {
    if (!file.flush())
        return file.errorString();
#ifdef Q_OS_WIN
    if (::_commit(file.handle()) != 0)
#else
    if (::fsync(file.handle()) != 0)
#endif
        return QString::fromLocal8Bit(std::strerror(errno));
    return std::nullopt;
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
           << entry.cameraDelay << entry.summary;
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
            << QStringLiteral("camera_delay") << QStringLiteral("summary");
    columns << carriedColumns();
    return columns;
}

DeployLog::DeployLog() = default;
DeployLog::~DeployLog() = default;

std::optional<QString> DeployLog::open(const QString& path) {
    // A FIFO or a device would never end, or never answer.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return QStringLiteral("not a regular file");
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadWrite | QIODevice::Append))
        return file->errorString();
    const QByteArray header = csvLine(logColumns());
    if (file->size() == 0) {
        if (file->write(header) != header.size())
            return file->errorString();
        if (auto problem = synced(*file))
            return problem;
    } else if (!file->seek(0) || file->read(header.size()) != header) {
        return QStringLiteral("it is not a deployment log of this program (its first line is not "
                              "the log's header)");
    }
    file_ = std::move(file);
    return std::nullopt;
}

std::optional<QString> DeployLog::append(const LogEntry& entry) const {
    if (!file_)
        return QStringLiteral("the log is not open");
    const QByteArray row = csvLine(fieldsOf(entry));
    if (file_->write(row) != row.size())
        return file_->errorString();
    return synced(*file_);
}

} // namespace kestrova::fleet
