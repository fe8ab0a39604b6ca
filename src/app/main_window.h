#pragma once

#include "app/process_state.h"
#include "app/setup_forms.h"
#include "dialog/form_model.h"

#include <optional>

namespace kestrova::app {

class PreferencesStore;

// Where the update button leads.
inline constexpr const char* downloadPageUrl = "https://www.kestrova.example/setup/download";

constexpr int copyrightCommand = 16;
// Outside copyrightCommand's sixteen.
constexpr int manyCardsCommand = 32;
constexpr int saveKitCommand = 33;
constexpr int cardReportCommand = 34;

// The home screen: the language and model lists, which are written to the preferences the
// moment they change, and the three setup buttons.
class MainWindow final : public dialog::FormModel {
public:
    MainWindow(ProcessState& state, PreferencesStore& store, const SetupForms& forms,
               dialog::Host& host);

    void initialise() override;
    void listChanged(int id) override;
    void buttonPressed(int id) override;
    void enterPressed() override;
    std::vector<dialog::MenuAction> contextMenu() const override;
    void contextActionChosen(int command) override;

    // The form the user asked for; nothing when the window was closed.
    std::optional<SetupForm> chosenForm() const { return chosen_; }

private:
    void applyCaptions();
    void fillLanguageList();
    void updateButtons();

    ProcessState& state_;
    PreferencesStore& store_;
    const SetupForms& forms_;
    std::optional<SetupForm> chosen_;
};

} // namespace kestrova::app
