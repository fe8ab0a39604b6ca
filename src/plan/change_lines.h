#pragma once

#include "plan/setting_lines.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace kestrova::plan {

// How the file a write replaced stood.
enum class ReplacedFile {
    None,         // there was none: a new file
    Readable,     // its settings could be read as this form's
    Damaged,      // its checks failed
    FactoryReset, // the factory reset record
    OtherForm,    // intact, but written for another model's form
};

// What a write changed, for its success message: the settings whose value differs, "Video
// Length: 10 s -> 30 s", at most `most` of them and then "and N more"; or what the replaced file
// was, when its settings could not be compared.
QStringList changeLines(ReplacedFile replaced, const std::vector<SettingLine>& before,
                        const std::vector<SettingLine>& after, int language, int most = 8);

} // namespace kestrova::plan
