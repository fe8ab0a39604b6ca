#pragma once

#include "app/process_state.h"

#include <cstdint>

namespace kestrova::app {

class PreferencesStore;

enum class StoreDefaults { Write, Leave };

// Settles the process state from the system's default language and the preferences store,
// writing the defaults a first start needs (the command-line tool only reads, and leaves them).
// Store failures are silent: defaults are used.
ProcessState startUp(PreferencesStore& store, std::uint16_t systemLanguageId,
                     StoreDefaults defaults = StoreDefaults::Write);

} // namespace kestrova::app
