#include "card/volumes.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kestrova::card {

std::optional<Volume> VolumeSource::volumeAt(const QString& folder) const {
    const QString wanted = QFileInfo(folder).canonicalFilePath();
    if (wanted.isEmpty())
        return std::nullopt;
    for (const Volume& volume : volumes()) {
        if (QFileInfo(volume.mountPoint).canonicalFilePath() == wanted)
            return volume;
    }
    return std::nullopt;
}

QList<Volume> detectCards(const VolumeSource& source) {
    QList<Volume> cards;
    for (const Volume& volume : source.volumes()) {
        if (volume.isCard())
            cards.append(volume);
    }
    std::sort(cards.begin(), cards.end(),
              [](const Volume& a, const Volume& b) { return a.mountPoint < b.mountPoint; });
    return cards;
}

VolumeIdentity identityAt(const VolumeSource* source, const QString& folder) {
    if (!source)
        return {};
    const auto volume = source->volumeAt(folder);
    return volume ? volume->identity() : VolumeIdentity{};
}

} // namespace kestrova::card
