// "Results Grid": the result types a design offers, the headings of every type in both unit
// systems, the stations the points land on, values of example 1 equal to the long-form report at
// the same points, and the whole grid copied as tab-separated rows.
#include "dialogs/results/results_grid_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "document/kordel_doc.h"
#include "platform/ui/headless_controls.h"
#include "platform/ui/headless_toolkit.h"
#include "report/format.h"
#include "test_support.h"

namespace kordel::test {
namespace {

using namespace platform::ui;
using Table = std::vector<std::vector<std::string>>;

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, sep)) parts.push_back(part);
    if (!text.empty() && text.back() == sep) parts.emplace_back();
    return parts;
}

std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    return b == std::string::npos ? "" : s.substr(b);
}

class ResultsGridTest : public EngineTest {
  protected:
    ResultsGridTest() : m_toolkitGuard(toolkit) {}

    std::unique_ptr<CKordelDoc> Example(int n, int units = kUnitsUS) {
        auto doc = NewDoc();
        doc->BuildExampleDesign(n);
        doc->m_nUnits = units;
        doc->RunAnalysis();
        return doc;
    }

    /// Every cell of the grid as it stands.
    static Table Cells(const CGridCtrl& grid) {
        Table t(grid.GetRowCount());
        for (int r = 0; r < grid.GetRowCount(); ++r)
            for (int c = 0; c < grid.GetColumnCount(); ++c) t[r].push_back(grid.GetCellText(r, c));
        return t;
    }

    /// Runs the dialog on `doc`, plays `script` in it and closes it with OK.
    void Run(const CKordelDoc& doc, std::function<void(CResultsGridDlg&, DialogDriver&)> script) {
        CResultsGridDlg dlg(doc);
        toolkit.QueueDialog([&](DialogDriver& d) {
            script(dlg, d);
            d.Ok();
        });
        EXPECT_EQ(dlg.DoModal(), kIdOk);
    }

    /// The grid of result type `type` at `points` points, chosen as the user chooses them.
    Table Grid(const CKordelDoc& doc, const std::string& type, int points = 4) {
        Table table;
        Run(doc, [&](CResultsGridDlg& dlg, DialogDriver& d) {
            if (type != kResultTypeNames[0]) {
                EXPECT_TRUE(d.Choose(IDC_RESULT_TYPE, type)) << type;
            }
            const int radio = points == 10    ? IDC_POINTS_10
                              : points == 20  ? IDC_POINTS_20
                              : points == 100 ? IDC_POINTS_100
                                              : IDC_POINTS_4;
            EXPECT_TRUE(d.Click(radio));
            table = Cells(dlg.m_grid);
        });
        return table;
    }

    HeadlessToolkit toolkit{host};

  private:
    ScopedToolkit m_toolkitGuard;
};

