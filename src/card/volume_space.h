#pragma once

#include <QStringList>

#include <functional>
#include <vector>

#include <optional>

namespace kestrova::card {

struct VolumeSpace {
    qint64 bytesTotal = 0;
    qint64 bytesFree = 0; // what the user may still write
};

// How a file system is asked for its size (statvfs); tests put a slow one in its place.
using SpaceQuestion = std::function<std::optional<VolumeSpace>(const QString& mountPoint)>;

// The size and free space of the file system mounted at the folder, or nothing when it does
// not answer within `waitMs`: a FUSE daemon that stopped or a dead network never does, and
// its question is left to finish on its own (it is not asked again while it waits).
std::optional<VolumeSpace> volumeSpace(const QString& mountPoint, int waitMs);
// The same for several file systems, asked all at once: `waitMs` bounds the wait for all of
// them together, however many do not answer.
std::vector<std::optional<VolumeSpace>> volumeSpaces(const QStringList& mountPoints, int waitMs,
                                                     const SpaceQuestion& question = {});

} // namespace kestrova::card
