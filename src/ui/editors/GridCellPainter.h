#pragma once

#include <QStyledItemDelegate>

// Draws every cell of a string grid, the title cells included: a background and the text on one
// line, centred both ways. The channel grid stripes all its rows, titles too, in light green and
// the window colour; a plain grid sets its titles off in the button colour.
class GridCellPainter : public QStyledItemDelegate {
public:
    enum class Background { StripedRows, Plain };

    GridCellPainter(Background background, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QColor BackgroundOf(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    Background background_;
};
