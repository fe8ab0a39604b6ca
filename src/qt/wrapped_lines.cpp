#include "qt/wrapped_lines.h"

#include <QListView>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace kestrova::qt {

namespace {

QTextOption wrapping() {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// Lays a text out in lines of a width; returns its height.
qreal layOut(QTextLayout& layout, int width) {
    layout.setTextOption(wrapping());
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

} // namespace

WrappedLines::WrappedLines(QListView* view)
    : QStyledItemDelegate(view)
    , view_(view) {}

WrappedLines::Parts WrappedLines::parts(const QRect& line, int iconSize) {
    const QRect inside = line.adjusted(padding, padding, -padding, -padding);
    if (iconSize == 0)
        return {{}, inside};
    return {QRect(inside.topLeft(), QSize(iconSize, iconSize)),
            inside.adjusted(iconSize + padding, 0, 0, 0)};
}

int WrappedLines::wrappedHeight(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
    return int(std::ceil(layOut(layout, width)));
}

int WrappedLines::iconSize(const QStyleOptionViewItem& line) const {
    // A line that warned once keeps an empty icon.
    if (!(line.features & QStyleOptionViewItem::HasDecoration) || line.icon.isNull())
        return 0;
    return view_->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view_);
}

QSize WrappedLines::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem line = option;
    initStyleOption(&line, index);
    // As wide as the inside of the view, less the spacing on either side.
    const int width = view_->viewport()->width() - 2 * view_->spacing();
    const int icon = iconSize(line);
    const Parts at = parts(QRect(0, 0, width, 0), icon);
    const int height = std::max(wrappedHeight(line.text, line.font, at.text.width()), icon);
    return {width, height + 2 * padding};
}

void WrappedLines::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    QStyleOptionViewItem line = option;
    initStyleOption(&line, index);
    const Parts at = parts(line.rect, iconSize(line));
    const bool enabled = line.state & QStyle::State_Enabled;
    painter->save();
    if (!at.icon.isNull())
        line.icon.paint(painter, at.icon, Qt::AlignCenter,
                        enabled ? QIcon::Normal : QIcon::Disabled);
    QTextLayout layout(line.text, line.font);
    layOut(layout, at.text.width());
    painter->setPen(
        line.palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    layout.draw(painter, at.text.topLeft());
    if (line.state & QStyle::State_HasFocus) {
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(line.palette.color(QPalette::Active, QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(line.rect).adjusted(1, 1, -1, -1));
    }
    painter->restore();
}

} // namespace kestrova::qt
