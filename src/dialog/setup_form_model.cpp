#include "dialog/setup_form_model.h"

#include "card/card_lookup.h"
#include "i18n/notices.h"

namespace kestrova::dialog {

SetupFormModel::SetupFormModel(const DialogTemplate& dialogTemplate, SetupButtons buttons,
                               const FormContext& context, Host& host)
    : FormModel(dialogTemplate, host)
    , buttons_(buttons)
    , context_(context)
    , folder_(host, context) {
    const QString more = i18n::noticeText(i18n::Notice::MenuMore, context.textLanguage());
    dialog().setControlCaption(buttons.more, more);
    dialog().setToolTip(buttons.more, more);
}

SetupFormModel::~SetupFormModel() {
    if (context_.cards)
        context_.cards->whenFound({});
}

void SetupFormModel::shown() {
    if (context_.cards)
        context_.cards->whenFound([this](const QList<card::Volume>& cards) {
            runAsEvent([this, cards] { cardsFound(cards); });
        });
}

void SetupFormModel::cardsFound(const QList<card::Volume>& cards) {
    // A form on its way out asks nothing more.
    if (result() || !folder_.cardsFound(cards))
        return;
    showValues();
    cardFile().offerToLoad();
}

void SetupFormModel::useCardFileHooks(CardFileHooks hooks) {
    cardFile_.emplace(host(), context_, folder_, std::move(hooks));
}

void SetupFormModel::buttonPressed(int id) {
    if (id == buttons_.select)
        chooseFolder();
    else if (id == buttons_.generate)
        generate();
    else if (id == buttons_.exit)
        end(DialogResult::Cancelled);
    else
        otherButtonPressed(id);
}

void SetupFormModel::chooseFolder() {
    if (!folder_.browse())
        return;
    showValues();
    // The folder is what Select was for: Enter now writes the file.
    dialog().setFocus(buttons_.generate);
    cardFile().offerToLoad();
}

std::vector<MenuAction> SetupFormModel::contextMenu() const {
    return cardFile_.value().menu();
}

void SetupFormModel::contextActionChosen(int command) {
    cardFile().chosen(command);
}

} // namespace kestrova::dialog
