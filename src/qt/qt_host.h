#pragma once

#include "common/clock.h"
#include "dialog/form_model.h"

namespace kestrova::qt {

// The desktop's services for the form models, and the runner that shows their windows.
class QtHost : public dialog::Host, public dialog::DialogRunner {
public:
    void showMessage(const QString& text) override;
    std::optional<QString> browseForFolder(const QString& start) override;
    void openUrl(const QString& url) override;
    const Clock& clock() const override { return clock_; }
    dialog::DialogResult runModal(dialog::FormModel& model) override;
    dialog::DialogResult run(dialog::FormModel& model) override { return runModal(model); }

private:
    SystemClock clock_;
};

} // namespace kestrova::qt
