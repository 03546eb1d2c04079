// The results, library and tool commands through the menu: when each is enabled and the dialog
// it opens; "Generate Load Tables" on example 1 with its progress, its refusals, Cancel leaving
// the design as it was to the last byte, OK keeping the tables with the design, "Print..." as a
// print job, and "Set as Current Design" making a row's stored case the design.
#include <gtest/gtest.h>

#include <cmath>

#include "dialogs/results/results_grid_dlg.h"
#include "dialogs/tools/load_table_results_dlg.h"
#include "dialogs/tools/load_tables_dlg.h"
#include "document/design_file.h"
#include "engine/checks/load_tables.h"
#include "libraries/truck_lib_maint_dlg.h"
#include "platform/ui/recording_print.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class ToolCommandTest : public DesktopTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
    std::vector<std::uint8_t> Bytes() { return design_file::WriteDesign(*Doc(), kDesignFileVersion); }
    /// Tools/Load Tables with `script` played in its dialog.
    void LoadTables(const std::function<void(DialogDriver&)>& script) {
        toolkit.QueueDialog([script](DialogDriver& d) { script(d); });
        ASSERT_TRUE(Choose(ID_TOOLS_LOAD_TABLES));
    }
    /// Narrows the dialog to spans 100 to 108 ft by 4 (three a spacing) and generates.
    static void GenerateShort(DialogDriver& d) {
        ASSERT_TRUE(d.Type(IDC_LT_SPAN_MIN, "100"));
        ASSERT_TRUE(d.Type(IDC_LT_SPAN_MAX, "108"));
        ASSERT_TRUE(d.Type(IDC_LT_SPAN_INC, "4"));
        ASSERT_TRUE(d.Click(IDC_LT_GENERATE));
    }
};

TEST_F(ToolCommandTest, EachCommandIsEnabledWhereItAppliesAndOpensItsDialog) {
    // No design: only the vehicle library.
    EXPECT_TRUE(Query(ID_LIBRARIES_LIVE_LOAD_VEHICLES).enabled);
    EXPECT_FALSE(Query(ID_RESULTS_GRID).enabled);
    EXPECT_FALSE(Query(ID_TOOLS_LOAD_TABLES).enabled);

    NewDesign();  // example 1: simple span, pretensioned, US units
    for (int id : {ID_RESULTS_GRID, ID_LIBRARIES_LIVE_LOAD_VEHICLES, ID_TOOLS_LOAD_TABLES})
        EXPECT_TRUE(Query(id).enabled) << id;
    const std::vector<std::uint8_t> before = Bytes();
    struct Case {
        int command;
        int dialog;
    };
    for (const Case c : {Case{ID_RESULTS_GRID, IDD_RESULTS_GRID},
                         Case{ID_LIBRARIES_LIVE_LOAD_VEHICLES, IDD_TRUCK_LIBRARY_MAINTENANCE},
                         Case{ID_TOOLS_LOAD_TABLES, IDD_LOAD_TABLES}}) {
        toolkit.QueueDialog([](DialogDriver& d) { d.Ok(); });
        ASSERT_TRUE(Choose(c.command));
        EXPECT_EQ(toolkit.DialogsShown().back(), c.dialog);
    }
    // Neither the grid nor the library touches the design; Load Tables' OK stores its settings
    // (as they were) and analyses.
    EXPECT_EQ(Bytes(), before);

    // Load Tables works in feet and kips on one simple pretensioned span only.
    struct Off {
        const char* what;
        int CMainFrameState::*member;
        int value;
    };
    for (const Off o : {Off{"metric", &CMainFrameState::m_nUnits, kUnitsMetric},
                        Off{"continuous", &CMainFrameState::m_nStructureType, 1},
                        Off{"post-tensioned", &CMainFrameState::m_nPrestressType, kPostTensioned}}) {
        SCOPED_TRACE(o.what);
        int& flag = Main().*o.member;
        const int saved = flag;
        flag = o.value;
        EXPECT_FALSE(Query(ID_TOOLS_LOAD_TABLES).enabled);
        flag = saved;
        EXPECT_TRUE(Query(ID_TOOLS_LOAD_TABLES).enabled);
    }
}

