#include "dialog/form_context.h"
#include "fleet/fleet_test_support.h"
#include "fleet/many_cards_form.h"
#include "fleet/save_kit.h"
#include "res/fleet_templates.h"
#include "support/fake_host.h"
#include "support/fake_volumes.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace res::many_cards;

namespace {

// Cards that come when the test says so, and are ejected by being taken out of the list.
class TestCards final : public card::CardService {
public:
    explicit TestCards(test::FixedVolumes& readers)
        : readers_(readers) {}
    static inline std::function<void()> changed;
    void start(std::function<void()> tell) override { changed = std::move(tell); }
    std::optional<QString> eject(const card::Volume& card) override {
        readers_.list.removeIf([&card](const auto& v) { return v.mountPoint == card.mountPoint; });
        return std::nullopt;
    }

private:
    test::FixedVolumes& readers_;
};

} // namespace

// The window runs the loop beside itself: its status and list follow the cards, and Stop ends
// the run.
class ManyCardsFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void runsTheLoopBesideTheWindow() {
        QTemporaryDir dir;
        const QString kitPath = dir.filePath(QStringLiteral("north.json"));
        QFile kitFile(kitPath);
        QVERIFY(kitFile.open(QIODevice::WriteOnly));
        kitFile.write(fleet::kitJson(test::openingKit()));
        kitFile.close();

        test::FixedVolumes readers;
        test::FakeHost host;
        dialog::FormContext context{{2, false, false}, 7, 0};
        context.volumes = &readers;
        fleet::ManyCardsForm form(context, host,
                                  [&readers] { return std::make_unique<TestCards>(readers); });
        form.initialise();
        form.dialog().setText(kitField, kitPath);
        form.buttonPressed(start);
        QVERIFY(form.running());
        QVERIFY(!form.dialog().control(kitField).enabled);
        QTRY_COMPARE(form.dialog().controlCaption(status),
                     QStringLiteral("Insert the next card (0 written)"));

        card::Volume card =
            test::volumeAt(dir.filePath(QStringLiteral("card")), true, card::Bus::Sd);
        card.device = QStringLiteral("/dev/sdb1");
        QDir(dir.path()).mkpath(QStringLiteral("card"));
        readers.list << card;
        TestCards::changed();
        QTRY_COMPARE(form.dialog().entries(cardsList).size(), 1);
        QVERIFY(form.dialog().entries(cardsList).first().startsWith(QStringLiteral("#1 \u2014 ")));
        QVERIFY(form.dialog().entries(cardsList).first().endsWith(QStringLiteral(": done")));
        QVERIFY(QFile::exists(card.mountPoint + QStringLiteral("/setup.dat")));
        // The log went beside the kit.
        QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("north-log.csv"))));

        form.buttonPressed(stop);
        QTRY_VERIFY(!form.running());
        QCOMPARE(form.dialog().controlCaption(status), QStringLiteral("Stopped; 1 cards written."));
        QVERIFY(form.dialog().control(start).enabled);
    }

    // Save kit from card: the card's files as a kit named as its file, or why not.
    void savesAKitFromACard() {
        QTemporaryDir dir;
        const auto files =
            fleet::prepareKit(test::openingKit(), {}, QDateTime::currentDateTime(), {}).files;
        for (const fleet::PreparedFile& file : files)
            QVERIFY(test::writeFile(dir.filePath(file.fileName), file.bytes));
        test::FakeHost host;
        const QString saved = dir.filePath(QStringLiteral("north.json"));
        host.folderAnswers = {dir.path(), dir.path()};
        host.profileFileAnswers = {saved};
        fleet::saveKitFromCard(host, 7, {}, QString());
        QCOMPARE(host.messages.last(),
                 QStringLiteral("The kit \"north\" was saved: %1").arg(saved));
        const fleet::KitRead read = fleet::readKitFile(saved);
        QVERIFY(!read.problem);
        QVERIFY(read.kit.section(fleet::KitPart::Menu));
        QVERIFY(read.kit.section(fleet::KitPart::Mms));

        QVERIFY(test::writeFile(dir.filePath(QStringLiteral("setup.dat")), "broken"));
        fleet::saveKitFromCard(host, 7, {}, QString());
        QVERIFY2(host.messages.last().startsWith(QStringLiteral("No kit was saved: setup.dat")),
                 qPrintable(host.messages.last()));
    }
};

KESTROVA_TEST(ManyCardsFormTest)
#include "many_cards_form_test.moc"
