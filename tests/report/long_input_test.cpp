// The long form's input and analysis blocks: the continuity analysis of a chain, the girder input
// data, the prestressing input and the analysis results, in US and metric units.
//
// The golden files hold each block's lines for the four example designs and for design variants
// that reach the branches the examples miss. The other tests pin the behaviours a golden file
// would not explain: line breaking of repeated items, the supports of a long chain, the guarded
// loss percentages and the values that must never print as "nan".
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "document/kordel_doc.h"
#include "report/report_test_support.h"
#include "report/text_report.h"

namespace kordel::test {
namespace {

using Writer = void (*)(ReportContext&);

/// The lines `writer` appends for `doc`, with the words the frame computes once per build and
/// every switch on unless `switches` says otherwise.
std::vector<std::string> BlockLines(const CKordelDoc& doc, Writer writer, bool metric,
                                    ReportSwitches switches = {}) {
    std::vector<std::string> lines;
    ReportContext ctx{doc, lines, metric, switches, {}, {}, {}, {}};
    ctx.strAsteriskMark = doc.m_bShowAsterisks ? "*" : " ";
    if (doc.m_bCheckSingleLane) {
        ctx.strGoverningLanes = doc.m_anDfGoverningLaneCount[0] == 1 ? ", Governing # lanes: 1"
                                                                     : ", Governing # lanes: 2 or more";
    }
    ctx.strBeamDensity = ConcreteDensityWord(doc.m_nBeamConcreteType);
    ctx.strDeckDensity = ConcreteDensityWord(doc.m_nDeckConcreteType);
    writer(ctx);
    return lines;
}

/// Both halves of the input data, as the frame writes them one after the other.
void WriteAllInput(ReportContext& ctx) {
    WriteInputDataBlock(ctx);
    WritePrestressInputBlock(ctx);
}

const char* UnitsName(int units) { return units == kUnitsMetric ? "metric" : "us"; }

/// Index of the first line equal to `text`, or -1.
int IndexOf(const std::vector<std::string>& lines, const std::string& text) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == text) return static_cast<int>(i);
    }
    return -1;
}

/// Index of the first line that starts with `prefix`, or -1.
int IndexStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    }
    return -1;
}

using LongInputTest = ReportTest;

// ---- Golden files of the example designs ---------------------------------------------------------

TEST_F(LongInputTest, ExampleDesignsMatchTheirGoldenFiles) {
    for (int n = 1; n <= 4; ++n) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE(testing::Message() << "example " << n << ", " << UnitsName(units));
            auto doc = AnalysedExample(n, units);
            const bool metric = units == kUnitsMetric;
            const std::string suffix = "ex" + std::to_string(n) + "_" + UnitsName(units);
            const auto input = BlockLines(*doc, WriteAllInput, metric);
            const auto results = BlockLines(*doc, WriteAnalysisResultsBlock, metric);
            EXPECT_FALSE(HoldsNonFinite(input));
            EXPECT_FALSE(HoldsNonFinite(results));
            ExpectMatchesGolden(input, "long_input_" + suffix);
            ExpectMatchesGolden(results, "long_results_" + suffix);
            if (doc->m_bContinuous) {
                const auto chain = BlockLines(*doc, WriteContinuityBlock, metric);
                EXPECT_FALSE(HoldsNonFinite(chain));
                ExpectMatchesGolden(chain, "long_continuity_" + suffix);
            }
        }
    }
}

// ---- Golden files of design variants -------------------------------------------------------------

/// A variant of an example design: what it changes before the analysis, and the block it keeps.
struct Variant {
    const char* name;
    int example;
    void (*change)(CKordelDoc&);
    Writer writer;
};

