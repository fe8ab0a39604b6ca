#pragma once

#include "cli/file_report.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace kestrova::cli {

// One of the settings files a folder may hold, read and reported on as inspect does.
struct FolderFile {
    enum class State {
        Absent,
        Unreadable, // reason says why
        TooLarge,   // sizeText says how large, larger than any settings file
        Read,       // report tells what it holds
    };

    QString name; // "menu.dat", "setup.dat" or "smtp.dat"
    QString path;
    State state = State::Absent;
    QString reason;
    QString sizeText;
    QByteArray bytes; // Read: the file as read
    std::unique_ptr<FileReport> report;

    bool damaged() const {
        return state == State::TooLarge || (state == State::Read && report->damaged());
    }
};

// menu.dat, setup.dat and smtp.dat in the folder, in that order; the model as inspect's.
std::vector<FolderFile> settingsFilesIn(const QString& folder,
                                        std::optional<int> model = std::nullopt);

// The report on a settings file by its name: a card's files are what their names say.
std::unique_ptr<FileReport> reportByName(const QString& fileName, const QByteArray& bytes,
                                         std::optional<int> model = std::nullopt);

} // namespace kestrova::cli
