#include "card/card_watch.h"
#include "field/returned_card.h"
#include "fleet/deploy_loop.h"
#include "fleet/many_cards_form.h"
#include "qt/dialog_window.h"
#include "res/fleet_templates.h"
#include "support/fake_host.h"
#include "support/fake_volumes.h"
#include "support/test_files.h"
#include "support/test_pictures.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMutex>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace kestrova;
using namespace res::many_cards;

namespace {

// The height a laptop's 1366x768 screen leaves a window under a 40-pixel panel.
constexpr int laptopHeight = 728;

// The cards in the readers as the test inserts them, asked for on the loop's thread.
class InsertedCards final : public card::VolumeSource {
public:
    void insert(const QString& folder, const QString& uuid) {
        const QMutexLocker lock(&mutex_);
        list_ << test::volumeAt(folder, true, card::Bus::Sd);
        list_.last().uuid = uuid;
    }
    QList<card::Volume> volumes() const override {
        const QMutexLocker lock(&mutex_);
        return list_;
    }

private:
    mutable QMutex mutex_;
    QList<card::Volume> list_;
};

} // namespace

// The many-cards window on screen: the cameras as a table a double-click picks from, within a
// laptop's screen at the desktop's usual font and a larger one, its lines wrapped, never cut.
class ManyCardsWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QFont usual;

