#pragma once

#include "common/clock.h"
#include "dialog/form_model.h"

#include <QStringList>

#include <deque>

namespace kestrova::test {

class FixedClock final : public Clock {
public:
    QDateTime time{QDate(2012, 5, 6), QTime(7, 8, 9)};
    QDateTime now() const override { return time; }
};

// Records what a model asks of the outside instead of showing modal boxes.
class FakeHost final : public dialog::Host {
public:
    QStringList messages;
    QStringList openedUrls;
    QStringList modalCaptions;
    std::deque<std::optional<QString>> folderAnswers;
    FixedClock fixedClock;

    void showMessage(const QString& text) override { messages << text; }
    std::optional<QString> browseForFolder(const QString&) override {
        if (folderAnswers.empty())
            return std::nullopt;
        auto answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    }
    void openUrl(const QString& url) override { openedUrls << url; }
    const Clock& clock() const override { return fixedClock; }
    dialog::DialogResult runModal(dialog::FormModel& model) override {
        model.initialise();
        modalCaptions << model.dialog().caption();
        return dialog::DialogResult::Accepted;
    }
};

} // namespace kestrova::test
