#include "dialogs/input/rebar_grid_cells.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "controls/grid_types.h"

// The formats are the grids' own column formats, each taking one double.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"

namespace kordel {

std::string FormatCell(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

double CellNumber(const std::string& text) {
    const double value = std::strtod(text.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

bool ReadChangedCell(const CGridCtrl& grid, int row, int col, const char* format, double& value) {
    const std::string text = grid.GetCellText(row, col);
    if (text == FormatCell(format, value)) return false;
    value = CellNumber(text);
    return true;
}

void SetComputedCell(CGridCtrl& grid, int row, int col) {
    grid.SetCellState(row, col, grid.GetCellState(row, col) | kGridCellStateReadOnly);
    grid.SetCellBackColor(row, col, kComputedCellGrey);
}

}  // namespace kordel
