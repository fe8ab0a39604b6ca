// Times what the camera will do: a summary of each file's settings, and a key typed into a
// camera form that redraws its strip, against the same key in a form without one.
#include "camera/camera_form_model.h"
#include "camera/menu_profile.h"
#include "plan/form_plans.h"
#include "plan/menu_summary.h"
#include "plan/mms_summary.h"
#include "plan/smtp_summary.h"
#include "qt/silent_host.h"
#include "res/camera_templates.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace kestrova;

// The median of many runs, in microseconds.
double medianMicroseconds(const std::function<void()>& work, int runs = 2000) {
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e3);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool report(const char* what, double us, double targetUs) {
    const bool ok = us <= targetUs;
    std::printf("%-34s median %7.1f us (target at most %.0f us) %s\n", what, us, targetUs,
                ok ? "ok" : "TOO SLOW");
    return ok;
}

// Typing a video length, as a window forwards each key.
double keyMicroseconds(camera::CameraFormModel& form) {
    int key = 0;
    return medianMicroseconds([&form, &key] {
        const int id = res::camera_form::videoLength;
        form.dialog().userEdited(id, QString::number(10 + key++ % 40));
        form.editChanged(id);
        form.eventHandled();
    });
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    camera::MenuProfileReader reader(CameraForm::B, 7, i18n::English);
    for (const char* set : {"timer=On", "timer_start_hour=18", "timer_stop_hour=6", "timer2=On",
                            "timer2_start_hour=5", "timer2_stop_hour=7", "time_lapse=On",
                            "time_lapse_minute=30", "camera_mode=Camera+Video"})
        reader.takeAssignment(QString::fromLatin1(set));
    const plan::MenuFacts menu{CameraForm::B, 7, reader.settings().settings, {2026, 5, 6, 7, 8, 9}};
    mms::MmsSettings mmsSettings;
    mmsSettings.phone1 = QStringLiteral("13800138000");
    smtp::SmtpSettings smtpSettings;
    smtpSettings.recipient = QStringLiteral("me@example.com");
    plan::PlanInputs inputs;
    inputs.cardSize = 32'000'000'000LL;

    bool ok = report("summary of a menu.dat",
                     medianMicroseconds([&] { plan::summarizeMenu(menu, inputs); }), 200);
    ok = report("summary of a setup.dat", medianMicroseconds([&] {
                    plan::summarizeMms({MmsForm::A, 7, mmsSettings}, inputs);
                }),
                200) &&
         ok;
    ok = report("summary of a smtp.dat", medianMicroseconds([&] {
                    plan::summarizeSmtp({SmtpForm::B, 7, smtpSettings}, inputs);
                }),
                200) &&
         ok;

    // A key in the form, with the card's facts read from a real folder as the form has them.
    QTemporaryDir card;
    dialog::FormContext context{{i18n::English, false, false}, 7, 0};
    context.folder = {card.path(), false};
    qt::SilentHost host;
    camera::CameraFormModel plain(CameraForm::B, context, host);
    camera::CameraFormModel withStrip(CameraForm::B, context, host, plan::menuFormPlan());
    plain.initialise();
    withStrip.initialise();
    const double without = keyMicroseconds(plain);
    const double with = keyMicroseconds(withStrip);
    std::printf("a key in a camera form without the strip: median %7.1f us\n", without);
    ok = report("a key in a camera form with it", with, 1000) && ok;
    return ok ? 0 : 1;
}
