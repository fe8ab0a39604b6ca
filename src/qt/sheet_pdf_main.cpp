// kestrova-sheet-pdf OUT.pdf < page.html: lays out one page of HTML as an A4 PDF file, which is
// written whole or not at all. `kestrova sheet` hands it the settings sheet.
#include "qt/one_page_print.h"

#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv) {
    // It never shows a window: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: kestrova-sheet-pdf OUT.pdf < page.html\n", stderr);
        return 2;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        std::fputs("kestrova-sheet-pdf: cannot read the page\n", stderr);
        return 1;
    }
    const QString html = QString::fromUtf8(input.readAll());

    QSaveFile file(QFile::decodeName(argv[1]));
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "kestrova-sheet-pdf: %s\n", qPrintable(file.errorString()));
        return 1;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setCreator(QStringLiteral("Kestrova Setup"));
        kestrova::qt::printOnePage(html, writer);
    }
    if (!file.commit()) {
        std::fprintf(stderr, "kestrova-sheet-pdf: %s\n", qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
