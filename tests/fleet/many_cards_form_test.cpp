#include "dialog/form_context.h"
#include "fleet/fleet_test_support.h"
#include "fleet/many_cards_form.h"
#include "fleet/save_kit.h"
#include "i18n/language.h"
#include "res/fleet_templates.h"
#include "support/fake_host.h"
#include "support/fake_volumes.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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

QStringList column(const dialog::Dialog& dialog, int column) {
    QStringList cells;
    for (const QStringList& row : dialog.rows(camerasTable))
        cells << row.value(column);
    return cells;
}

} // namespace

// The window runs the loop beside itself: its table shows the cameras and their cards from the
// start and follows the run, a double-click picks the camera to come next, and Stop ends it.
class ManyCardsFormTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    test::FixedVolumes readers;
    test::FakeHost host;

    QString kitPath() const { return dir.filePath(QStringLiteral("north.json")); }

    std::unique_ptr<fleet::ManyCardsForm> openForm(int language = i18n::English) {
        dialog::FormContext context{{language, false, false}, 7, 0};
        context.volumes = &readers;
        auto form = std::make_unique<fleet::ManyCardsForm>(
            context, host, [this] { return std::make_unique<TestCards>(readers); });
        form->initialise();
        form->dialog().setText(kitField, kitPath());
        form->editChanged(kitField);
        return form;
    }
    card::Volume insert(const QString& name) {
        card::Volume card = test::volumeAt(dir.filePath(name), true, card::Bus::Sd);
        card.device = QStringLiteral("/dev/") + name;
        QDir(dir.path()).mkpath(name);
        readers.list << card;
        TestCards::changed();
        return card;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(test::writeFile(kitPath(), fleet::kitJson(test::openingKit()))); }
    void init() {
        TestCards::changed = nullptr;
        readers.list.clear();
        host = {};
        QFile::remove(dir.filePath(QStringLiteral("north-log.csv")));
    }

    void runsTheLoopBesideTheWindow() {
        auto form = openForm();
        form->buttonPressed(start);
        QVERIFY(form->running());
        QVERIFY(!form->dialog().control(kitField).enabled);
        QTRY_COMPARE(form->dialog().controlCaption(status),
                     QStringLiteral("Insert the next card (0 written)"));
        const card::Volume card = insert(QStringLiteral("card"));
        QTRY_COMPARE(column(form->dialog(), StateColumn), QStringList{QStringLiteral("done")});
        QCOMPARE(column(form->dialog(), CameraColumn), QStringList{QStringLiteral("#1")});
        QVERIFY(QFile::exists(card.mountPoint + QStringLiteral("/setup.dat")));
        // The log went beside the kit.
        QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("north-log.csv"))));
        form->buttonPressed(stop);
        QTRY_VERIFY(!form->running());
        QCOMPARE(form->dialog().controlCaption(status),
                 QStringLiteral("Stopped; 1 cards written."));
        QVERIFY(form->dialog().control(start).enabled);
    }

    // The cameras of the table are there before Start, with the cards the log has for them; a
    // double-click marks the camera to come next (one with a card only after a yes), Start
    // begins there, and the table stays across runs.
    void showsTheCamerasFromTheStart() {
        const QString cameras = dir.filePath(QStringLiteral("cameras.csv"));
        QVERIFY(test::writeFile(cameras, "camera_id;locationName;locationID\r\nN-01;Oak;P1\r\n"
                                         "N-02;;P2\r\nN-03;Birch;\r\n"));
        {
            fleet::DeployLog log;
            QVERIFY(!log.open(dir.filePath(QStringLiteral("north-log.csv"))));
            fleet::LogEntry done;
            done.written =
                QDateTime::fromString(QStringLiteral("2026-05-01T09:00:00Z"), Qt::ISODate);
            done.cameraId = QStringLiteral("N-01");
            done.label = QStringLiteral("KES1");
            done.result = QStringLiteral("done");
            QVERIFY(!log.append(done).problem);
        }
        auto form = openForm();
        form->dialog().setText(camerasField, cameras);
        form->editChanged(camerasField);
        const dialog::Dialog& window = form->dialog();
        QCOMPARE(column(window, CameraColumn), (QStringList{"N-01", "N-02", "N-03"}));
        QCOMPARE(column(window, LocationColumn), (QStringList{"Oak", "P2", "Birch"}));
        QCOMPARE(column(window, StateColumn),
                 (QStringList{"done earlier (2026-05-01T09:00:00Z)", "waiting", "waiting"}));
        QCOMPARE(column(window, CardColumn), (QStringList{"KES1", "", ""}));

        form->rowActivated(camerasTable, 2);
        QCOMPARE(window.marked(camerasTable), 2);
        QCOMPARE(column(window, StateColumn)[2], QStringLiteral("next: insert its card"));
        form->rowActivated(camerasTable, 0);
        QCOMPARE(host.questions.size(), 1);
        QCOMPARE(window.marked(camerasTable), 2);

        form->buttonPressed(start);
        QTRY_COMPARE(form->dialog().controlCaption(status),
                     QStringLiteral("Insert the card for camera N-03 (3 of 3)"));
        insert(QStringLiteral("first"));
        QTRY_COMPARE(column(window, StateColumn)[2], QStringLiteral("done"));
        QTRY_COMPARE(window.marked(camerasTable), 1);
        form->buttonPressed(stop);
        QTRY_VERIFY(!form->running());
        form->buttonPressed(start);
        QTRY_VERIFY(form->running());
        QTRY_COMPARE(
            column(window, StateColumn),
            (QStringList{"done earlier (2026-05-01T09:00:00Z)", "next: insert its card", "done"}));
        form->buttonPressed(stop);
        QTRY_VERIFY(!form->running());
    }

    // A refused row of the cameras table reads whole in the window's language: none of the
    // English words of the message is left (short words aside: "a", "in" are words of other
    // languages too), only the values: a form's check, and the reasons a value is not taken.
    void refusesARowInTheWindowsLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("values");
        const struct {
            const char* name;
            const char* column;
            const char* cell;
            const char* english;
            const char* values;
        } refusals[] = {
            {"check", "mms.phone1", "0770090012x", "A phone number holds digits only", "phone1"},
            {"list", "mms.status", "sometimes", "is not allowed", "status|sometimes|Off|VGA|SMS"},
            {"number", "mms.pictures_per_day", "abc", "Enter a whole number (got",
             "abc|pictures_per_day"},
            {"range", "mms.pictures_per_day", "999", "Enter a whole number from 0 to 99",
             "pictures_per_day"},
        };
        for (const auto& refusal : refusals) {
            for (int language = 1; language <= i18n::languageCount; ++language) {
                if (language != i18n::English)
                    QTest::addRow("%s %d", refusal.name, language)
                        << language << QString::fromLatin1(refusal.column)
                        << QString::fromLatin1(refusal.cell) << QString::fromLatin1(refusal.english)
                        << QString::fromLatin1(refusal.values);
            }
        }
    }
    void refusesARowInTheWindowsLanguage() {
        QFETCH(int, language);
        QFETCH(QString, column);
        QFETCH(QString, cell);
        QFETCH(QString, english);
        QFETCH(QString, values);
        const QString cameras = dir.filePath(QStringLiteral("refused.csv"));
        QVERIFY(test::writeFile(
            cameras, QStringLiteral("camera_id,%1\r\nNORTH-01,%2\r\n").arg(column, cell).toUtf8()));
        for (const int shown : {int(i18n::English), language}) {
            auto form = openForm(shown);
            form->dialog().setText(camerasField, cameras);
            form->buttonPressed(start);
        }
        QCOMPARE(host.messages.size(), 2);
        QVERIFY2(host.messages[0].contains(english), qPrintable(host.messages[0]));
        const QString shownValues =
            QRegularExpression::escape(cameras) + QStringLiteral("|NORTH-01|") +
            QRegularExpression::escape(column) + u'|' + values + QStringLiteral("|\\d+");
        const QRegularExpression notWord(QStringLiteral("\\W+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
        const auto words = [&shownValues, &notWord](QString message) {
            QStringList found;
            for (const QString& word : message.remove(QRegularExpression(shownValues))
                                           .split(notWord, Qt::SkipEmptyParts)) {
                // German says "international" too.
                if (word.size() > 2 && word != u"international")
                    found << word.toLower();
            }
            return found;
        };
        for (const QString& word : words(host.messages[0]))
            QVERIFY2(!words(host.messages[1]).contains(word),
                     qPrintable(word + QStringLiteral(" in ") + host.messages[1]));
    }

    // Save kit from card: the card's files as a kit named as its file, readable by its owner
    // alone and said to hold passwords; or why not.
    void savesAKitFromACard() {
        QTemporaryDir card;
        fleet::Kit kit = test::openingKit();
        kit.section(fleet::KitPart::Smtp) = test::openingSmtp();
        const auto files = fleet::prepareKit(kit, {}, QDateTime::currentDateTime(), {}).files;
        for (const fleet::PreparedFile& file : files)
            QVERIFY(test::writeFile(card.filePath(file.fileName), file.bytes));
        const QString saved = card.filePath(QStringLiteral("north.json"));
        host.folderAnswers = {card.path(), card.path()};
        host.profileFileAnswers = {saved};
        const mode_t umask = ::umask(0);
        fleet::saveKitFromCard(host, 7, {}, QString());
        ::umask(umask);
        QCOMPARE(
            host.messages.last(),
            QStringLiteral("The kit \"north\" was saved: %1\nThe kit holds passwords "
                           "(smtp.sender_password, smtp.gprs_password): keep the file to yourself.")
                .arg(saved));
        QCOMPARE(QFile::permissions(saved), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadUser | QFileDevice::WriteUser);
        const fleet::KitRead read = fleet::readKitFile(saved);
        QVERIFY(!read.problem);
        QVERIFY(read.kit.section(fleet::KitPart::Menu));
        QVERIFY(read.kit.section(fleet::KitPart::Smtp));

        QVERIFY(test::writeFile(card.filePath(QStringLiteral("setup.dat")), "broken"));
        fleet::saveKitFromCard(host, 7, {}, QString());
        QVERIFY2(host.messages.last().startsWith(QStringLiteral("No kit was saved: setup.dat")),
                 qPrintable(host.messages.last()));
    }
};

KESTROVA_TEST(ManyCardsFormTest)
#include "many_cards_form_test.moc"