const Variant kVariants[] = {
    // End blocks on an I-girder with every transformed column: the fourth gross column, the
    // end-block line with width and transition, and the transformed part of every row.
    {"long_input_endblocks_transformed", 1,
     [](CKordelDoc& d) {
         d.m_bIncludeEndBlocks = 1;
         d.m_dEndBlockWidth = 26.0;
         d.m_dEndBlockLength = 3.0;
         d.m_dEndBlockTransition = 2.0;
         d.m_nTransformStrandsMode = kTransformAll;
         d.m_nEffWidthMethod = kEffWidthCaltrans;
     },
     WriteInputDataBlock},
    // Transformed columns without end blocks, under the Standard Specifications: the short web
    // line, the Standard factors, the Standard vehicle line and distribution-factor note.
    {"long_input_standard_transformed", 1,
     [](CKordelDoc& d) {
         d.m_nSpecification = kSpecStandard;
         d.m_nSpecEdition = 0;
         d.m_nTransformStrandsMode = kTransformLiveLoad;
     },
     WriteInputDataBlock},
    // The Standard Specifications' loss method with its heading.
    {"long_input_losses_standard_method", 1,
     [](CKordelDoc& d) {
         d.m_nSpecification = kSpecStandard;
         d.m_nLossMethod = kLossStandardSpecs;
     },
     WritePrestressInputBlock},
    // The LRFD detailed method on a composite girder, deck shrinkage by the specification.
    {"long_input_losses_detailed_composite", 1, [](CKordelDoc& d) { d.m_nLossMethod = kLossLrfd6thDetailed; },
     WritePrestressInputBlock},
    // The detailed method with the deck shrinkage as a force on the composite section.
    {"long_input_losses_detailed_deck_force", 1,
     [](CKordelDoc& d) {
         d.m_nLossMethod = kLossLrfd6thDetailed;
         d.m_nDetailedLossBasis = kDeckShrinkagePciGuidelines;
         d.m_fDeckForcePercent = 50.0f;
     },
     WritePrestressInputBlock},
    // The detailed method on a girder without a composite deck.
    {"long_input_losses_detailed_noncomposite", 2, [](CKordelDoc& d) { d.m_nLossMethod = kLossLrfd6thDetailed; },
     WritePrestressInputBlock},
    // The approximate method, composite, elastic shortening listed.
    {"long_input_losses_approximate_composite", 1, [](CKordelDoc& d) { d.m_nLossMethod = kLossLrfd6thApproximate; },
     WritePrestressInputBlock},
    // The approximate method, non-composite, strands transformed for all loads: no elastic line.
    {"long_input_losses_approximate_transformed", 2,
     [](CKordelDoc& d) {
         d.m_nLossMethod = kLossLrfd6thApproximate;
         d.m_nTransformStrandsMode = kTransformAll;
     },
     WritePrestressInputBlock},
    // Specified pretensioning losses on a girder without tendons.
    {"long_input_losses_entered", 1,
     [](CKordelDoc& d) {
         d.m_nLossMode = kLossesSpecified;
         d.m_dSpecifiedReleaseLoss = 8.0;
         d.m_dSpecifiedFinalLoss = 20.0;
     },
     WritePrestressInputBlock},
    // Specified losses of strands and tendons on the post-tensioned girder.
    {"long_input_losses_entered_post_tensioned", 4,
     [](CKordelDoc& d) {
         d.m_nLossMode = kLossesSpecified;
         d.m_dSpecifiedReleaseLoss = 8.0;
         d.m_dSpecifiedFinalLoss = 20.0;
         d.m_nTendonLossMode = kLossesSpecified;
     },
     WritePrestressInputBlock},
    // Prestress entered as a force; stirrups entered as steel areas.
    {"long_input_force_entry_steel_areas", 1,
     [](CKordelDoc& d) {
         d.m_nPretensionEntryMode = kEntryPrestressForce;
         d.m_dPForceJacking = 1100.0;
         d.m_dPForceCgEnd = 9.0;
         d.m_dPForceCgMid = 4.0;
         d.m_bStirrupLayout = 0;
         for (int z = 0; z < d.m_nStirrupZoneCount; ++z) {
             d.m_adStirrupZones[z][kZoneArea] = 0.4 + 0.1 * z;
             d.m_adStirrupZones[z][kZoneLength] = 10.0;
         }
     },
     WritePrestressInputBlock},
    // A chain with both vehicles, a pedestrian load, the lowboy check and the modified double
    // truck: the second static table, vehicle 2's tables and page breaks, the notes and the
    // option lines.
    {"long_continuity_two_vehicles", 3,
     [](CKordelDoc& d) {
         d.m_dPedestrianLoad = 0.06;
         d.m_recVehicle2 = d.m_recVehicle1;
         d.m_recVehicle2.m_strName = "HL-93 copy";
         d.m_recVehicle2.m_dMultiplier = 1.2;
         d.m_nVehicleCombineMode = kCombineNotCombined;
         d.m_bCheckLowboy = 1;
         d.m_bIncreasedDoubleTruck = 1;
     },
     WriteContinuityBlock},
};

