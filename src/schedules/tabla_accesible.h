#pragma once
// The schedule grid as a table on the accessibility bus: a screen reader (or
// a test through AT-SPI) reads the row and column counts, the column titles
// of row 0 and the text of every cell. Cells are described on demand, so a
// table of a million rows costs nothing until a cell is asked for.

// Makes the accessibility bridge describe every string grid as a table;
// called before the first grid is shown, any number of times.
void RegistrarTablaAccesible();
