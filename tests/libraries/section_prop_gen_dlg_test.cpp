// "Generate Section Properties": the type list and the section codes, the defaults of a type
// change, the fillet rows, the double tee's legs and flange, and OK without a generation.
#include "libraries/section_prop_gen_dlg.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "libraries/section_generator.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using platform::ui::kIdOk;

/// `v` as printf's "%W.Pf" writes it.
std::string F(int width, int precision, double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", width, precision, v);
    return text;
}

class SectionPropGenDlgTest : public DesktopTest {
  protected:
    CSectionPropGenDlg dlg;
};

TEST_F(SectionPropGenDlgTest, OpeningMapsTheSectionCodeToATypeAndGeneratesNothing) {
    struct Case {
        int code;
        int index;
        bool fillets;
    };
    for (const Case c : {Case{kSectionUBeam, kGenUBeamA, false}, Case{7, kGenIGirder, false},
                         Case{kSectionDeckedBulbTee, kGenDeckedBulbTee, true}}) {
        CSectionPropGenDlg gen;
        gen.m_nSectionType = c.code;
        gen.m_dArea = 767;
        toolkit.QueueDialog([&](DialogDriver& d) {
            EXPECT_EQ(d.Caption(), "Generate Section Properties");
            EXPECT_EQ(d.Selection(IDC_GEN_TYPE), c.index) << c.code;
            EXPECT_EQ(d.IsEnabled(IDC_GEN_WEB_FILLETS), c.fillets) << c.code;
            EXPECT_EQ(d.IsEnabled(IDC_GEN_FLANGE_FILLETS), c.fillets) << c.code;
            EXPECT_EQ(d.Text(IDC_GEN_AREA), "767") << "as handed in";
            d.Ok();
        });
        ASSERT_EQ(gen.DoModal(), kIdOk);
        EXPECT_EQ(gen.m_nSectionType, c.code) << "OK does not generate";
        EXPECT_EQ(gen.m_nOutlinePointCount, 0);
    }
}

TEST_F(SectionPropGenDlgTest, ATypeChangeLoadsItsDefaultsInMetresAndGeneratesAtOnce) {
    dlg.m_nUnits = kUnitsMetric;
    dlg.m_nSectionType = kSectionIGirder;
    dlg.m_adGenWidth[1] = 9;  // what the user had: dropped
    const GeneratorInput box = DefaultGeneratorInput(kGenBoxBeam, kUnitsUS);
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(dlg.m_gridDimensions.GetCellText(0, 1), "Val,m");
        d.Choose(IDC_GEN_TYPE, "Box beam");
        EXPECT_EQ(dlg.m_gridDimensions.GetRowCount(), 9) << "B1 to B4, D1 to D4";
        EXPECT_EQ(dlg.m_gridDimensions.GetCellText(1, 0), "B1");
        EXPECT_EQ(dlg.m_gridDimensions.GetCellText(1, 1), F(8, 4, box.widths[1] * 0.0254));
        EXPECT_EQ(d.Text(IDC_GEN_HEIGHT_LABEL), "Height,m:");
        EXPECT_NE(d.Text(IDC_GEN_AREA), "0") << "generated";
        d.Choose(IDC_GEN_TYPE, "U-Beam Type B");
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), kIdOk);
    EXPECT_EQ(dlg.m_nSectionType, kSectionUBeam) << "type B makes a U-beam as type A does";
    EXPECT_EQ(dlg.m_nTemplateRowCount, 1) << "a U-beam's template has one row";
    EXPECT_GT(dlg.m_dArea, 0);
    EXPECT_LT(dlg.m_dArea, 1) << "m2";
}

