#pragma once

#include <QString>

#include <optional>

namespace kestrova::card {

struct VolumeSpace {
    qint64 bytesTotal = 0;
    qint64 bytesFree = 0; // what the user may still write
};

// The size and free space of the file system mounted at the folder, or nothing when it does
// not answer within `waitMs`: a FUSE daemon that stopped or a dead network never does, and
// its question is left to finish on its own (it is not asked again while it waits).
std::optional<VolumeSpace> volumeSpace(const QString& mountPoint, int waitMs);

} // namespace kestrova::card
