#include "qt/dialog_units.h"

#include <QFontMetrics>

namespace kestrova::qt {

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseWidth_ = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    baseHeight_ = metrics.height();
}

QRect DialogUnits::toPixels(const dialog::UnitRect& r) const {
    const auto x = [this](int units) { return (units * baseWidth_ + 2) / 4; };
    const auto y = [this](int units) { return (units * baseHeight_ + 4) / 8; };
    return QRect(x(r.x), y(r.y), x(r.right()) - x(r.x), y(r.bottom()) - y(r.y));
}

QSize DialogUnits::windowSize(const dialog::DialogTemplate& t) const {
    return toPixels({0, 0, t.width, t.height}).size();
}

QFont fittingFont(const QFont& desktop, const dialog::DialogTemplate& dialogTemplate,
                  const QSize& screen) {
    const QSize room(screen.width(), screen.height() - titleBarRoom);
    const auto fits = [&](const QFont& font) {
        const QSize size = DialogUnits(font).windowSize(dialogTemplate);
        return size.width() <= room.width() && size.height() <= room.height();
    };
    QFont font = desktop;
    // A font given in pixels steps down by pixels, one in points by half points.
    const bool inPixels = font.pointSizeF() <= 0;
    while (!fits(font)) {
        if (inPixels) {
            if (font.pixelSize() <= int(smallestPoints * 4 / 3))
                break;
            font.setPixelSize(font.pixelSize() - 1);
        } else {
            if (font.pointSizeF() - 0.5 < smallestPoints)
                break;
            font.setPointSizeF(font.pointSizeF() - 0.5);
        }
    }
    return font;
}

} // namespace kestrova::qt