TEST_F(LongInputTest, DesignVariantsMatchTheirGoldenFiles) {
    for (const Variant& v : kVariants) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE(testing::Message() << v.name << ", " << UnitsName(units));
            auto doc = NewDoc();
            ASSERT_TRUE(doc->BuildExampleDesign(v.example));
            doc->m_nUnits = units;
            doc->m_nReportForm = kReportLongForm;
            v.change(*doc);
            doc->RunAnalysis();
            const auto lines = BlockLines(*doc, v.writer, units == kUnitsMetric);
            EXPECT_FALSE(HoldsNonFinite(lines));
            ExpectMatchesGolden(lines, std::string(v.name) + "_" + UnitsName(units));
        }
    }
}

// ---- The continuity block ------------------------------------------------------------------------

TEST_F(LongInputTest, ContinuityBlockEndsWithOnePageBreakBeforeTheGirderDesign) {
    // The block closes its last table with its own " ", "---page break---"; the frame adds none,
    // so the page after the restraint table is not an empty one.
    auto doc = AnalysedExample(3);
    ASSERT_NE(doc->m_bComputeRestraintMoments, 0);
    const auto& r = doc->Report();
    EXPECT_NE(IndexOf(r, "Continuity Analysis: Static Loads"), -1);
    const int girder = IndexOf(r, "GIRDER DESIGN");
    ASSERT_GT(girder, 3);
    EXPECT_EQ(r[static_cast<std::size_t>(girder - 1)], " ");
    EXPECT_EQ(r[static_cast<std::size_t>(girder - 2)], kPageBreakLine);
    EXPECT_NE(r[static_cast<std::size_t>(girder - 4)], kPageBreakLine) << "two breaks in a row";
    EXPECT_EQ(r[static_cast<std::size_t>(girder - 3)], " ");
}

TEST_F(LongInputTest, AChainOfTwentySpansReadsItsLastSupportFromSlotTwentyOne) {
    // The support tables hold a slot per support: a chain of 20 spans has supports 1 to 21. The
    // values are planted in slot 21 only, so a block that read any other slot would print 0.0.
    auto doc = AnalysedExample(3);
    doc->m_nSpans = kMaxSpans;
    doc->m_aSpanSummary[21][kSpanBarrier] = 12.3;         // kip
    doc->m_aSpanSummary[21][kSpanWearingSurface] = 4.5;   // kip
    doc->m_aSpanMaxReaction1[21][kSpanLaneMax] = 61.2;    // kip
    doc->m_aSpanMaxReaction1[21][kSpanLaneMin] = -7.4;    // kip
    doc->m_adDfShearAtBearing[21] = 0.8123;

    const auto us = BlockLines(*doc, WriteContinuityBlock, false);
    // "%6.1f" behind 41 blanks, then behind 36 blanks.
    EXPECT_NE(IndexOf(us, std::string(43, ' ') + "12.3" + std::string(39, ' ') + "4.5"), -1);
    EXPECT_NE(IndexOf(us, "           Support21 Max Rxns:   61.2/   -7.4 k"), -1);
    // Metric: 12.3 x 4.4482 = 54.71 kN, 4.5 x 4.4482 = 20.02 kN; 61.2 x 4.4482 = 272.23 kN,
    // -7.4 x 4.4482 = -32.92 kN.
    const auto si = BlockLines(*doc, WriteContinuityBlock, true);
    EXPECT_NE(IndexOf(si, std::string(43, ' ') + "54.7" + std::string(38, ' ') + "20.0"), -1);
    EXPECT_NE(IndexOf(si, "           Support21 Max Rxns:  272.2/  -32.9 k"), -1);

    // Shear factors at 21 bearings, seven to a line: the first line and two continuation lines,
    // the last value without a comma.
    const auto input = BlockLines(*doc, WriteInputDataBlock, false);
    const int first = IndexStartingWith(input, "         M,Left=");
    ASSERT_NE(first, -1);
    EXPECT_EQ(input[static_cast<std::size_t>(first + 2)].substr(0, 1), " ");
    const std::string& last = input[static_cast<std::size_t>(first + 2)];
    EXPECT_EQ(last.substr(last.size() - 7), " 0.8123") << last;
    EXPECT_EQ(input[static_cast<std::size_t>(first + 3)].rfind("         F,Left=", 0), 0u);
}

