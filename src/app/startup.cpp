#include "app/startup.h"

#include "app/preferences_store.h"
#include "storage/record_file.h"

#include <QFileInfo>

namespace kestrova::app {

ProcessState startUp(PreferencesStore& store, std::uint16_t systemLanguageId,
                     StoreDefaults defaults) {
    const bool write = defaults == StoreDefaults::Write;
    using namespace i18n;
    const bool systemIsChinese = systemLanguageId == langIdChinesePrc;
    const int defaultLanguage = defaultLanguageFor(systemLanguageId);

    int language = defaultLanguage;
    if (!store.exists()) {
        if (write)
            store.writeLanguage(defaultLanguage);
    } else if (const auto stored = store.readLanguage()) {
        // A number edited by hand outside the language table has no texts: fall back to the
        // default.
        language = isValidLanguage(*stored) ? *stored : defaultLanguage;
    }

    ProcessState state;
    state.languageState = languageAtStart(language, systemIsChinese);

    if (const auto model = store.readModel()) {
        state.model = isValidModel(*model) ? *model : 1;
    } else {
        state.model = 1;
        if (write)
            store.writeModel(1);
    }

    if (const auto tvMode = store.readTvMode()) {
        state.tvMode = *tvMode;
    } else {
        state.tvMode = 0;
        if (write)
            store.writeTvMode(0);
    }

    // The forms open where the last one wrote, as long as that folder is still there, and
    // with what it was then: a card's folder that the card has left is no plain folder now.
    if (const auto folder = store.readFolder(); folder && QFileInfo(folder->path).isDir())
        state.folder = {folder->path, folder->mountPoint.value_or(isMountPoint(folder->path)),
                        folder->volume};

    if (write && !store.hasCompany())
        store.writeCompany();
    return state;
}

} // namespace kestrova::app
