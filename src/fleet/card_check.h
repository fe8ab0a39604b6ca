#pragma once

#include "card/volumes.h"
#include "fleet/kit_files.h"

#include <QStringList>

#include <vector>

namespace kestrova::fleet {

// What a card is found to be before a camera's files go on it: the warnings a setup form's
// summary gives for its folder (read-only, too full for a day of the camera's pictures, larger
// than 32 GB and not FAT32, an earlier deployment's pictures in DCIM), the file system named as
// `kestrova cards` names it.
struct CardCheck {
    bool readOnly = false;
    QStringList warnings;        // in the language asked for
    QStringList englishWarnings; // for the log
};

CardCheck checkCard(const card::Volume& card, const std::vector<PreparedFile>& files, int model,
                    int language);

} // namespace kestrova::fleet