TEST_F(LongInputTest, SupportShearFactorsBreakAfterEverySeventhValue) {
    // Supports = spans + 1. Three spans: four values on one line; six spans: seven values fill
    // the first line and nothing follows; seven spans: seven, then a line " " with the eighth.
    struct Case {
        int spans;
        std::vector<std::size_t> valuesPerLine;
    };
    const Case cases[] = {{3, {4}}, {6, {7}}, {7, {7, 1}}};
    auto doc = AnalysedExample(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spans << " spans");
        doc->m_nSpans = c.spans;
        const auto lines = BlockLines(*doc, WriteInputDataBlock, false);
        int at = IndexStartingWith(lines, "         M,Left=");
        ASSERT_NE(at, -1);
        for (std::size_t k = 0; k < c.valuesPerLine.size(); ++k) {
            const std::string& line = lines[static_cast<std::size_t>(at) + k];
            const std::string values = k == 0 ? line.substr(line.find("(L->R):") + 7) : line.substr(1);
            // Each value is "%6.4f" with ", " between them: 6 characters and 2 per gap.
            EXPECT_EQ(values.size(), 6 * c.valuesPerLine[k] + 2 * (c.valuesPerLine[k] - 1) +
                                         (k + 1 < c.valuesPerLine.size() ? 2 : 0))
                << line;
        }
        EXPECT_EQ(lines[static_cast<std::size_t>(at) + c.valuesPerLine.size()].rfind("         F,Left=", 0), 0u);
    }
}

TEST_F(LongInputTest, VehicleAxleLinesBreakAfterFourAxles) {
    // Vehicle 1 breaks after every fourth axle, also after its last, leaving a line of twelve
    // blanks behind a count that is a multiple of four; vehicle 2 breaks only between axles.
    struct Case {
        int vehicle;
        int axles;
        int axleLines;
        bool blankLast;
    };
    const Case cases[] = {{1, 3, 1, false}, {1, 4, 2, true}, {1, 5, 2, false}, {1, 8, 3, true},
                          {2, 4, 1, false}, {2, 5, 2, false}};
    auto doc = AnalysedExample(1);
    doc->m_recVehicle2 = doc->m_recVehicle1;
    doc->m_recVehicle2.m_strName = "TRUCK2";
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "vehicle " << c.vehicle << ", " << c.axles << " axles");
        LiveLoadVehicle& v = c.vehicle == 1 ? doc->m_recVehicle1 : doc->m_recVehicle2;
        v.m_nAxleCount = c.axles;
        for (int j = 0; j < c.axles; ++j) v.m_aAxles[j] = {10.0 + j, 14.0, 30.0};
        const auto lines = BlockLines(*doc, WriteInputDataBlock, false);
        int at = -1;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].find("Vehicle" + std::to_string(c.vehicle) + ":") != std::string::npos) {
                at = static_cast<int>(i) + 2;
                break;
            }
        }
        ASSERT_NE(at, -1);
        int count = 0;
        while (lines[static_cast<std::size_t>(at + count)].rfind("            Lane Load:", 0) != 0) ++count;
        EXPECT_EQ(count, c.axleLines);
        EXPECT_EQ(lines[static_cast<std::size_t>(at + count - 1)] == std::string(12, ' '), c.blankLast);
        // The first line holds at most four axles; the fourth is "4: 13.0kip..." unless it is
        // vehicle 2's last.
        if (c.axles >= 4) {
            EXPECT_NE(lines[static_cast<std::size_t>(at)].find("4:  13.0kip"), std::string::npos);
            EXPECT_EQ(lines[static_cast<std::size_t>(at)].find("5:"), std::string::npos);
        }
    }
}