TEST_F(SectionPropGenDlgTest, AFilletBoxRefillsTheRowsFromTheSlotsAndGenerates) {
    dlg.m_nSectionType = kSectionIGirder;
    const GeneratorInput girder = DefaultGeneratorInput(kGenIGirder, kUnitsUS);
    std::copy(std::begin(girder.widths), std::end(girder.widths), dlg.m_adGenWidth);
    std::copy(std::begin(girder.depths), std::end(girder.depths), dlg.m_adGenDepth);
    dlg.m_adGenDepth[8] = 0.05;  // R1 = D8 under the smallest fillet
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(dlg.m_gridDimensions.GetRowCount(), 13) << "B1 to B5, D1 to D7";
        dlg.m_gridDimensions.SetCellText(1, 1, "99");  // typed, not generated: lost
        d.Click(IDC_GEN_WEB_FILLETS);
        EXPECT_EQ(dlg.m_gridDimensions.GetRowCount(), 11);
        EXPECT_EQ(dlg.m_gridDimensions.GetCellText(9, 0), "R1");
        EXPECT_EQ(dlg.m_gridDimensions.GetCellText(1, 1), F(6, 2, girder.widths[1]));
        EXPECT_EQ(dlg.m_adGenDepth[8], 0) << "a radius under 0.1 is no fillet";
        EXPECT_GT(dlg.m_nOutlinePointCount, 0) << "generated";
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), kIdOk);
    EXPECT_EQ(dlg.m_bCurvedWebFillets, 1);
    EXPECT_EQ(static_cast<long long>(dlg.m_dTorsionConstant), dlg.m_dTorsionConstant)
        << "a US J is a whole number";
}

TEST_F(SectionPropGenDlgTest, TheDoubleTeesLegsAreTwoOrThreeAndItsFlangeHoldsThem) {
    dlg.m_nSectionType = kSectionChannel;
    const GeneratorInput tee = DefaultGeneratorInput(kGenDoubleTee, kUnitsUS);
    std::copy(std::begin(tee.widths), std::end(tee.widths), dlg.m_adGenWidth);
    std::copy(std::begin(tee.depths), std::end(tee.depths), dlg.m_adGenDepth);
    toolkit.QueueDialog([&](DialogDriver& d) {
        CGridCtrl& g = dlg.m_gridDimensions;
        g.SetCellText(6, 1, "2.7");
        d.Click(IDC_GEN_GENERATE);
        EXPECT_EQ(g.GetCellText(6, 1), "  2");
        g.SetCellText(6, 1, "1");
        d.Click(IDC_GEN_GENERATE);
        EXPECT_EQ(g.GetCellText(6, 1), "  2");
        // B2 = 8, B4 = 18, B5 = 48, three legs: (3 - 1) 48 + 18 + 4 = 118 > 84.
        g.SetCellText(1, 1, "84");
        g.SetCellText(2, 1, "8");
        g.SetCellText(4, 1, "18");
        g.SetCellText(5, 1, "48");
        g.SetCellText(6, 1, "5");
        d.Ok();
        EXPECT_EQ(g.GetCellText(6, 1), "  3");
        EXPECT_EQ(g.GetCellText(1, 1), "118.00");
    });
    ASSERT_EQ(dlg.DoModal(), kIdOk);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Number of legs cannot be greater than 3."});
    EXPECT_EQ(dlg.m_adGenWidth[6], 3);
    EXPECT_EQ(dlg.m_adGenWidth[1], 118) << "OK hands back the edited dimensions";
    EXPECT_EQ(dlg.m_nWebCount, 2) << "with the section of the last generation";
}

TEST_F(SectionPropGenDlgTest, ATypedVoidCountBeyondTheSlabsVoidsIsRefusedBeforeAnyRead) {
    dlg.m_nSectionType = kSectionSlab;
    toolkit.QueueDialog([&](DialogDriver& d) {
        d.Type(IDC_GEN_CIRCLE_COUNT, "12");
        d.Click(IDC_GEN_GENERATE);
        EXPECT_EQ(d.FocusId(), IDC_GEN_CIRCLE_COUNT);
        d.Cancel();
    });
    dlg.DoModal();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Enter a number between 0 and 9."});
}

}  // namespace
}  // namespace kordel::test
