#pragma once

#include "field/card_report.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace kestrova::qt {

// The colour a day's state is drawn in, on the row of days and in its legend.
QColor dayStateColour(field::DayState state);

// What the row of days and the bar chart share: the days, and the one the keyboard is on.
class DayView : public QWidget {
    Q_OBJECT
public:
    explicit DayView(QWidget* parent = nullptr);

    void setDays(std::vector<field::DayRow> days, std::optional<double> estimate);
    int selected() const { return selected_; }
    void select(int day);

Q_SIGNALS:
    void selectedChanged(int day);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // The day under the point, or -1.
    int dayAt(const QPoint& point) const;
    QRectF plot() const;
    void drawFocus(QPainter& painter) const;

    std::vector<field::DayRow> days_;
    std::optional<double> estimate_;
    int selected_ = -1;
};

// A cell a day, coloured working / no pictures / down / card full / before or after.
class DayRowWidget final : public DayView {
    Q_OBJECT
public:
    using DayView::DayView;
    QSize sizeHint() const override { return {600, 26}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Pictures and videos a day as bars, with what the summary estimated as a line.
class DayChartWidget final : public DayView {
    Q_OBJECT
public:
    using DayView::DayView;
    QSize sizeHint() const override { return {600, 130}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kestrova::qt