TEST_F(ToolCommandTest, GenerateShowsProgressAndCancelLeavesTheDesignAsItWas) {
    NewDesign();
    const std::vector<std::uint8_t> before = Bytes();
    std::vector<std::string> spacings, spans;
    LoadTables([&](DialogDriver& d) {
        EXPECT_FALSE(d.IsEnabled(IDC_LT_PRINT));
        EXPECT_FALSE(d.IsEnabled(IDC_LT_RESULTS));
        GenerateShort(d);
        EXPECT_TRUE(d.IsEnabled(IDC_LT_PRINT));
        EXPECT_TRUE(d.IsEnabled(IDC_LT_RESULTS));
        spacings = d.UpdatedTexts(IDC_LT_SPACING_NOW);
        spans = d.UpdatedTexts(IDC_LT_SPAN_NOW);
        d.Cancel();
    });
    // Each case is shown, and painted at once, before it is designed.
    EXPECT_EQ(spacings, (std::vector<std::string>{" 7.50", " 7.50", " 7.50", "10.00", "10.00",
                                                  "10.00"}));
    EXPECT_EQ(spans, (std::vector<std::string>{" 100", " 104", " 108", " 100", " 104", " 108"}));
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Doc()->m_LoadTablesSettings.m_nTables, 0);
}

TEST_F(ToolCommandTest, RefusedRequestsGenerateNothing) {
    NewDesign();
    struct Case {
        int field;
        const char* text;
        const char* message;
    };
    for (const Case c :
         {Case{IDC_LT_SPAN_INC, "0", "The span increment must be greater than zero."},
          Case{IDC_LT_SPAN_INC, "0.1",
               "The span range gives more than 100 spans; a load table holds at most 100 rows. "
               "Enter a larger increment or a shorter range."}}) {
        SCOPED_TRACE(c.text);
        host.ClearMessages();
        LoadTables([&](DialogDriver& d) {
            ASSERT_TRUE(d.Type(c.field, c.text));
            ASSERT_TRUE(d.Click(IDC_LT_GENERATE));
            EXPECT_TRUE(d.UpdatedTexts(IDC_LT_SPAN_NOW).empty());
            EXPECT_FALSE(d.IsEnabled(IDC_LT_RESULTS));
            d.Cancel();
        });
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
    }
    // A release compression coefficient of 0 (the stress limits allow it) would divide by 0.
    Doc()->m_dReleaseCompressionCoef = 0;
    host.ClearMessages();
    LoadTables([&](DialogDriver& d) {
        ASSERT_TRUE(d.Click(IDC_LT_GENERATE));
        EXPECT_FALSE(d.IsEnabled(IDC_LT_PRINT));
        d.Cancel();
    });
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "The release compression coefficient of the stress limits must be "
                              "greater than zero to find the required f'ci."});
}

