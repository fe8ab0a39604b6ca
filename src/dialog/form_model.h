#pragma once

#include "dialog/dialog.h"
#include "dialog/host.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace kestrova::dialog {

// An entry of a window's context menu.
struct MenuAction {
    int command;
    QString text;
    QString shortcut = {}; // a key sequence in its portable form ("Ctrl+L"), or none
};

// A window's behaviour: it owns the state of every control and reacts to the user's events.
// The window that shows it only mirrors that state and forwards events.
class FormModel {
public:
    FormModel(const DialogTemplate& dialogTemplate, Host& host);
    virtual ~FormModel() = default;

    Dialog& dialog() { return dialog_; }
    const Dialog& dialog() const { return dialog_; }
    Host& host() { return host_; }

    // Called once, after the window's controls exist and before it is shown.
    virtual void initialise() {}
    // Called once, as the window's first event after it is on screen.
    virtual void shown() {}

    // How the window runs what comes to the model from outside its events (an answer from
    // another thread): as one of its own events, so that it shows the model's state afterwards.
    // Without a window, such a thing runs at once.
    using EventRunner = std::function<void(std::function<void()> event)>;
    void setEventRunner(EventRunner runner) { runner_ = std::move(runner); }

    // The user's events. Lists and edits have already been updated in the dialog.
    virtual void listChanged(int /*id*/) {}
    virtual void editChanged(int /*id*/) {}
    virtual void buttonPressed(int /*id*/) {}
    // The focus left an edit.
    virtual void editFinished(int /*id*/) {}
    // A table's row was picked: double-clicked, or Enter on it.
    virtual void rowActivated(int /*id*/, int /*row*/) {}

    // Called once the window has shown the model after opening and after every event it
    // forwarded: a model that shows what follows from all its values brings it up to date here.
    virtual void eventHandled() {}

    // A model that shows something running (a clock) asks for a tick every so many
    // milliseconds while its window is open; 0 for none.
    virtual int tickInterval() const { return 0; }
    virtual void tick() {}

    // Escape, the close box or the window's cancel button. By default the window closes.
    virtual void closeRequested() { end(DialogResult::Cancelled); }

    // Enter presses the default button, unless another button has the focus (the window
    // handles that case itself).
    virtual void enterPressed();

    virtual std::vector<MenuAction> contextMenu() const { return {}; }
    virtual void contextActionChosen(int /*command*/) {}

    // Set once the window should close; the window closes after the event that set it.
    std::optional<DialogResult> result() const { return result_; }

protected:
    void end(DialogResult result) { result_ = result; }
    void runAsEvent(std::function<void()> event) {
        if (runner_)
            runner_(std::move(event));
        else
            event();
    }

    // A value put into a control as the user would: the control changes, then the model hears
    // of it, so every rule that typing or picking runs runs here too.
    void pick(int id, int position) {
        dialog_.userSelected(id, position);
        listChanged(id);
    }
    void type(int id, const QString& text) {
        dialog_.userEdited(id, text);
        editChanged(id);
    }

private:
    Dialog dialog_;
    Host& host_;
    std::optional<DialogResult> result_;
    EventRunner runner_;
};

// Runs a window for a model until the model ends it; the window chain is built on it.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    virtual DialogResult run(FormModel& model) = 0;
};

} // namespace kestrova::dialog
