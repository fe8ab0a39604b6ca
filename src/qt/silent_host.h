#pragma once

#include "common/clock.h"
#include "dialog/host.h"

namespace kestrova::qt {

// A host that shows nothing modal, for rendering and timing windows without anyone to answer.
class SilentHost : public dialog::Host {
public:
    void showMessage(const QString&) override {}
    std::optional<QString> browseForFolder(const QString&) override { return std::nullopt; }
    std::optional<QString> chooseProfileFile(FileUse, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> chooseTableFile(FileUse, const QString&) override {
        return std::nullopt;
    }
    bool askYesNo(const QString&) override { return false; }
    bool openUrl(const QString&) override { return true; }
    const Clock& clock() const override { return clock_; }
    dialog::DialogResult runModal(dialog::FormModel&) override {
        return dialog::DialogResult::Cancelled;
    }

private:
    SystemClock clock_;
};

} // namespace kestrova::qt
