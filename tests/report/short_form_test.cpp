// The short-form report: the four example designs and the variants that reach the branches the
// examples miss, against golden files; the marks, the entry lines and the guards on their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "report/report_test_support.h"
#include "report/text_report.h"

namespace kordel::test {
namespace {

using ShortFormTest = ReportTest;

/// The first line of `lines` that starts with `prefix`, or "" when none does.
std::string LineStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    for (const std::string& line : lines) {
        if (line.compare(0, prefix.size(), prefix) == 0) return line;
    }
    return "";
}

/// The lines after the first equal to `heading`, `count` of them (fewer at the end).
std::vector<std::string> LinesAfter(const std::vector<std::string>& lines,
                                    const std::string& heading, std::size_t count) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != heading) continue;
        const std::size_t end = std::min(lines.size(), i + 1 + count);
        return {lines.begin() + static_cast<std::ptrdiff_t>(i + 1),
                lines.begin() + static_cast<std::ptrdiff_t>(end)};
    }
    return {};
}

// ---- Golden files ---------------------------------------------------------------------------

/// The whole short form (both halves) of each example design, US and metric. The goldens were
/// reviewed line by line against the report's formats; the examples reach the simple span, the
/// continuous chain, the spliced girder with its segment line, the debonded and the non-composite
/// girder.
TEST_F(ShortFormTest, ExampleDesignsMatchGoldenFiles) {
    for (int example = 1; example <= 4; ++example) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE("example " + std::to_string(example) + " units " + std::to_string(units));
            auto doc = AnalysedExample(example, units, kReportShortForm);
            EXPECT_FALSE(HoldsNonFinite(doc->Report()));
            ExpectMatchesGolden(doc->Report(),
                                "short_example" + std::to_string(example) +
                                    (units == kUnitsUS ? "_us" : "_metric"));
        }
    }
}

/// A design variant: an example design with a few members changed before the analysis.
struct Variant {
    const char* name;
    int example;
    std::function<void(CKordelDoc&)> change;
};

/// The Standard Specifications with the Vci/Vcw shear method.
void UseStandardSpecifications(CKordelDoc& d) {
    d.m_nSpecification = kSpecStandard;
    d.m_strSpecCode = "STND";
    d.m_nSpecEdition = 0;  // "Standard Specs"
    d.m_nShearMethod = kShearStandardVciVcw;
    d.m_nLossMethod = kLossStandardSpecs;
    d.m_bAutoFactors = 1;
    d.SetDefaultFactors();
}

/// Strain compatibility with Strength II (vehicle 2 a second, included vehicle) and the LRFD
/// simplified shear method.
void UseStrainCompatibilityWithStrengthII(CKordelDoc& d) {
    d.m_bStrainCompatibility = 1;
    d.m_bIncludeStrengthII = 1;
    d.m_recVehicle2 = d.m_recVehicle1;
    d.m_recVehicle2.m_strName = "PERMIT";
    d.m_recVehicle2.m_dMultiplier = 1.2;
    d.m_recVehicle2.m_bIncluded = 1;
    d.m_nShearMethod = kShearLrfdSimplified;
}

/// Input branches of the first half the examples do not reach: a five-axle vehicle 2, a diaphragm
/// at a user location, the lowboy option, stirrups entered as steel areas, and debonding about
/// mid-length.
void UseInputBranches(CKordelDoc& d) {
    LiveLoadVehicle& v = d.m_recVehicle2;
    v = d.m_recVehicle1;
    v.m_strName = "FIVE-AXLE";
    v.m_nAxleCount = 5;
    for (int j = 0; j < 5; ++j) v.m_aAxles[j] = {20.0 + j, j < 4 ? 12.0 : 0.0, j < 4 ? 15.0 : 0.0};
    v.m_nCombination = kCombineTruckOrTandemOrLane;
    v.m_bIncluded = 1;
    d.m_nVehicleCombineMode = kCombineOverload;
    d.m_bCheckLowboy = 1;
    d.m_bDiaphragmAtUserLocation = 1;
    d.m_dDiaphragmUserLocation = 30.0;
    d.m_dDiaphragmWeight = 2.5;
    d.m_bStirrupLayout = 0;
    for (int z = 0; z < d.m_nStirrupZoneCount; ++z) {
        d.m_adStirrupZones[z][kZoneLength] = d.m_adStirrupZones[z][kZoneEnd] -
                                             (z == 0 ? 0.0 : d.m_adStirrupZones[z - 1][kZoneEnd]);
    }
    d.m_aStrandGroup[0][kGroupDebondMid] = 10.0;
}

