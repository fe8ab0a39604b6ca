#include "field/media_walk.h"

#include "field/media_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

#ifndef Q_OS_WIN
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace kestrova::field {

namespace {

// Cameras keep DCIM/100MEDIA/...; anything deeper is none of theirs.
constexpr int deepestFolder = 6;

struct Entry {
    QString name;
    bool folder = false;
};

// A folder's files and folders by name, hidden ones and links left out. Where the system says
// what an entry is, nothing more is asked of it: a card's folder of thousands of pictures is
// listed without a look at each.
std::vector<Entry> entriesOf(const QString& folder) {
    std::vector<Entry> entries;
#ifndef Q_OS_WIN
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return entries;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat status {};
            if (::fstatat(::dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISDIR(status.st_mode) ? DT_DIR : S_ISREG(status.st_mode) ? DT_REG : DT_LNK;
        }
        if (type == DT_DIR || type == DT_REG)
            entries.push_back({QFile::decodeName(entry->d_name), type == DT_DIR});
    }
    ::closedir(dir);
#else
    for (const QFileInfo& info : QDir(folder).entryInfoList(
             QDir::Files | QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot)) {
        if (!info.isSymLink())
            entries.push_back({info.fileName(), info.isDir()});
    }
#endif
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

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
    const std::vector<Entry> entries = entriesOf(folder);
    const QString prefix = relative.isEmpty() ? QString() : relative + u'/';
    for (const Entry& entry : entries) {
        if (entry.folder)
            continue;
        if (const auto kind = mediaKindOf(entry.name)) {
            if (!file(folder + u'/' + entry.name, prefix + entry.name, *kind))
                return false;
        }
    }
    if (depth >= deepestFolder)
        return true;
    for (const Entry& entry : entries) {
        if (entry.folder && !walk(folder + u'/' + entry.name, prefix + entry.name, depth + 1, file))
            return false;
    }
    return true;
}

int MediaWalk::count() const {
    int count = 0;
    walk(start_.isEmpty() ? folder_ : QDir(folder_).filePath(start_), start_, 0,
         [&count](const QString&, const QString&, MediaKind) {
             ++count;
             return true;
         });
    return count;
}

bool MediaWalk::forEach(const std::function<bool(const MediaFacts&)>& each) const {
    return walk(start_.isEmpty() ? folder_ : QDir(folder_).filePath(start_), start_, 0,
                [&each](const QString& path, const QString& relative, MediaKind kind) {
                    return each(readMediaFile(path, relative, kind));
                });
}

} // namespace kestrova::field
