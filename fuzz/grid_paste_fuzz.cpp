// Pastes the input, as a clipboard block from another program (no terminator, NUL bytes, any
// length, any number of lines and fields), into a grid with heading rows and columns, a hidden
// row and column and a read-only cell. Aborts when a cell that no paste may change did change,
// or a pasted cell holds a separator or a blank at an end; reading past the block is the
// address sanitizer's to find.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "controls/grid_ctrl.h"

namespace {

constexpr int kRows = 6;
constexpr int kCols = 5;

void Fail(const char* what, int row, int col) {
    std::fprintf(stderr, "%s at %d,%d\n", what, row, col);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kordel::CGridCtrl grid(kRows, kCols, 1, 1);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) grid.SetCellText(r, c, "k");
    }
    grid.SetRowHeight(3, 0);
    grid.SetColumnWidth(2, 0);
    grid.SetCellState(2, 3, kordel::kGridCellStateReadOnly);
    // The block is copied to memory of its own size, so that a read past it is caught.
    std::unique_ptr<char[]> block(new char[size ? size : 1]);
    if (size) std::memcpy(block.get(), data, size);
    grid.PasteText({1, 1}, std::string_view(block.get(), size), true);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            const std::string text = grid.GetCellText(r, c);
            const bool keeps = r == 0 || c == 0 || r == 3 || c == 2 || (r == 2 && c == 3);
            if (keeps && text != "k") Fail("a cell no paste may change changed", r, c);
            if (text.find_first_of("\t,\n\0", 0, 4) != std::string::npos)
                Fail("a separator in a cell", r, c);
            if (!text.empty() && (text.front() == ' ' || text.back() == ' ' ||
                                  text.back() == '\r' || text.front() == '\r'))
                Fail("an untrimmed field", r, c);
        }
    }
    return 0;
}