TEST_F(ToolCommandTest, GenerateWithNeitherModeToCheckIsRefusedAndChangesNothing) {
    NewDesign();
    const std::vector<std::uint8_t> before = Bytes();
    LoadTableSet generated;
    std::vector<std::string> shown;
    LoadTables([&](DialogDriver& d) {
        GenerateShort(d);
        auto& dlg = static_cast<CLoadTablesDlg&>(d.Target());
        generated = dlg.m_tables;
        host.ClearMessages();
        ASSERT_TRUE(d.Click(IDC_LT_STRESS));
        ASSERT_TRUE(d.Click(IDC_LT_STRENGTH));
        EXPECT_FALSE(d.IsChecked(IDC_LT_STRESS));
        EXPECT_FALSE(d.IsChecked(IDC_LT_STRENGTH));
        const size_t spans = d.UpdatedTexts(IDC_LT_SPAN_NOW).size();
        ASSERT_TRUE(d.Click(IDC_LT_GENERATE));
        shown = Messages();
        // No case was designed and the tables of the last generation stay, as drawn.
        EXPECT_EQ(d.UpdatedTexts(IDC_LT_SPAN_NOW).size(), spans);
        ASSERT_EQ(dlg.m_tables.m_nTables, generated.m_nTables);
        for (int t = 1; t <= generated.m_nTables; ++t) {
            ASSERT_EQ(dlg.m_tables.m_aTables[t].m_nRows, generated.m_aTables[t].m_nRows);
            for (int r = 1; r <= generated.m_aTables[t].m_nRows; ++r)
                EXPECT_EQ(dlg.m_tables.m_aTables[t].m_anStrands[r],
                          generated.m_aTables[t].m_anStrands[r]);
        }
        EXPECT_EQ(dlg.m_tables.m_checks, kLoadTableBothChecks);
        EXPECT_TRUE(d.IsEnabled(IDC_LT_RESULTS));
        d.Cancel();
    });
    EXPECT_EQ(shown, std::vector<std::string>{
                         "Tick Stress, Strength or both under Modes to Chk before generating."});
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(ToolCommandTest, StrengthOnlyTablesSayTheyAreAndSetAsCurrentDesignKeepsTheirStrands) {
    NewDesign();
    const std::vector<std::uint8_t> before = Bytes();
    LoadTableSet both, strength;
    std::vector<std::string> panel;
    LoadTables([&](DialogDriver& d) {
        auto& dlg = static_cast<CLoadTablesDlg&>(d.Target());
        GenerateShort(d);
        both = dlg.m_tables;
        ASSERT_TRUE(d.Click(IDC_LT_STRESS));  // Strength alone
        GenerateShort(d);
        strength = dlg.m_tables;
        panel = d.Paint(IDC_LT_CHART)->Texts();
        d.Cancel();
    });
    // Cancel: the boxes are not kept, nor anything the generations did.
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(strength.m_checks, (LoadTableChecks{false, true}));
    auto has = [&](const char* text) {
        return std::find(panel.begin(), panel.end(), text) != panel.end();
    };
    EXPECT_TRUE(has("Stress not checked"));
    EXPECT_TRUE(has("Strength"));
    EXPECT_FALSE(has("Stress"));

    // 10 ft spacing at 104 ft: the bottom tension asks for more strands than the strength.
    const LoadTable& t = strength.m_aTables[2];
    ASSERT_EQ(t.m_nRows, 3);
    ASSERT_EQ(t.m_adSpan[2], 104.0);
    ASSERT_LT(t.m_anStrands[2], both.m_aTables[2].m_anStrands[2]);
    EXPECT_EQ(t.m_anMode[2], kLoadTableModeStrengthGoverned);

    host.ClearMessages();
    LoadTables([&](DialogDriver& d) {
        ASSERT_TRUE(d.Click(IDC_LT_STRESS));
        GenerateShort(d);
        // Ticked again after the generation: the row is still designed as the tables were.
        ASSERT_TRUE(d.Click(IDC_LT_STRESS));
        toolkit.QueueDialog([](DialogDriver& r) {
            auto& dlg = static_cast<CLoadTableTabularResultsDlg&>(r.Target());
            EXPECT_EQ(dlg.m_grid.GetCellText(2 + 3 + 1, 10), "Strength");
            dlg.m_grid.SetFocusCell(2 + 3 + 1, 4);
            r.Ok();
        });
        ASSERT_TRUE(d.Click(IDC_LT_RESULTS));
        d.Cancel();
    });
    CKordelDoc& doc = *Doc();
    EXPECT_EQ(doc.m_dDesignSpan, 104.0);
    EXPECT_EQ(doc.m_dBeamSpacing, t.m_dSpacing);
    EXPECT_EQ(doc.m_nStrandCount, t.m_anStrands[2]);
    // The design fails the stress check it was not designed on, and the message says why.
    ASSERT_EQ(Messages().size(), 1u);
    const std::string said = Messages()[0];
    EXPECT_NE(said.find("Final Tension      : NG"), std::string::npos) << said;
    EXPECT_NE(said.find("designed on the strength check only"), std::string::npos) << said;
}

TEST_F(ToolCommandTest, OkKeepsTheTablesWithTheDesignForTheNextOpening) {
    NewDesign();
    LoadTables([](DialogDriver& d) {
        GenerateShort(d);
        d.Ok();
    });
    const LoadTableSet& kept = Doc()->m_LoadTablesSettings;
    ASSERT_EQ(kept.m_nTables, 2);
    EXPECT_EQ(kept.m_aTables[1].m_nRows, 3);
    EXPECT_EQ(Doc()->m_dLoadTableSpanMax, 108.0);
    EXPECT_TRUE(Doc()->IsModified());
    LoadTables([](DialogDriver& d) {
        EXPECT_TRUE(d.IsEnabled(IDC_LT_PRINT));
        EXPECT_TRUE(d.IsEnabled(IDC_LT_RESULTS));
        EXPECT_EQ(d.Text(IDC_LT_SPAN_MAX), "108");
        // The chart of the kept tables is drawn: both letters at the ends of their curves.
        const std::vector<std::string> texts = d.Paint(IDC_LT_CHART)->Texts();
        for (const char* label : {"A", "B", " 7.50 ft", "10.00 ft", "Span Length (ft)"})
            EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end()) << label;
        d.Cancel();
    });
}

