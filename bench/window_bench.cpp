// Times the desktop program on the offscreen platform: from process start to the main window
// shown, and opening each window.
#include "app/preferences_store.h"
#include "app/setup_forms.h"
#include "qt/desktop.h"
#include "qt/dialog_window.h"
#include "qt/silent_host.h"
#include "qt/theme.h"
#include "qt/window_catalogue.h"
#include "res/camera_templates.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using namespace kestrova;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// In the child: leave the moment the first window has been shown.
class QuitWhenShown final : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QDialog*>(object))
            std::_Exit(0);
        return false;
    }
};

void installQuitWhenShown() {
    if (qEnvironmentVariableIsSet("KESTROVA_BENCH_CHILD"))
        QCoreApplication::instance()->installEventFilter(new QuitWhenShown);
}
Q_COREAPP_STARTUP_FUNCTION(installQuitWhenShown)

bool startUpTime(const char* self) {
    const int runs = 30;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KESTROVA_BENCH_CHILD"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        child.start(QString::fromLocal8Bit(self), {QStringLiteral("--child")});
        child.waitForFinished(10000);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double ms = median(times);
    std::printf("process start to main window shown: median %.1f ms over %d runs (target at "
                "most 150 ms) %s\n",
                ms, runs, ms <= 150 ? "ok" : "TOO SLOW");
    return ms <= 150;
}

bool windowOpenTimes() {
    QTemporaryDir preferences;
    app::PreferencesStore store(preferences.filePath(QStringLiteral("prefs.ini")));
    const app::SetupForms forms = qt::desktopForms();
    qt::SilentHost host;
    bool ok = true;
    for (const auto& entry : qt::windowCatalogue(store, forms)) {
        std::vector<double> times;
        for (int i = 0; i < 30; ++i) {
            app::ProcessState state{{i18n::English, false, false}, 7, 0};
            QElapsedTimer timer;
            timer.start();
            const auto model = entry.make(state, host);
            qt::DialogWindow window(*model);
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                return false;
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        const double ms = median(times);
        std::printf("open %-22s median %5.1f ms (target at most 30 ms) %s\n",
                    qPrintable(entry.name), ms, ms <= 30 ? "ok" : "TOO SLOW");
        ok = ok && ms <= 30;
    }
    return ok;
}

// Notes when a message is shown, to time Generate up to its message.
class TimingHost final : public qt::SilentHost {
public:
    QElapsedTimer pressed;
    double messageAfterMs = -1;
    void showMessage(const QString&) override { messageAfterMs = pressed.nsecsElapsed() / 1e6; }
};

bool cameraGenerateTimes() {
    QTemporaryDir preferences, card;
    app::PreferencesStore store(preferences.filePath(QStringLiteral("prefs.ini")));
    const app::SetupForms forms = qt::desktopForms();
    bool ok = true;
    for (const auto& entry : qt::windowCatalogue(store, forms)) {
        if (!entry.name.startsWith(QStringLiteral("camera")))
            continue;
        TimingHost host;
        app::ProcessState state{{i18n::English, false, false}, 7, 0};
        const auto model = entry.make(state, host);
        qt::DialogWindow window(*model);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        model->dialog().userEdited(res::camera_form::folderField, card.path());
        model->editChanged(res::camera_form::folderField);
        auto* generate = window.widget(res::camera_form::generateButton);
        std::vector<double> times;
        for (int i = 0; i < 30; ++i) {
            host.messageAfterMs = -1;
            host.pressed.start();
            QTest::mouseClick(generate, Qt::LeftButton);
            if (host.messageAfterMs < 0) {
                std::printf("generate %s: no message shown\n", qPrintable(entry.name));
                return false;
            }
            times.push_back(host.messageAfterMs);
        }
        const double ms = median(times);
        std::printf("generate %-18s median %5.1f ms to the message (target at most 20 ms) %s\n",
                    qPrintable(entry.name), ms, ms <= 20 ? "ok" : "TOO SLOW");
        ok = ok && ms <= 20;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0)
        return qt::runDesktop(argc, argv);
    QApplication application(argc, argv);
    qt::applyTheme(application);
    const bool startUp = startUpTime(argv[0]);
    const bool windows = windowOpenTimes();
    const bool generate = cameraGenerateTimes();
    return startUp && windows && generate ? 0 : 1;
}
