#pragma once

#include <QProxyStyle>

namespace kestrova::qt {

// The Fusion look with a focus frame a keyboard user can see: buttons, lists and edits that
// have the focus get a two-pixel frame in the highlight colour instead of the faint line the
// style draws.
class FocusFrameStyle final : public QProxyStyle {
public:
    FocusFrameStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

} // namespace kestrova::qt
