#pragma once

#include "dialog/card_file_actions.h"
#include "dialog/form_context.h"
#include "dialog/form_model.h"
#include "dialog/form_plan.h"
#include "dialog/target_folder.h"

#include <QString>

#include <optional>
#include <vector>

namespace kestrova::dialog {

// The buttons every setup form has, by their control ids on its window.
struct SetupButtons {
    int select;
    int generate;
    int exit;
    int more; // opens the context menu
};

// What the camera, MMS and SMTP forms share: the program state they opened with, the folder
// they write into, the card actions of their context menu, the Select, Generate and Exit
// buttons, and, when the form has a plan, the strip that says what the camera will do.
class SetupFormModel : public FormModel {
public:
    // With `stripTriggers`, the form shows the strip, assuming that many triggers a day at first.
    SetupFormModel(const DialogTemplate& dialogTemplate, SetupButtons buttons,
                   const FormContext& context, Host& host,
                   std::optional<int> stripTriggers = std::nullopt);
    ~SetupFormModel() override;
    SetupFormModel(const SetupFormModel&) = delete;
    SetupFormModel& operator=(const SetupFormModel&) = delete;

    // Once on screen, the form takes the cards as they are found: the one card becomes its
    // folder unless the owner chose one already, and a file of the form's kind there is
    // offered for loading.
    void shown() final;
    void buttonPressed(int id) final;
    void eventHandled() final;
    std::vector<MenuAction> contextMenu() const final;
    void contextActionChosen(int command) final;

    QString targetFolder() const { return folder_.path(); }

    // The context menu's entry that opens the card report window, after the card actions.
    static constexpr int cardReportCommand = 120;

protected:
    // The card actions call back into the form, so the form hands its hooks over once it is
    // built: the derived constructor calls this.
    void useCardFileHooks(CardFileHooks hooks);

    const FormContext& context() const { return context_; }
    TargetFolder& folder() { return folder_; }
    const TargetFolder& folder() const { return folder_; }
    CardFileActions& cardFile() { return cardFile_.value(); }

    virtual void generate() = 0;
    // Puts the stored values back into their controls.
    virtual void showValues() = 0;
    // A button other than Select, Generate and Exit.
    virtual void otherButtonPressed(int /*id*/) {}

    // What the strip shows for the values as they stand: the form asks its plan.
    virtual StripContent stripContent() const { return {}; }
    // What every plan is told: the model, the language, the folder and the assumed triggers.
    PlanRequest planRequest() const;

private:
    void chooseFolder();
    void cardsFound(const QList<card::Volume>& cards);

    SetupButtons buttons_;
    FormContext context_;
    TargetFolder folder_;
    std::optional<CardFileActions> cardFile_;
    bool strip_;
    int triggers_; // the last number the strip's field held
};

} // namespace kestrova::dialog
