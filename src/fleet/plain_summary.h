#pragma once

#include "fleet/kit_files.h"

#include <QString>

#include <vector>

namespace kestrova::fleet {

// What the camera will do with the files a card got, in plain English sentences, for the log
// and the deployments it exports: what a trigger does, when it is active, what it sends. Card
// and clock are left out (the log keeps them in columns of their own), and so are the phone
// numbers and addresses pictures go to: the log and its export are shared beyond the owner.
QString plainSummary(const std::vector<PreparedFile>& files, int model);

} // namespace kestrova::fleet