/// The variants each reach branches of both halves that no example reaches; their goldens were
/// reviewed line by line like the examples'.
TEST_F(ShortFormTest, DesignVariantsMatchGoldenFiles) {
    const Variant variants[] = {
        {"standard", 1, UseStandardSpecifications},
        {"strain_strength2", 3, UseStrainCompatibilityWithStrengthII},
        {"input_branches", 2, UseInputBranches},
    };
    for (const Variant& v : variants) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE(std::string(v.name) + " units " + std::to_string(units));
            auto doc = NewDoc();
            doc->BuildExampleDesign(v.example);
            v.change(*doc);
            doc->m_nUnits = units;
            doc->m_nReportForm = kReportShortForm;
            doc->RunAnalysis();
            EXPECT_FALSE(HoldsNonFinite(doc->Report()));
            ExpectMatchesGolden(doc->Report(), std::string("short_") + v.name +
                                                     (units == kUnitsUS ? "_us" : "_metric"));
        }
    }
}

// ---- Marks --------------------------------------------------------------------------------

/// A stress at or beyond an allowable is marked, one inside both is not, and nothing is marked
/// with asterisks off. The test takes the stored ksi values, so the metric form marks the same
/// cells. Example 1 allows -0.200 ksi tension and 3.000 ksi compression at release; the mark of
/// a wide column (station 102) stands at index 8 + 7, of a narrow one (station 20) at
/// 8 + 8 + 8 + 6.
TEST_F(ShortFormTest, ReleaseStressIsMarkedAtOrBeyondItsAllowable) {
    struct Case {
        const char* what;
        int station;
        std::size_t markAt;
        double stress;  // ksi
        int asterisks;
        char mark;
    };
    const Case cases[] = {
        {"tension equal to its allowable", 102, 15, -0.200, 1, '*'},
        {"tension just inside", 102, 15, -0.199, 1, ' '},
        {"compression equal to its allowable", 102, 15, 3.000, 1, '*'},
        {"compression just inside", 102, 15, 2.999, 1, ' '},
        {"beyond, asterisks off", 102, 15, -0.500, 0, ' '},
        {"narrow column beyond", 20, 30, 3.5, 1, '*'},
        {"narrow column inside", 20, 30, 1.0, 1, ' '},
    };
    for (int units : {kUnitsUS, kUnitsMetric}) {
        auto doc = AnalysedExample(1, units, kReportShortForm);
        ASSERT_DOUBLE_EQ(doc->m_dAllowReleaseTension, -0.200);
        ASSERT_DOUBLE_EQ(doc->m_dAllowReleaseCompression, 3.000);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (units == kUnitsUS ? " (US)" : " (metric)"));
            auto probe = AnalysedExample(1, units, kReportShortForm);
            probe->m_aServiceStress[c.station][kServiceRelease][kServiceTop] = c.stress;
            probe->m_bShowAsterisks = c.asterisks;
            probe->BuildTextReport();
            const std::string line = LineStartingWith(probe->Report(), "PS+Bm t:");
            ASSERT_GT(line.size(), c.markAt) << line;
            EXPECT_EQ(line[c.markAt], c.mark) << line;
        }
    }
}

