#pragma once

#include "plan/setting_lines.h"
#include "plan/summary.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace kestrova::plan {

// The one page an owner keeps in the camera box: which camera and card, when, every setting as
// the form shows it, what the camera will do and what its estimates assume, the warnings, and
// the check value of the file.
struct SettingsSheet {
    QString fileName; // "menu.dat"
    int model = 1;
    int language = 2;
    QString folder;
    QDateTime date;
    std::vector<SettingLine> lines;
    Summary summary;
    std::optional<std::uint16_t> checkValue; // nothing when the settings cannot be written yet
    bool notWritten = false;                 // a form's settings, which no card holds as they are

    // The page as HTML, for a text document to lay out and print: the heading across, the
    // settings on the left, what the camera will do and the warnings on the right.
    QString html() const;
};

// The folder as a sheet shows it: the middle of a long path left out, so that both of its ends
// stay on the line.
QString sheetFolderText(const QString& folder);
inline constexpr int sheetFolderLength = 60;

// The check value a settings file carries: the menu record's CRC, or the stored check value of
// "setup.dat" and "smtp.dat"; nothing for bytes of no settings file.
std::optional<std::uint16_t> storedCheckValue(const QByteArray& bytes);

} // namespace kestrova::plan
