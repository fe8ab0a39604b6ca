#include "fleet/save_kit.h"

#include "fleet/kit_from_card.h"
#include "i18n/fleet_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace kestrova::fleet {

using i18n::FleetText;

void saveKitFromCard(dialog::Host& host, int model, const RecordDefaults& defaults,
                     const QString& startFolder) {
    const auto say = [&defaults](FleetText id) { return i18n::fleetText(id, defaults.language); };
    const std::optional<QString> folder = host.browseForFolder(startFolder);
    if (!folder)
        return;
    const CardKit made = kitFromFolder(*folder, model, QString(), defaults);
    if (!made.refused.isEmpty()) {
        host.showMessage(say(FleetText::KitNotSaved).arg(made.refused.join(u'\n')));
        return;
    }
    if (made.empty()) {
        host.showMessage(say(FleetText::NoSettingsFile).arg(*folder));
        return;
    }
    const std::optional<QString> path =
        host.chooseProfileFile(dialog::Host::FileUse::Save, *folder);
    if (!path)
        return;
    Kit kit = made.kit;
    kit.name = QFileInfo(*path).completeBaseName();
    QSaveFile file(*path);
    const QByteArray json = kitJson(kit);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        host.showMessage(say(FleetText::KitNotSaved).arg(file.errorString()));
        return;
    }
    host.showMessage(say(FleetText::KitSaved).arg(kit.name, QDir::toNativeSeparators(*path)));
}

} // namespace kestrova::fleet
