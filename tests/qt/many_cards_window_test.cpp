#include "fleet/deploy_loop.h"
#include "fleet/many_cards_form.h"
#include "qt/dialog_window.h"
#include "res/fleet_templates.h"
#include "support/fake_host.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace res::many_cards;

namespace {

// The height a laptop's 1366x768 screen leaves a window under a 40-pixel panel.
constexpr int laptopHeight = 728;

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
};

KESTROVA_TEST(ManyCardsWindowTest)
#include "many_cards_window_test.moc"
