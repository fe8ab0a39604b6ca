#include "dialog/target_folder.h"

#include "dialog/form_context.h"
#include "dialog/host.h"
#include "dialog/settings_file.h"

#include <QFileInfo>

#include <algorithm>

namespace kestrova::dialog {

namespace {

ChosenFolder startFolder(const FormContext& context) {
    // The one card in the PC is where the file is meant to go, wherever the last form wrote.
    if (context.cards.size() == 1)
        return {context.cards.constFirst(), true};
    if (context.folder.path.isEmpty())
        return {defaultTargetFolder(), false};
    return context.folder;
}

} // namespace

TargetFolder::TargetFolder(Host& host, const FormContext& context)
    : host_(host)
    , cards_(context.cards)
    , history_(context.history)
    , folder_(startFolder(context))
    , chosen_(context.folderChosen) {}

bool TargetFolder::isDetectedCard(const QString& path) const {
    const QString wanted = QFileInfo(path).canonicalFilePath();
    return !wanted.isEmpty() && std::any_of(cards_.begin(), cards_.end(), [&](const QString& card) {
        return QFileInfo(card).canonicalFilePath() == wanted;
    });
}

void TargetFolder::choose(const QString& path) {
    // A detected card counts even where the system's mount table is not to be had.
    folder_ = {path, host_.isMountPoint(path) || isDetectedCard(path)};
}

WriteOptions TargetFolder::writeOptions() const {
    WriteOptions options;
    options.mustBeMountPoint = folder_.mountPoint;
    options.history = history_;
    return options;
}

bool TargetFolder::browse() {
    const auto path =
        browseForTargetFolder(host_, cards_.size() == 1 ? cards_.constFirst() : folder_.path);
    // A cancelled browser leaves the folder, and where the next file goes, as it was.
    if (!path)
        return false;
    choose(*path);
    if (chosen_)
        chosen_(folder_);
    return true;
}

void TargetFolder::typed(const QString& text) {
    if (text != folder_.path)
        choose(text);
}

void TargetFolder::use(const QString& text) {
    typed(text);
    if (chosen_ && !folder_.path.isEmpty())
        chosen_(folder_);
}

} // namespace kestrova::dialog
