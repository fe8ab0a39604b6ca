#pragma once

#include "fleet/kit_files.h"

#include <QString>
#include <QStringList>

namespace kestrova::fleet {

// A kit made of the settings files a folder (a card) holds.
struct CardKit {
    Kit kit;
    QStringList refused; // "menu.dat: why", for each file that cannot go into a kit
    bool empty() const {
        return !kit.section(KitPart::Menu) && !kit.section(KitPart::Mms) &&
               !kit.section(KitPart::Smtp);
    }
};

// Each of menu.dat, setup.dat and smtp.dat in the folder, read as the model's files, becomes
// its section as `kestrova inspect FILE --model N --json` prints it. A file is refused when it
// is damaged, or when its settings would not make the very same file again (apart from the
// camera clock): nothing of it could be trusted to reach another card as it stands here.
CardKit kitFromFolder(const QString& folder, int model, const QString& name,
                      const RecordDefaults& defaults);

// The models whose forms give back every settings file in the folder byte for byte: the one
// model that wrote them where the files tell (a menu.dat alone never does).
QList<int> modelsThatWrote(const QString& folder, const RecordDefaults& defaults);

} // namespace kestrova::fleet
