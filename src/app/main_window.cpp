#include "app/main_window.h"

#include "app/about_box.h"
#include "app/camera_models.h"
#include "app/preferences_store.h"
#include "app/routing.h"
#include "fleet/save_kit.h"
#include "i18n/field_texts.h"
#include "i18n/fleet_texts.h"
#include "i18n/main_texts.h"
#include "i18n/notices.h"
#include "res/main_templates.h"

namespace kestrova::app {

using namespace res::main_window;

MainWindow::MainWindow(ProcessState& state, PreferencesStore& store, const SetupForms& forms,
                       dialog::Host& host)
    : FormModel(res::mainWindowTemplate(), host)
    , state_(state)
    , store_(store)
    , forms_(forms) {}

void MainWindow::initialise() {
    dialog().setCaption(QStringLiteral("Kestrova"));
    host().useLanguage(state_.language());
    applyCaptions();
    fillLanguageList();
    dialog().setEntries(modelList, modelNames(), state_.model - 1);
    updateButtons();
}

void MainWindow::applyCaptions() {
    for (const auto& caption : i18n::mainCaptions(state_.language()))
        dialog().setControlCaption(caption.controlId, caption.text);
}

void MainWindow::fillLanguageList() {
    dialog().setEntries(languageList, i18n::languageListRows(state_.languageState),
                        i18n::selectedLanguageRow(state_.languageState));
}

void MainWindow::updateButtons() {
    dialog().setEnabled(cameraSetup, static_cast<bool>(forms_.camera));
    dialog().setEnabled(mmsSetup, static_cast<bool>(forms_.mms));
    const bool sendsEmail = hasSmtp(state_.model);
    dialog().setEnabled(smtpSetup, static_cast<bool>(forms_.smtp) && sendsEmail);
    // A greyed button says why, so nobody looks for a setting that would enable it.
    dialog().setToolTip(smtpSetup, sendsEmail ? QString()
                                              : i18n::noticeText(i18n::Notice::ModelSendsNoEmail,
                                                                 state_.language()));
}

void MainWindow::listChanged(int id) {
    const int row = dialog().selection(id);
    if (row < 0)
        return;
    if (id == languageList) {
        state_.languageState = i18n::chooseLanguageRow(state_.languageState, row);
        dialog().setEntries(languageList, i18n::languageListRows(state_.languageState), row);
        applyCaptions();
        updateButtons();
        host().useLanguage(state_.language());
        store_.writeLanguage(state_.languageState.chosenLanguage());
    } else if (id == modelList) {
        state_.model = row + 1;
        store_.writeModel(state_.model);
        updateButtons();
    }
}

void MainWindow::buttonPressed(int id) {
    const auto open = [this](SetupForm form) {
        chosen_ = form;
        end(dialog::DialogResult::Accepted);
    };
    switch (id) {
    case cameraSetup:
        open(SetupForm::Camera);
        break;
    case mmsSetup:
        open(SetupForm::Mms);
        break;
    case smtpSetup:
        open(SetupForm::Smtp);
        break;
    case update:
        // Without a browser the owner still learns where the updates are.
        if (!host().openUrl(QString::fromLatin1(downloadPageUrl)))
            host().showMessage(i18n::noticeText(i18n::Notice::UrlNotOpened, state_.language())
                                   .arg(QString::fromLatin1(downloadPageUrl)));
        break;
    default:
        break;
    }
}

void MainWindow::enterPressed() {
    // The main window has no default button: Enter closes it, like the close box.
    end(dialog::DialogResult::Accepted);
}

std::vector<dialog::MenuAction> MainWindow::contextMenu() const {
    std::vector<dialog::MenuAction> actions{{copyrightCommand, QStringLiteral("CopyRight")}};
    if (forms_.manyCards)
        actions.push_back(
            {manyCardsCommand, i18n::fleetText(i18n::FleetText::MenuManyCards, state_.language())});
    actions.push_back(
        {saveKitCommand, i18n::fleetText(i18n::FleetText::MenuSaveKit, state_.language())});
    if (forms_.cardReport)
        actions.push_back({cardReportCommand,
                           i18n::fieldText(i18n::FieldText::MenuCardReport, state_.language())});
    return actions;
}

void MainWindow::contextActionChosen(int command) {
    if (command == manyCardsCommand && forms_.manyCards) {
        chosen_ = SetupForm::ManyCards;
        end(dialog::DialogResult::Accepted);
        return;
    }
    if (command == saveKitCommand) {
        fleet::saveKitFromCard(
            host(), state_.model,
            {state_.recordLanguage(), state_.tvMode, i18n::textLanguage(state_.language())},
            state_.folder.path);
        return;
    }
    if (command == cardReportCommand && forms_.cardReport) {
        forms_.cardReport(
            {state_.folder.path, i18n::textLanguage(state_.language()), state_.model, false});
        return;
    }
    if ((command & ~0xF) != copyrightCommand)
        return;
    AboutBox about(host());
    host().runModal(about);
}

} // namespace kestrova::app
