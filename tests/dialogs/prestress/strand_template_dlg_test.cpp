// "Strand Template" run on its own: the grid of template rows (top row first), the locations
// "Generate" lays out from the centreline or from the web, the row and column spins, the limits
// checked before the grid is read, and the entry point the section properties dialog uses.
#include "dialogs/prestress/strand_template_dlg.h"

#include <gtest/gtest.h>

#include "dialogs/prestress/strand_pattern_edit.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class StrandTemplateTest : public DesktopTest {
  protected:
    /// Two rows: row 0 with 7 positions at 2 in, row 1 with 6 at 4 in.
    static void TwoRows(CStrandTemplateDlgV3& dlg, int units = 1) {
        const double f = units == 1 ? 1.0 : 0.0254;
        dlg.m_nUnits = units;
        dlg.m_nRowCount = 2;
        dlg.m_nColumnCount = 1;
        dlg.m_dWebLocation = 10 * f;
        dlg.m_adTemplate[0][kTemplateElevation] = 2 * f;
        dlg.m_adTemplate[0][kTemplatePositions] = 7;
        dlg.m_adTemplate[1][kTemplateElevation] = 4 * f;
        dlg.m_adTemplate[1][kTemplatePositions] = 6;
        dlg.m_adTemplate[1][kTemplateFirstLocation] = 99 * f;  // replaced by Generate
    }
    static CStrandTemplateDlgV3& Dlg(DialogDriver& d) {
        return static_cast<CStrandTemplateDlgV3&>(d.Target());
    }
    static std::vector<double> Locations(const CStrandTemplateDlgV3& dlg, int row) {
        return {dlg.m_adTemplate[row] + kTemplateFirstLocation,
                dlg.m_adTemplate[row] + kTemplateFirstLocation + dlg.m_nColumnCount};
    }
};

TEST_F(StrandTemplateTest, TheGridShowsTheTopRowFirst) {
    CStrandTemplateDlgV3 dlg;
    TwoRows(dlg);
    dlg.m_adTemplate[0][kTemplateFirstLocation] = 0;  // the centreline strand shows empty
    toolkit.QueueDialog([](DialogDriver& d) {
        const CGridCtrl& grid = Dlg(d).m_grid;
        EXPECT_EQ(grid.GetRowCount(), 3);
        EXPECT_EQ(grid.GetColumnCount(), 5);
        EXPECT_EQ(grid.GetCellText(0, 3), "Elev,in");
        EXPECT_EQ(grid.GetCellText(0, 4), "HLoc1");
        EXPECT_EQ(grid.GetCellText(1, 0), "  2");
        EXPECT_EQ(grid.GetCellText(1, 3), " 4.0000");
        EXPECT_EQ(grid.GetCellText(1, 4), "99.0000");
        EXPECT_EQ(grid.GetCellText(2, 0), "  1");
        EXPECT_EQ(grid.GetCellText(2, 1), "  7");
        EXPECT_EQ(grid.GetCellText(2, 4), "");
        EXPECT_FALSE(grid.IsCellEditable(1, 0));
        EXPECT_TRUE(d.IsChecked(IDC_TEMPLATE_INTERIOR));
        d.Cancel();
    });
    EXPECT_EQ(dlg.DoModal(), platform::ui::kIdCancel);
}

