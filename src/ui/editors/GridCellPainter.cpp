#include "ui/editors/GridCellPainter.h"

#include <QPainter>

namespace {
const QColor OddRowColour(192, 220, 192);
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
    painter->fillRect(option.rect, BackgroundOf(option, index));
    // Title cells are not selectable, but their text is as readable as any other.
    const QColor text = option.palette.color(QPalette::Normal, QPalette::Text);
    painter->setPen(text);
    painter->setFont(option.font);
    painter->drawText(option.rect, Qt::AlignCenter | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(text, 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
    }
    painter->restore();
}