/// The flexure mark behind Mr: in US units '*' when Mr/Mu is below 1 and asterisks are on; the
/// metric stress-block row for positive moment marks Mu above Mr whatever the switch. The mark
/// stands at index 73 of the row without Strength II (6+7+6+7+6+6+6+8+7+7+7 characters before
/// it).
TEST_F(ShortFormTest, FlexureRowMarksResistanceShortOfTheFactoredMoment) {
    struct Case {
        int units;
        int asterisks;
        double mu, mr;  // kip-ft
        char mark;
    };
    const Case cases[] = {
        {kUnitsUS, 1, 9000, 8000, '*'},    {kUnitsUS, 0, 9000, 8000, ' '},
        {kUnitsUS, 1, 7000, 8000, ' '},    {kUnitsMetric, 0, 9000, 8000, '*'},
        {kUnitsMetric, 1, 7000, 8000, ' '}, {kUnitsMetric, 1, 8000, 8000, ' '},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "units " << c.units << " asterisks " << c.asterisks
                                        << " Mu " << c.mu << " Mr " << c.mr);
        auto doc = AnalysedExample(1, c.units, kReportShortForm);
        doc->m_bShowAsterisks = c.asterisks;
        doc->m_aMuFlexure[50][kStrengthIPositive] = c.mu;
        doc->m_aFlexureMr[50][kFlexurePositive] = c.mr;
        doc->m_aFlexureMrMuRatio[50][kFlexurePositive] = c.mr / c.mu;
        doc->BuildTextReport();
        const std::vector<std::string> rows =
            LinesAfter(doc->Report(), "STRENGTH LIMIT STATE: FlEXURE (+M ENVELOPE)", 3);
        ASSERT_EQ(rows.size(), 3u);
        ASSERT_GT(rows[2].size(), 73u) << rows[2];
        EXPECT_EQ(rows[2][73], c.mark) << rows[2];
    }
}

/// The provided longitudinal force is marked in the short form as in the long form, the mark in
/// place of the first of the two blanks after a cell: example 1 falls short at the bearing
/// centrelines and the faces of the bearings ("165.2*" and "329.6*" in the US form). Both rows (left and right half) print the cells of the
/// long form's rows, and nothing is marked with asterisks off.
TEST_F(ShortFormTest, LongitudinalForceIsMarkedAsInTheLongForm) {
    for (int units : {kUnitsUS, kUnitsMetric}) {
        for (int asterisks : {1, 0}) {
            SCOPED_TRACE(testing::Message() << "units " << units << " asterisks " << asterisks);
            auto doc = AnalysedExample(1, units, kReportShortForm);
            doc->m_bShowAsterisks = asterisks;
            doc->BuildTextReport();
            std::vector<std::string> shortRows;
            const char* label = units == kUnitsUS ? "Fl-prov,kip  " : "Fl-prov,kN   ";
            for (const std::string& line : doc->m_saReport) {
                if (line.rfind(label, 0) == 0) shortRows.push_back(line.substr(13));
            }
            doc->m_nReportForm = kReportLongForm;
            doc->BuildTextReport();
            std::vector<std::string> longRows;
            for (const std::string& line : doc->m_saReport) {
                if (line.rfind("Fl-prov,k", 0) == 0) longRows.push_back(line.substr(13));
            }
            ASSERT_EQ(shortRows.size(), 2u);
            EXPECT_EQ(shortRows, longRows);
            const bool marked = shortRows[0].find('*') != std::string::npos &&
                                shortRows[1].find('*') != std::string::npos;
            EXPECT_EQ(marked, asterisks == 1) << shortRows[0] << "\n" << shortRows[1];
            if (units == kUnitsUS && asterisks == 1) {
                EXPECT_EQ(shortRows[0].substr(0, 18), "  165.2*   329.6* ") << shortRows[0];
                EXPECT_EQ(shortRows[1].substr(72), "  329.6*   165.2* ") << shortRows[1];
            }
        }
    }
}

