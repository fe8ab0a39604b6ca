#include "cli/interrupt_watch.h"

#include <QCoreApplication>

#include <windows.h>

namespace kestrova::cli {

namespace {

// The loop the console's handler asks to stop. Windows calls the handler on a thread of its
// own: it sets the loop's flag and posts the event to the loop's thread.
fleet::DeployLoop* interrupted = nullptr;

BOOL WINAPI onConsoleEvent(DWORD event) {
    if ((event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) || !interrupted)
        return FALSE;
    fleet::DeployLoop* loop = interrupted;
    loop->requestStop();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [loop] { loop->stopRequested(); }, Qt::QueuedConnection);
    return TRUE;
}

} // namespace

struct InterruptWatch::Notifier {
    bool installed = false;
};

InterruptWatch::InterruptWatch(fleet::DeployLoop& loop)
    : notifier_(std::make_unique<Notifier>()) {
    interrupted = &loop;
    notifier_->installed = SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

InterruptWatch::~InterruptWatch() {
    if (notifier_->installed)
        SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    interrupted = nullptr;
}

} // namespace kestrova::cli
