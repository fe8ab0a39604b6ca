#pragma once

#include "dialog/card_file_actions.h"
#include "dialog/form_context.h"
#include "dialog/form_model.h"
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
// they write into, the card actions of their context menu, and the Select, Generate and Exit
// buttons.
class SetupFormModel : public FormModel {
public:
    SetupFormModel(const DialogTemplate& dialogTemplate, SetupButtons buttons,
                   const FormContext& context, Host& host);
    ~SetupFormModel() override;
    SetupFormModel(const SetupFormModel&) = delete;
    SetupFormModel& operator=(const SetupFormModel&) = delete;

    // Once on screen, the form takes the cards as they are found: the one card becomes its
    // folder unless the owner chose one already, and a file of the form's kind there is
    // offered for loading.
    void shown() final;
    void buttonPressed(int id) final;
    std::vector<MenuAction> contextMenu() const final;
    void contextActionChosen(int command) final;

    QString targetFolder() const { return folder_.path(); }

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

private:
    void chooseFolder();
    void cardsFound(const QList<card::Volume>& cards);

    SetupButtons buttons_;
    FormContext context_;
    TargetFolder folder_;
    std::optional<CardFileActions> cardFile_;
};

} // namespace kestrova::dialog
