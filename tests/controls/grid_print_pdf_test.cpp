// A long grid printed to a PDF file: three pages, each with the header.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "controls/grid_ctrl.h"
#include "grid_test_support.h"
#include "platform/draw/pdf_print.h"
#include "test_support.h"

namespace kordel::test {
namespace {

TEST_F(GridTest, ALongTablePrintsToAPdfOfThreePages) {
    CGridCtrl table(81, 4, 1, 1);
    Show(table, {400, 300});
    table.SetCellText(0, 1, "Mu");
    for (int r = 1; r < 81; ++r) table.SetCellText(r, 1, "row " + std::to_string(r));
    TempFolder folder;
    const std::string path = folder.Path("grid.pdf");
    platform::draw::PdfPrintSurface pdf(path);
    EXPECT_EQ(PrintGrid(table, pdf), 3);
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(bytes.str().rfind("%PDF", 0), 0u);
    EXPECT_NE(bytes.str().find("/Count 3"), std::string::npos) << "a PDF of three pages";
}

}  // namespace
}  // namespace kordel::test