TEST_F(LongInputTest, RestraintTableRowsFollowTheSupportScheme) {
    // Rows 10 to 17 hold the creep and shrinkage parts of the four restraint moments in pairs;
    // a chain of two spans prints the exterior pair, of three spans three pairs, of more all
    // four; the strand stress is row 8 for two spans, else the mean of rows 8 and 9 (psi / 1000).
    struct Case {
        int scheme;
        const char* us;
        const char* metric;
    };
    // Step 2 (column 3): rows 10..17 = 1..8 k-ft, rows 8 and 9 = 150000 and 160000 psi.
    // Metric moments: rows 1..4 = 11, 12, 13, 14 k-ft x 1.35582 = 14.9, 16.3, 17.6, 19.0 kN-m;
    // stresses 150 x 6.8948 = 1034.2 MPa and 155 x 6.8948 = 1068.7 MPa.
    const Case cases[] = {
        {2, "    30      1.0/     2.0      0.0/     0.0      0.0/     0.0      0.0/     0.0     150.0",
         "      30         14.9          0.0          0.0           0.0           1034.2"},
        {3, "    30      1.0/     2.0      3.0/     4.0      5.0/     6.0      0.0/     0.0     155.0",
         "      30         14.9         16.3         17.6           0.0           1068.7"},
        {4, "    30      1.0/     2.0      3.0/     4.0      5.0/     6.0      7.0/     8.0     155.0",
         "      30         14.9         16.3         17.6          19.0           1068.7"},
    };
    auto doc = AnalysedExample(3);
    doc->m_nTdTimeCount = 2;
    doc->m_adTdTime[1] = 20.0;
    doc->m_adTdTime[2] = 30.0;
    for (int r = 0; r < kTdRows; ++r) doc->m_aTimeDependent[r][3] = 0.0;
    for (int p = 0; p < 8; ++p) doc->m_aTimeDependent[kTdExteriorCreep + p][3] = 1.0 + p;
    for (int r = kTdExterior; r <= kTdInterior; ++r) doc->m_aTimeDependent[r][3] = 10.0 + r;
    doc->m_aTimeDependent[kTdStrandExterior][3] = 150000.0;
    doc->m_aTimeDependent[kTdStrandInterior][3] = 160000.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "scheme " << c.scheme);
        doc->m_nTdSpanCount = c.scheme;
        EXPECT_NE(IndexOf(BlockLines(*doc, WriteContinuityBlock, false), c.us), -1);
        EXPECT_NE(IndexOf(BlockLines(*doc, WriteContinuityBlock, true), c.metric), -1);
    }
    // Any other scheme: the first row only, then the closing lines.
    doc->m_nTdSpanCount = 1;
    const auto lines = BlockLines(*doc, WriteContinuityBlock, false);
    const int first = IndexStartingWith(lines, "    20      0.0/");
    ASSERT_NE(first, -1);
    EXPECT_EQ(lines[static_cast<std::size_t>(first + 1)], " ");
    EXPECT_EQ(lines[static_cast<std::size_t>(first + 2)], kPageBreakLine);
}

TEST_F(LongInputTest, MovingLoadTablesFollowTheVehicleAndTheUnits) {
    // A vehicle 1 without lane loads and with one axle: the US form prints its tandem table only,
    // the metric form its lane, axle and tandem tables; without a tandem either, the US form
    // prints none.
    auto doc = AnalysedExample(3);
    LiveLoadVehicle& v = doc->m_recVehicle1;
    v.m_dLaneLoad = v.m_dLaneMomentLoad = v.m_dLaneShearLoad = 0.0;
    v.m_nAxleCount = 1;
    auto titles = [&](bool metric) {
        std::vector<std::string> out;
        for (const std::string& l : BlockLines(*doc, WriteContinuityBlock, metric)) {
            if (l.rfind("Continuity Analysis: Moving Loads Vehicle 1 (", 0) == 0) out.push_back(l);
        }
        return out;
    };
    EXPECT_EQ(titles(false), std::vector<std::string>{"Continuity Analysis: Moving Loads Vehicle 1 (Tandem Load)"});
    EXPECT_EQ(titles(true).size(), 3u);
    v.m_bIncludeTandem = 0;
    EXPECT_TRUE(titles(false).empty());
    EXPECT_EQ(titles(true).size(), 2u);
}

// ---- The input data -----------------------------------------------------------------------------

TEST_F(LongInputTest, MetricInputDataKeepsItsOpeningBlankWithTheSwitchOff) {
    ReportSwitches off;
    off.inputData = false;
    auto doc = AnalysedExample(1);
    EXPECT_TRUE(BlockLines(*doc, WriteAllInput, false, off).empty());
    EXPECT_EQ(BlockLines(*doc, WriteAllInput, true, off), std::vector<std::string>{" "});

    // And through the frame: every switch off, the metric simple span holds the three opening
    // lines, the blank of the input block and the last blank.
    for (const char* key :
         {platform::kIniKeyShowInputData, platform::kIniKeyShowAnalysisResults,
          platform::kIniKeyShowContinuityAnalysis, platform::kIniKeyShowStresses,
          platform::kIniKeyShowVerticalShear, platform::kIniKeyShowCamberAndDeflection,
          platform::kIniKeyShowInterfaceShear, platform::kIniKeyShowFlexure}) {
        SetOption(key, "0");
    }
    doc->m_nUnits = kUnitsMetric;
    doc->m_bIncludeLoadRating = 0;
    doc->BuildTextReport();
    ASSERT_EQ(doc->Report().size(), 5u);
    EXPECT_EQ(doc->Report()[3], " ");
    EXPECT_EQ(doc->Report()[4], " ");
}

