#include "qt/desktop.h"

#include "app/preferences_store.h"
#ifdef KESTROVA_HAVE_UDISKS
#include "card/udisks_cards.h"
#include "card/udisks_devices.h"
#endif
#include "app/routing.h"
#include "app/setup_forms.h"
#include "app/startup.h"
#include "app/window_chain.h"
#include "camera/camera_form_model.h"
#include "card/system_volumes.h"
#include "field/returned_card.h"
#include "fleet/many_cards_form.h"
#include "mms/mms_form_model.h"
#include "plan/form_plans.h"
#include "storage/file_history.h"
#ifdef KESTROVA_HAVE_TIMEDATED
#include "plan/timedated_clock_sync.h"
#endif
#include "qt/card_report_window.h"
#include "qt/qt_host.h"
#include "qt/theme.h"
#include "smtp/smtp_form_model.h"

#include <QApplication>
#include <QLocale>
#include <QThreadPool>

namespace kestrova::qt {

namespace {

// udisks2 where it answers in time, else the mount table once a second.
std::unique_ptr<card::CardService> cardServices() {
#ifdef KESTROVA_HAVE_UDISKS
    if (auto udisks = card::UdisksCards::connectTo(card::udisksWaitMs))
        return udisks;
#endif
    return std::make_unique<card::PolledCards>();
}

} // namespace

app::SetupForms desktopForms(const plan::ClockSync* clockSync) {
    app::SetupForms forms;
    auto menuPlan = plan::menuFormPlan(clockSync);
    auto mmsPlan = plan::mmsFormPlan();
    auto smtpPlan = plan::smtpFormPlan();
    forms.camera = [menuPlan](const dialog::FormContext& context, dialog::Host& host) {
        return std::make_unique<camera::CameraFormModel>(app::cameraFormFor(context.model), context,
                                                         host, menuPlan);
    };
    forms.mms = [mmsPlan](const dialog::FormContext& context, dialog::Host& host) {
        return std::make_unique<mms::MmsFormModel>(app::mmsFormFor(context.model), context, host,
                                                   mmsPlan);
    };
    forms.smtp = [smtpPlan](const dialog::FormContext& context, dialog::Host& host) {
        return std::make_unique<smtp::SmtpFormModel>(app::smtpFormFor(context.model), context, host,
                                                     smtpPlan);
    };
    forms.manyCards = [](const dialog::FormContext& context, dialog::Host& host) {
        return std::make_unique<fleet::ManyCardsForm>(context, host, cardServices,
                                                      field::returnedCardReader);
    };
    forms.cardReport = [](const dialog::CardReportRequest& request) {
        CardReportWindow window(request, QApplication::activeWindow());
        window.exec();
        return window.chosenTriggers();
    };
    return forms;
}

int runDesktop(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrova"));
    // Lets the desktop match the window to the installed entry and its icon (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTROVA_APP_ID));
    applyTheme(application);

    app::PreferencesStore store;
    app::ProcessState state = app::startUp(store, i18n::languageIdOf(QLocale::system()));
#ifdef KESTROVA_HAVE_TIMEDATED
    // Asked now, on a thread of its own: the answer is in long before a form opens.
    const plan::TimedatedClockSync clockSync;
    const app::SetupForms forms = desktopForms(&clockSync);
#else
    const app::SetupForms forms = desktopForms();
#endif
    QtHost host;
#ifdef KESTROVA_HAVE_UDISKS
    const card::SystemVolumes volumes([] { return card::udisksDevices(); });
#else
    const card::SystemVolumes volumes;
#endif
    FileHistory history(FileHistory::defaultRoot());
    app::WindowChain(state, store, forms, host, host, &volumes, &history).run();
    // A lookup still under way uses the volumes above; it ends within its timeouts.
    QThreadPool::globalInstance()->waitForDone();
    return 0;
}

} // namespace kestrova::qt
