// The entry of the module the command loads for udisks2: it keeps D-Bus out of every other
// command's start.
#include "card/udisks_cards.h"

extern "C" Q_DECL_EXPORT kestrova::card::CardService* kestrovaCardService(int waitMs) {
    return kestrova::card::UdisksCards::connectTo(waitMs).release();
}
