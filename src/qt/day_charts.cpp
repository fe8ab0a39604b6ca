#include "qt/day_charts.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrova::qt {

namespace {

// Room inside the frame, for the focus frame and the chart's figures.
constexpr int inset = 4;
constexpr int axisWidth = 34;

} // namespace

QColor dayStateColour(field::DayState state) {
    switch (state) {
    case field::DayState::Working:
        return {46, 125, 50};
    case field::DayState::NoPictures:
        return {240, 180, 0};
    case field::DayState::Down:
        return {198, 40, 40};
    case field::DayState::CardFull:
        return {106, 27, 154};
    case field::DayState::Before:
    case field::DayState::After:
        break;
    }
    return {176, 176, 176};
}

DayView::DayView(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DayView::setDays(std::vector<field::DayRow> days, std::optional<double> estimate) {
    days_ = std::move(days);
    estimate_ = estimate;
    selected_ = days_.empty() ? -1 : 0;
    update();
}

void DayView::select(int day) {
    if (days_.empty())
        return;
    day = std::clamp(day, 0, static_cast<int>(days_.size()) - 1);
    if (day == selected_)
        return;
    selected_ = day;
    update();
    Q_EMIT selectedChanged(day);
}

void DayView::keyPressEvent(QKeyEvent* event) {
    const int week = 7;
    switch (event->key()) {
    case Qt::Key_Left:
        select(selected_ - 1);
        break;
    case Qt::Key_Right:
        select(selected_ + 1);
        break;
    case Qt::Key_PageUp:
        select(selected_ - week);
        break;
    case Qt::Key_PageDown:
        select(selected_ + week);
        break;
    case Qt::Key_Home:
        select(0);
        break;
    case Qt::Key_End:
        select(static_cast<int>(days_.size()) - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void DayView::mousePressEvent(QMouseEvent* event) {
    const int day = dayAt(event->position().toPoint());
    if (day >= 0)
        select(day);
    setFocus(Qt::MouseFocusReason);
}

void DayView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void DayView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

QRectF DayView::plot() const {
    return QRectF(rect()).adjusted(inset, inset, -inset, -inset);
}

int DayView::dayAt(const QPoint& point) const {
    const QRectF area = plot();
    if (days_.empty() || !area.contains(point))
        return -1;
    const double width = area.width() / static_cast<double>(days_.size());
    return std::min(static_cast<int>((point.x() - area.left()) / width),
                    static_cast<int>(days_.size()) - 1);
}

void DayView::drawFocus(QPainter& painter) const {
    // The frame every control of the program shows while it has the focus.
    if (!hasFocus())
        return;
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void DayRowWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRectF area = plot();
    const double width = days_.empty() ? 0 : area.width() / static_cast<double>(days_.size());
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const QRectF cell(area.left() + width * static_cast<double>(i), area.top(), width,
                          area.height());
        painter.fillRect(cell.adjusted(0.5, 0, -0.5, 0), dayStateColour(days_[i].state));
        if (static_cast<int>(i) == selected_) {
            painter.setPen(QPen(palette().color(QPalette::Text), 2));
            painter.drawRect(cell.adjusted(1, 1, -1, -1));
        }
    }
    drawFocus(painter);
}

void DayChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    int most = 1;
    for (const field::DayRow& day : days_)
        most = std::max(most, day.pictures + day.videos);
    if (estimate_)
        most = std::max(most, static_cast<int>(std::ceil(*estimate_)));
    const QRectF area = plot().adjusted(axisWidth, 2, 0, -2);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(inset, area.top() - 2, axisWidth - 4, 16), Qt::AlignRight,
                     QString::number(most));
    painter.drawText(QRectF(inset, area.bottom() - 14, axisWidth - 4, 16), Qt::AlignRight,
                     QStringLiteral("0"));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    const double width = days_.empty() ? 0 : area.width() / static_cast<double>(days_.size());
    const auto height = [&](double count) { return area.height() * count / most; };
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const field::DayRow& day = days_[i];
        const double h = height(day.pictures + day.videos);
        const QRectF bar(area.left() + width * static_cast<double>(i) + width * 0.15,
                         area.bottom() - h, width * 0.7, h);
        const bool chosen = static_cast<int>(i) == selected_;
        painter.fillRect(bar, chosen ? palette().color(QPalette::Highlight) : QColor(70, 110, 170));
        if (day.state != field::DayState::Working)
            painter.fillRect(QRectF(bar.left(), area.bottom() - 3, bar.width(), 3),
                             dayStateColour(day.state));
    }
    if (estimate_) {
        const double y = area.bottom() - height(*estimate_);
        painter.setPen(QPen(QColor(220, 110, 0), 2, Qt::DashLine));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    drawFocus(painter);
}

} // namespace kestrova::qt