TEST_F(ResultsGridTest, EveryTypeHasItsHeadingsInBothUnitSystems) {
    // A continuous composite LRFD design with Strength II and release tension steel: every
    // optional column present.
    auto doc = Example(3);
    doc->m_nSpecification = kSpecLrfd;
    doc->m_bIncludeStrengthII = 1;
    doc->m_bReleaseTensionSteelRequired = 1;
    struct Case {
        const char* type;
        const char* names;   // columns 2 on, '|' between
        const char* us;      // unit cells, US
        const char* metric;  // unit cells, metric
    };
    const char* stress2 = "Top of Beam|Bottom of Beam";
    const char* stress3 = "Top of Beam|Bottom of Beam|Top of Deck";
    const Case cases[] = {
        {"Camber & Deflections: Release", "Prestress|Girder", "(in)|(in)", "(m)|(m)"},
        {"Camber & Deflections: Erection",
         "Prestress|Girder|Deck|Overlay|Diaphs|UDL NC|Barriers|FWS|UDL C",
         "(in)|(in)|(in)|(in)|(in)|(in)|(in)|(in)|(in)", "(m)|(m)|(m)|(m)|(m)|(m)|(m)|(m)|(m)"},
        {"Release Stresses", "Top of Beam|Bottom of Beam|Astt", "ksi|ksi|in2", "MPa|MPa|mm2"},
        {"Final Stresses: P + Pm", stress3, "ksi|ksi|ksi", "MPa|MPa|MPa"},
        {"Final Stresses: .5(P + Pm) + L",
         "Top of Beam(+M)|Bottom of Beam(+M)|Top of Deck(+M)|Top of Beam(-M)|Bottom of "
         "Beam(-M)|Top of Deck(-M)",
         "ksi|ksi|ksi|ksi|ksi|ksi", "MPa|MPa|MPa|MPa|MPa|MPa"},
        {"Final Stresses: P + Pm + L",
         "Top of Beam(+M)|Bottom of Beam(+M)|Top of Deck(+M)|Top of Beam(-M)|Bottom of "
         "Beam(-M)|Top of Deck(-M)",
         "ksi|ksi|ksi|ksi|ksi|ksi", "MPa|MPa|MPa|MPa|MPa|MPa"},
        {"Final Stresses: Beam", stress2, "ksi|ksi", "MPa|MPa"},
        {"Final Stresses: P/S", stress2, "ksi|ksi", "MPa|MPa"},
        {"Final Stresses: Deck", stress2, "ksi|ksi", "MPa|MPa"},
        {"Final Stresses: Diaph", stress2, "ksi|ksi", "MPa|MPa"},
        {"Final Stresses: ONC", stress2, "ksi|ksi", "MPa|MPa"},
        {"Final Stresses: Barrs", stress3, "ksi|ksi|ksi", "MPa|MPa|MPa"},
        {"Final Stresses: FWS", stress3, "ksi|ksi|ksi", "MPa|MPa|MPa"},
        {"Final Stresses: Veh+", stress3, "ksi|ksi|ksi", "MPa|MPa|MPa"},
        {"Final Stresses: Veh-", stress3, "ksi|ksi|ksi", "MPa|MPa|MPa"},
        {"Final Stresses: Veh", stress2, "ksi|ksi", "MPa|MPa"},
        {"Final Stresses: Pedst", stress3, "ksi|ksi|ksi", "MPa|MPa|MPa"},
        {"Vertical Shear",
         "Provided Vr|Max Allow Vr|Vu StrengthI|Vu StrengthII|Vc,adopt|Vs,req|Vs,prov|Av,adopt|"
         "Av,prov",
         "kip|kip|kip|kip|kip|kip|kip|in2/ft|in2/ft", "kN|kN|kN|kN|kN|kN|kN|mm2/mm|mm2/mm"},
        {"Flexural Strength",
         "Mu StrengthI(+M)|Mu StrengthII(+M)|Mr(+M)|Mcr(+M)|phi(+M)|Mu StrengthI(-M)|Mu "
         "StrengthII(-M)|Mr(-M)|Mcr(-M)|phi(-M)",
         "k-ft|k-ft|k-ft|k-ft||k-ft|k-ft|k-ft|k-ft|", "kN-m|kN-m|kN-m|kN-m||kN-m|kN-m|kN-m|kN-m|"},
        {"Interface Shear", "Vu|vuh|Vnhr|Avfc|Avf", "kip|ksi|kip|in2/ft|in2/ft",
         "kN|MPa|kN|mm2/mm|mm2/mm"},
        {"Handling Stresses", "+Impact Ft|+Impact Fb|-Impact Ft|-Impact Fb", "ksi|ksi|ksi|ksi",
         "MPa|MPa|MPa|MPa"},
        {"Shipping Stresses", "+Impact Ft|+Impact Fb|-Impact Ft|-Impact Fb", "ksi|ksi|ksi|ksi",
         "MPa|MPa|MPa|MPa"},
        {"Inventory Load Ratings", "Tension|Compression|Flexure (+)|Flexure (-)|Shear", "||||",
         "||||"},
        {"Operating Load Ratings", "Flexure (+)|Flexure (-)|Shear", "||", "||"},
    };
    ASSERT_EQ(std::size(cases), 24u);
    for (int units : {kUnitsUS, kUnitsMetric}) {
        doc->m_nUnits = units;
        Run(*doc, [&](CResultsGridDlg& dlg, DialogDriver&) {
            for (const Case& c : cases) {
                dlg.FillGrid(c.type);
                const Table t = Cells(dlg.m_grid);
                const std::vector<std::string> names = Split(c.names, '|');
                const std::vector<std::string> unitCells =
                    Split(units == kUnitsUS ? c.us : c.metric, '|');
                ASSERT_EQ(t[0].size(), names.size() + 2) << c.type;
                EXPECT_EQ(t[0][0], "Loc");
                EXPECT_EQ(t[0][1], "Loc");
                EXPECT_EQ(t[1][0], "");
                EXPECT_EQ(t[1][1], units == kUnitsUS ? "(ft)" : "(m)");
                EXPECT_EQ(std::vector<std::string>(t[0].begin() + 2, t[0].end()), names) << c.type;
                EXPECT_EQ(std::vector<std::string>(t[1].begin() + 2, t[1].end()), unitCells)
                    << c.type << " units " << units;
            }
        });
    }
}

