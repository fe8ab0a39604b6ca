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
// the form shows it, what the camera will do, the warnings, and the check value of the file.
struct SettingsSheet {
    QString fileName; // "menu.dat"
    int model = 1;
    int language = 2;
    QString folder;
    QDateTime date;
    std::vector<SettingLine> lines;
    Summary summary;
    std::optional<std::uint16_t> checkValue; // nothing when the settings cannot be written yet

    // The sheet as a part of a page, and as a page of its own (HTML, for a text document to lay
    // out and print).
    QString section() const;
    QString html() const;
};

// The sheets of several files on one page.
QString sheetPage(const std::vector<SettingsSheet>& sheets);

// The check value a settings file carries: the menu record's CRC, or the stored check value of
// "setup.dat" and "smtp.dat"; nothing for bytes of no settings file.
std::optional<std::uint16_t> storedCheckValue(const QByteArray& bytes);

} // namespace kestrova::plan
