#include "app/window_chain.h"

#include "app/main_window.h"
#include "app/preferences_store.h"
#include "card/card_lookup.h"

namespace kestrova::app {

WindowChain::WindowChain(ProcessState& state, PreferencesStore& store, const SetupForms& forms,
                         dialog::DialogRunner& runner, dialog::Host& host,
                         const card::VolumeSource* volumes, FileHistory* history)
    : state_(state)
    , store_(store)
    , forms_(forms)
    , runner_(runner)
    , host_(host)
    , volumes_(volumes)
    , history_(history) {}

void WindowChain::run() {
    for (;;) {
        std::optional<SetupForm> chosen;
        {
            MainWindow mainWindow(state_, store_, forms_, host_);
            runner_.run(mainWindow);
            chosen = mainWindow.chosenForm();
        }
        if (!chosen)
            return;
        const FormFactory& factory = forms_.factory(*chosen);
        if (!factory)
            continue;
        dialog::FormContext context{state_.languageState, state_.model, state_.tvMode,
                                    state_.folder, state_.folderFromThisRun};
        // The next form, and the next start, open in the folder the user went to last.
        context.folderChosen = [this](const dialog::ChosenFolder& folder) {
            state_.folder = folder;
            state_.folderFromThisRun = true;
            store_.writeFolder(folder);
        };
        // The form opens at once; the cards come when the system has told them.
        context.cards =
            volumes_ ? card::CardLookup::start(*volumes_) : card::CardLookup::answered({});
        context.volumes = volumes_;
        context.history = history_;
        context.cardReport = forms_.cardReport;
        const auto form = factory(context, host_);
        // However the form ends, a fresh main window follows.
        runner_.run(*form);
    }
}

} // namespace kestrova::app