// ---- Entry lines ---------------------------------------------------------------------------

/// Eight straight-strand rows fill one line, which is followed by a line of two blanks; three
/// debonded groups fill one line with nothing after it.
TEST_F(ShortFormTest, EntryLinesWrapAfterEightRowsAndThreeDebondedGroups) {
    auto doc = AnalysedExample(2, kUnitsUS, kReportShortForm);
    auto setRows = [&](int rows) {
        for (int r = 0; r < kMaxPatternRows; ++r) doc->m_aEndRows[r] = {};
        for (int r = 0; r < rows; ++r) {
            doc->m_aEndRows[r][kRowStraightElevation] = 2.0 * (r + 1);
            doc->m_aEndRows[r][kRowStraightCount] = 2;
        }
        doc->m_nTemplateRowCount = rows;
    };
    auto setDebonded = [&](int groups) {
        doc->m_nStrandGroupCount = groups;
        for (int g = 0; g < groups; ++g) {
            doc->m_aStrandGroup[g] = {};
            doc->m_aStrandGroup[g][kGroupStrands] = 2;
            doc->m_aStrandGroup[g][kGroupElevationEnd] = 2;
            doc->m_aStrandGroup[g][kGroupElevationDrape] = 2;
            doc->m_aStrandGroup[g][kGroupDebondEnd] = 4.5;
        }
        doc->m_anDebondFlags[kDebondFlagEnd] = 1;
        doc->m_anDebondFlags[kDebondFlagMid] = 0;
    };
    const std::string eight = "   2@2.00  2@4.00  2@6.00  2@8.00  2@10.00  2@12.00  2@14.00  2@16.00";
    const std::string debonded = " 2@ 2.00/ 2.00 for 4.5,";

    setRows(8);
    setDebonded(3);
    doc->BuildTextReport();
    EXPECT_EQ(LinesAfter(doc->Report(), "Straight Strands:", 3),
              (std::vector<std::string>{" " + eight, "  ", "Debonding: (Format: no. @ height end/"
                                                           "height mid (in) for distance (ft))"}));
    EXPECT_EQ(LinesAfter(doc->Report(), "  end:", 2),
              (std::vector<std::string>{"  " + debonded + debonded + debonded,
                                        "Nominal Pattern Properties:"}));

    setRows(9);
    setDebonded(4);
    doc->BuildTextReport();
    EXPECT_EQ(LinesAfter(doc->Report(), "Straight Strands:", 2),
              (std::vector<std::string>{" " + eight, "    2@18.00"}));
    EXPECT_EQ(LinesAfter(doc->Report(), "  end:", 3),
              (std::vector<std::string>{"  " + debonded + debonded + debonded, "  " + debonded,
                                        "Nominal Pattern Properties:"}));
}

/// A line holds four axles. US: a four-axle vehicle takes one line, a five-axle one two. The
/// metric form closes vehicle 1's line after every fourth axle even when it is the last, so a
/// four-axle vehicle 1 is followed by a line of twelve blanks; vehicle 2 keeps the US rule.
TEST_F(ShortFormTest, AxleLinesHoldFourAxles) {
    struct Case {
        int units;
        int vehicle;
        int axles;
        std::size_t lines;
        bool blankLast;
    };
    const Case cases[] = {
        {kUnitsUS, 1, 4, 1, false},     {kUnitsUS, 1, 5, 2, false},
        {kUnitsMetric, 1, 4, 2, true},  {kUnitsMetric, 2, 4, 1, false},
        {kUnitsMetric, 1, 5, 2, false}, {kUnitsUS, 2, 8, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "units " << c.units << " vehicle " << c.vehicle
                                        << " axles " << c.axles);
        auto doc = AnalysedExample(1, c.units, kReportShortForm);
        LiveLoadVehicle& v = c.vehicle == 1 ? doc->m_recVehicle1 : doc->m_recVehicle2;
        v = doc->m_recVehicle1;
        v.m_bIncluded = 1;
        v.m_nAxleCount = c.axles;
        for (int j = 0; j < c.axles; ++j) v.m_aAxles[j] = {10.0, 14.0, 14.0};
        doc->BuildTextReport();
        const std::vector<std::string>& lines = doc->Report();
        const std::string heading = "   Vehicle" + std::to_string(c.vehicle) + ":";
        auto at = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
            return l.compare(0, heading.size(), heading) == 0;
        });
        ASSERT_NE(at, lines.end());
        std::vector<std::string> axleLines;
        for (auto it = at + 2; it != lines.end() && it->find("Lane Load:") == std::string::npos;
             ++it) {
            axleLines.push_back(*it);
        }
        ASSERT_EQ(axleLines.size(), c.lines);
        EXPECT_EQ(axleLines.back() == std::string(12, ' '), c.blankLast) << axleLines.back();
        EXPECT_NE(axleLines.front().find("1: "), std::string::npos) << axleLines.front();
    }
}

