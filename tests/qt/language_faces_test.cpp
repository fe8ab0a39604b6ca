#include "qt/language_font.h"
#include "qt/one_page_print.h"
#include "qt/open_form.h"
#include "qt/qt_host.h"
#include "res/mms_templates.h"
#include "support/process_runner.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPdfWriter>
#include <QRawFont>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

using namespace kestrova;

namespace {

// The face that draws the first character of a text in a font.
QString faceDrawing(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns(0, 1))
        return run.rawFont().familyName();
    return {};
}

bool cjkFacesInstalled() {
    return QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK JP")) &&
           QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK SC"));
}

} // namespace

// Japanese is drawn with the Japanese forms of the characters it shares with Chinese, and
// Chinese with the Chinese ones: in the windows, by the language chosen, and on the settings
// sheet, by its text.
class LanguageFacesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windows_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("face"); // empty: the desktop's own
        QTest::newRow("Japanese") << int(i18n::Japanese) << "Noto Sans CJK JP";
        QTest::newRow("Chinese") << int(i18n::Chinese) << "Noto Sans CJK SC";
        QTest::newRow("English") << int(i18n::English) << "";
    }
    void windows() {
        QFETCH(int, language);
        QFETCH(QString, face);
        if (!cjkFacesInstalled())
            QSKIP("fonts-noto-cjk is not installed (scripts/install-deps)");
        const QString desktop = QFontInfo(QApplication::font()).family();
        // The language is chosen while the window is open, as in the main window.
        test::OpenForm f(app::SetupForm::Mms, 7, language);
        qt::QtHost host;
        host.useLanguage(language);
        QApplication::processEvents();
        // "Picture No./ day": 撮影数/1日, 拍摄张数/每天.
        const auto* label = qobject_cast<QLabel*>(f.window->widget(res::mms_form::picturesLabel));
        QCOMPARE(faceDrawing(label->text(), label->font()), face.isEmpty() ? desktop : face);
        // Its letters stay the desktop's.
        QCOMPARE(faceDrawing(QStringLiteral("MMS"), label->font()), desktop);
    }

    void sheet_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("face"); // as the PDF names it
        QTest::newRow("Japanese") << "撮影数/1日: 0 (MMS モード: オート)"
                                  << "NotoSansCJKjp";
        QTest::newRow("Chinese") << "拍摄张数/每天: 0"
                                 << "NotoSansCJKsc";
    }
    void sheet() {
        QFETCH(QString, text);
        QFETCH(QString, face);
        if (!cjkFacesInstalled())
            QSKIP("fonts-noto-cjk is not installed (scripts/install-deps)");
        if (QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty())
            QSKIP("pdffonts is not installed (scripts/install-deps)");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        {
            QPdfWriter writer(pdf);
            qt::printPages({QStringLiteral("<html><body><p>%1</p></body></html>").arg(text)},
                           writer);
        }
        const auto fonts = test::runProgram(QStringLiteral("pdffonts"), {pdf}, {});
        QCOMPARE(fonts.exitCode, 0);
        QVERIFY2(fonts.out.contains(face), qPrintable(fonts.out));
    }
};

KESTROVA_TEST(LanguageFacesTest)
#include "language_faces_test.moc"
