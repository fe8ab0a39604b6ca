#include "card/device_facts.h"

#include <QFileInfo>

namespace kestrova::card {

void joinInto(Volume& volume, const DeviceFacts& facts) {
    volume.removable = volume.removable || facts.removable;
    volume.flashMedia = volume.flashMedia || facts.flashMedia;
    volume.rotational = volume.rotational || facts.rotational;
    if (volume.bus == Bus::Other || facts.bus == Bus::Sd)
        volume.bus = facts.bus == Bus::Other ? volume.bus : facts.bus;
    for (const auto& [name, fact] :
         {std::pair{&Volume::fileSystem, &facts.fileSystem}, std::pair{&Volume::uuid, &facts.uuid},
          std::pair{&Volume::label, &facts.label}}) {
        if ((volume.*name).isEmpty())
            volume.*name = *fact;
    }
    if (volume.bytesTotal == 0)
        volume.bytesTotal = facts.size;
}

QString kernelDeviceName(const QString& node) {
    const QString canonical = QFileInfo(node).canonicalFilePath();
    return canonical.isEmpty() ? node : canonical;
}

} // namespace kestrova::card
