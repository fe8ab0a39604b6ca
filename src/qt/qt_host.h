#pragma once

#include "common/clock.h"
#include "dialog/form_model.h"

#include <QFont>
#include <QTranslator>

#include <memory>

namespace kestrova::qt {

// The desktop's services for the form models, and the runner that shows their windows.
class QtHost : public dialog::Host, public dialog::DialogRunner {
public:
    QtHost();
    ~QtHost() override;

    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;
    std::optional<QString> browseForFolder(const QString& start) override;
    std::optional<QString> chooseProfileFile(FileUse use, const QString& start) override;
    std::optional<QString> chooseTableFile(FileUse use, const QString& start) override;
    bool openUrl(const QString& url) override;
    std::optional<QString> printPage(const QString& html) override;
    void useLanguage(int language) override;
    const Clock& clock() const override { return clock_; }
    dialog::DialogResult runModal(dialog::FormModel& model) override;
    dialog::DialogResult run(dialog::FormModel& model) override { return runModal(model); }

private:
    SystemClock clock_;
    QFont desktopFont_; // the application's font as the desktop gave it
    std::unique_ptr<QTranslator>
        qtTexts_; // Qt's own texts in the chosen language, when it has them
};

} // namespace kestrova::qt
