// The grid of the champions table: four columns (name, wins, games, rating), a black header
// row with yellow captions in red frames, the chosen player's row in lime.
#pragma once

#include <QFont>
#include <QString>

#include "ChempFile.h"

class QTableWidget;

namespace durak {

// The grid's width as the dialog is drawn.
constexpr int kChempGridWidth = 244;

// Column widths for a grid of the given width: 0.33, 0.24, 0.2 and 0.2 of it, rounded.
void ChempColumnWidths(int gridWidth, int widths[4]);
// The grid's font; the chosen player's row is bold.
QFont ChempGridFont(bool bold);
// Sets the column widths for the players of the table: the shares of the grid's width
// beside its scroll bar, the name column widened when a name (drawn bold, 5 pixels clear
// on each side) needs more. Gives the width the grid needs for them.
int FitChempColumns(QTableWidget* grid, const TChempTab& table);
// The cell texts of one record: name, wins, games, rating with four decimals.
void ChempCells(const TChempRec& rec, QString cells[4]);

void SetUpChempGrid(QTableWidget* grid);
// One row per record; an empty table still shows one empty row. The cells of a row are made
// when it first comes into view (and for the first rows at once).
void FillChempGrid(QTableWidget* grid, const TChempTab& table);
// Keeps the current player's row (index p, or -1) in view: the top row is the first when
// p <= 9, else p - 8.
void ScrollChempGrid(QTableWidget* grid, int p);

}  // namespace durak
