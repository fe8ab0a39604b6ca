#pragma once

#include "dialog/host.h"
#include "fleet/kit_files.h"

namespace kestrova::fleet {

// "Save kit from card...": the owner picks the card's folder and the kit file; the card's
// settings files become a kit of that model, named as the file is, unless one of them cannot be
// trusted. Tells the owner how it went, in `defaults.language`.
void saveKitFromCard(dialog::Host& host, int model, const RecordDefaults& defaults,
                     const QString& startFolder);

} // namespace kestrova::fleet
