#pragma once

class TStrColGrid;

// The look of the three price tables: sizes, colours, headings and the
// cell styles set once at start-up.
void StyleLabourTable(TStrColGrid& grid);
void StylePriceTable(TStrColGrid& grid, bool editable);

// Column 0 of `row` gets the current-row colour, the other rows the fixed one.
void MarkCurrentRow(TStrColGrid& grid, int row);

// Empties every data cell (rows 1 to 14, the non-fixed columns and the
// price columns of the labour table).
void ClearDataCells(TStrColGrid& grid, int firstColumn);