TEST_F(StrandTemplateTest, GenerateLaysTheLocationsOutFromTheCentrelineOrFromTheWeb) {
    struct Case {
        const char* what;
        int units;
        int location;
        std::vector<double> row0, row1;  // in
    };
    const Case cases[] = {
        {"interior, odd and even", 1, 1, {0, 2, 4, 6}, {1, 3, 5, 0}},
        {"exterior, from the web", 1, 2, {10, 8, 6, 0}, {10, 8, 6, 0}},
        {"interior, metric", 2, 1, {0, 2, 4, 6}, {1, 3, 5, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CStrandTemplateDlgV3 dlg;
        TwoRows(dlg, c.units);
        dlg.m_nLocation = c.location;
        toolkit.QueueDialog([](DialogDriver& d) {
            d.Click(IDC_TEMPLATE_GENERATE);
            EXPECT_EQ(d.Text(IDC_TEMPLATE_COLUMNS), "4");
            EXPECT_EQ(Dlg(d).m_grid.GetColumnCount(), 8);
            EXPECT_EQ(Dlg(d).m_grid.GetCellText(0, 7), "HLoc4");
            d.Ok();
        });
        ASSERT_EQ(dlg.DoModal(), platform::ui::kIdOk);
        EXPECT_EQ(dlg.m_bNewTemplate, 1);
        const double f = c.units == 1 ? 1.0 : 0.0254;
        for (int row = 0; row < 2; ++row) {
            const std::vector<double> got = Locations(dlg, row);
            const std::vector<double>& want = row == 0 ? c.row0 : c.row1;
            ASSERT_EQ(got.size(), want.size());
            for (std::size_t j = 0; j < want.size(); ++j)
                EXPECT_NEAR(got[j], want[j] * f, 1e-12) << "row " << row << " location " << j;
        }
    }
}

TEST_F(StrandTemplateTest, TypedCountsBeyondTheTemplateAreRefusedBeforeTheGridIsRead) {
    struct Case {
        int edit;
        const char* typed;
    };
    const Case cases[] = {
        {IDC_TEMPLATE_COLUMNS, "28"}, {IDC_TEMPLATE_COLUMNS, "0"},
        {IDC_TEMPLATE_ROWS, "60"},    {IDC_TEMPLATE_ROWS, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        for (int button : {platform::ui::kIdOk, IDC_TEMPLATE_GENERATE}) {
            CStrandTemplateDlgV3 dlg;
            TwoRows(dlg);
            host.ClearMessages();
            toolkit.QueueDialog([&](DialogDriver& d) {
                d.Type(c.edit, c.typed);
                d.Click(button);
                EXPECT_FALSE(d.Ended());
                d.Cancel();
            });
            dlg.DoModal();
            EXPECT_EQ(Messages(), std::vector<std::string>{CStrandTemplateDlgV3::kLimitMessage});
            // A 28th location of row 0 would land on row 1's elevation.
            EXPECT_EQ(dlg.m_adTemplate[1][kTemplateElevation], 4.0)
                << "nothing read past the template's locations";
        }
    }
}

TEST_F(StrandTemplateTest, TheSpinsAddEmptyRowsAndColumns) {
    CStrandTemplateDlgV3 dlg;
    TwoRows(dlg);
    dlg.m_adTemplate[2][kTemplatePositions] = 5;  // left over beyond the rows in use
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Spin(IDC_TEMPLATE_ROWS_SPIN, true);
        EXPECT_EQ(d.Text(IDC_TEMPLATE_ROWS), "3");
        const CGridCtrl& grid = Dlg(d).m_grid;
        EXPECT_EQ(grid.GetRowCount(), 4);
        EXPECT_EQ(grid.GetCellText(1, 0), "  3");
        EXPECT_EQ(grid.GetCellText(1, 1), "  0") << "the new top row comes in empty";
        d.Spin(IDC_TEMPLATE_ROWS_SPIN, false);
        EXPECT_EQ(grid.GetRowCount(), 3);
        d.Spin(IDC_TEMPLATE_COLUMNS_SPIN, true);
        EXPECT_EQ(grid.GetColumnCount(), 6);
        EXPECT_EQ(grid.GetCellText(0, 5), "HLoc2");
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), platform::ui::kIdOk);
    EXPECT_EQ(dlg.m_nRowCount, 2);
    EXPECT_EQ(dlg.m_nColumnCount, 2);
    EXPECT_EQ(dlg.m_adTemplate[1][kTemplateFirstLocation], 99.0) << "what was there stays";
}

TEST_F(StrandTemplateTest, TheEntryPointConvertsAMetricTemplateBothWays) {
    StrandTemplateData data;
    data.rowCount = 1;
    data.columnCount = 2;
    data.layout = 2;
    data.webLocation = 17.3;
    data.values[0][kTemplateElevation] = 2.1875;
    data.values[0][kTemplatePositions] = 4;
    data.values[0][kTemplateFirstLocation] = 17.3;
    data.values[0][kTemplateFirstLocation + 1] = 15.3;
    const StrandTemplateData before = data;
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(Dlg(d).m_grid.GetCellText(0, 3), "Elev,m");
        EXPECT_EQ(Dlg(d).m_grid.GetCellText(1, 3), " 0.0556");
        EXPECT_TRUE(d.IsChecked(IDC_TEMPLATE_EXTERIOR));
        d.Ok();
    });
    ASSERT_TRUE(EditStrandTemplate(data, 2));
    EXPECT_EQ(data.values[0][kTemplateElevation], 2.1875) << "a value left alone keeps its digits";
    EXPECT_EQ(data.values[0][kTemplateFirstLocation], 17.3);
    EXPECT_EQ(data.layout, 2);

    toolkit.QueueDialog([](DialogDriver& d) {
        d.Click(IDC_TEMPLATE_INTERIOR);
        d.Click(IDC_TEMPLATE_GENERATE);
        d.Ok();
    });
    ASSERT_TRUE(EditStrandTemplate(data, 2));
    EXPECT_EQ(data.layout, 1) << "the layout the locations were generated by comes back";
    EXPECT_NEAR(data.values[0][kTemplateFirstLocation], 1.0, 1e-12);
    EXPECT_NEAR(data.values[0][kTemplateFirstLocation + 1], 3.0, 1e-12);

    toolkit.QueueDialog([](DialogDriver& d) {
        d.Click(IDC_TEMPLATE_GENERATE);
        d.Cancel();
    });
    StrandTemplateData kept = before;
    EXPECT_FALSE(EditStrandTemplate(kept, 2));
    EXPECT_EQ(kept.values[0][kTemplateFirstLocation], 17.3) << "Cancel changes nothing";
}

}  // namespace
}  // namespace kordel::test
