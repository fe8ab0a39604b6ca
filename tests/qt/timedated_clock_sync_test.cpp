#include "app/setup_forms.h"
#include "dialog/summary_strip.h"
#include "plan/timedated_clock_sync.h"
#include "qt/desktop.h"
#include "qt/dialog_window.h"
#include "support/fake_host.h"
#include "support/silent_socket.h"
#include "support/test_registry.h"

#include <QDBusConnection>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;

namespace {

const QString notSynchronised = QStringLiteral(
    "Warning: The PC's clock is not synchronised with a time server: the camera's clock will be "
    "as far off as the PC's.");

// systemd-timedated as far as the question goes.
class FakeTimedate final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.timedate1")
    Q_PROPERTY(bool NTPSynchronized READ synchronised)
public:
    bool synchronised() const { return false; }
};

// A bus of the test's own, never the machine's: dbus-daemon on a socket in a temporary folder.
class PrivateBus {
public:
    explicit PrivateBus(const QString& folder) {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1"),
                       QStringLiteral("--address=unix:path=") + folder + QStringLiteral("/bus")});
        if (daemon_.waitForReadyRead(5000))
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~PrivateBus() {
        daemon_.terminate();
        daemon_.waitForFinished();
    }
    QString address() const { return address_; }

private:
    QProcess daemon_;
    QString address_;
};

// The lines of a camera form's strip, made with the clock's answer.
QStringList stripLines(const plan::ClockSync& sync) {
    test::FakeHost host;
    const auto model = qt::desktopForms(&sync).camera({{2, false, false}, 7, 0}, host);
    qt::DialogWindow window(*model);
    const auto* lines = qobject_cast<QListWidget*>(window.widget(dialog::summary_strip::lines));
    QStringList texts;
    for (int i = 0; i < lines->count(); ++i)
        texts << lines->item(i)->text();
    return texts;
}

} // namespace

// The PC clock's synchronisation, asked of timedated on a bus of the test's own.
class TimedatedClockSyncTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void init() {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            QSKIP("dbus-daemon is not installed (scripts/install-deps)");
    }

    void anUnsynchronisedClockWarns() {
        PrivateBus bus(dir.path());
        QVERIFY(!bus.address().isEmpty());
        QDBusConnection service =
            QDBusConnection::connectToBus(bus.address(), QStringLiteral("fake"));
        FakeTimedate timedate;
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.timedate1")));
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/timedate1"), &timedate,
                                       QDBusConnection::ExportAllProperties));
        const plan::TimedatedClockSync sync(bus.address());
        // The service answers from this thread's event loop.
        QTRY_VERIFY(sync.synchronised() == std::optional(false));
        QVERIFY(stripLines(sync).contains(notSynchronised));
        QDBusConnection::disconnectFromBus(QStringLiteral("fake"));
    }

    void noTimedateNoWord() {
        PrivateBus bus(dir.path());
        QVERIFY(!bus.address().isEmpty());
        const plan::TimedatedClockSync sync(bus.address());
        QVERIFY(sync.waitUntilDone(10000));
        QVERIFY(!sync.synchronised());
    }

    // A bus that takes the connection and never answers holds the question, never the window.
    void aSilentBusHoldsNoWindow() {
        test::SilentSocket silent(dir.filePath(QStringLiteral("silent")));
        QVERIFY(silent.listening());
        const plan::TimedatedClockSync sync(silent.address());
        QVERIFY(!stripLines(sync).contains(notSynchronised));
        QVERIFY(!sync.waitUntilDone(0));
        silent.close();
        QVERIFY(sync.waitUntilDone(30000));
        QVERIFY(!sync.synchronised());
    }
};

KESTROVA_TEST(TimedatedClockSyncTest)
#include "timedated_clock_sync_test.moc"
