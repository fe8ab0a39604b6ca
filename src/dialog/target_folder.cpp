#include "dialog/target_folder.h"

#include "dialog/host.h"
#include "dialog/settings_file.h"

namespace kestrova::dialog {

TargetFolder::TargetFolder(Host& host, const ChosenFolder& start,
                           std::function<void(const ChosenFolder&)> chosen)
    : host_(host)
    , folder_(start.path.isEmpty() ? ChosenFolder{defaultTargetFolder(), false} : start)
    , chosen_(std::move(chosen)) {}

void TargetFolder::choose(const QString& path) {
    folder_ = {path, host_.isMountPoint(path)};
}

void TargetFolder::browse() {
    choose(browseForTargetFolder(host_, folder_.path));
    if (chosen_)
        chosen_(folder_);
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
