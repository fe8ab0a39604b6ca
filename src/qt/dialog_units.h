#pragma once

#include "res/dialog_template.h"

#include <QFont>
#include <QRect>
#include <QSize>

namespace kestrova::qt {

// Dialog units as dialog templates have always had them: a quarter of the font's average
// character width across (the average of the alphabet), an eighth of its height down.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    QRect toPixels(const dialog::UnitRect& rect) const;
    QSize windowSize(const dialog::DialogTemplate& dialogTemplate) const;

private:
    int baseWidth_;
    int baseHeight_;
};

// Room a window leaves above itself for the title bar the window manager puts on it: desktops
// draw bars of 24 to 37 pixels.
constexpr int titleBarRoom = 37;

// The font a window of that template opens in: the desktop's, or, where the window would not
// fit on the screen below its title bar, the desktop's face at the largest size that fits, so
// no control lies beyond the screen's edge. Never smaller than `smallestPoints`.
QFont fittingFont(const QFont& desktop, const dialog::DialogTemplate& dialogTemplate,
                  const QSize& screen);
constexpr qreal smallestPoints = 6;

} // namespace kestrova::qt