TEST_F(LongInputTest, DistributionFactorNotesByCase) {
    // The first rule that applies gives the moment note; the US form alone knows the single
    // girder; the fatigue note has no girder-count rule.
    struct Case {
        const char* what;
        int beams;
        int mode;
        bool metric;
        const char* moment;
        const char* shear;
        const char* fatigue;
    };
    const Case cases[] = {
        {"one girder, entered", 1, kValueSpecified, false, "   Dist Facs: M=0.5000  (1 girder)",
         "              V=0.6000  (1 girder)", "              F=0.7000  (manually entered)"},
        {"one girder, metric", 1, kValueSpecified, true, "   Dist Facs: M=0.5000  (manually entered)",
         "              V=0.6000  (manually entered)", "              F=0.7000  (manually entered)"},
    };
    auto doc = AnalysedExample(1);
    doc->m_dDfMoment = 0.5;
    doc->m_dDfShear = 0.6;
    doc->m_dDfFatigue = 0.7;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc->m_nBeams = c.beams;
        doc->m_nDistFactorMode = c.mode;
        const auto lines = BlockLines(*doc, WriteInputDataBlock, c.metric);
        EXPECT_NE(IndexOf(lines, c.moment), -1);
        EXPECT_NE(IndexOf(lines, c.shear), -1);
        EXPECT_NE(IndexOf(lines, c.fatigue), -1);
    }
}

TEST_F(LongInputTest, CombinationNoteHasThreeCasesInTheGirderDataAndTwoInTheChainData) {
    struct Case {
        int mode;
        const char* girder;
        const char* chain;
    };
    const Case cases[] = {
        {kCombineGoverning, "   Analysis results of Vehicles 1 & 2 combined using governing vehicle",
         "   Analysis results of Vehicles 1 & 2 combined using governing vehicle"},
        {kCombineOverload, "   Analysis results of Vehicles 1 & 2 combined using LRFD Eq. 4.6.2.2.4-1",
         "   Analysis results of Vehicles 1 & 2 combined using LRFD Eq. 4.6.2.2.4-1"},
        {kCombineNotCombined, "   Analysis results of Vehicles 1 & 2 are not combined",
         "   Analysis results of Vehicles 1 & 2 combined using LRFD Eq. 4.6.2.2.4-1"},
    };
    auto doc = AnalysedExample(3);
    doc->m_recVehicle2 = doc->m_recVehicle1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        doc->m_nVehicleCombineMode = c.mode;
        EXPECT_NE(IndexOf(BlockLines(*doc, WriteInputDataBlock, false), c.girder), -1);
        EXPECT_NE(IndexOf(BlockLines(*doc, WriteContinuityBlock, false), c.chain), -1);
    }
    // One vehicle alone: no note.
    doc->m_recVehicle2.m_bIncluded = 0;
    EXPECT_EQ(IndexStartingWith(BlockLines(*doc, WriteInputDataBlock, false), "   Analysis results of"), -1);
}

// ---- The prestressing input ---------------------------------------------------------------------

TEST_F(LongInputTest, LossPercentagesOfANullJackingStressPrintZero) {
    // The detailed and approximate methods state each loss as a share of fj, and the tendon
    // losses as shares of the tendon jacking stress; with no jacking stress the share is 0, not
    // a division by zero.
    auto doc = AnalysedExample(1);
    doc->m_nLossMethod = kLossLrfd6thDetailed;
    doc->m_dStrandStressJacking = 0.0;
    auto lines = BlockLines(*doc, WritePrestressInputBlock, false);
    EXPECT_FALSE(HoldsNonFinite(lines));
    const int total = IndexStartingWith(lines, "  Total Loss=");
    ASSERT_NE(total, -1);
    EXPECT_NE(lines[static_cast<std::size_t>(total)].find("( 0.0%)"), std::string::npos)
        << lines[static_cast<std::size_t>(total)];

    doc->m_nLossMethod = kLossLrfd6thApproximate;
    lines = BlockLines(*doc, WritePrestressInputBlock, true);
    EXPECT_FALSE(HoldsNonFinite(lines));
    EXPECT_NE(IndexStartingWith(lines, "   Elastic Shortening:"), -1);
    EXPECT_NE(lines[static_cast<std::size_t>(IndexStartingWith(lines, "   Elastic Shortening:"))].find("( 0.000%)"),
              std::string::npos);

    auto pt = AnalysedExample(4);
    ASSERT_GT(pt->m_nTendonCount, 0);
    pt->m_adPtTotalLoss[kPtJackingStress] = 0.0;
    lines = BlockLines(*pt, WritePrestressInputBlock, false);
    const int ptLosses = IndexOf(lines, "Post-Tensioning Losses @ Midspan");
    ASSERT_NE(ptLosses, -1);
    const std::vector<std::string> tail(lines.begin() + ptLosses, lines.end());
    const int ptTotal = ptLosses + IndexStartingWith(tail, "Total Loss=");
    ASSERT_GT(ptTotal, ptLosses);
    const std::string& ptLine = lines[static_cast<std::size_t>(ptTotal)];
    EXPECT_NE(ptLine.find("( 0.00%,  0.00%)"), std::string::npos) << ptLine;
}

