#pragma once

#include "i18n/language.h"
#include "plan/assumptions.h"
#include "plan/menu_facts.h"

#include <QString>

#include <optional>

namespace kestrova::plan {

// What the volume under a folder tells: the card a file is written to.
struct CardFacts {
    bool known = false;      // the folder lies on a mounted volume that answered
    bool volumeRoot = false; // the folder is the volume's root, as a card's folder is
    qint64 bytesTotal = 0;
    qint64 bytesFree = 0;
    QString fileSystem; // "vfat", "exfat", ...
    bool readOnly = false;
    int dcimFiles = 0; // files below the folder's DCIM, up to a bound
};

// What the other settings files in the folder (or a kit) say about sending and taking pictures.
struct CardFiles {
    std::optional<MenuFacts> menu;   // menu.dat's settings, when it is intact and holds them
    bool mmsSendsPictures = false;   // setup.dat sends pictures by MMS
    bool emailSendsPictures = false; // smtp.dat sends pictures by e-mail
};

// Everything a summary takes besides the settings themselves.
struct PlanInputs {
    int language = i18n::English;
    int triggersPerDay = defaultTriggersPerDay;
    // An empty card of this size, as the owner gave it; else the card's own free space.
    std::optional<qint64> cardSize;
    CardFacts card;
    CardFiles files;
    // Whether the PC's clock keeps to a time server; nothing where that cannot be asked, or
    // where the clock in question is not the PC's own now (a file's stored clock).
    std::optional<bool> clockSynchronised;
    // Whether the camera menu's summary tells the clock it sets: not where the clock is kept
    // apart, as in the deployment log.
    bool tellClock = true;
    // Whether the summary names the phone numbers and addresses pictures go to (and from): not
    // in the deployment log and its export, which are shared beyond the owner.
    bool nameRecipients = true;
};

} // namespace kestrova::plan
