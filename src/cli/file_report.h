#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

#include <memory>
#include <optional>

namespace kestrova::cli {

// What inspect prints of one settings file.
class FileReport {
public:
    virtual ~FileReport() = default;
    virtual bool damaged() const = 0;
    virtual QStringList lines() const = 0; // "name: value" lines
    virtual QJsonObject json() const = 0;  // the same, usable as a profile
};

// A "menu.dat"; the model tells which form's layout and lists apply.
std::unique_ptr<FileReport> menuReport(const QByteArray& bytes, std::optional<int> model);

// A "setup.dat"; the model names the status entries beyond "Off" and "VGA".
std::unique_ptr<FileReport> mmsReport(const QByteArray& bytes, std::optional<int> model);

// A "smtp.dat"; the model tells which form's header applies, else the header itself does.
std::unique_ptr<FileReport> smtpReport(const QByteArray& bytes, std::optional<int> model);

// A file of any name: its size, name and check value tell which kind it is; a report of no
// settings file when none does.
std::unique_ptr<FileReport> reportFor(const QString& path, const QByteArray& bytes,
                                      std::optional<int> model);

} // namespace kestrova::cli
