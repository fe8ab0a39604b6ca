#include "dialog/summary_strip.h"
#include "field/report_text.h"
#include "i18n/field_texts.h"
#include "qt/card_report_window.h"
#include "qt/day_charts.h"
#include "qt/open_form.h"
#include "support/test_files.h"
#include "support/test_pictures.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using State = field::CardReportSession::State;

namespace {

// A card whose menu.dat asks for 3 photos a trigger and a time lapse every 6 hours, three weeks
// of it with days 9 and 10 missing, and a few triggers a day.
QString makeCard(const QTemporaryDir& dir) {
    const QString card = dir.filePath(QStringLiteral("card"));
    if (!test::writeTimeLapseMenu(card, 6, 3))
        return {};
    if (test::fillCard(card, QDateTime(QDate(2026, 5, 4), QTime(8, 0)), 21, 6, {9, 10}) <= 0)
        return {};
    // Two triggers of three photos on each of days 2 to 5.
    int n = 500;
    for (int day = 2; day <= 5; ++day) {
        for (int photo = 0; photo < 6; ++photo) {
            test::PictureTags tags;
            tags.taken = QDateTime(QDate(2026, 5, 3 + day), QTime(14, photo < 3 ? 10 : 40, photo));
            if (!test::writeFile(card + QStringLiteral("/DCIM/100MEDIA/IMG_%1.JPG").arg(++n),
                                 test::jpegPicture(tags)))
                return {};
        }
    }
    return card;
}

struct Opened {
    std::unique_ptr<qt::CardReportWindow> window;

    Opened(const QString& folder, int language = 2, bool offerTriggers = true)
        : window(std::make_unique<qt::CardReportWindow>(
              dialog::CardReportRequest{folder, language, 7, offerTriggers})) {
        window->show();
    }
    bool waitUntilRead() const {
        return QTest::qWaitFor(
            [this] {
                const State state = window->session().state();
                return state != State::Reading && state != State::Exporting;
            },
            30000);
    }
    QPushButton* button(i18n::FieldText id) const {
        const QString caption = i18n::fieldText(id, 2);
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->text() == caption || button->text().startsWith(caption.left(4)))
                return button;
        }
        return nullptr;
    }
    QLabel* labelStarting(const QString& start) const {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().startsWith(start))
                return label;
        }
        return nullptr;
    }
};

} // namespace

// The card report window over a real card folder: read on its own thread, shown, chosen by
// keyboard, exported, and fitted to a laptop's screen in every language.
class CardReportWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString card_;