// ---- Distribution-factor notes -------------------------------------------------------------

/// The note behind the moment factor by design code, factor mode, cross-section type and the
/// lever-rule and connection flags; the metric notes carry no governing-lanes text. The factor
/// terms are set to plain numbers so each note reads back exactly.
TEST_F(ShortFormTest, MomentFactorNoteFollowsTheCrossSectionType) {
    struct Case {
        const char* what;
        int units;
        int designCode;
        int mode;
        int type;
        int lever;
        int connected;
        const char* line;
    };
    const Case cases[] = {
        {"entered by the user", kUnitsUS, kSpecLrfd, kValueSpecified, 1, 0, 1,
         "   Dist Facs: M=0.5000  (manually entered)"},
        {"lever rule", kUnitsUS, kSpecLrfd, kValueComputed, 1, 1, 1,
         "   Dist Facs: M=0.5000  (lever rule)"},
        {"LRFD type 2", kUnitsUS, kSpecLrfd, kValueComputed, 2, 0, 1,
         "   Dist Facs: M=0.5000 (Governing # lanes: 2 or more)"},
        {"adjacent boxes not connected", kUnitsUS, kSpecLrfd, kValueComputed, 3, 0, 0,
         "   Dist Facs: M=0.5000 (K=1.2500, C= 2.5000, D= 3.5000, Sufficiently Connected?: No, "
         "Governing # lanes: 2 or more)"},
        {"adjacent boxes connected", kUnitsUS, kSpecLrfd, kValueComputed, 8, 0, 1,
         "   Dist Facs: M=0.5000 (k=  1.75, Sufficiently Connected?: Yes, Governing # lanes: 2 or "
         "more)"},
        {"channels connected", kUnitsUS, kSpecLrfd, kValueComputed, 5, 0, 1,
         "   Dist Facs: M=0.5000 (eg= 20.00 in, n=1.2000, Kg=  100000 in4, Sufficiently "
         "Connected?: Yes, Governing # lanes: 2 or more)"},
        {"not connected, metric", kUnitsMetric, kSpecLrfd, kValueComputed, 9, 0, 0,
         "   Dist Facs: M=0.5000 (K=1.2500, C= 2.5000, D= 3.5000, Sufficiently Connected?: No)"},
        // S = 9 ft = 2.7432 m.
        {"Standard type 0, metric", kUnitsMetric, kSpecStandard, kValueComputed, 0, 0, 1,
         "   Dist Facs: M=0.5000 (S= 2.743 m)"},
        {"Standard multi-beam", kUnitsUS, kSpecStandard, kValueComputed, 2, 0, 1,
         "   Dist Facs: M=0.5000 (S=  4.00FT, D= 5.500, C= 0.750, K=1.2500, Governing # lanes: 2 "
         "or more)"},
        {"Standard spread boxes", kUnitsUS, kSpecStandard, kValueComputed, 5, 0, 1,
         "   Dist Facs: M=0.5000 (NL= 3, Nb= 5, S= 4.00FT, k=1.250, W=40.0FT, Governing # lanes: "
         "2 or more)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto doc = AnalysedExample(1, c.units, kReportShortForm);
        doc->m_nSpecification = c.designCode;
        doc->m_nDistFactorMode = c.mode;
        doc->m_nSuperstructureType = c.type;
        doc->m_anDfLeverRuleFlags[kDfFamilyMoment] = c.lever;
        doc->m_bSufficientlyConnected = c.connected;
        doc->m_anDfGoverningLaneCount[kDfGoverningMoment] = 3;
        doc->m_dDfMoment = 0.5;
        doc->m_dDfK = 1.25;
        doc->m_dDfAdjacentBoxK = 1.75;
        doc->m_adDfBoxKC[kDfBoxC] = 2.5;
        doc->m_adDfBoxKC[kDfBoxD] = 3.5;
        doc->m_adDfKgTerms[kDfEg] = 20.0;
        doc->m_adDfKgTerms[kDfN] = 1.2;
        doc->m_adDfKgTerms[kDfKg] = 100000.0;
        doc->m_adDfStandardTerms[kDfStdBeams] = 5;
        doc->m_adDfStandardTerms[kDfStdWidth] = 40.0;
        doc->m_adDfStandardTerms[kDfStdSpacing] = 4.0;
        doc->m_adDfChannelTerms[kDfChannelD] = 5.5;
        doc->m_adDfChannelTerms[kDfChannelC] = 0.75;
        doc->BuildTextReport();
        EXPECT_EQ(LineStartingWith(doc->Report(), "   Dist Facs: M="), c.line);
    }
}

// ---- Guards and mended faults --------------------------------------------------------------

/// Values that are not numbers never reach a line, and no line is lost for them, in either
/// unit system and with either flexure method.
TEST_F(ShortFormTest, NonFiniteValuesAreNeverPrinted) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (int units : {kUnitsUS, kUnitsMetric}) {
        for (int strain : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "units " << units << " strain " << strain);
            auto doc = AnalysedExample(3, units, kReportShortForm);
            doc->m_bStrainCompatibility = strain;
            doc->BuildTextReport();
            const std::size_t count = doc->Report().size();
            doc->m_adStationX[50] = nan;
            doc->m_dBeamFc = inf;
            doc->m_adAreaAtStation[50][kSectionCaseDeck] = nan;
            doc->m_adDevelopmentLengths[kDevelopmentBonded] = -inf;
            doc->m_aServiceStress[102][kServiceRelease][kServiceTop] = nan;
            doc->m_aServiceStress[50][kServiceAllLoadsNegative][kServiceDeckTop] = inf;
            doc->m_adReleaseTensionSteel[102] = nan;
            doc->m_adDeflectionSummary[kDeflSummaryQuarterFirst] = nan;
            doc->m_adVu[0] = inf;
            doc->m_adAvProvided[100] = nan;
            doc->m_adInterfaceAvf[50] = nan;
            doc->m_aFlexureMr[50][kFlexurePositive] = nan;
            doc->m_aFlexureMrMuRatio[50][kFlexurePositive] = inf;
            doc->m_aStrainCompat[100].m_adSteelForce[kFlexureNegative] = nan;
            doc->m_adStrandForceSummary[kSummaryJackingForce] = inf;
            doc->BuildTextReport();
            EXPECT_FALSE(HoldsNonFinite(doc->Report()));
            EXPECT_EQ(doc->Report().size(), count);
        }
    }
}

