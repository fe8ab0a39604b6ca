#include "qt/window_catalogue.h"

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/routing.h"
#include "app/setup_forms.h"
#include "qt/filled_forms.h"

namespace kestrova::qt {

namespace {

QString formName(app::SetupForm form, int model) {
    switch (form) {
    case app::SetupForm::Camera:
        return QStringLiteral("camera-%1-model%2")
            .arg(QChar(u'a' + static_cast<int>(app::cameraFormFor(model))))
            .arg(model);
    case app::SetupForm::Mms:
        return QStringLiteral("mms-%1-model%2")
            .arg(QChar(u'a' + static_cast<int>(app::mmsFormFor(model))))
            .arg(model);
    case app::SetupForm::ManyCards:
        return QStringLiteral("many-cards");
    case app::SetupForm::Smtp:
        break;
    }
    return QStringLiteral("smtp-%1-model%2")
        .arg(QChar(u'a' + static_cast<int>(app::smtpFormFor(model))))
        .arg(model);
}

std::function<void(DialogWindow&)> fillerOf(app::SetupForm form, int model) {
    switch (form) {
    case app::SetupForm::Camera:
        return [model](DialogWindow& window) { fillCameraForm(window, app::cameraFormFor(model)); };
    case app::SetupForm::Mms:
        return [model](DialogWindow& window) { fillMmsForm(window, app::mmsFormFor(model)); };
    case app::SetupForm::Smtp:
        return [model](DialogWindow& window) { fillSmtpForm(window, app::smtpFormFor(model)); };
    case app::SetupForm::ManyCards:
        break;
    }
    return {};
}

} // namespace

std::vector<CatalogueEntry> windowCatalogue(app::PreferencesStore& store,
                                            const app::SetupForms& forms) {
    std::vector<CatalogueEntry> entries;
    entries.push_back(
        {QStringLiteral("main"), [&store, &forms](app::ProcessState& state, dialog::Host& host) {
             return std::make_unique<app::MainWindow>(state, store, forms, host);
         }});
    entries.push_back({QStringLiteral("about"), [](app::ProcessState&, dialog::Host& host) {
                           return std::make_unique<app::AboutBox>(host);
                       }});
    if (forms.manyCards)
        entries.push_back(
            {formName(app::SetupForm::ManyCards, 0),
             [&forms](app::ProcessState& state, dialog::Host& host) {
                 const dialog::FormContext context{state.languageState, state.model, state.tvMode};
                 return forms.manyCards(context, host);
             }});
    for (const auto form : {app::SetupForm::Camera, app::SetupForm::Mms, app::SetupForm::Smtp}) {
        if (!forms.factory(form))
            continue;
        for (int model = 1; model <= app::modelCount; ++model) {
            if (form == app::SetupForm::Smtp && !app::hasSmtp(model))
                continue;
            entries.push_back(
                {formName(form, model),
                 [&forms, form, model](app::ProcessState& state, dialog::Host& host) {
                     const dialog::FormContext context{state.languageState, model, state.tvMode};
                     return forms.factory(form)(context, host);
                 },
                 fillerOf(form, model)});
        }
    }
    return entries;
}

} // namespace kestrova::qt
