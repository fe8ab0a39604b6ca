#include "qt/one_page_print.h"

#include "qt/language_font.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>

namespace kestrova::qt {

namespace {

constexpr qreal largestPoints = 10;
constexpr qreal smallestPoints = 5;
constexpr qreal pointStep = 0.25;

} // namespace

void layOutPage(QTextDocument& document, const QString& html, const QSizeF& page) {
    document.setDocumentMargin(0);
    document.setTextWidth(page.width());
    // Japanese in a Japanese face and Chinese in a Chinese one, known by the page's text.
    QFont font = fontForText(document.defaultFont(), html);
    for (qreal points = largestPoints; points >= smallestPoints; points -= pointStep) {
        font.setPointSizeF(points);
        document.setDefaultFont(font);
        document.setHtml(html);
        if (document.size().height() <= page.height())
            return;
    }
}

void printPages(const QStringList& pages, QPagedPaintDevice& device) {
    // The page in points; the painter draws it at the device's resolution.
    const QSizeF page = device.pageLayout().paintRect(QPageLayout::Point).size();
    QPainter painter(&device);
    const qreal scale = device.logicalDpiX() / 72.0;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        QTextDocument document;
        layOutPage(document, pages[i], page);
        const qreal fit = std::min(1.0, page.height() / document.size().height());
        painter.save();
        painter.scale(scale * fit, scale * fit);
        document.drawContents(&painter, QRectF(QPointF(0, 0), document.size()));
        painter.restore();
    }
}

} // namespace kestrova::qt
