#pragma once

#include "app/setup_forms.h"
#include "qt/desktop.h"
#include "qt/dialog_window.h"
#include "support/fake_host.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace kestrova::test {

// One setup form as the desktop program makes it, in a real window, with the keyboard and
// mouse of a user.
struct OpenForm {
    FakeHost host;
    std::unique_ptr<dialog::FormModel> model;
    std::unique_ptr<qt::DialogWindow> window;

    OpenForm(app::SetupForm form, int cameraModel, int language = 2, FileHistory* history = nullptr)
        : OpenForm(form, contextFor(cameraModel, language, history)) {}

    // The form on that context; shown now unless told otherwise.
    OpenForm(app::SetupForm form, const dialog::FormContext& context, bool show = true) {
        model = qt::desktopForms().factory(form)(context, host);
        window = std::make_unique<qt::DialogWindow>(*model);
        if (show)
            window->show();
    }

    static dialog::FormContext contextFor(int cameraModel, int language, FileHistory* history) {
        dialog::FormContext context{{language, language == 1, false}, cameraModel, 0};
        context.history = history;
        return context;
    }

    QLineEdit* edit(int id) const { return qobject_cast<QLineEdit*>(window->widget(id)); }
    QComboBox* list(int id) const { return qobject_cast<QComboBox*>(window->widget(id)); }

    // Types after what the field holds.
    void typeInto(int id, const QString& text) const {
        QLineEdit* field = edit(id);
        field->setFocus();
        QTest::keyClicks(field, text);
    }
    // Types over what the field holds.
    void typeOver(int id, const QString& text) const {
        edit(id)->setFocus();
        edit(id)->selectAll();
        QTest::keyClicks(edit(id), text);
    }
    void chooseNext(int id) const {
        QComboBox* box = list(id);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
    }
};

} // namespace kestrova::test