/// The analysis visits vehicle 2 last even when it is left out; the span data of a continuous
/// chain name the vehicle that was analysed, not the empty slot.
TEST_F(ShortFormTest, ContinuousChainNamesTheAnalysedVehicle) {
    auto doc = AnalysedExample(3, kUnitsUS, kReportShortForm);
    ASSERT_EQ(doc->m_recVehicle2.m_bIncluded, 0);
    EXPECT_EQ(LineStartingWith(doc->Report(), "   Vehicle  ="), "   Vehicle  = HL-93 (Mult= 1.000)");
}

/// Draped strands at the girder end stand at the draped elevation of their row (the one the
/// strand groups take), not at the straight strands' elevation of that row.
TEST_F(ShortFormTest, DrapedStrandsAtTheEndShowTheirOwnElevation) {
    auto doc = AnalysedExample(1, kUnitsUS, kReportShortForm);
    int row = -1;
    for (int r = 0; r < kMaxPatternRows && row < 0; ++r) {
        if (doc->m_aEndRows[r][kRowDrapedCount] != 0) row = r;
    }
    ASSERT_GE(row, 0);
    doc->m_aEndRows[row][kRowStraightElevation] = 12.0;
    doc->m_aEndRows[row][kRowDrapedElevation] = 61.5;
    doc->BuildTextReport();
    const std::vector<std::string> end = LinesAfter(doc->Report(), "  @ beam end:", 1);
    ASSERT_EQ(end.size(), 1u);
    EXPECT_NE(end[0].find("@61.50"), std::string::npos) << end[0];
    EXPECT_EQ(end[0].find("@12.00"), std::string::npos) << end[0];
}

