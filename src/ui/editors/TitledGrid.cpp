#include "ui/editors/TitledGrid.h"

#include <QHeaderView>
#include <QTableWidget>

namespace {

constexpr int GridLineWidth = 1;
constexpr int RowHeight = 19;
constexpr int FrameWidth = 1;

Qt::ItemFlags CellFlags(int row, int column)
{
    const bool title = row == 0 || column == 0;
    return title ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void FillCells(QTableWidget* grid)
{
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(CellFlags(row, column));
            grid->setItem(row, column, item);
        }
}

void SizeSections(QTableWidget* grid, const std::vector<int>& columnWidths)
{
    for (int column = 0; column < grid->columnCount(); ++column)
        grid->horizontalHeader()->resizeSection(column, columnWidths[size_t(column)] + GridLineWidth);
    grid->verticalHeader()->setMinimumSectionSize(1);
    for (int row = 0; row < grid->rowCount(); ++row)
        grid->verticalHeader()->resizeSection(row, RowHeight + GridLineWidth);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

QSize WholeGridSize(const QTableWidget* grid)
{
    const int width = grid->horizontalHeader()->length() + 2 * FrameWidth;
    const int height = grid->verticalHeader()->length() + 2 * FrameWidth;
    return {width, height};
}

}

QTableWidget* CreateTitledGrid(QWidget* parent, const TitledGridShape& shape)
{
    auto* grid = new QTableWidget(shape.rowCount, int(shape.columnWidths.size()), parent);
    grid->setObjectName(shape.name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setTabKeyNavigation(true);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFrameStyle(QFrame::Box | QFrame::Plain);
    grid->setLineWidth(FrameWidth);
    grid->setItemDelegate(new GridCellPainter(shape.background, grid));
    FillCells(grid);
    SizeSections(grid, shape.columnWidths);
    grid->setFixedSize(WholeGridSize(grid));
    grid->setCurrentCell(1, 1);
    return grid;
}

QString CellText(const QTableWidget* grid, int row, int column)
{
    return grid->item(row, column)->text();
}

void SetCellText(QTableWidget* grid, int row, int column, const QString& text)
{
    grid->item(row, column)->setText(text);
}

void PlaceOverCell(QWidget* editor, const QTableWidget* grid, int row, int column)
{
    const QRect cell = grid->visualItemRect(grid->item(row, column));
    const QPoint topLeft = grid->viewport()->mapTo(editor->parentWidget(), cell.topLeft());
    editor->setGeometry(topLeft.x() + GridLineWidth, topLeft.y(), cell.width(), cell.height());
    editor->raise();
}