TEST_F(ResultsGridTest, OptionalColumnsFollowTheDesign) {
    // Example 2: simple span, not composite. Without Strength II, under the Standard
    // Specifications and with no release tension steel.
    auto doc = Example(2);
    doc->m_nSpecification = 2;
    doc->m_bIncludeStrengthII = 0;
    doc->m_bReleaseTensionSteelRequired = 0;
    Run(*doc, [&](CResultsGridDlg& dlg, DialogDriver&) {
        struct Case {
            const char* type;
            const char* names;
        };
        const Case cases[] = {
            {"Release Stresses", "Top of Beam|Bottom of Beam"},
            {"Final Stresses: P + Pm", "Top of Beam|Bottom of Beam"},
            {"Final Stresses: .5(P + Pm) + L", "Top of Beam(+M)|Bottom of Beam(+M)"},
            {"Final Stresses: Barrs", "Top of Beam|Bottom of Beam"},
            {"Flexural Strength", "Mu(+M)|Mr(+M)|Mcr(+M)|c/d(+M)"},
            {"Inventory Load Ratings", "Tension|Compression|Flexure|Shear"},
            {"Operating Load Ratings", "Flexure|Shear"},
        };
        for (const Case& c : cases) {
            dlg.FillGrid("Vertical Shear");  // 10 columns first: the extra ones must go
            dlg.FillGrid(c.type);
            const Table t = Cells(dlg.m_grid);
            EXPECT_EQ(std::vector<std::string>(t[0].begin() + 2, t[0].end()), Split(c.names, '|'))
                << c.type;
        }
        dlg.FillGrid("Vertical Shear");
        EXPECT_EQ(dlg.m_grid.GetCellText(0, 4), "Vu");
        // The ratio column has no unit, also after a type with a unit in that place.
        dlg.FillGrid("Flexural Strength");
        EXPECT_EQ(dlg.m_grid.GetCellText(1, 5), "");
        // A text that names no type leaves the grid as it is.
        dlg.FillGrid("Final Stresses: veh");
        EXPECT_EQ(dlg.m_grid.GetColumnCount(), 6);
    });
}

