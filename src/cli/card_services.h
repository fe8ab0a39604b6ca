#pragma once

#include "card/card_watch.h"

#include <memory>

namespace kestrova::cli {

// What tells the command of cards coming and going, and ejects them: udisks2 where it runs,
// through a module loaded only now, else the mount table once a second and no ejecting.
struct CardServices {
    std::unique_ptr<card::CardService> cards;
    bool udisks = false;
};

CardServices cardServices();

} // namespace kestrova::cli
