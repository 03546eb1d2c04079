// Input/Materials and Input/Loads on the example designs: what a confirmed dialog stores and
// what follows from it (the strands of the chosen types with their yield strengths, the bar
// yield strengths of the Standard Specifications, the shear resistance factor of the girder
// concrete), a stronger girder concrete in the report against a hand calculation, and Cancel
// leaving the design as it was to the last byte.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dialogs/input/loads_dlg.h"
#include "dialogs/input/materials_dlg.h"
#include "document/model_project.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

/// The heading of the report's table of positive-moment flexure.
constexpr const char* kFlexureTable = "Strength Limit State: Flexure (+M Envelope)";

class MaterialsCommandTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign();
    }
    void Run(int command, std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        ASSERT_TRUE(Choose(command));
    }
    /// The numbers of the first report line that begins with `head` (below the first line
    /// that holds `below`, when given), after the head.
    std::vector<double> ReportNumbers(const std::string& head, const std::string& below = "") {
        bool reached = below.empty();
        for (const std::string& line : Doc()->Report()) {
            if (!reached) {
                reached = line.find(below) != std::string::npos;
                continue;
            }
            if (line.rfind(head, 0) != 0) continue;
            std::vector<double> numbers;
            const char* p = line.c_str() + head.size();
            char* end = nullptr;
            for (;;) {
                while (*p && !(std::isdigit(static_cast<unsigned char>(*p)) || *p == '-' || *p == '.'))
                    ++p;
                if (!*p) break;
                const double value = std::strtod(p, &end);
                if (end == p) break;
                numbers.push_back(value);
                p = end;
            }
            return numbers;
        }
        ADD_FAILURE() << "no report line begins with \"" << head << "\"";
        return {};
    }
    /// What the cracking moment at midspan takes, as the report prints it.
    struct Midspan {
        double fcpe;  ///< bottom-fibre stress of the effective prestress, ksi
        double Mdnc;  ///< non-composite dead load moment (girder and deck), k-ft
        double Snc;   ///< section modulus of the girder alone at the bottom, in3
        double Sc;    ///< the same of the composite section, in3
    };
    Midspan MidspanValues() {
        const int half = 6;  // 0.5L in the 13 columns of the stress and moment tables
        const std::vector<double> S = ReportNumbers("Sb,in3   :");
        return {ReportNumbers("      b:", "CONCRETE STRESSES @ FINAL:").at(half),
                ReportNumbers(" Beam       M:", "Final (k-ft,K)").at(half) +
                    ReportNumbers(" Deck       M:", "Final (k-ft,K)").at(half),
                S.at(0), S.at(1)};
    }
    static double HandMcr(double fc, const Midspan& m) {
        const double fr = 0.24 * std::sqrt(fc);  // ksi
        return (1.1 * m.fcpe + 1.6 * fr) * m.Sc / 12 - m.Mdnc * (m.Sc / m.Snc - 1);  // k-ft
    }
};