TEST_F(ResultsGridTest, NoValueShowsAsANegativeZero) {
    // Every type each example offers, at a hundred points and in both unit systems: a result
    // that rounds to zero reads "0.0", never "-0.0".
    int checked = 0;
    for (int example = 1; example <= 4; ++example) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            auto doc = Example(example, units);
            for (const std::string& type : OfferedResultTypes(*doc)) {
                const Table table = Grid(*doc, type, 100);
                for (std::size_t r = 2; r < table.size(); ++r) {
                    for (const std::string& cell : table[r]) {
                        const std::string t = Trim(cell);
                        const bool negativeZero =
                            t.size() > 1 && t[0] == '-' &&
                            t.find_first_not_of("0.", 1) == std::string::npos;
                        EXPECT_FALSE(negativeZero) << "example " << example << ", " << type
                                                   << ", row " << r << ": '" << cell << "'";
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 10000);
}

TEST_F(ResultsGridTest, TheListOffersWhatTheDesignProduced) {
    auto doc = Example(2);  // simple span, not composite
    doc->m_dPedestrianLoad = 0;
    doc->m_dDiaphragmWeight = -1;
    doc->m_bIncludeLoadRating = 0;
    doc->m_bRatingInventory = 1;
    std::vector<std::string> offered = OfferedResultTypes(*doc);
    auto has = [&](const char* type) {
        return std::find(offered.begin(), offered.end(), type) != offered.end();
    };
    EXPECT_TRUE(has("Final Stresses: Veh"));
    for (const char* absent : {"Final Stresses: Veh+", "Final Stresses: Veh-",
                               "Final Stresses: Deck", "Interface Shear", "Final Stresses: Pedst",
                               "Final Stresses: Diaph", "Inventory Load Ratings"})
        EXPECT_FALSE(has(absent)) << absent;

    doc = Example(3);  // continuous composite
    offered = OfferedResultTypes(*doc);
    const auto plus = std::find(offered.begin(), offered.end(), "Final Stresses: Veh+");
    ASSERT_NE(plus, offered.end());
    ASSERT_NE(plus + 1, offered.end());
    EXPECT_EQ(plus[1], "Final Stresses: Veh-");
    EXPECT_FALSE(has("Final Stresses: Veh"));
    EXPECT_EQ(offered.front(), "Camber & Deflections: Release");

    // The dialog's list holds exactly these, the first chosen.
    Run(*doc, [&](CResultsGridDlg&, DialogDriver& d) {
        EXPECT_EQ(d.Items(IDC_RESULT_TYPE), offered);
        EXPECT_EQ(d.Selection(IDC_RESULT_TYPE), 0);
        EXPECT_TRUE(d.IsChecked(IDC_POINTS_4));
    });
}

TEST_F(ResultsGridTest, EveryPointLandsOnItsHundredthStation) {
    auto doc = Example(1);
    // A table that holds its own station number shows where every row reads.
    for (int s = 0; s < kStationCount; ++s) doc->m_adDeflectionResults[kDeflPretension][s] = s;
    for (int points : {4, 10, 20, 100}) {
        const Table t = Grid(*doc, "Camber & Deflections: Release", points);
        ASSERT_EQ(static_cast<int>(t.size()), points + 3) << points;
        for (int i = 0; i <= points; ++i) {
            const int station = 100 * i / points;
            EXPECT_EQ(ResultStation(i, points), station) << i << "/" << points;
            const std::vector<std::string>& row = t[2 + i];
            EXPECT_EQ(row[0], Format("%4.2fL", i / static_cast<double>(points)));
            EXPECT_EQ(row[2], Format("%7.3f", static_cast<double>(station))) << i << "/" << points;
        }
        // The release camber is measured on the girder length, the last row at its end.
        EXPECT_EQ(t.back()[0], "1.00L");
        EXPECT_EQ(t.back()[1], Format("%7.3f", doc->m_dGirderLength));
    }
    // Every other type is measured on the design span.
    const Table t = Grid(*doc, "Final Stresses: Beam", 10);
    EXPECT_EQ(t[9][0], "0.70L");
    EXPECT_EQ(t.back()[1], Format("%7.3f", doc->m_dDesignSpan));
}

TEST_F(ResultsGridTest, Example1ShowsTheLongFormReportsNumbers) {
    // The numbers of the long-form report (tests/report/golden, example 1) at 0.3L and 0.5L.
    struct Case {
        int units;
        const char* type;
        int row;  // data row with 10 points: 3 is 0.3L, 5 is 0.5L
        int col;
        const char* text;
    };
    const Case cases[] = {
        {kUnitsUS, "Release Stresses", 5, 2, "0.066"},
        {kUnitsUS, "Release Stresses", 5, 3, "2.623"},
        {kUnitsUS, "Final Stresses: P + Pm", 5, 2, "1.225"},
        {kUnitsUS, "Final Stresses: P + Pm", 5, 3, "0.812"},
        {kUnitsUS, "Final Stresses: P + Pm", 5, 4, "0.107"},
        {kUnitsUS, "Final Stresses: .5(P + Pm) + L", 5, 2, "1.010"},
        {kUnitsUS, "Final Stresses: .5(P + Pm) + L", 5, 4, "0.535"},
        {kUnitsUS, "Final Stresses: P + Pm + L", 5, 2, "1.622"},
        {kUnitsUS, "Final Stresses: P + Pm + L", 5, 3, "-0.255"},
        {kUnitsUS, "Final Stresses: P + Pm + L", 5, 4, "0.588"},
        {kUnitsUS, "Final Stresses: P/S", 5, 2, "-0.685"},
        {kUnitsUS, "Final Stresses: P/S", 5, 3, "2.992"},
        {kUnitsUS, "Final Stresses: Beam", 3, 2, "0.720"},
        {kUnitsUS, "Final Stresses: Deck", 3, 3, "-0.838"},
        {kUnitsUS, "Final Stresses: Barrs", 5, 4, "0.049"},
        {kUnitsUS, "Final Stresses: Veh+", 3, 2, "0.340"},
        {kUnitsUS, "Final Stresses: Veh+", 3, 3, "-1.140"},
        {kUnitsUS, "Final Stresses: Veh+", 3, 4, "0.412"},
        {kUnitsUS, "Flexural Strength", 5, 2, "7545"},
        {kUnitsUS, "Flexural Strength", 5, 3, "8986"},
        {kUnitsUS, "Flexural Strength", 5, 4, "6292"},
        {kUnitsUS, "Flexural Strength", 5, 5, "1.000"},
        {kUnitsUS, "Flexural Strength", 3, 2, "6396"},
        {kUnitsMetric, "Final Stresses: P + Pm + L", 5, 1, "16.002"},
        {kUnitsMetric, "Final Stresses: P + Pm + L", 5, 2, "11.185"},
        {kUnitsMetric, "Final Stresses: P + Pm + L", 5, 3, "-1.761"},
        {kUnitsMetric, "Final Stresses: P + Pm + L", 5, 4, "4.057"},
        {kUnitsMetric, "Flexural Strength", 5, 2, "10230"},
        {kUnitsMetric, "Flexural Strength", 5, 3, "12184"},
    };
    for (int units : {kUnitsUS, kUnitsMetric}) {
        auto doc = Example(1, units);
        for (const Case& c : cases) {
            if (c.units != units) continue;
            const Table t = Grid(*doc, c.type, 10);
            ASSERT_GT(static_cast<int>(t[2 + c.row].size()), c.col) << c.type;
            EXPECT_EQ(Trim(t[2 + c.row][c.col]), c.text) << c.type << " row " << c.row;
        }
    }
}

TEST_F(ResultsGridTest, MetricValuesTakeTheirFactorsAndFormats) {
    auto rated = [&](int units) {
        auto doc = Example(3, units);
        doc->m_bIncludeLoadRating = 1;
        doc->m_bRatingInventory = 1;
        doc->RunAnalysis();
        return doc;
    };
    auto us = rated(kUnitsUS);
    auto metric = rated(kUnitsMetric);
    const int s = 50;  // 0.50L of 4 points
    auto cell = [&](const CKordelDoc& doc, const char* type, int col) {
        return Grid(doc, type).at(4).at(col);
    };
    EXPECT_EQ(cell(*metric, "Camber & Deflections: Release", 2),
              Format("%6.3f", metric->m_adDeflectionResults[kDeflPretension][s] * 0.0254));
    EXPECT_EQ(cell(*metric, "Vertical Shear", 4), Format("%7.1f", metric->m_adVuStrengthI[s] * 4.4482));
    EXPECT_EQ(cell(*metric, "Vertical Shear", 8),
              Format("%7.3f", metric->m_adShearAvDesign[s] * 25.4 / 12.0));
    EXPECT_EQ(cell(*metric, "Flexural Strength", 2),
              Format("%7.0f", metric->m_aMuFlexure[s][kStrengthIPositive] * 1.35581136));
    // Rating factors keep their value and take the shorter format.
    EXPECT_EQ(cell(*metric, "Inventory Load Ratings", 2),
              Format("%6.3f", metric->m_aRatingFactor[kRatingInvTension][s]));
    EXPECT_EQ(cell(*us, "Inventory Load Ratings", 2),
              Format("%7.3f", us->m_aRatingFactor[kRatingInvTension][s]));
}

TEST_F(ResultsGridTest, TheWholeGridCopiesAsTabSeparatedRowsAndTakesNoEdit) {
    auto doc = Example(1);
    Run(*doc, [&](CResultsGridDlg& dlg, DialogDriver& d) {
        ASSERT_TRUE(d.Choose(IDC_RESULT_TYPE, "Final Stresses: P + Pm + L"));
        ASSERT_TRUE(d.Click(IDC_POINTS_10));
        const Table before = Cells(dlg.m_grid);
        HeadlessControl* window = d.ControlWindow(IDC_RESULTS_GRID);
        ASSERT_NE(window, nullptr);
        // A click on a data cell, then Ctrl+A and Ctrl+C.
        Rect cellRect;
        ASSERT_TRUE(dlg.m_grid.GetCellRect(3, 1, cellRect));
        const Point inCell{(cellRect.left + cellRect.right) / 2, (cellRect.top + cellRect.bottom) / 2};
        window->Mouse(MouseAction::LeftDown, inCell, kMouseLeft);
        window->Mouse(MouseAction::LeftUp, inCell, 0);
        window->KeyDown('A', kModCtrl);
        window->KeyDown('C', kModCtrl);
        const std::optional<std::string> copied = toolkit.GetClipboard().GetText();
        ASSERT_TRUE(copied.has_value());
        std::string text = *copied;
        if (!text.empty() && text.back() == '\n') text.pop_back();
        const std::vector<std::string> lines = Split(text, '\n');
        ASSERT_EQ(lines.size(), 11u) << "the data rows without the two heading rows";
        for (size_t i = 0; i < lines.size(); ++i) {
            std::string line = lines[i];
            if (!line.empty() && line.back() == '\r') line.pop_back();
            EXPECT_EQ(Split(line, '\t'), before[2 + i]) << "line " << i;
        }
        EXPECT_TRUE(lines[0].starts_with("0.00L\t"));

        // Typing, Delete, Ctrl+X and Ctrl+V change no cell.
        toolkit.GetClipboard().SetText("9.999\t9.999");
        dlg.m_grid.SetFocusCell(5, 2);
        window->Char('7');
        window->KeyDown(kKeyReturn);
        window->KeyDown(kKeyDelete);
        window->KeyDown('X', kModCtrl);
        window->KeyDown('V', kModCtrl);
        EXPECT_EQ(Cells(dlg.m_grid), before);
    });
}

}  // namespace
}  // namespace kordel::test
