#pragma once

#include <QString>

namespace kestrova {

// Which file system a folder is the root of: its UUID or volume serial ("1A2B-3C4D"), the same
// whichever folder it is mounted at, and its label for people. Empty where none is known.
struct VolumeIdentity {
    QString uuid;
    QString label;

    bool isEmpty() const { return uuid.isEmpty(); }
    bool operator==(const VolumeIdentity&) const = default;
    // "CAM7 (1A2B-3C4D)", or the UUID alone.
    QString name() const {
        return label.isEmpty() ? uuid : QStringLiteral("%1 (%2)").arg(label, uuid);
    }
};

} // namespace kestrova
