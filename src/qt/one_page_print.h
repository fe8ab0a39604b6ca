#pragma once

#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QSizeF;
class QTextDocument;

namespace kestrova::qt {

// Lays out each HTML page on one page of the device (a printer or a PDF writer), in smaller
// type where it would run over, and smaller still, drawn to the page's size, where even the
// smallest type would.
void printPages(const QStringList& pages, QPagedPaintDevice& device);

// One page of HTML laid out to the width of `page` (in points), in the largest type whose
// height fits it, down to the smallest type there is.
void layOutPage(QTextDocument& document, const QString& html, const QSizeF& page);

} // namespace kestrova::qt
