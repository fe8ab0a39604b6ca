#include "field/media_walk.h"

#include "field/media_file.h"

#include <QDir>
#include <QFileInfo>

namespace kestrova::field {

namespace {

// Cameras keep DCIM/100MEDIA/...; anything deeper is none of theirs.
constexpr int deepestFolder = 6;

} // namespace

MediaWalk::MediaWalk(QString folder)
    : folder_(std::move(folder)) {
    const QDir dir(folder_);
    const QStringList dcim = dir.entryList({QStringLiteral("DCIM")},
                                           QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    start_ = dcim.isEmpty() ? QString() : dcim.constFirst();
}

bool MediaWalk::walk(
    const QString& folder, const QString& relative, int depth,
    const std::function<bool(const QString&, const QString&, MediaKind)>& file) const {
    const QDir dir(folder);
    const QStringList files =
        dir.entryList(QDir::Files | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : files) {
        if (const auto kind = mediaKindOf(name)) {
            if (!file(dir.filePath(name), relative.isEmpty() ? name : relative + u'/' + name,
                      *kind))
                return false;
        }
    }
    if (depth >= deepestFolder)
        return true;
    const QStringList folders = dir.entryList(QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot,
                                              QDir::Name | QDir::IgnoreCase);
    for (const QString& name : folders) {
        if (!walk(dir.filePath(name), relative.isEmpty() ? name : relative + u'/' + name, depth + 1,
                  file))
            return false;
    }
    return true;
}

int MediaWalk::count() const {
    int count = 0;
    walk(QDir(folder_).filePath(start_), start_, 0,
         [&count](const QString&, const QString&, MediaKind) {
             ++count;
             return true;
         });
    return count;
}

bool MediaWalk::forEach(const std::function<bool(const MediaFacts&)>& each) const {
    return walk(QDir(folder_).filePath(start_), start_, 0,
                [&each](const QString& path, const QString& relative, MediaKind kind) {
                    return each(readMediaFile(path, relative, kind));
                });
}

} // namespace kestrova::field
