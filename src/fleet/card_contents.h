#pragma once

#include "fleet/kit_files.h"

#include <QString>

#include <optional>
#include <vector>

namespace kestrova::fleet {

// What a card already holds where a camera's files go, when that is not what this camera gets
// from this kit: those files would be replaced, so someone has to say yes first.
struct OtherContents {
    enum class Kind {
        OtherCamera, // menu.dat shows another serial text
        OtherKit,    // a file holds other settings than this kit's
        Damaged,     // a file cannot be read as settings at all
    };
    Kind kind;
    QString fileName;
    QString serial; // the other camera's serial text
};

// Nothing when the card holds none of the files, or each as this camera would get it (a camera
// menu apart from its clock).
std::optional<OtherContents> otherContents(const QString& folder,
                                           const std::vector<PreparedFile>& files, int model);

} // namespace kestrova::fleet