TEST_F(MaterialsCommandTest, AStrongerGirderConcreteChangesEcAndTheFlexureTableAsByHand) {
    // Example 1: PCI BT-72 girder, f'c 6.0 ksi (f'ci 5.0), deck 8 in of 4.0 ksi concrete,
    // 36 strands of 0.153 in2 (Aps 5.508 in2) at dp = 75.78 in at midspan, b = 108 in.
    const std::vector<double> ecBefore = ReportNumbers("Ec,ksi     :");
    ASSERT_EQ(ecBefore.size(), 4u);
    const std::vector<double> midBefore = ReportNumbers(" 52.50", kFlexureTable);
    const Midspan before = MidspanValues();
    ASSERT_GE(midBefore.size(), 10u);
    Run(ID_INPUT_MATERIALS, [](DialogDriver& d) {
        d.Type(IDC_MAT_BEAM_FC, "8.0");
        d.Focus(IDC_MAT_BEAM_FCI);
        // Ec = 33000 wc^1.5 sqrt(f'c) = 33000 x 0.15^1.5 x sqrt(8) = 5422.45 ksi
        EXPECT_NEAR(std::stod(d.Text(IDC_MAT_BEAM_EC)), 5422.45, 0.01);
        d.Ok();
    });
    ASSERT_EQ(Doc()->m_dBeamFc, 8.0);
    EXPECT_EQ(ReportNumbers("f'c,ksi    :"), (std::vector<double>{5.0, 8.0, 4.0, 4.0}));
    const std::vector<double> ec = ReportNumbers("Ec,ksi     :");
    ASSERT_EQ(ec.size(), 4u);
    EXPECT_EQ(ec[0], ecBefore[0]) << "Eci follows f'ci, which stays 5.0 ksi";
    EXPECT_EQ(ec[1], 5422.5) << "Ec of the girder at 8.0 ksi, to 0.1 ksi";
    EXPECT_EQ(ec[2], ecBefore[2]) << "the deck's Ec";

    // Flexure at midspan by hand (LRFD 5.7.3.1.1 and 5.7.3.2, k = 0.28, beta1 = 0.85 for the
    // deck's 4.0 ksi): c = Aps fpu / (0.85 f'c beta1 b + k Aps fpu / dp)
    //   = 5.508 x 270 / (0.85 x 4 x 0.85 x 108 + 0.28 x 5.508 x 270 / 75.78) = 4.68 in,
    // a = beta1 c = 3.98 in: the block lies in the 8-in deck, so the girder's f'c takes no part;
    // fps = 270 (1 - 0.28 x 4.68 / 75.78) = 265.3 ksi; Mr = phi Aps fps (dp - a/2)
    //   = 1.0 x 5.508 x 265.3 x (75.78 - 1.99) / 12 = 8986 k-ft.
    const std::vector<double> mid = ReportNumbers(" 52.50", kFlexureTable);
    ASSERT_GE(mid.size(), 10u);
    // (after Loc) Aps dp As ds c a fps Mu Mr Mcr ...
    EXPECT_EQ(mid[4], 4.68) << "c";
    EXPECT_EQ(mid[5], 3.98) << "a";
    EXPECT_EQ(mid[6], 265.3) << "fps";
    EXPECT_NEAR(mid[8], 8986, 1) << "Mr, as before the change";
    EXPECT_EQ(mid[8], midBefore[8]);
    // The cracking moment by hand from the values the report prints at midspan (LRFD 6th ed.
    // Eq. 5.7.3.3.2-1): Mcr = gamma3 [(gamma2 fcpe + gamma1 fr) Sc - Mdnc (Sc / Snc - 1)], with
    // fr = 0.24 sqrt(f'c), gamma1 = 1.6, gamma2 = 1.1, gamma3 = 1.0. Before the change:
    // (1.1 x 2.992 + 1.6 x 0.24 sqrt(6)) x 20191 / 12 - (20191 / 14915 - 1) x 2341.4 = 6292.
    EXPECT_NEAR(HandMcr(6.0, before), midBefore[9], 1.5);
    EXPECT_NEAR(HandMcr(8.0, MidspanValues()), mid[9], 1.5) << "Mcr at f'c = 8.0 ksi";
    EXPECT_GT(mid[9], midBefore[9] + 100) << "the stronger concrete cracks later";
}

