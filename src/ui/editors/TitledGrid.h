#pragma once

#include <vector>

#include <QString>

#include "ui/editors/GridCellPainter.h"

class QTableWidget;
class QWidget;

// A read-only string grid whose row 0 and column 0 hold titles, so that row r and column c of
// the grid are the record's entry r and field c. It is sized to show every cell without scrolling.
struct TitledGridShape {
    const char* name;
    std::vector<int> columnWidths;  // pixels of each column, the grid line not counted
    int rowCount;                   // the title row included
    GridCellPainter::Background background;
};

QTableWidget* CreateTitledGrid(QWidget* parent, const TitledGridShape& shape);

QString CellText(const QTableWidget* grid, int row, int column);
void SetCellText(QTableWidget* grid, int row, int column, const QString& text);

// Lays an in-place editor over a cell, covering the grid line to its right and below it.
void PlaceOverCell(QWidget* editor, const QTableWidget* grid, int row, int column);
