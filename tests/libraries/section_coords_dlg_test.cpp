// "Girder Section Coordinates" and its "Calculate Section Properties": the grids and counts,
// the stale properties that OK refuses, and the gross properties of a 12 x 12 square.
#include "libraries/section_coords_dlg.h"

#include <gtest/gtest.h>

#include "libraries/calc_section_props_dlg.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class SectionCoordsTest : public DesktopTest {
  protected:
    /// The square (-6, 0), (-6, 12), (6, 12), (6, 0) in `units`, with five outline rows (the
    /// fifth back at the start) and the properties of a 12 x 12 square.
    template <class Dlg>
    static void Square(Dlg& d, int count = 4) {
        const double square[5][2] = {{-6, 0}, {-6, 12}, {6, 12}, {6, 0}, {-6, 0}};
        d.m_nOutlinePointCount = count;
        for (int i = 0; i < 5; ++i) {
            d.m_adOutline[i][kPointX] = square[i][0];
            d.m_adOutline[i][kPointY] = square[i][1];
        }
    }
};

// The eight values of the square, each in its format, and the J each section code gives.
TEST_F(SectionCoordsTest, CalcShowsTheSquaresEightValuesAndJByTheSectionCode) {
    struct Case {
        int code;
        double J;  // A^4 / (40 (Ixx + Iyy)) = 144^4 / (40 * 3456) = 3110.4, rounded; else 1
    };
    for (const Case c : {Case{kSectionIGirder, 3110}, Case{kSectionBoxBeam, 1}}) {
        CCalcSectionPropsDlg calc;
        Square(calc);
        calc.m_nSectionType = c.code;
        toolkit.QueueDialog([](DialogDriver& d) {
            EXPECT_EQ(d.Caption(), "Calculate Section Properties");
            EXPECT_EQ(d.Text(IDC_CALC_AREA), "144.000");
            EXPECT_EQ(d.Text(IDC_CALC_HEIGHT), " 12.000");
            EXPECT_EQ(d.Text(IDC_CALC_CENTROID), "  6.000");
            EXPECT_EQ(d.Text(IDC_CALC_IXX), "   1728") << "12^4 / 12";
            EXPECT_EQ(d.Text(IDC_CALC_WIDTH), " 12.000");
            EXPECT_EQ(d.Text(IDC_CALC_YBYY), "  6.000");
            EXPECT_EQ(d.Text(IDC_CALC_IYY), "   1728");
            EXPECT_EQ(d.Text(IDC_CALC_VS), "  4.000") << "144 / 36 of perimeter";
            EXPECT_EQ(d.Text(IDC_CALC_AREA_UNIT), "in2");
            d.Ok();
        });
        ASSERT_EQ(calc.DoModal(), platform::ui::kIdOk);
        EXPECT_EQ(calc.m_dTorsionConstant, c.J) << "code " << c.code;
        EXPECT_EQ(calc.m_dArea, 144);
        EXPECT_EQ(calc.m_dCentroid, 6);
        EXPECT_EQ(calc.m_dHeight, 12);
        EXPECT_EQ(calc.m_dInertia, 1728);
        EXPECT_EQ(calc.m_dInertiaY, 1728);
        EXPECT_EQ(calc.m_dVolumeToSurface, 4);
    }
}

TEST_F(SectionCoordsTest, CalcInMetricShowsMetresUnroundedAndCoordinatesOfNoAreaGiveNothing) {
    CCalcSectionPropsDlg calc;
    calc.m_nUnits = kUnitsMetric;
    calc.m_nSectionType = kSectionIGirder;
    Square(calc);
    for (auto& p : calc.m_adOutline) p[0] *= 0.0254, p[1] *= 0.0254;
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_CALC_AREA), " 0.09290") << "0.3048^2 m2, %8.5f";
        EXPECT_EQ(d.Text(IDC_CALC_IXX_UNIT), "m4");
        d.Ok();
    });
    ASSERT_EQ(calc.DoModal(), platform::ui::kIdOk);
    EXPECT_NEAR(calc.m_dArea, 0.3048 * 0.3048, 1e-15) << "not rounded";

    CCalcSectionPropsDlg line;
    line.m_nOutlinePointCount = 2;  // a single edge encloses nothing
    line.m_adOutline[1][kPointY] = 12;
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_CALC_AREA), "");
        EXPECT_FALSE(d.IsEnabled(platform::ui::kIdOk));
        d.Cancel();
    });
    EXPECT_EQ(line.DoModal(), platform::ui::kIdCancel);
}

