#pragma once

#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace kestrova::qt {

// Lays out each HTML page on one page of the device (a printer or a PDF writer), in smaller
// type where it would run over, and smaller still, drawn to the page's size, where even the
// smallest type would.
void printPages(const QStringList& pages, QPagedPaintDevice& device);

} // namespace kestrova::qt