TEST_F(ToolCommandTest, OkKeepsTheBoxesAndTheTablesKeepTheirChecks) {
    NewDesign();
    LoadTables([](DialogDriver& d) {
        ASSERT_TRUE(d.Click(IDC_LT_STRENGTH));  // Stress alone
        GenerateShort(d);
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_anLoadTableModes[kLoadTableModeStress], 1);
    EXPECT_EQ(Doc()->m_anLoadTableModes[kLoadTableModeStrength], 0);
    EXPECT_EQ(Doc()->m_LoadTablesSettings.m_checks, (LoadTableChecks{true, false}));
    LoadTables([](DialogDriver& d) {
        EXPECT_TRUE(d.IsChecked(IDC_LT_STRESS));
        EXPECT_FALSE(d.IsChecked(IDC_LT_STRENGTH));
        const std::vector<std::string> texts = d.Paint(IDC_LT_CHART)->Texts();
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Strength not checked"), texts.end());
        d.Cancel();
    });
}

TEST_F(ToolCommandTest, PrintIsOneJobNamedKordelLoadTable) {
    NewDesign();
    LoadTables([](DialogDriver& d) {
        GenerateShort(d);
        ASSERT_TRUE(d.Click(IDC_LT_PRINT));
        d.Cancel();
    });
    ASSERT_EQ(toolkit.PrintRequests().size(), 1u);
    EXPECT_EQ(toolkit.PrintRequests()[0].job.title, "KordelLoadTable");
    ASSERT_EQ(toolkit.PrintJobs().size(), 1u);
    const platform::ui::RecordingPrintSurface& job = *toolkit.PrintJobs()[0];
    ASSERT_EQ(job.PageCount(), 1);
    const std::vector<std::string> texts = job.Page(0).Texts();
    for (const char* expected : {"Kordel p. 1 of 1", "Reqd f'ci", "(klf/bm)", " 104"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
}

TEST_F(ToolCommandTest, SetAsCurrentDesignAppliesTheStoredCase) {
    NewDesign();
    LoadTableSet tables;
    LoadTables([&](DialogDriver& d) {
        GenerateShort(d);
        tables = static_cast<CLoadTablesDlg&>(d.Target()).m_tables;
        // The results dialog: move to the second row of the second table and apply it.
        toolkit.QueueDialog([](DialogDriver& r) {
            auto& dlg = static_cast<CLoadTableTabularResultsDlg&>(r.Target());
            EXPECT_EQ(dlg.m_grid.GetRowCount(), 2 + 3 + 3);
            dlg.m_grid.SetFocusCell(2 + 3 + 1, 4);
            r.Ok();
        });
        ASSERT_TRUE(d.Click(IDC_LT_RESULTS));
        d.Cancel();
    });
    const LoadTable& t = tables.m_aTables[2];
    CKordelDoc& doc = *Doc();
    EXPECT_EQ(doc.m_dDesignSpan, t.m_adSpan[2]);
    EXPECT_EQ(doc.m_dGirderLength, t.m_adSpan[2] + 1.0);
    EXPECT_EQ(doc.m_dBeamSpacing, t.m_dSpacing);
    EXPECT_EQ(doc.m_dDeckWidth, 12.0 * t.m_dSpacing);
    EXPECT_EQ(doc.m_dDeckThickness, t.m_dSlab);
    EXPECT_EQ(doc.m_nBeams, t.m_nGirders);
    // The design's own strand design finds the tabulated strand count.
    EXPECT_EQ(doc.m_nStrandCount, t.m_anStrands[2]);
    // Changed by the dialog, the design is marked so even though the dialog was cancelled.
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace kordel::test
