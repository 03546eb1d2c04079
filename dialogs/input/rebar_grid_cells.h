// What the reinforcement dialogs' grids share: numbers written into cells in a printf format,
// read back only from the cells the user changed (a cell still showing its value keeps the
// value to its last bit, rather than the rounded text), and the grey of a computed column.
#pragma once

#include <string>

#include "controls/grid_ctrl.h"
#include "report/format.h"

namespace kordel {

/// Grey of the cells a reinforcement grid computes.
inline constexpr platform::ui::Colour kComputedCellGrey = platform::ui::Rgb(204, 204, 204);

/// The number a cell's text begins with; 0 when there is none or it is not finite.
double CellNumber(const std::string& text);
/// Takes the number of cell (`row`, `col`) into `value` when the cell's text is no longer what
/// `format` shows for `value`; answers whether it did.
bool ReadChangedCell(const CGridCtrl& grid, int row, int col, const char* format, double& value);
/// Marks a cell read-only and grey.
void SetComputedCell(CGridCtrl& grid, int row, int col);

}  // namespace kordel