/// The metric diaphragm weight is printed in kN and labelled so: example 2 has 0.730 kip
/// diaphragms, 0.730 x 4.4482 = 3.247 kN.
TEST_F(ShortFormTest, MetricDiaphragmWeightIsLabelledInKilonewtons) {
    auto doc = AnalysedExample(2, kUnitsMetric, kReportShortForm);
    EXPECT_EQ(LineStartingWith(doc->Report(), "                  Diaphragms:"),
              "                  Diaphragms: Weight= 3.247 kN  Locations: Std: L/4 L/2 ");
}

/// A continuous girder with no negative moment at either end: the US form prints the "-M"
/// headings and no rows; the metric stress-block rows stand at both ends regardless.
TEST_F(ShortFormTest, NegativeMomentRowsOnlyWhereThereIsNegativeMoment) {
    for (int units : {kUnitsUS, kUnitsMetric}) {
        SCOPED_TRACE(units == kUnitsUS ? "US" : "metric");
        auto doc = AnalysedExample(3, units, kReportShortForm);
        doc->m_aFactoredMomentEnvelope[0][kStrengthINegative] = 0.0;
        doc->m_aFactoredMomentEnvelope[100][kStrengthINegative] = -0.0000005;
        doc->BuildTextReport();
        const std::vector<std::string> tail =
            LinesAfter(doc->Report(), "STRENGTH LIMIT STATE: FlEXURE (-M ENVELOPE)", 10);
        EXPECT_EQ(tail.size(), units == kUnitsUS ? 2u : 4u);
    }
}

/// Prestress given as one jacking force: the US form prints the force lines in place of the
/// pattern; the metric form always lists the pattern.
TEST_F(ShortFormTest, JackingForceEntryReplacesThePatternInUsUnitsOnly) {
    for (int units : {kUnitsUS, kUnitsMetric}) {
        SCOPED_TRACE(units == kUnitsUS ? "US" : "metric");
        auto doc = AnalysedExample(1, units, kReportShortForm);
        doc->m_nPretensionEntryMode = kEntryPrestressForce;
        doc->BuildTextReport();
        const std::string heading =
            units == kUnitsUS ? "STRAND PATTERN:" : "STRAND PATTERN: (No. @ Elev.(m))";
        const std::vector<std::string> next = LinesAfter(doc->Report(), heading, 1);
        ASSERT_EQ(next.size(), 1u);
        EXPECT_EQ(next[0], units == kUnitsUS
                               ? "Method: Prestressing specified as total jacking force @ CGend, CGmid"
                               : "Straight Strands:");
    }
}

}  // namespace
}  // namespace kordel::test