private Q_SLOTS:
    void initTestCase() {
        card_ = makeCard(dir_);
        QVERIFY(!card_.isEmpty());
    }

    void showsTheDaysAndMovesThroughThemByKeyboard() {
        Opened opened(card_);
        QVERIFY(opened.waitUntilRead());
        const field::CardReport& report = *opened.window->session().report();
        QCOMPARE(report.deploymentDays, 21);
        QCOMPARE(report.workingDays, 19);
        auto* days = opened.window->findChild<qt::DayRowWidget*>();
        auto* chart = opened.window->findChild<qt::DayChartWidget*>();
        QVERIFY(opened.window->findChild<QPlainTextEdit*>()->toPlainText().contains(
            QStringLiteral("Working: 19 of 21 days.")));
        days->setFocus();
        QTest::keyClick(days, Qt::Key_End);
        QCOMPARE(chart->selected(), 20);
        QTest::keyClick(days, Qt::Key_PageUp);
        QTest::keyClick(days, Qt::Key_PageUp);
        QTest::keyClick(days, Qt::Key_Right);
        QCOMPARE(days->selected(), 7);
        chart->setFocus();
        QTest::keyClick(chart, Qt::Key_Right);
        QCOMPARE(days->selected(), 8);
        // What the keyboard is on is said in words, also to a screen reader.
        const QString detail = field::dayText(report.days[8], 2);
        QVERIFY(detail.contains(QStringLiteral("down")));
        QVERIFY(opened.labelStarting(detail));
        QCOMPARE(days->accessibleDescription(), detail);
        // The first and last picture, read scaled into their boxes.
        int thumbnails = 0;
        for (QLabel* label : opened.window->findChildren<QLabel*>()) {
            if (label->pixmap().isNull())
                continue;
            QVERIFY(label->pixmap().width() <= 128 && label->pixmap().height() <= 96);
            ++thumbnails;
        }
        QCOMPARE(thumbnails, 2);
    }

    void cancelStopsTheReading() {
        Opened opened(card_);
        // Cancel as soon as the reading starts: it stops at the next picture.
        opened.button(i18n::FieldText::Cancel)->click();
        QVERIFY(opened.waitUntilRead());
        QCOMPARE(opened.window->session().state(), State::Cancelled);
        QVERIFY(!opened.window->session().report());
        QVERIFY(opened.labelStarting(i18n::fieldText(i18n::FieldText::Cancelled, 2)));
        QVERIFY(opened.button(i18n::FieldText::Read)->isEnabled());
        QVERIFY(!opened.button(i18n::FieldText::Export)->isEnabled());
    }

    void exportsThePackageButNeverOntoTheCard() {
        Opened opened(card_);
        QVERIFY(opened.waitUntilRead());
        QString answer = card_ + QStringLiteral("/package");
        opened.window->setChooser([&answer](bool, const QString&) { return answer; });
        opened.button(i18n::FieldText::Export)->click();
        QVERIFY(opened.labelStarting(i18n::fieldText(i18n::FieldText::ExportOnCard, 2)));
        QVERIFY(!QFileInfo::exists(answer));
        answer = dir_.filePath(QStringLiteral("package"));
        opened.button(i18n::FieldText::Export)->click();
        QVERIFY(opened.waitUntilRead());
        QVERIFY(opened.window->session().exported().has_value());
        for (const char* name :
             {"datapackage.json", "deployments.csv", "media.csv", "observations.csv"})
            QVERIFY(QFileInfo::exists(answer + u'/' + QLatin1String(name)));
        // Without a log, where the camera stood is not known: the window says so.
        QVERIFY(opened.labelStarting(i18n::fieldText(i18n::FieldText::Exported, 2).left(10))
                    ->text()
                    .contains(QStringLiteral("latitude")));
    }

    // Two triggers of three photos on four of nineteen working days: the next setup may take it.
    void theMeasuredTriggersGoToTheSetupForm() {
        Opened opened(card_);
        QVERIFY(opened.waitUntilRead());
        QCOMPARE(*opened.window->session().report()->comparison.nextTriggersPerDay, 1);
        QPushButton* use = opened.button(i18n::FieldText::UseTriggers);
        QVERIFY(use && use->isVisible());
        use->click();
        QCOMPARE(opened.window->result(), int(QDialog::Accepted));
        QCOMPARE(*opened.window->chosenTriggers(), 1);
        // The main window has no strip to take it: no such button there.
        Opened fromMain(card_, 2, false);
        QVERIFY(fromMain.waitUntilRead());
        QVERIFY(!fromMain.button(i18n::FieldText::UseTriggers)->isVisible());

        // A setup form offers the window in its context menu and types what it hands back
        // into its strip's field.
        QString asked;
        dialog::FormContext context = test::OpenForm::contextFor(7, 2, nullptr);
        context.folder = {card_, false};
        context.cardReport = [&asked](const dialog::CardReportRequest& request) {
            asked = request.folder;
            return std::optional<int>(37);
        };
        test::OpenForm form(app::SetupForm::Camera, context);
        const auto menu = form.model->contextMenu();
        QCOMPARE(menu.back().text, QStringLiteral("Card report..."));
        form.model->contextActionChosen(menu.back().command);
        QCOMPARE(asked, card_);
        QCOMPARE(form.model->dialog().text(dialog::summary_strip::triggersField),
                 QStringLiteral("37"));
    }

    void fitsALaptopScreenInEveryLanguage_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= i18n::languageCount; ++language)
            QTest::newRow(qPrintable(QString::number(language))) << language;
    }
    void fitsALaptopScreenInEveryLanguage() {
        QFETCH(int, language);
        Opened opened(card_, language);
        QVERIFY(opened.waitUntilRead());
        QApplication::processEvents();
        // 768 pixels less a 40-pixel panel, and the window's title bar.
        QVERIFY2(opened.window->frameGeometry().height() <= 728 && opened.window->height() <= 700,
                 qPrintable(QString::number(opened.window->height())));
        QVERIFY(opened.window->width() <= 1366);
        for (QPushButton* button : opened.window->findChildren<QPushButton*>()) {
            if (button->isVisible())
                QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        }
        for (QLabel* label : opened.window->findChildren<QLabel*>()) {
            if (label->isVisible() && !label->wordWrap() && label->pixmap().isNull())
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        }
    }

    // Tab goes through every control the owner can use, in order, and back to the first.
    void keyboardReachesEverything() {
        Opened opened(card_);
        QVERIFY(opened.waitUntilRead());
        opened.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(opened.window.get()));
        auto* first = opened.window->findChildren<QLineEdit*>().constFirst();
        first->setFocus();
        QList<QWidget*> reached;
        for (QWidget* at = first; !reached.contains(at); at = QApplication::focusWidget()) {
            reached << at;
            QTest::keyClick(at, Qt::Key_Tab);
        }
        QVERIFY(reached.contains(opened.window->findChild<qt::DayRowWidget*>()));
        QVERIFY(reached.contains(opened.window->findChild<qt::DayChartWidget*>()));
        QVERIFY(reached.contains(opened.window->findChild<QPlainTextEdit*>()));
        for (QPushButton* button : opened.window->findChildren<QPushButton*>()) {
            if (button->isVisible() && button->isEnabled())
                QVERIFY2(reached.contains(button), qPrintable(button->text()));
        }
    }
};

KESTROVA_TEST(CardReportWindowTest)
#include "card_report_window_test.moc"
