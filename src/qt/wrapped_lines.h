#pragma once

#include <QStyledItemDelegate>

class QListView;

namespace kestrova::qt {

// Draws each line of a list view wrapped at the width it is drawn in, and makes it as high as
// that takes: nothing a line says is cut off. A line's icon stands at its top left, its text
// beside it; the line with the focus has the frame every control with the focus has.
class WrappedLines final : public QStyledItemDelegate {
public:
    explicit WrappedLines(QListView* view);

    // Around the text and the icon, room for the focus frame.
    static constexpr int padding = 3;

    // Where a line's icon and text go in its rectangle.
    struct Parts {
        QRect icon;
        QRect text;
    };
    static Parts parts(const QRect& line, int iconSize);

    // The height a text takes wrapped to a width: at word boundaries, inside a word only where
    // the word is longer than the width.
    static int wrappedHeight(const QString& text, const QFont& font, int width);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    int iconSize(const QStyleOptionViewItem& line) const;

    QListView* view_;
};

} // namespace kestrova::qt
