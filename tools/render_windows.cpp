// Renders every window of the program in every language into PNG files, for people to look at.
#include "app/preferences_store.h"
#include "app/setup_forms.h"
#include "dialog/card_file_actions.h"
#include "dialog/summary_strip.h"
#include "fleet/deploy_log.h"
#include "fleet/many_cards_form.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "qt/card_report_window.h"
#include "qt/desktop.h"
#include "qt/dialog_window.h"
#include "qt/filled_forms.h"
#include "qt/language_font.h"
#include "qt/silent_host.h"
#include "qt/theme.h"
#include "qt/window_catalogue.h"
#include "res/camera_templates.h"
#include "res/fleet_templates.h"
#include "support/test_pictures.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimeZone>

#include <cstdio>

namespace {

using namespace kestrova;

// The language's tag in the language table ("zh_CN", "en", ...).
QLatin1StringView languageTag(int language) {
    const std::string_view tag = i18n::languageRow(language).tag;
    return QLatin1StringView(tag.data(), static_cast<qsizetype>(tag.size()));
}

bool save(QWidget& widget, const QString& path) {
    widget.show();
    if (!QTest::qWaitForWindowExposed(&widget))
        return false;
    QApplication::processEvents();
    return widget.grab().save(path);
}

// What a dark desktop hands every program: a dark palette, also for kinds of widgets.
void useDarkDesktopPalette() {
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    QApplication::setPalette(dark);
    for (const char* kind : {"QLabel", "QLineEdit", "QComboBox", "QAbstractButton", "QMenu"})
        QApplication::setPalette(dark, kind);
}

// One shot of the window for each kind of control that can have the focus: the first of
// that kind the Tab key reaches.
int saveFocusShots(qt::DialogWindow& window, const dialog::DialogTemplate& dialogTemplate,
                   const QString& stem) {
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return -1;
    int written = 0;
    for (const auto& [kind, name] : {std::pair{dialog::ControlKind::List, "list"},
                                     std::pair{dialog::ControlKind::Button, "button"},
                                     std::pair{dialog::ControlKind::Edit, "edit"}}) {
        for (const auto& control : dialogTemplate.controls) {
            QWidget* w = window.widget(control.id);
            if (control.kind != kind || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
                continue;
            w->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            if (!window.grab().save(QStringLiteral("%1-focus-%2.png").arg(stem, name)))
                return -1;
            ++written;
            break;
        }
    }
    return written;
}

// Keeps the page a form hands to the printer.
class PrintingHost final : public qt::SilentHost {
public:
    QString page;
    std::optional<QString> printPage(const QString& html) override {
        page = html;
        return std::nullopt;
    }
};

// A camera form set up as an owner might, with its strip and its warnings, written to a card
// and loaded back from it, and the settings sheet it prints, laid out as on paper.
int saveSummaryShots(const app::SetupForms& forms, const QString& out) {
    QTemporaryDir card(QDir::tempPath() + QStringLiteral("/card-XXXXXX"));
    PrintingHost host;
    dialog::FormContext context{{i18n::English, false, false}, 7, 0};
    context.folder = {card.path(), false};
    const auto model = forms.camera(context, host);
    qt::DialogWindow window(*model);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return -1;
    qt::fillCameraForm(window, CameraForm::B);
    QTest::mouseClick(window.widget(res::camera_form::generateButton), Qt::LeftButton);
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return -1;
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    QApplication::processEvents();
    if (!window.grab().save(out + QStringLiteral("/summary-strip-en.png")))
        return -1;
    model->contextActionChosen(dialog::CardFileActions::PrintSheet);
    QTextDocument sheet;
    sheet.setHtml(host.page);
    sheet.setTextWidth(640);
    QImage page(QSize(700, int(sheet.size().height()) + 40), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.translate(30, 20);
    sheet.drawContents(&painter);
    painter.end();
    return page.save(out + QStringLiteral("/settings-sheet-en.png")) ? 2 : -1;
}

// The many-cards window in the middle of a season: cameras from a table, two with their card
// done in an earlier run, one just done, one whose card was refused and is next again.
int saveManyCardsShot(const app::SetupForms& forms, const QString& out, int language) {
    using namespace res::many_cards;
    QTemporaryDir files;
    const QString kit = files.filePath(QStringLiteral("north.json"));
    const QString cameras = files.filePath(QStringLiteral("north.csv"));
    QFile table(cameras);
    if (!table.open(QIODevice::WriteOnly))
        return -1;
    table.write("camera_id,locationName\nNORTH-01,Old oak\nNORTH-02,Beech ridge\n"
                "NORTH-03,Stream crossing\nNORTH-04,Clearing\nNORTH-05,Fence line\n");
    table.close();
    fleet::DeployLog log;
    if (log.open(files.filePath(QStringLiteral("north-log.csv"))))
        return -1;
    for (const char* id : {"NORTH-01", "NORTH-02"}) {
        fleet::LogEntry entry;
        entry.written =
            QDateTime::fromString(QStringLiteral("2026-05-04T09:12:40+02:00"), Qt::ISODate);
        entry.cameraId = QLatin1String(id);
        entry.label = QStringLiteral("KES") + QLatin1String(id).right(2);
        entry.result = QStringLiteral("done");
        if (log.append(entry).problem)
            return -1;
    }
    qt::SilentHost host;
    const dialog::FormContext context{{language, language == i18n::Chinese, false}, 7, 0};
    const auto model = forms.manyCards(context, host);
    qt::DialogWindow window(*model);
    auto* form = static_cast<fleet::ManyCardsForm*>(model.get());
    for (const auto& [field, text] : {std::pair{kitField, kit}, std::pair{camerasField, cameras}}) {
        form->dialog().setText(field, text);
        form->editChanged(field);
    }
    form->dialog().setText(setupByField, QStringLiteral("Ann Smith"));
    fleet::DeployObserver& run = *form;
    const auto said = [language](i18n::FleetText id) { return i18n::fleetText(id, language); };
    fleet::CardReport report;
    report.camera = 2;
    report.cameraName = QStringLiteral("NORTH-03");
    report.card.mountPoint = QStringLiteral("/media/ann/KES03");
    report.card.label = QStringLiteral("KES03");
    report.card.uuid = QStringLiteral("5E1A-22C7");
    report.text = said(i18n::FleetText::ResultDone);
    run.cardFinished(report);
    report.camera = 3;
    report.cameraName = QStringLiteral("NORTH-04");
    report.card.label = QStringLiteral("KES04");
    report.card.uuid = QStringLiteral("7B02-91F0");
    report.outcome = fleet::CardOutcome::Failed;
    report.text = said(i18n::FleetText::ResultFailed).arg(said(i18n::FleetText::ReadOnlyCard));
    run.cardFinished(report);
    run.nextCamera(3);
    run.status(
        said(i18n::FleetText::InsertAnotherCardFor).arg(QStringLiteral("NORTH-04")).arg(4).arg(5));
    return save(window, QStringLiteral("%1/many-cards-season-%2.png")
                            .arg(out, QLatin1String(languageTag(language))))
               ? 1
               : -1;
}

// A card back from the field: a camera menu with a time lapse every 6 hours, three weeks of
// pictures with two days missing, in the card report window of each language.
int saveCardReportShots(const QString& out, const QList<int>& languages) {
    QTemporaryDir work;
    const QString folder = work.filePath(QStringLiteral("card"));
    QByteArray menu;
    if (!test::writeTimeLapseMenu(folder, 6, 3, &menu))
        return -1;
    if (test::fillCard(folder, QDateTime(QDate(2026, 5, 4), QTime(8, 0)), 21, 6, {9, 10}) <= 0)
        return -1;
    // The log of the deployment, as kestrova deploy writes it.
    const QString logPath = work.filePath(QStringLiteral("north-log.csv"));
    fleet::DeployLog log;
    fleet::LogEntry row;
    row.written = QDateTime(QDate(2026, 5, 4), QTime(7, 30), QTimeZone(7200));
    row.cameraId = QStringLiteral("NORTH-01");
    row.model = QStringLiteral("Kes SigmaMG");
    row.sha256[QStringLiteral("menu.dat")] =
        QString::fromLatin1(QCryptographicHash::hash(menu, QCryptographicHash::Sha256).toHex());
    row.result = QStringLiteral("done");
    row.setupBy = QStringLiteral("Ann Smith");
    row.carried = {{QStringLiteral("locationName"), QStringLiteral("Oak ridge")},
                   {QStringLiteral("latitude"), QStringLiteral("52.70442")},
                   {QStringLiteral("longitude"), QStringLiteral("23.8")}};
    if (log.open(logPath) || log.append(row).problem)
        return -1;
    int written = 0;
    for (const int language : languages) {
        qt::CardReportWindow window({folder, language, 7, true, logPath});
        window.show();
        if (!QTest::qWaitForWindowExposed(&window) || !QTest::qWaitFor([&window] {
                return window.session().state() == field::CardReportSession::State::Read;
            }))
            return -1;
        QApplication::processEvents();
        if (!window.grab().save(QStringLiteral("%1/card-report-%2.png")
                                    .arg(out, QLatin1String(languageTag(language)))))
            return -1;
        ++written;
    }
    return written;
}

} // namespace

// render_windows OUT: every window in every language, opened and filled in as an owner would,
// with the context menu, the strip and the sheet, and a message box. With a flag: --larger-font
// every window in every language at the desktop's larger font (a quarter larger); or a smaller
// set in two languages: --focus with the focus on a list, a button and an edit; --dark-desktop
// on a dark desktop's palette; --dark-gtk as it stands, for a run under a dark GTK theme.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.contains(QStringLiteral("--dark-desktop")))
        useDarkDesktopPalette();
    const bool focus = arguments.contains(QStringLiteral("--focus"));
    const bool largerFont = arguments.contains(QStringLiteral("--larger-font"));
    const bool fullSet = arguments.size() <= 2;
    qt::applyTheme(application);
    QFont desktop = QApplication::font();
    if (largerFont)
        desktop.setPointSizeF(desktop.pointSizeF() * 1.25);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(out);
    QList<int> languages{i18n::English, i18n::Japanese};
    if (fullSet || largerFont) {
        languages.clear();
        for (int language = 1; language <= i18n::languageCount; ++language)
            languages << language;
    }

    QTemporaryDir preferences;
    app::PreferencesStore store(preferences.filePath(QStringLiteral("prefs.ini")));
    const app::SetupForms forms = qt::desktopForms();
    qt::SilentHost host;
    int written = 0;
    for (const auto& entry : qt::windowCatalogue(store, forms)) {
        for (const int language : languages) {
            // As the program's host sets it for the language chosen.
            QApplication::setFont(qt::languageFont(desktop, language));
            app::ProcessState state{{language, language == i18n::Chinese, false}, 7, 0};
            const auto model = entry.make(state, host);
            qt::DialogWindow window(*model);
            const QString stem = QStringLiteral("%1/%2-%3")
                                     .arg(out, entry.name, languageTag(language));
            int shots = focus ? saveFocusShots(window, model->dialog().dialogTemplate(), stem)
                        : save(window, stem + QStringLiteral(".png")) ? 1
                                                                      : -1;
            // Filled in as an owner would: the strip's longest sentences and its warnings.
            if (!focus && shots > 0 && entry.fillIn) {
                entry.fillIn(window);
                QApplication::processEvents();
                shots = window.grab().save(stem + QStringLiteral("-filled.png")) ? 2 : -1;
            }
            if (shots < 0) {
                std::fprintf(stderr, "could not render %s\n", qPrintable(stem));
                return 1;
            }
            written += shots;
        }
    }
    if (focus || largerFont) {
        std::printf("%d screenshots in %s\n", written, qPrintable(out));
        return 0;
    }
    // The setup forms' context menu, with the window under it: the screen is grabbed, as the
    // menu is a window of its own.
    for (const int language : {i18n::English, i18n::Chinese}) {
        if (!fullSet && language == i18n::Chinese)
            continue;
        QApplication::setFont(qt::languageFont(desktop, language));
        const dialog::FormContext context{{language, language == i18n::Chinese, false}, 7, 0};
        const auto model = forms.camera(context, host);
        qt::DialogWindow window(*model);
        window.move(20, 20);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        const QPoint at(window.width() / 3, window.height() / 3);
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at, window.mapToGlobal(at));
        QApplication::sendEvent(&window, &request);
        QTest::qWait(300);
        QRect area = window.frameGeometry();
        if (const QWidget* menu = QApplication::activePopupWidget())
            area = area.united(menu->frameGeometry());
        area.adjust(-10, -10, 10, 10);
        const QString path = QStringLiteral("%1/camera-context-menu-%2.png")
                                 .arg(out, languageTag(language));
        if (!QApplication::primaryScreen()
                 ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                 .save(path))
            return 1;
        ++written;
        if (QWidget* menu = QApplication::activePopupWidget())
            menu->close();
    }
    QApplication::setFont(desktop);
    if (fullSet) {
        const int shots = saveSummaryShots(forms, out);
        if (shots < 0)
            return 1;
        written += shots;
        for (const int language : languages) {
            if (saveManyCardsShot(forms, out, language) < 0)
                return 1;
            ++written;
        }
    }
    const int reports = saveCardReportShots(out, languages);
    if (reports < 0)
        return 1;
    written += reports;
    for (const int language : {i18n::English, i18n::Chinese}) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kestrova"),
                        i18n::integerRangeMessage(1, 60, language), QMessageBox::Ok);
        box.setIconPixmap(qt::messageIcon().pixmap(32, 32));
        if (!save(
                box,
                QStringLiteral("%1/message-%2.png").arg(out, languageTag(language))))
            return 1;
        ++written;
    }
    std::printf("%d screenshots in %s\n", written, qPrintable(out));
    return 0;
}
