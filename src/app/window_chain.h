#pragma once

#include "app/process_state.h"
#include "app/setup_forms.h"
#include "dialog/form_model.h"

namespace kestrova {
class FileHistory;
namespace card {
class VolumeSource;
}
} // namespace kestrova

namespace kestrova::app {

class PreferencesStore;

// One window at a time: the main window, then the form it asked for, then a fresh main
// window, until the user closes a main window. Each form learns which cards `volumes` finds as
// it opens, and keeps the files it replaces in `history`; without them, neither.
class WindowChain {
public:
    WindowChain(ProcessState& state, PreferencesStore& store, const SetupForms& forms,
                dialog::DialogRunner& runner, dialog::Host& host,
                const card::VolumeSource* volumes = nullptr, FileHistory* history = nullptr);

    void run();

private:
    ProcessState& state_;
    PreferencesStore& store_;
    const SetupForms& forms_;
    dialog::DialogRunner& runner_;
    dialog::Host& host_;
    const card::VolumeSource* volumes_;
    FileHistory* history_;
};

} // namespace kestrova::app