TEST_F(MaterialsCommandTest, TheChosenStrandRowsAreStoredWithTheirYieldStrength) {
    struct Case {
        const char* what;
        int pretensioning;  // row chosen, or -1 for the stored type left as it is
        int postTensioning;
        int storedType;     // the type stored before the dialog opens
        const char* name;
        double area;        // in2
        const char* kind;
        double fpy;         // ksi
        const char* ptName;
        double ptArea;      // in2
    };
    const Case cases[] = {
        // fpy = 0.85 x 270 = 229.5 ksi for stress-relieved strand; the underscore is the table's
        {"row 1 (stress-relieved)", 1, 6, 0, "1/2in 270 SR", 0.153, "Stress_Relieved", 229.5,
         "7/16in 270 LR", 0.1089},
        // fpy = 0.90 x 250 = 225 ksi for low-relaxation strand
        {"row 15", 15, 15, 0, "0.6in 250 LR", 0.216, "Low-Relaxation", 225.0, "0.6in 250 LR",
         0.216},
        {"a stored type no row holds", -1, 4, 99, "1/2in 270 LR", 0.1531, "Low-Relaxation", 243.0,
         "0.6in 270 LR", 0.217},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Doc()->m_nStrandType = c.storedType;
        Run(ID_INPUT_MATERIALS, [&c](DialogDriver& d) {
            if (c.pretensioning >= 0) {
                d.Choose(IDC_MAT_STRAND_TYPE, c.pretensioning);
            } else {
                EXPECT_EQ(d.Selection(IDC_MAT_STRAND_TYPE), -1) << "no row selected";
            }
            EXPECT_EQ(d.Items(IDC_MAT_PT_STRAND_TYPE).size(), 16u);
            d.Choose(IDC_MAT_PT_STRAND_TYPE, c.postTensioning);
            d.Ok();
        });
        const CKordelDoc& doc = *Doc();
        EXPECT_EQ(doc.m_strStrandName, c.name);
        EXPECT_EQ(doc.m_dStrandUnitArea, c.area);
        EXPECT_EQ(doc.m_strStrandKind, c.kind);
        EXPECT_DOUBLE_EQ(doc.m_dStrandFpy, c.fpy);
        EXPECT_EQ(doc.m_strPTStrandName, c.ptName);
        EXPECT_EQ(doc.m_dPTStrandUnitArea, c.ptArea);
    }
}

TEST_F(MaterialsCommandTest, TheStandardSpecificationsTakeBarsOfAt60Ksi) {
    struct Case {
        int edition;
        int specification;
        double stored;  // ksi
    };
    for (const Case c : {Case{kEditionStandardSpecs, kSpecStandard, 60.0},
                         Case{kEditionLrfd6th, kSpecLrfd, 75.0}}) {
        SCOPED_TRACE(c.edition);
        Doc()->m_nSpecEdition = c.edition;
        Doc()->m_nSpecification = c.specification;
        Run(ID_INPUT_MATERIALS, [](DialogDriver& d) {
            d.Click(IDC_MAT_STIRRUP_SPECIFY);
            d.Type(IDC_MAT_STIRRUP_FY, "75");
            d.Click(IDC_MAT_LONG_SPECIFY);
            d.Type(IDC_MAT_LONG_FY, "55");
            d.Ok();
        });
        EXPECT_EQ(Doc()->m_dStirrupFy, c.stored);
        EXPECT_EQ(Doc()->m_dLongitudinalFy, 55.0) << "below the limit: as typed";
    }
}

TEST_F(MaterialsCommandTest, LightweightGirderConcreteTakesTheLowerShearResistanceFactor) {
    struct Case {
        int specification;
        int radio;
        double phi;
    };
    const Case cases[] = {
        {kSpecLrfd, IDC_MAT_BEAM_SAND_LIGHT, 0.7},
        {kSpecLrfd, IDC_MAT_BEAM_ALL_LIGHT, 0.7},
        {kSpecLrfd, IDC_MAT_BEAM_NORMAL, 0.9},
        {kSpecStandard, IDC_MAT_BEAM_SAND_LIGHT, 0.85},  // left to the Standard Specs' factors
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radio);
        Doc()->m_nSpecification = c.specification;
        Doc()->m_dPhiShear = c.specification == kSpecLrfd ? 0.5 : 0.85;
        Run(ID_INPUT_MATERIALS, [&c](DialogDriver& d) {
            d.Click(c.radio);
            d.Ok();
        });
        EXPECT_EQ(Doc()->m_dPhiShear, c.phi);
    }
}

