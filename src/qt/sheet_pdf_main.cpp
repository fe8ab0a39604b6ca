// kestrova-sheet-pdf < pages.json > sheet.pdf: lays out each page of HTML (a JSON array of
// texts) on an A4 page of its own and writes the PDF to its output. `kestrova sheet` hands it the
// settings sheets and writes the file itself, whole or not at all.
#include "qt/one_page_print.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPdfWriter>

#include <cstdio>

int main(int argc, char** argv) {
    // It never shows a window: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 1) {
        std::fputs("usage: kestrova-sheet-pdf < pages.json > sheet.pdf\n", stderr);
        return 2;
    }
    QFile input;
    QFile output;
    if (!input.open(stdin, QIODevice::ReadOnly) || !output.open(stdout, QIODevice::WriteOnly)) {
        std::fputs("kestrova-sheet-pdf: cannot read the pages or write the PDF\n", stderr);
        return 1;
    }
    const QJsonDocument document = QJsonDocument::fromJson(input.readAll());
    QStringList pages;
    for (const QJsonValue page : document.array())
        pages << page.toString();
    if (!document.isArray() || pages.isEmpty()) {
        std::fputs("kestrova-sheet-pdf: expected a JSON array of pages\n", stderr);
        return 2;
    }

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setCreator(QStringLiteral("Kestrova Setup"));
        kestrova::qt::printPages(pages, writer);
    }
    if (output.write(pdf.data()) != pdf.data().size() || !output.flush()) {
        std::fprintf(stderr, "kestrova-sheet-pdf: %s\n", qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
