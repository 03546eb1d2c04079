// What the reinforcement dialog tests share: typing into a grid cell of a running dialog as a
// user would (focus the cell, type, Return), and reading a grid's row.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "controls/grid_ctrl.h"
#include "platform/ui/headless_controls.h"
#include "platform/ui/headless_toolkit.h"
#include "platform/ui/menu.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {

/// Types `text` into cell (`row`, `col`) of the grid in Custom control `gridId` and ends the
/// edit with Return.
inline void TypeIntoCell(platform::ui::DialogDriver& d, int gridId, CGridCtrl& grid, int row,
                         int col, const std::string& text) {
    platform::ui::HeadlessControl* window = d.ControlWindow(gridId);
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(text.empty());
    grid.SetFocusCell(row, col);
    window->Char(static_cast<unsigned char>(text[0]));
    ASSERT_NE(window->Edit(), nullptr) << "cell " << row << "," << col << " opens no editor";
    window->Edit()->Type(text.substr(1));
    window->Edit()->Char(platform::ui::kKeyReturn);
}

/// The texts of grid row `row`.
inline std::vector<std::string> RowTexts(const CGridCtrl& grid, int row) {
    std::vector<std::string> texts;
    for (int c = 0; c < grid.GetColumnCount(); ++c) texts.push_back(grid.GetCellText(row, c));
    return texts;
}

}  // namespace kordel::test