TEST_F(MaterialsCommandTest, CancelLeavesEveryExampleAsItWasToTheLastByte) {
    for (int example : {0, IDC_SEED_CONTINUOUS, IDC_SEED_SPLICED}) {
        SCOPED_TRACE(example);
        if (Doc()) Doc()->SetModifiedFlag(false);
        NewDesign(example);
        Doc()->m_nUnits = kUnitsMetric;
        const std::string path = temp / "cancel.kdx";
        host.QueueFileName(path);
        Choose(ID_FILE_SAVE_AS);
        const std::string bytes = ReadFileBytes(path);
        const int dirty = Doc()->m_bLoadEffectsDirty;
        Run(ID_INPUT_MATERIALS, [](DialogDriver& d) {
            d.Type(IDC_MAT_BEAM_FC, "9");
            d.Focus(IDC_MAT_LD_FACTOR);
            d.Click(IDC_MAT_EC_SPECIFY);
            d.Choose(IDC_MAT_STRAND_TYPE, 3);
            d.Click(IDC_MAT_BEAM_ALL_LIGHT);
            d.Cancel();
        });
        Run(ID_INPUT_LOADS, [](DialogDriver& d) {
            d.Click(IDC_LOADS_DIAPHRAGM_THIRD);
            d.Click(IDC_LOADS_V2_INCLUDE);
            d.Click(IDC_LOADS_DEFL_1000);
            d.Type(IDC_LOADS_PEDESTRIAN, "0.3");
            d.Cancel();
        });
        EXPECT_FALSE(Doc()->IsModified());
        EXPECT_EQ(Doc()->m_bLoadEffectsDirty, dirty);
        Choose(ID_FILE_SAVE);
        EXPECT_TRUE(ReadFileBytes(path) == bytes) << "the file saved again is the same";
    }
}

TEST_F(MaterialsCommandTest, AMetricDesignConfirmedAsShownComesBackToTheLastBit) {
    for (int example : {0, IDC_SEED_CONTINUOUS, IDC_SEED_SPLICED}) {
        SCOPED_TRACE(example);
        if (Doc()) Doc()->SetModifiedFlag(false);
        NewDesign(example);
        Doc()->m_nUnits = kUnitsMetric;
        // The first OK writes the strand of the stored type with the table's kind text (the
        // examples spell it shorter); after it the design comes back alike.
        Run(ID_INPUT_MATERIALS, [](DialogDriver& d) { d.Ok(); });
        const std::string path = temp / "metric.kdx";
        host.QueueFileName(path);
        Choose(ID_FILE_SAVE_AS);
        const std::string bytes = ReadFileBytes(path);
        Run(ID_INPUT_MATERIALS, [](DialogDriver& d) { d.Ok(); });
        Run(ID_INPUT_LOADS, [](DialogDriver& d) { d.Ok(); });
        EXPECT_TRUE(Doc()->IsModified());
        Choose(ID_FILE_SAVE);
        EXPECT_TRUE(ReadFileBytes(path) == bytes) << "the file saved again is the same";
    }
}

TEST_F(MaterialsCommandTest, OkOfLoadsRedoesTheMovingLoads) {
    CKordelDoc& doc = *Doc();
    for (VehicleAxle& axle : doc.m_recVehicle1.m_aAxles) axle.m_dWeight *= 1.5;
    doc.RunAnalysis();  // the lighter truck's moving loads are kept
    const std::vector<std::string> stale = doc.Report();
    Run(ID_INPUT_LOADS, [](DialogDriver& d) { d.Ok(); });
    const std::vector<std::string> afterOk = doc.Report();
    doc.m_bLoadEffectsDirty = 1;
    doc.RunAnalysis();
    EXPECT_TRUE(afterOk == doc.Report()) << "the results are those of a fresh analysis";
    EXPECT_FALSE(afterOk == stale);
}

}  // namespace
}  // namespace kordel::test
