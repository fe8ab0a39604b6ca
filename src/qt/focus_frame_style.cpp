#include "qt/focus_frame_style.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace kestrova::qt {

namespace {

bool framedByUs(const QWidget* widget) {
    return qobject_cast<const QPushButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QLineEdit*>(widget);
}

void drawFocusFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) {
    if (!(option->state & QStyle::State_HasFocus) || !(option->state & QStyle::State_Enabled) ||
        !framedByUs(widget))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(option->palette.color(QPalette::Active, QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

} // namespace

FocusFrameStyle::FocusFrameStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void FocusFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    // Ours replaces the style's own faint frame, so the two never show together.
    if (element == PE_FrameFocusRect && framedByUs(widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_PanelLineEdit)
        drawFocusFrame(option, painter, widget);
}

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton)
        drawFocusFrame(option, painter, widget);
}

void FocusFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox)
        drawFocusFrame(option, painter, widget);
}

} // namespace kestrova::qt
