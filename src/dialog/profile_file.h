#pragma once

#include "common/profile_document.h"
#include "storage/bounded_read.h"

#include <QString>

namespace kestrova::dialog {

// Far more than the longest profile inspect prints (about 2 KiB).
constexpr qint64 profileLimit = 1024 * 1024;

// A profile file as the window's "Load profile" and the command's --profile both check it: a
// regular file of at most profileLimit bytes, one JSON object naming each setting once, the
// report of an intact file of the kind wanted, and no name that is neither a setting nor part of
// the report. Each side words the failure in its own way.
struct ProfileFile {
    storage::BoundedRead read;
    ProfileDocument document; // once the read went well

    bool ok() const { return read.ok() && !document.problem; }
};

ProfileFile readProfileFile(const QString& path, const ProfileKeys& keys);

} // namespace kestrova::dialog