TEST_F(SectionCoordsTest, AGridEditMakesOkRefuseUntilTheNewPropertiesAreUsed) {
    CSectionCoordsDlg dlg;
    Square(dlg, 5);
    dlg.m_nSectionType = kSectionIGirder;
    dlg.m_dArea = 144;
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(dlg.m_gridOutline.GetRowCount(), 6);
        EXPECT_EQ(dlg.m_gridOutline.GetCellText(2, 1), " -6.000");
        EXPECT_EQ(dlg.m_gridOutline.GetCellText(2, 0), " 2");
        // Row 2 goes up to 24: a 12 x 24 rectangle less a triangle.
        dlg.m_gridOutline.OnEndEditCell(2, 2, " 24 ");
        EXPECT_EQ(dlg.m_adOutline[1][kPointY], 24);
        d.Ok();
        EXPECT_FALSE(d.Ended());
        d.Click(IDC_COORDS_CALC);  // cancelled: still stale
        d.Ok();
        EXPECT_FALSE(d.Ended());
        d.Click(IDC_COORDS_CALC);  // used
        d.Ok();
    });
    toolkit.QueueDialog([](DialogDriver& d) { d.Cancel(); });
    toolkit.QueueDialog([](DialogDriver& d) { d.Ok(); });
    ASSERT_EQ(dlg.DoModal(), platform::ui::kIdOk);
    EXPECT_EQ(Messages(), (std::vector<std::string>{kRecalcProps, kRecalcProps}));
    EXPECT_EQ(dlg.m_dArea, 216) << "144 + half of 12 x 12";
}

TEST_F(SectionCoordsTest, ANonNumericCellStopsTheReadWhereItStands) {
    CSectionCoordsDlg dlg;
    Square(dlg, 5);
    toolkit.QueueDialog([&](DialogDriver& d) {
        dlg.m_gridOutline.SetCellText(1, 1, "-7");
        dlg.m_gridOutline.SetCellText(2, 2, "13");
        dlg.m_gridOutline.SetCellText(4, 1, "8");
        dlg.m_gridOutline.OnEndEditCell(3, 1, "six");
        EXPECT_EQ(dlg.m_gridOutline.GetCellText(3, 1), "six") << "the grid keeps the text";
        EXPECT_EQ(dlg.m_adOutline[0][kPointX], -7);
        EXPECT_EQ(dlg.m_adOutline[1][kPointY], 13);
        EXPECT_EQ(dlg.m_adOutline[2][kPointX], 6) << "row 3 keeps its value";
        EXPECT_EQ(dlg.m_adOutline[3][kPointX], 6) << "so does row 4";
        EXPECT_EQ(dlg.m_bPropsStale, 0) << "nothing marked";
        d.Cancel();
    });
    dlg.DoModal();
    EXPECT_EQ(Messages(), std::vector<std::string>{kNotNumeric});
}

TEST_F(SectionCoordsTest, CountChangesZeroTheNewRowAndMakeThePropertiesStale) {
    CSectionCoordsDlg dlg;
    Square(dlg, 4);
    dlg.m_adOutline[4][kPointX] = 99;
    toolkit.QueueDialog([&](DialogDriver& d) {
        d.Spin(IDC_COORDS_OUTLINE_SPIN, true);
        EXPECT_EQ(dlg.m_gridOutline.GetCellText(5, 1), "  0.000") << "the new row starts at 0";
        EXPECT_EQ(d.Text(IDC_COORDS_OUTLINE_COUNT), "5");
        d.Spin(IDC_COORDS_CIRCLE_SPIN, false);  // 0 - 1: ignored
        EXPECT_EQ(d.SpinPos(IDC_COORDS_CIRCLE_SPIN), 0);
        // Fewer points make another section: its old properties are refused.
        d.Spin(IDC_COORDS_OUTLINE_SPIN, false);
        d.Ok();
        EXPECT_FALSE(d.Ended());
        // A typed count beyond the arrays is refused before any grid is read.
        d.Type(IDC_COORDS_VOID_COUNT, "150");
        d.Click(IDC_COORDS_CALC);
        EXPECT_EQ(d.FocusId(), IDC_COORDS_VOID_COUNT);
        d.Type(IDC_COORDS_VOID_COUNT, "0");
        d.Cancel();
    });
    EXPECT_EQ(dlg.DoModal(), platform::ui::kIdCancel);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{kRecalcProps, "Enter a number between 0 and 99."}));
}

TEST_F(SectionCoordsTest, MetricGroupCaptionsAndASketchOfNoExtentDrawsTheFrameOnly) {
    CSectionCoordsDlg dlg;
    dlg.m_nUnits = kUnitsMetric;
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_COORDS_OUTLINE_GROUP), "Section Coordinates, m");
        EXPECT_EQ(d.Text(IDC_COORDS_VOID_GROUP), "Polygonal, m");
        EXPECT_EQ(d.Text(IDC_COORDS_CIRCLE_GROUP), "Circular, m");
        EXPECT_NE(d.Paint(IDC_COORDS_SKETCH), nullptr);
        d.Ok();
    });
    EXPECT_EQ(dlg.DoModal(), platform::ui::kIdOk);
}

}  // namespace
}  // namespace kordel::test
