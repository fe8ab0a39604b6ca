#pragma once

#include "app/process_state.h"
#include "dialog/form_model.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace kestrova::app {
class PreferencesStore;
struct SetupForms;
} // namespace kestrova::app

namespace kestrova::qt {

class DialogWindow;

// Every window the program can show, each made for a given state: the screenshots and the
// benchmarks go over all of them.
struct CatalogueEntry {
    QString name;
    std::function<std::unique_ptr<dialog::FormModel>(app::ProcessState&, dialog::Host&)> make;
    // A setup form filled in as an owner who uses most of it would; none for other windows.
    std::function<void(DialogWindow&)> fillIn = {};
};

std::vector<CatalogueEntry> windowCatalogue(app::PreferencesStore& store,
                                            const app::SetupForms& forms);

} // namespace kestrova::qt