TEST_F(LongInputTest, ALossMethodWithoutLinesWritesOnlyTheHeading) {
    auto doc = AnalysedExample(1);
    for (int method : {0, 5}) {
        doc->m_nLossMethod = method;
        const auto lines = BlockLines(*doc, WritePrestressInputBlock, false);
        const int at = IndexOf(lines, "Pretensioning Losses @ Midspan");
        ASSERT_NE(at, -1);
        EXPECT_EQ(lines[static_cast<std::size_t>(at + 1)], "------------------------------");
        EXPECT_EQ(lines[static_cast<std::size_t>(at + 2)], " ");
        EXPECT_EQ(lines[static_cast<std::size_t>(at + 3)], "Post-Tensioning Pattern: NONE");
    }
}

TEST_F(LongInputTest, StrandGroupsOfTheirOwnPullFractionPrintFiveToALine) {
    // Six groups at 0.70 fpu against the design's 0.75: five entries, then one. A group within
    // 1e-07 of the design value is not listed.
    auto doc = AnalysedExample(1);
    ASSERT_GE(doc->m_nStrandGroupCount, 7);
    for (int g = 0; g < 6; ++g) doc->m_aStrandGroup[g][kGroupPullFraction] = 0.70;
    doc->m_aStrandGroup[6][kGroupPullFraction] = doc->m_dPullFraction + 5e-08;
    const auto lines = BlockLines(*doc, WritePrestressInputBlock, false);
    const int at = IndexOf(lines, "Strand groups with differing pull fractions:");
    ASSERT_NE(at, -1);
    const std::string& first = lines[static_cast<std::size_t>(at + 1)];
    const std::string& second = lines[static_cast<std::size_t>(at + 2)];
    // " " + five entries "%2.0f@%5.2f (%5.3f%%) ", each 19 characters: " 2@ 2.00 (70.000%) ".
    EXPECT_EQ(first.size(), 1u + 5 * 19) << first;
    EXPECT_EQ(second.size(), 1u + 19) << second;
    EXPECT_NE(first.find("(70.000%)"), std::string::npos);
    EXPECT_EQ(lines[static_cast<std::size_t>(at + 3)], " ");

    for (int g = 0; g < 6; ++g) doc->m_aStrandGroup[g][kGroupPullFraction] = doc->m_dPullFraction;
    EXPECT_EQ(IndexOf(BlockLines(*doc, WritePrestressInputBlock, false),
                      "Strand groups with differing pull fractions:"),
              -1);
}

TEST_F(LongInputTest, OptionsFlagsPrintDoNotUnlessExactlyOne) {
    auto doc = AnalysedExample(1);
    doc->m_bIncludeStrengthII = 0;
    doc->m_bServiceComboI = 2;  // set, but not 1
    doc->m_bVcQuarterPtsReinforced = 1;
    doc->m_bDvAllSteel = 0;
    auto lines = BlockLines(*doc, WritePrestressInputBlock, false);
    EXPECT_NE(IndexOf(lines, "Load Combos    : Do Not Include Strength II, Do Not Use Service Combo I"), -1);
    EXPECT_NE(IndexOf(lines, "Shear Design   : Evaluate Vc as Reinforced, Do Not Use All Steel for Dv"), -1);
    lines = BlockLines(*doc, WritePrestressInputBlock, true);
    EXPECT_NE(IndexOf(lines, "Load Combos    : Do Not Include Strengh II, Do Not Use Service Combo I"), -1);
}

// ---- Analysis results ---------------------------------------------------------------------------

