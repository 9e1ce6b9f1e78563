// The grid of the champions table: four columns (name, wins, games, rating), a black header
// row with yellow captions in red frames, the chosen player's row in lime.
#pragma once

#include <QString>

#include "ChempFile.h"

class QTableWidget;

namespace durak {

// Column widths for a grid of the given width: 0.33, 0.24, 0.2 and 0.2 of it, rounded.
void ChempColumnWidths(int gridWidth, int widths[4]);
// The cell texts of one record: name, wins, games, rating with four decimals.
void ChempCells(const TChempRec& rec, QString cells[4]);

void SetUpChempGrid(QTableWidget* grid);
// One row per record; an empty table still shows one empty row.
void FillChempGrid(QTableWidget* grid, const TChempTab& table);
// Keeps the current player's row (index p, or -1) in view: the top row is the first when
// p <= 9, else p - 8.
void ScrollChempGrid(QTableWidget* grid, int p);

}  // namespace durak
