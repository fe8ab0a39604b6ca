#include "fleet/save_kit.h"

#include "fleet/kit_from_card.h"
#include "fleet/log_values.h"
#include "i18n/fleet_texts.h"
#include "i18n/messages.h"

#include <QDir>
#include <QFileInfo>

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
    kit.name = normalisedName(QFileInfo(*path).completeBaseName());
    const WriteResult written = writeKitFile(*path, kit);
    if (!written.ok()) {
        host.showMessage(say(FleetText::KitNotSaved)
                             .arg(i18n::writeFailureMessage(written, defaults.language, false)));
        return;
    }
    QString saved = say(FleetText::KitSaved).arg(kit.name, QDir::toNativeSeparators(*path));
    if (const QStringList passwords = kitPasswords(kit); !passwords.isEmpty())
        saved +=
            u'\n' + say(FleetText::KitHoldsPasswords).arg(passwords.join(QStringLiteral(", ")));
    host.showMessage(saved);
}

} // namespace kestrova::fleet
