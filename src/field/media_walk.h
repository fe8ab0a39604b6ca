#pragma once

#include "field/media_facts.h"

#include <QString>

#include <functional>

namespace kestrova::field {

// The pictures and videos a card holds: below its DCIM folder when it has one, else below the
// folder given. Folders are taken in the order of their names and so are the files in each, one
// folder's names at a time; hidden files (another system's "._" companions) and links are passed
// over. Paths are named from the folder given, with "/".
class MediaWalk {
public:
    explicit MediaWalk(QString folder);

    // How many pictures and videos there are, by their names alone.
    int count() const;

    // Reads each picture and video in turn and hands it to `each`, which says whether to go on;
    // whether the walk went through to the end.
    bool forEach(const std::function<bool(const MediaFacts&)>& each) const;

private:
    bool walk(const QString& folder, const QString& relative, int depth,
              const std::function<bool(const QString&, const QString&, MediaKind)>& file) const;

    QString folder_;
    QString start_; // DCIM, or the folder itself
};

} // namespace kestrova::field