TEST_F(LongInputTest, AnalysisResultRowsFollowTheDesign) {
    // A simple span: no negative envelopes, no restraint rows, no pedestrian support row even
    // with a pedestrian load; the Standard Specifications print no fatigue rows; a shear method
    // other than the sectional model labels the critical sections "h/2".
    auto doc = AnalysedExample(1);
    doc->m_dPedestrianLoad = 0.05;
    doc->m_bFatigueOneTruck = 1;
    auto lines = BlockLines(*doc, WriteAnalysisResultsBlock, false);
    EXPECT_EQ(IndexStartingWith(lines, " Trk1      -M:"), -1);
    EXPECT_EQ(IndexOf(lines, "Time-Dependent:"), -1);
    EXPECT_NE(IndexStartingWith(lines, " Pedestrian M:"), -1);
    EXPECT_EQ(IndexStartingWith(lines, "Pedestrian  "), -1);
    EXPECT_NE(IndexStartingWith(lines, " Fat Trk   +M:"), -1);

    doc->m_nSpecification = kSpecStandard;
    doc->m_nShearMethod = kShearStandardVciVcw;
    lines = BlockLines(*doc, WriteAnalysisResultsBlock, false);
    EXPECT_EQ(IndexStartingWith(lines, " Fat Trk"), -1);
    EXPECT_NE(IndexStartingWith(lines, "Final (k-ft,K)    Brng     Lt    h/2"), -1);

    auto chain = AnalysedExample(3);
    chain->m_dPedestrianLoad = 0.05;
    lines = BlockLines(*chain, WriteAnalysisResultsBlock, false);
    EXPECT_NE(IndexStartingWith(lines, " Gov Trk   -M:"), -1);
    EXPECT_NE(IndexOf(lines, "Time-Dependent:"), -1);
    EXPECT_NE(IndexStartingWith(lines, "Pedestrian              "), -1);
}

TEST_F(LongInputTest, SupportRowsSplitThePierReactionIntoBothSpans) {
    // Record 1 is the whole left reaction, record 0 the current span's part of it: the back span
    // carries 30.0 - 12.5 = 17.5; on the right, record 2 = 40.0 whole, record 3 = 15.0 of the
    // current span, 25.0 of the span ahead. Metric: x 4.4482 (133.4, 77.8, 55.6, 177.9, 66.7,
    // 111.2 kN).
    auto doc = AnalysedExample(3);
    LoadEffectRecord* E = doc->m_aSupportEffect;
    E[kSupportLeftReaction][kCaseBarriers] = 30.0;
    E[kSupportSpanLeftEnd][kCaseBarriers] = 12.5;
    E[kSupportRightReaction][kCaseBarriers] = 40.0;
    E[kSupportSpanRightEnd][kCaseBarriers] = 15.0;
    E[kSupportLeftRotation][kCaseBarriers] = -0.00012;
    E[kSupportRightRotation][kCaseBarriers] = 0.00034;
    EXPECT_NE(IndexOf(BlockLines(*doc, WriteAnalysisResultsBlock, false),
                      "Barrier(s)                 30.0(  17.5/  12.5)    40.0(  15.0/  25.0)    -0.00012      0.00034"),
              -1);
    EXPECT_NE(IndexOf(BlockLines(*doc, WriteAnalysisResultsBlock, true),
                      "Barrier(s)                133.4(  77.8/  55.6)   177.9(  66.7/ 111.2)    -0.00012      0.00034"),
              -1);
}

// ---- Every block ---------------------------------------------------------------------------------

TEST_F(LongInputTest, NonFiniteResultsNeverPrint) {
    // Results that a failed stage could leave undefined print as 0, in every block and both units.
    auto doc = AnalysedExample(3);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    doc->m_dKernLower = nan;
    doc->m_adAreaAtStation[kStationMidspan][0] = inf;
    doc->m_dStrandStressJacking = nan;
    doc->m_adLossElasticShortening[kElasticLoss] = inf;
    doc->m_aMoment[kStationMidspan][kCaseGirder] = nan;
    doc->m_aShear[0][kCaseDeck] = -inf;
    doc->m_aSpanEnvelope1[1][5][kSpanBarrier] = nan;
    doc->m_aSpanEnvelope5[2][3][kSpanLaneMax] = inf;
    doc->m_aSpanSummary[4][kSpanWearingSurface] = nan;
    doc->m_aTimeDependent[kTdExteriorCreep][4] = nan;
    doc->m_adSupportPrestress[0] = nan;
    doc->m_dDfMoment = inf;
    for (bool metric : {false, true}) {
        for (Writer w : {WriteContinuityBlock, WriteAllInput, WriteAnalysisResultsBlock}) {
            EXPECT_FALSE(HoldsNonFinite(BlockLines(*doc, w, metric)));
        }
    }
}

}  // namespace
}  // namespace kordel::test
