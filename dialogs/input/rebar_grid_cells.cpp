#include "dialogs/input/rebar_grid_cells.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "controls/grid_types.h"

namespace kordel {

double CellNumber(const std::string& text) {
    const double value = std::strtod(text.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

bool ReadChangedCell(const CGridCtrl& grid, int row, int col, const char* format, double& value) {
    const std::string text = grid.GetCellText(row, col);
    if (text == FormatValue(format, value)) return false;
    value = CellNumber(text);
    return true;
}

void SetComputedCell(CGridCtrl& grid, int row, int col) {
    grid.SetCellState(row, col, grid.GetCellState(row, col) | kGridCellStateReadOnly);
    grid.SetCellBackColor(row, col, kComputedCellGrey);
}

}  // namespace kordel
