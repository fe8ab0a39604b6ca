#include "dialog/setup_form_model.h"

#include "card/card_lookup.h"
#include "i18n/field_texts.h"
#include "i18n/notices.h"

#include <algorithm>

namespace kestrova::dialog {

namespace {

constexpr int mostTriggers = 9999;

} // namespace

SetupFormModel::SetupFormModel(const DialogTemplate& dialogTemplate, SetupButtons buttons,
                               const FormContext& context, Host& host,
                               std::optional<int> stripTriggers)
    : FormModel(stripTriggers ? withSummaryStrip(dialogTemplate) : dialogTemplate, host)
    , buttons_(buttons)
    , context_(context)
    , folder_(host, context)
    , strip_(stripTriggers.has_value())
    , triggers_(stripTriggers.value_or(0)) {
    const QString more = i18n::noticeText(i18n::Notice::MenuMore, context.textLanguage());
    dialog().setControlCaption(buttons.more, more);
    dialog().setToolTip(buttons.more, more);
    if (strip_)
        setUpStrip(dialog(), context.textLanguage(), triggers_);
}

void SetupFormModel::eventHandled() {
    if (!strip_)
        return;
    // A field the owner has emptied keeps the last number until a new one is typed.
    if (const auto typed = assumedTriggers(dialog()))
        triggers_ = std::clamp(*typed, 0, mostTriggers);
    showStrip(dialog(), stripContent(), context_.textLanguage());
}

PlanRequest SetupFormModel::planRequest() const {
    return {context_.model, context_.textLanguage(), folder_.path(), triggers_};
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
    cardFile_.emplace(host(), dialog(), context_, folder_, std::move(hooks));
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
    std::vector<MenuAction> actions = cardFile_.value().menu();
    if (context_.cardReport)
        actions.push_back({cardReportCommand, i18n::fieldText(i18n::FieldText::MenuCardReport,
                                                              context_.textLanguage())});
    return actions;
}

void SetupFormModel::contextActionChosen(int command) {
    if (command != cardReportCommand) {
        cardFile().chosen(command);
        return;
    }
    if (!context_.cardReport)
        return;
    // What the card measured becomes what the strip assumes, as if typed into its field.
    const auto triggers =
        context_.cardReport({folder_.path(), context_.textLanguage(), context_.model, strip_});
    if (triggers && strip_)
        type(summary_strip::triggersField, QString::number(*triggers));
}

} // namespace kestrova::dialog
