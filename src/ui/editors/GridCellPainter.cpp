#include "ui/editors/GridCellPainter.h"

#include <QAbstractItemView>
#include <QPainter>

namespace {
const QColor OddRowColour(192, 220, 192);
constexpr int CurrentCellFrameWidth = 2;

// The current cell shows by its frame alone; a selection of rows or a range of cells is
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
    // A cell the program draws attention to shows the colour it was given.
    if (const QVariant own = index.data(Qt::BackgroundRole); own.isValid())
        return own.value<QBrush>().color();
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
    // The cell the keys act on is framed in the highlight colour, which no background here has.
    if (option.state & QStyle::State_HasFocus) {
        const QColor frame = colours.color(QPalette::Normal, highlighted ? QPalette::HighlightedText : QPalette::Highlight);
        painter->setPen(QPen(frame, CurrentCellFrameWidth));
        painter->drawRect(option.rect.adjusted(1, 1, -CurrentCellFrameWidth, -CurrentCellFrameWidth));
    }
    painter->restore();
}
