#pragma once

#include <QString>

class QPagedPaintDevice;

namespace kestrova::qt {

// Lays out an HTML page on one page of the device (a printer or a PDF writer), in smaller type
// where it would run over.
void printOnePage(const QString& html, QPagedPaintDevice& device);

} // namespace kestrova::qt
