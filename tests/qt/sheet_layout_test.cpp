#include "i18n/language.h"
#include "i18n/summary_texts.h"
#include "model/camera_model.h"
#include "plan/setting_lines.h"
#include "plan/settings_sheet.h"
#include "qt/one_page_print.h"
#include "support/test_registry.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

using namespace kestrova;
using namespace kestrova::plan;

namespace {

// The sheet of a file of the kind, with every setting filled as an owner might.
SettingsSheet sheetOf(const QString& kind, int model, int language) {
    const CameraModel& camera = cameraModel(model);
    PlanInputs inputs;
    inputs.language = language;
    SettingsSheet sheet;
    sheet.model = model;
    sheet.language = language;
    sheet.folder = QStringLiteral("/media/owner/a-card-with-a-long-label/and/a/long/folder/path/"
                                  "beneath/it/for/this/season");
    sheet.date = QDateTime(QDate(2026, 5, 6), QTime(7, 8));
    sheet.checkValue = 0x1234;
    if (kind == u"menu") {
        camera::CameraSettings s = camera::CameraSettings::atOpen(camera.cameraForm);
        s.timer = s.timer2 = 1;
        s.timer_start_hour = 18;
        s.timer_stop_hour = 6;
        s.timer2_start_hour = 5;
        s.timer2_stop_hour = 7;
        s.time_lapse = 0;
        s.time_lapse_minute = 30;
        const MenuFacts facts{camera.cameraForm, model, s, {2026, 5, 6, 7, 8, 9}};
        sheet.fileName = QStringLiteral("menu.dat");
        sheet.lines = menuLines(facts, language);
        sheet.summary = summarizeMenu(facts, inputs);
    } else if (kind == u"mms") {
        mms::MmsSettings s;
        s.phone1 = QStringLiteral("13800138000");
        s.email = QStringLiteral("someone.with.a.long.name@example.com");
        s.phone2 = QStringLiteral("13900139000");
        s.phone3 = QStringLiteral("other@example.com");
        s.remoteHours = 6;
        const MmsFacts facts{camera.mmsForm, model, s};
        sheet.fileName = QStringLiteral("setup.dat");
        sheet.lines = mmsLines(facts, language);
        sheet.summary = summarizeMms(facts, inputs);
    } else {
        smtp::SmtpSettings s;
        s.server = QStringLiteral("smtp.example.com");
        s.port = QStringLiteral("587");
        s.sender = QStringLiteral("camera@example.com");
        s.recipient = QStringLiteral("owner@example.com");
        const SmtpFacts facts{camera.smtpForm, model, s};
        sheet.fileName = QStringLiteral("smtp.dat");
        sheet.lines = smtpLines(facts, language);
        sheet.summary = summarizeSmtp(facts, inputs);
    }
    return sheet;
}

} // namespace

// Each sheet fits one A4 page as the printer lays it out, and every heading keeps its room: none
// stands on what comes before it.
class SheetLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void onePageWithRoomForEveryHeading_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("language");
        for (const auto& [kind, model] : {std::pair{"menu", 7},
                                          {"menu", 1},
                                          {"mms", 7},
                                          {"mms", 1},
                                          {"smtp", 7},
                                          {"smtp", 3}}) {
            for (int language = 1; language <= i18n::languageCount; ++language)
                QTest::addRow("%s of model %d, language %d", kind, model, language)
                    << QString::fromLatin1(kind) << model << language;
        }
    }
    void onePageWithRoomForEveryHeading() {
        QFETCH(QString, kind);
        QFETCH(int, model);
        QFETCH(int, language);
        // A4 within the margins the sheet is printed with.
        const QPageLayout page(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                               QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        const QSizeF area = page.paintRect(QPageLayout::Point).size();
        QTextDocument document;
        qt::layOutPage(document, sheetOf(kind, model, language).html(), area);
        QVERIFY2(document.size().height() <= area.height(),
                 qPrintable(
                     QStringLiteral("%1 of %2").arg(document.size().height()).arg(area.height())));

        using i18n::SummaryText;
        QStringList headings;
        for (const SummaryText id : {SummaryText::SheetSettings, SummaryText::StripTitle,
                                     SummaryText::SheetAssumed, SummaryText::SheetWarnings})
            headings << i18n::summaryText(id, language);
        QList<QRectF> blocks;
        QList<QRectF> headingRects;
        QAbstractTextDocumentLayout* layout = document.documentLayout();
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            // The empty blocks between tables hold nothing that could touch a heading.
            if (block.text().isEmpty())
                continue;
            const QRectF rect = layout->blockBoundingRect(block);
            (headings.contains(block.text()) ? headingRects : blocks) << rect;
        }
        QVERIFY(headingRects.size() >= 3);
        const QRectF settings = headingRects.constFirst();
        const QRectF summary = headingRects.at(1);
        // The summary stands beside the settings, not under their last row.
        QCOMPARE(qRound(summary.top()), qRound(settings.top()));
        QVERIFY(summary.left() > settings.right());
        // The room above each heading: nothing of its column closer than half a line of the
        // settings (the rows themselves stand 2 apart).
        qreal line = document.size().height();
        for (const QRectF& block : blocks)
            line = std::min(line, block.height());
        const qreal room = line / 2;
        for (const QRectF& heading : headingRects) {
            for (const QRectF& other : blocks) {
                const bool sameColumn =
                    other.left() < heading.right() && other.right() > heading.left();
                if (!sameColumn || other.top() >= heading.top())
                    continue;
                QVERIFY2(
                    heading.top() - other.bottom() >= room,
                    qPrintable(QStringLiteral("%1 to %2").arg(other.bottom()).arg(heading.top())));
            }
        }
    }
};

KESTROVA_TEST(SheetLayoutTest)
#include "sheet_layout_test.moc"
