#pragma once

#include "dialog/form_model.h"
#include "support/fake_host.h"

#include <memory>

namespace kestrova::test {

// A form model driven as its window would drive it: the user's change first lands in the
// control, then the model hears of it.
template <typename Model> struct FormDriver {
    FakeHost host;
    std::unique_ptr<Model> model;

    dialog::Dialog& dialog() { return model->dialog(); }
    // Replaces the whole text in one change, as typing over a selection or pasting does.
    void edit(int id, const QString& text) {
        dialog().userEdited(id, text);
        model->editChanged(id);
    }
    // Picking the entry already selected is no change, as in the window.
    void choose(int id, int position) {
        if (dialog().userSelected(id, position))
            model->listChanged(id);
    }
    void press(int id) { model->buttonPressed(id); }
    // The focus moves on from an edit.
    void leave(int id) { model->editFinished(id); }
    QString text(int id) { return dialog().text(id); }
    bool readOnly(int id) { return dialog().control(id).readOnly; }

    // Points the form at a folder the way the user would: through its Select button.
    void selectFolder(int selectButton, const QString& folder) {
        host.folderAnswers.push_back(folder);
        press(selectButton);
    }
};

} // namespace kestrova::test
