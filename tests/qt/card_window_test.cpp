#include "card/card_lookup.h"
#include "card/udisks_devices.h"
#include "qt/open_form.h"
#include "res/camera_templates.h"
#include "support/fake_volumes.h"
#include "support/process_runner.h"
#include "support/silent_socket.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::res::camera_form;
using kestrova::test::OpenForm;

namespace {

// The cards as the desktop asks for them, udisks2 first: over a bus that never answers, the
// answer waits a second for it, then comes from the fixed list.
class AskingUdisksFirst final : public card::VolumeSource {
public:
    QList<card::Volume> list;
    QList<card::Volume> volumes() const override {
        card::udisksDevices(1000);
        return list;
    }
};

} // namespace

// The window never waits for the cards, and takes the one card found only where the owner has
// not chosen, asking about its file once the window is on screen.
class CardWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void initTestCase() {
        for (const char* name : {"card", "chosen"})
            QVERIFY(QDir().mkpath(path(name)));
        QCOMPARE(test::runKestrova({QStringLiteral("menu"), QStringLiteral("--model"),
                                    QStringLiteral("7"), QStringLiteral("--out"), path("card"),
                                    QStringLiteral("--set"), QStringLiteral("video_length=45")},
                                   path("prefs.ini"))
                     .exitCode,
                 0);
    }

    void windowOpensBeforeAHungBusAnswers() {
        // A bus that takes the connection and never answers: a stopped daemon.
        test::SilentSocket bus(path("bus"));
        QVERIFY(bus.listening());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.address().toLocal8Bit());
        AskingUdisksFirst volumes;
        volumes.list = {test::volumeAt(path("card"), true, card::Bus::Sd)};
        dialog::FormContext context{{2, false, false}, 7, 0};
        context.cards = card::CardLookup::start(volumes);
        OpenForm f(app::SetupForm::Camera, context);
        // On screen while the bus still keeps its silence.
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QVERIFY(!context.cards->done());
        QCOMPARE(f.edit(folderField)->text(), dialog::defaultTargetFolder());
        QTRY_COMPARE(f.edit(folderField)->text(), path("card"));
        QCOMPARE(f.host.questions.size(), 1);
        QVERIFY2(f.host.questions[0].startsWith(
                     QStringLiteral("menu.dat in %1 holds settings (Kes SigmaMG, clock ")
                         .arg(path("card"))),
                 qPrintable(f.host.questions[0]));
        QCOMPARE(f.edit(videoLength)->text(), QStringLiteral("10")); // answered No
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/kestrova-tests-have-no-bus");
    }

    void questionWaitsForTheWindow() {
        dialog::FormContext context{{2, false, false}, 7, 0};
        context.cards = test::cardsFoundAt({path("card")});
        OpenForm f(app::SetupForm::Camera, context, false);
        QTest::qWait(50);
        QCOMPARE(f.host.questions, QStringList());
        f.host.yesNoAnswers = {true};
        f.window->show();
        QTRY_COMPARE(f.host.questions.size(), 1);
        QCOMPARE(f.edit(videoLength)->text(), QStringLiteral("45"));
    }

    void folderChosenInThisRunWins() {
        dialog::FormContext context{{2, false, false}, 7, 0, {path("chosen"), false, {}}, true};
        context.cards = test::cardsFoundAt({path("card")});
        OpenForm f(app::SetupForm::Camera, context);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QTest::qWait(50);
        QCOMPARE(f.edit(folderField)->text(), path("chosen"));
        QCOMPARE(f.host.questions, QStringList());
        // Select's browser starts at the folder in the field.
        f.typeOver(folderField, path("card"));
        QTest::mouseClick(f.window->widget(selectButton), Qt::LeftButton);
        QCOMPARE(f.host.browseStarts, QStringList{path("card")});
    }
};

KESTROVA_TEST(CardWindowTest)
#include "card_window_test.moc"
