#include "ui/editors/GridCellPainter.h"

#include <QAbstractItemView>
#include <QPainter>

namespace {
const QColor OddRowColour(192, 220, 192);

// The current cell shows by its focus frame alone; a selection of rows or a range of cells is
// highlighted, so the user sees what the row commands act on.
bool InHighlightedSelection(const QStyleOptionViewItem& option)
{
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    return (option.state & QStyle::State_Selected) && view && view->selectionModel()->selectedIndexes().size() > 1;
}

}

GridCellPainter::GridCellPainter(Background background, QObject* parent)
    : QStyledItemDelegate(parent), background_(background)
{
}

QColor GridCellPainter::BackgroundOf(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (background_ == Background::StripedRows)
        return index.row() % 2 == 1 ? OddRowColour : option.palette.color(QPalette::Normal, QPalette::Base);
    const bool titleCell = !(index.flags() & Qt::ItemIsEnabled);
    return option.palette.color(QPalette::Normal, titleCell ? QPalette::Button : QPalette::Base);
}

void GridCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    const bool highlighted = InHighlightedSelection(option);
    const QPalette& colours = option.palette;
    painter->fillRect(option.rect, highlighted ? colours.color(QPalette::Normal, QPalette::Highlight) : BackgroundOf(option, index));
    // Title cells are not selectable, but their text is as readable as any other.
    const QColor text = colours.color(QPalette::Normal, highlighted ? QPalette::HighlightedText : QPalette::Text);
    painter->setPen(text);
    painter->setFont(option.font);
    painter->drawText(option.rect, Qt::AlignCenter | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(text, 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
    }
    painter->restore();
}