private Q_SLOTS:
    void initTestCase() { usual = QApplication::font(); }
    void cleanup() { QApplication::setFont(usual); }

    void fitsALaptopAndWraps_data() {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("language");
        for (const int language : {2, 4, 10}) {
            QTest::addRow("usual font, language %d", language) << 1.0 << language;
            QTest::addRow("larger font, language %d", language) << 1.25 << language;
        }
    }
    void fitsALaptopAndWraps() {
        QFETCH(double, scale);
        QFETCH(int, language);
        QFont font = usual;
        font.setPointSizeF(usual.pointSizeF() * scale);
        QApplication::setFont(font);
        test::FakeHost host;
        dialog::FormContext context{{language, language == 1, false}, 7, 0};
        fleet::ManyCardsForm form(context, host, {});
        qt::DialogWindow window(form);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY2(window.frameGeometry().height() <= laptopHeight,
                 qPrintable(QString::number(window.frameGeometry().height())));

        // A long line of the run reads whole on the status line; a long reason in the table
        // makes its row as tall as its lines.
        fleet::DeployObserver& observer = form;
        const QString card = QStringLiteral("/media/fieldwork-owner/KESTROVA-CARD-07");
        observer.status(i18n::fleetText(i18n::FleetText::RemoveByHand, language)
                            .arg(QStringLiteral("NORTH-07"),
                                 i18n::fleetText(i18n::FleetText::StillMounted, language), card));
        fleet::CardReport failed;
        failed.cameraName = QStringLiteral("#1");
        failed.card.mountPoint = card;
        failed.outcome = fleet::CardOutcome::Failed;
        failed.text = i18n::fleetText(i18n::FleetText::ResultFailed, language)
                          .arg(i18n::fleetText(i18n::FleetText::PartlyWritten, language)
                                   .arg(QStringLiteral("menu.dat, setup.dat"),
                                        QStringLiteral("The file %1/smtp.dat could not be written: "
                                                       "the card is full.")
                                            .arg(card)));
        observer.cardFinished(failed);
        QApplication::processEvents();
        auto* status = qobject_cast<QLabel*>(window.widget(res::many_cards::status));
        QVERIFY(status->wordWrap());
        QVERIFY2(status->heightForWidth(status->contentsRect().width()) <=
                     status->contentsRect().height(),
                 qPrintable(status->text()));
        auto* table = qobject_cast<QTableWidget*>(window.widget(camerasTable));
        QTableWidgetItem* state = table->item(0, StateColumn);
        const QRect cell = table->visualItemRect(state);
        const QRect needed = table->fontMetrics().boundingRect(QRect(0, 0, cell.width() - 8, 10000),
                                                               Qt::TextWordWrap, state->text());
        QVERIFY2(cell.height() >= needed.height(),
                 qPrintable(QStringLiteral("%1 < %2").arg(cell.height()).arg(needed.height())));
    }

    // The cameras of the table, typed in its field, are rows of the window's table at once; a
    // double-click on one marks it as the next, in bold.
    void aDoubleClickPicksTheNextCamera() {
        const QString cameras = dir.filePath(QStringLiteral("cameras.csv"));
        QVERIFY(test::writeFile(cameras, "camera_id,locationName\r\nN-01,Oak\r\nN-02,Birch\r\n"
                                         "N-03,Ash\r\n"));
        test::FakeHost host;
        dialog::FormContext context{{2, false, false}, 7, 0};
        fleet::ManyCardsForm form(context, host, {});
        qt::DialogWindow window(form);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* field = qobject_cast<QLineEdit*>(window.widget(camerasField));
        field->setFocus();
        QTest::keyClicks(field, cameras);
        auto* table = qobject_cast<QTableWidget*>(window.widget(camerasTable));
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->horizontalHeaderItem(StateColumn)->text(), QStringLiteral("State"));
        QCOMPARE(table->item(2, LocationColumn)->text(), QStringLiteral("Ash"));
        const QPoint at = table->visualItemRect(table->item(2, CameraColumn)).center();
        // A double-click as the system sends it: a click, then the second press.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(form.dialog().marked(camerasTable), 2);
        QVERIFY(table->item(2, CameraColumn)->font().bold());
        QCOMPARE(table->item(2, StateColumn)->text(), QStringLiteral("next: insert its card"));
    }

    // Returned cards, by keyboard alone: the mode chosen, the table and log named, Start; each
    // card inserted is read, its return logged and its camera's row says what it found.
    void returnedCardsAreReadAndLogged() {
        const QString cameras = dir.filePath(QStringLiteral("returned-cameras.csv"));
        QVERIFY(test::writeFile(cameras, "camera_id,locationName\r\nN-01,Oak\r\nN-02,Birch\r\n"
                                         "N-03,Ash\r\n"));
        const QString log = dir.filePath(QStringLiteral("returned-log.csv"));
        const QDateTime start(QDate(2026, 5, 4), QTime(8, 0), QTimeZone::utc());
        fleet::DeployLog made;
        QVERIFY(!made.open(log));
        QStringList cards;
        for (const int camera : {1, 2}) {
            fleet::LogEntry row;
            row.written = start.addSecs(-1800 + camera);
            row.cameraId = QStringLiteral("N-0%1").arg(camera);
            row.model = QStringLiteral("Kes SigmaMG");
            row.uuid = QStringLiteral("CA0%1-0000").arg(camera);
            row.result = QStringLiteral("done");
            row.carried[QStringLiteral("deploymentStart")] = start.toString(Qt::ISODate);
            QVERIFY(!made.append(row).problem);
            cards << dir.filePath(QStringLiteral("returned-card%1").arg(camera));
            QVERIFY(test::writeTimeLapseMenu(cards.last(), 6, 1));
            QVERIFY(test::fillCard(cards.last(), start, 4, 6,
                                   camera == 2 ? QList<int>{3} : QList<int>{}) > 0);
        }

        InsertedCards inserted;
        test::FakeHost host;
        dialog::FormContext context{{2, false, false}, 7, 0};
        context.volumes = &inserted;
        fleet::ManyCardsForm form(
            context, host, [] { return std::make_unique<card::PolledCards>(); },
            field::returnedCardReader);
        qt::DialogWindow window(form);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* mode = qobject_cast<QComboBox*>(window.widget(modeList));
        // Tab from the first field reaches the mode list.
        window.widget(kitField)->setFocus();
        for (int tabs = 0; tabs < 20 && !mode->hasFocus(); ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(mode->hasFocus());
        QTest::keyClick(mode, Qt::Key_Down);
        QCOMPARE(mode->currentText(), QStringLiteral("Returned from the field"));
        QVERIFY(!window.widget(kitField)->isEnabled());
        for (const auto& [field, text] :
             {std::pair{camerasField, cameras}, std::pair{logField, log}}) {
            window.widget(field)->setFocus();
            QTest::keyClicks(window.widget(field), text);
        }
        auto* table = qobject_cast<QTableWidget*>(window.widget(camerasTable));
        QCOMPARE(table->rowCount(), 3);
        QVERIFY(table->item(0, StateColumn)->text().startsWith(QStringLiteral("in the field")));
        window.widget(res::many_cards::start)->setFocus();
        QTest::keyClick(window.widget(res::many_cards::start), Qt::Key_Space);

        // One card after another, as they come back.
        for (int at = 0; at < 2; ++at) {
            inserted.insert(cards[at], QStringLiteral("CA0%1-0000").arg(at + 1));
            QTRY_VERIFY_WITH_TIMEOUT(
                table->item(at, StateColumn)->text().startsWith(QStringLiteral("returned: ")),
                30000);
        }
        QVERIFY2(table->item(0, StateColumn)->text().contains(QStringLiteral("Working: 4 of 4")),
                 qPrintable(table->item(0, StateColumn)->text()));
        QVERIFY(table->item(1, StateColumn)->text().contains(QStringLiteral("Down: 2026-05-06")));
        QCOMPARE(table->item(2, StateColumn)->text(), QStringLiteral("waiting"));
        window.widget(res::many_cards::stop)->setFocus();
        QTest::keyClick(window.widget(res::many_cards::stop), Qt::Key_Space);
        auto* status = qobject_cast<QLabel*>(window.widget(res::many_cards::status));
        QTRY_COMPARE(status->text(), QStringLiteral("Stopped. Returned cards read: 2."));

        const fleet::LogTable table2 = fleet::readLogTable(test::fileBytes(log));
        QCOMPARE(table2.rows.size(), 4);
        for (int at = 0; at < 2; ++at) {
            const fleet::LogRow& back = table2.rows[2 + at];
            QCOMPARE(back.value(QStringLiteral("result")), QStringLiteral("retrieved"));
            QCOMPARE(back.value(QStringLiteral("camera_id")), QStringLiteral("N-0%1").arg(at + 1));
            QCOMPARE(back.value(QStringLiteral("closes")),
                     table2.rows[at].value(QStringLiteral("time_written")));
        }
    }
};

KESTROVA_TEST(ManyCardsWindowTest)
#include "many_cards_window_test.moc"
