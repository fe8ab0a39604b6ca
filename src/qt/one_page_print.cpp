#include "qt/one_page_print.h"

#include "qt/language_font.h"

#include <QPagedPaintDevice>
#include <QTextDocument>

namespace kestrova::qt {

namespace {

constexpr qreal largestPoints = 10;
constexpr qreal smallestPoints = 5;

} // namespace

void printOnePage(const QString& html, QPagedPaintDevice& device) {
    QTextDocument document;
    // The page in points: printing scales it to the device, whatever its resolution.
    document.setPageSize(device.pageLayout().paintRect(QPageLayout::Point).size());
    // Japanese in a Japanese face and Chinese in a Chinese one, known by the page's text.
    QFont font = fontForText(document.defaultFont(), html);
    for (qreal points = largestPoints; points >= smallestPoints; points -= 0.5) {
        font.setPointSizeF(points);
        document.setDefaultFont(font);
        document.setHtml(html);
        if (document.pageCount() <= 1)
            break;
    }
    document.print(&device);
}

} // namespace kestrova::qt
