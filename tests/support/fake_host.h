#pragma once

#include "common/clock.h"
#include "dialog/form_model.h"

#include <QStringList>

#include <deque>
#include <functional>

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
    QStringList questions;
    QStringList openedUrls;
    QStringList modalCaptions;
    std::deque<std::optional<QString>> folderAnswers;
    QStringList browseStarts;         // where each folder browser opened
    std::deque<bool> yesNoAnswers;    // No once they run out
    std::function<void()> whileAsked; // what happens while a question stands
    std::deque<std::optional<QString>> profileFileAnswers;
    bool browserOpens = true;
    QStringList mountPoints; // the folders where a volume is mounted, as the system lists them
    QList<int> languagesUsed;
    QStringList printedPages;
    FixedClock fixedClock;

    void showMessage(const QString& text) override { messages << text; }
    std::optional<QString> chooseProfileFile(FileUse, const QString&) override {
        if (profileFileAnswers.empty())
            return std::nullopt;
        auto answer = profileFileAnswers.front();
        profileFileAnswers.pop_front();
        return answer;
    }
    // Table files come from the same answers as profiles.
    std::optional<QString> chooseTableFile(FileUse use, const QString& start) override {
        return chooseProfileFile(use, start);
    }
    bool askYesNo(const QString& text) override {
        questions << text;
        if (whileAsked)
            whileAsked();
        if (yesNoAnswers.empty())
            return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    bool isMountPoint(const QString& folder) const override { return mountPoints.contains(folder); }
    void useLanguage(int language) override { languagesUsed << language; }
    std::optional<QString> printPage(const QString& html) override {
        printedPages << html;
        return std::nullopt;
    }
    std::optional<QString> browseForFolder(const QString& start) override {
        browseStarts << start;
        if (folderAnswers.empty())
            return std::nullopt;
        auto answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    }
    bool openUrl(const QString& url) override {
        openedUrls << url;
        return browserOpens;
    }
    const Clock& clock() const override { return fixedClock; }
    dialog::DialogResult runModal(dialog::FormModel& model) override {
        model.initialise();
        modalCaptions << model.dialog().caption();
        return dialog::DialogResult::Accepted;
    }
};

} // namespace kestrova::test
