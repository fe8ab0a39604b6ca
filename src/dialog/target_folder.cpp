#include "dialog/target_folder.h"

#include "dialog/form_context.h"
#include "dialog/host.h"
#include "dialog/settings_file.h"

#include <QDir>
#include <QFileInfo>

namespace kestrova::dialog {

namespace {

// The folder chosen in this run goes first while it is there; one remembered from an earlier
// run, or a chosen one that is gone, gives way to the card.
bool chosenInThisRunStands(const FormContext& context) {
    return context.folderFromThisRun && !context.folder.path.isEmpty() &&
           QFileInfo(context.folder.path).isDir();
}

ChosenFolder startFolder(const FormContext& context) {
    if (context.folder.path.isEmpty())
        return {defaultTargetFolder(), false, {}};
    return context.folder;
}

} // namespace

QString defaultTargetFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::homePath();
#endif
}

TargetFolder::TargetFolder(Host& host, const FormContext& context)
    : host_(host)
    , volumes_(context.volumes)
    , history_(context.history)
    , folder_(startFolder(context))
    , cardFirst_(!chosenInThisRunStands(context))
    , chosen_(context.folderChosen) {}

const card::Volume* TargetFolder::detectedCard(const QString& path) const {
    const QString wanted = QFileInfo(path).canonicalFilePath();
    if (wanted.isEmpty())
        return nullptr;
    for (const card::Volume& card : cards_) {
        if (QFileInfo(card.mountPoint).canonicalFilePath() == wanted)
            return &card;
    }
    return nullptr;
}

bool TargetFolder::cardsFound(const QList<card::Volume>& cards) {
    cards_ = cards;
    if (cards_.size() == 1 && cardFirst_ && !ownerChose_)
        choose(cards_.constFirst().mountPoint);
    return !ownerChose_ && cards_.size() == 1 && detectedCard(folder_.path) == &cards_.constFirst();
}

void TargetFolder::choose(const QString& path) {
    // A detected card counts even where the system's mount table is not to be had.
    if (const card::Volume* card = detectedCard(path)) {
        folder_ = {path, true, card->identity()};
        return;
    }
    const auto volume = volumes_ ? volumes_->volumeAt(path) : std::nullopt;
    folder_ = {path, volume || host_.isMountPoint(path),
               volume ? volume->identity() : VolumeIdentity{}};
}

void TargetFolder::remember() const {
    if (chosen_ && !folder_.path.isEmpty())
        chosen_(folder_);
}

bool TargetFolder::browse() {
    const auto returned = host_.browseForFolder(folder_.path);
    // A cancelled browser leaves the folder, and where the next file goes, as it was.
    if (!returned || returned->isEmpty())
        return false;
    ownerChose_ = true;
    choose(*returned);
    remember();
    return true;
}

void TargetFolder::typed(const QString& text) {
    if (text == folder_.path)
        return;
    ownerChose_ = true;
    choose(text);
}

bool TargetFolder::writeFile(const char* fileName, const QByteArray& bytes, i18n::Message success,
                             int language, const ChangeLines& changes) {
    return writeFile(fileName, bytes, i18n::messageFor(success, language), language, changes);
}

bool TargetFolder::writeFile(const char* fileName, const QByteArray& bytes, const QString& success,
                             int language, const ChangeLines& changes) {
    if (!writeSettingsFile(host_, folder_.path, fileName, bytes, success, language, writeOptions(),
                           changes))
        return false;
    remember();
    return true;
}

VolumeIdentity TargetFolder::volumeNow() const {
    return card::identityAt(volumes_, folder_.path);
}

WriteOptions TargetFolder::writeOptions() const {
    WriteOptions options;
    options.mustBeMountPoint = folder_.mountPoint;
    options.history = history_;
    options.volume = folder_.volume;
    if (volumes_)
        options.volumeAt = [volumes = volumes_](const QString& folder) {
            return card::identityAt(volumes, folder);
        };
    return options;
}

} // namespace kestrova::dialog
