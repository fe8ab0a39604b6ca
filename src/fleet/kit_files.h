#pragma once

#include "fleet/kit.h"
#include "i18n/wording.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace kestrova::fleet {

// One value a camera gets instead of the kit's: a setting by its profile name, for one section
// or (no section) for every section of the kit that has that setting.
struct CameraValue {
    QString column; // where it came from, for messages: the column of the cameras table
    std::optional<KitPart> part;
    QString name;
    QString value;
};

// What the record bytes carry when the kit does not say: the language byte and the TV mode the
// desktop program would write, and the language messages are in.
struct RecordDefaults {
    int recordLanguage = 2;
    std::uint16_t tvMode = 0;
    int language = 2;
};

struct PreparedFile {
    KitPart part;
    QString fileName;
    QByteArray bytes;
};

// Why a camera's files cannot be made: the value of that column, or (no column) the kit itself.
struct SettingRefusal {
    QString column;
    QString message;         // as the command says it, in the language of the record defaults
    i18n::Wording said = {}; // the same for a window, in any language, where it can be worded

    QString text(int language) const { return said.isEmpty() ? message : said.text(language); }
};

struct PreparedKit {
    std::vector<PreparedFile> files; // in the order they are written
    std::optional<SettingRefusal> refusal;
    std::optional<int> intervalSeconds; // the pause between triggers, where the kit has a menu
};

// The files one camera gets: each section read as --profile reads it, then the camera's values
// as --set reads them, then the checks and the record as Generate makes them; the camera menu
// with `clock`. The first refusal stops it.
PreparedKit prepareKit(const Kit& kit, const QList<CameraValue>& values, const QDateTime& clock,
                       const RecordDefaults& defaults);

// The names of the settings of the kit's sections.
QStringList kitSettingNames(const Kit& kit);

// Whether any section of the kit has a setting of that name (with the section, that one).
bool kitHasSetting(const Kit& kit, std::optional<KitPart> part, const QString& name);

} // namespace kestrova::fleet
