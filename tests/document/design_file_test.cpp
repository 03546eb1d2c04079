// The design file: a filled design saves and loads back member for member and byte for byte;
// the layout walks the fields in the order and encodings of the file format; files of every
// version gate load with the defaults of what they lack; damaged files (bad counts, indices,
// numbers, versions, truncation) are refused and leave the open design as it was.
#include "document/design_file.h"

#include <sys/stat.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>

#include "document/filled_design.h"
#include "platform/archive.h"
#include "platform/file_io.h"
#include "test_support.h"

namespace kordel::test {
namespace {

using design_file::FieldType;
using design_file::LayoutField;
using Bytes = std::vector<std::uint8_t>;

// ---- The layout as bytes ----------------------------------------------------------------------

/// Bytes of one field, from its encoding alone.
std::size_t Width(const LayoutField& f) {
    switch (f.type) {
        case FieldType::Int32:
        case FieldType::Float32:
            return 4;
        case FieldType::Byte:
            return 1;
        case FieldType::Float64:
            return 8;
        case FieldType::String:
            return (f.textLength < 0xFF ? 1 : f.textLength < 0xFFFE ? 3 : 7) + f.textLength;
    }
    return 0;
}

std::size_t LayoutBytes(const std::vector<LayoutField>& fields) {
    std::size_t total = 0;
    for (const LayoutField& f : fields) total += Width(f);
    return total;
}

/// Byte offset of the field that writes `member`.
std::size_t OffsetOf(const std::vector<LayoutField>& fields, const void* member) {
    std::size_t offset = 0;
    for (const LayoutField& f : fields) {
        if (f.member == member) return offset;
        offset += Width(f);
    }
    ADD_FAILURE() << "member not in the layout";
    return 0;
}

template <class T>
void Poke(Bytes& bytes, std::size_t offset, T value) {
    std::memcpy(bytes.data() + offset, &value,
                sizeof value);  // the file is little-endian, so is the host
}

template <class T>
T Peek(const Bytes& bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

/// `bytes` with the header replaced by the signature and version given.
Bytes WithHeader(const Bytes& bytes, const std::string& signature, const std::string& version) {
    platform::Archive header;
    header.WriteString(signature);
    header.WriteString(version);
    platform::Archive original(bytes);
    original.ReadString();
    original.ReadString();
    Bytes out = header.Bytes();
    out.insert(out.end(), bytes.begin() + static_cast<std::ptrdiff_t>(original.Position()),
               bytes.end());
    return out;
}

class DesignFileTest : public EngineTest {
  protected:
    DesignFileTest() : filled(NewDoc()) { FillDesign(*filled); }

    /// Reads `bytes` into a fresh document.
    std::unique_ptr<CKordelDoc> Load(const Bytes& bytes) {
        auto doc = NewDoc();
        platform::Archive ar(bytes);
        doc->Serialize(ar);
        return doc;
    }

    static Bytes Save(CKordelDoc& doc) {
        platform::Archive ar;
        doc.Serialize(ar);
        return ar.Bytes();
    }

    std::unique_ptr<CKordelDoc> filled;
};

// ---- Round trip
// ----------------------------------------------------------------------------------

TEST_F(DesignFileTest, FilledDesignLoadsBackMemberForMemberAndSavesToTheSameBytes) {
    const Bytes saved = Save(*filled);
    frame.m_nStructureType = frame.m_nPrestressType = frame.m_nUnits = 0;
    auto loaded = Load(saved);
    EXPECT_TRUE(SameGroups(StoredGroups(*loaded), StoredGroups(*filled)));
    EXPECT_EQ(Save(*loaded), saved);
    // Spot checks of the quirks the groups would hide in a failure.
    EXPECT_EQ(loaded->m_bCheckSingleLane, 7) << "an int32 flag keeps its whole value";
    EXPECT_EQ(loaded->m_saSpanSectionNames.size(), 3u);
    EXPECT_EQ(loaded->m_aRatingVehicles[2].m_nAxleCount, kMaxVehicleRecordAxles);
    EXPECT_EQ(loaded->m_strFileVersion, "4.62");
    // The load hands three settings to the main frame.
    EXPECT_EQ(frame.m_nStructureType, 1);
    EXPECT_EQ(frame.m_nPrestressType, kPostTensioned);
    EXPECT_EQ(frame.m_nUnits, kUnitsMetric);
}

TEST_F(DesignFileTest, ConstructorAndNewDesignsSaveAndLoadBack) {
    // The constructor's design, with no spans and no current span yet, loads back as it was
    // but for the one load rewrite that touches it: a self-weight multiplier of 0 reads as 1.
    auto fresh = NewDoc();
    ASSERT_EQ(fresh->m_nSpans, 0);
    ASSERT_EQ(fresh->m_nCurrentSpan, 0);
    ASSERT_EQ(fresh->m_dSelfWeightMultiplier, 0.0);
    StoredGroups expected(*fresh);
    expected.m_dSelfWeightMultiplier = 1.0;
    EXPECT_TRUE(SameGroups(StoredGroups(*Load(Save(*fresh))), expected));

    // A new design as the new-design road builds and analyses it, for every choice: it saves
    // and loads, and its file comes back byte for byte (after that rewrite, where it applies).
    const int choices[] = {0, SeedSimpleSpan, SeedAdjacentBox, SeedContinuous, SeedSpliced};
    for (int choice : choices) {
        SCOPED_TRACE("choice " + std::to_string(choice));
        frame.m_nSeedChoice = choice;
        auto doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        Bytes saved;
        ASSERT_NO_THROW(saved = Save(*doc));
        std::unique_ptr<CKordelDoc> loaded;
        ASSERT_NO_THROW(loaded = Load(saved));
        const Bytes resaved = Save(*loaded);
        if (doc->m_dSelfWeightMultiplier != 0.0) {
            EXPECT_EQ(resaved, saved);
        }
        EXPECT_EQ(Save(*Load(resaved)), resaved);
        // Shown in metric units the design holds the same (US) numbers, within every bound.
        doc->m_nUnits = kUnitsMetric;
        EXPECT_NO_THROW(Load(Save(*doc)));
    }
}

TEST_F(DesignFileTest, MembersTheFileDoesNotCarryKeepTheirConstructedValues) {
    filled->m_dBarSpacing = 3.0;
    filled->m_dLoadTableDeflRatio = 1500;
    filled->m_nStrandPatternDlgState = 4;
    filled->m_adCamberSummary[4] = 2.5;  // post-tensioning camber, left out
    filled->m_dSplittingSteelStress = 24.0;
    auto fresh = NewDoc();
    auto loaded = Load(Save(*filled));
    EXPECT_EQ(loaded->m_dBarSpacing, fresh->m_dBarSpacing);
    EXPECT_EQ(loaded->m_dLoadTableDeflRatio, fresh->m_dLoadTableDeflRatio);
    EXPECT_EQ(loaded->m_nStrandPatternDlgState, fresh->m_nStrandPatternDlgState);
    EXPECT_EQ(loaded->m_adCamberSummary[4], 0.0);
    EXPECT_EQ(loaded->m_dSplittingSteelStress, 20.0) << "a load sets it to 20 ksi";
}

TEST_F(DesignFileTest, RestraintFactorComesFromTheSpecificationOnLoad) {
    // The file does not hold the Strength I factor on the restraint moments; an opened design
    // must not drop its restraint moments from Strength I with a factor of 0.
    const std::pair<int, double> cases[] = {{1, 1.2}, {2, 1.0}, {0, 1.0}};
    for (auto [specification, factor] : cases) {
        frame.m_nSeedChoice = SeedContinuous;
        auto doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        doc->m_nSpecification = specification;
        auto loaded = Load(Save(*doc));
        EXPECT_EQ(loaded->m_dStrengthIRestraintFactor, factor) << "specification " << specification;
    }
}

TEST_F(DesignFileTest, TensionTieStressComesFromTheSpecificationAndBarsOnLoad) {
    // The file does not hold the stress of the bars that take the tension at release either;
    // a Standard Specifications design must not come back with the LRFD stress.
    struct Case {
        int specification;
        double fy;  // ksi
        int grade;
        double fs;  // ksi
    };
    const Case cases[] = {
        {kSpecStandard, 60, kBarGrade60, 24.0},  // Standard 8.15.2.2, Grade 60
        {kSpecStandard, 40, kBarGradeSpecified, 20.0},  // other grades
        {kSpecLrfd, 50, kBarGrade60, 25.0},      // 0.5 fy
        {kSpecLrfd, 75, kBarGrade60, 30.0},      // not above 30 ksi
    };
    for (const Case& c : cases) {
        frame.m_nSeedChoice = SeedSimpleSpan;
        auto doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        doc->m_nSpecification = c.specification;
        doc->m_dLongitudinalFy = c.fy;
        doc->m_nLongitudinalGrade = c.grade;
        doc->SetDefaultFactors();
        ASSERT_EQ(doc->m_dTensionTieSteelStress, c.fs);
        auto loaded = Load(Save(*doc));
        EXPECT_EQ(loaded->m_dTensionTieSteelStress, c.fs)
            << "specification " << c.specification << ", fy " << c.fy;
    }
}

// ---- Load-time rewrites ------------------------------------------------------------------------

TEST_F(DesignFileTest, LoadRewritesAFewStoredValues) {
    struct Case {
        const char* what;
        void (*set)(CKordelDoc&);
        bool (*check)(const CKordelDoc&);
    };
    const Case cases[] = {
        {"Ec unit weight 20 (an old code) reads as 0.15 kcf",
         [](CKordelDoc& d) { d.m_dEcUnitWeight = 20.0; },
         [](const CKordelDoc& d) { return d.m_dEcUnitWeight == 0.15; }},
        {"Ec unit weight 24 reads as 0.15 kcf", [](CKordelDoc& d) { d.m_dEcUnitWeight = 24.0; },
         [](const CKordelDoc& d) { return d.m_dEcUnitWeight == 0.15; }},
        {"Ec unit weight 20.5 stays", [](CKordelDoc& d) { d.m_dEcUnitWeight = 20.5; },
         [](const CKordelDoc& d) { return d.m_dEcUnitWeight == 20.5; }},
        {"self-weight multiplier 0 reads as 1",
         [](CKordelDoc& d) { d.m_dSelfWeightMultiplier = 0; },
         [](const CKordelDoc& d) { return d.m_dSelfWeightMultiplier == 1.0; }},
        {"any Es reads as 29000 ksi", [](CKordelDoc& d) { d.m_dRebarEs = 30000; },
         [](const CKordelDoc& d) { return d.m_dRebarEs == 29000.0; }},
        {"draped-row count 3, stored as a byte, reads as 1",
         [](CKordelDoc& d) { d.m_nDrapedStrandRows = 3; },
         [](const CKordelDoc& d) { return d.m_nDrapedStrandRows == 1; }},
        {"loss basis 3, stored as a byte, reads as 1",
         [](CKordelDoc& d) { d.m_nDetailedLossBasis = 3; },
         [](const CKordelDoc& d) { return d.m_nDetailedLossBasis == 1; }},
        {"a flag of 5 reads as 1", [](CKordelDoc& d) { d.m_bCompositeDeck = 5; },
         [](const CKordelDoc& d) { return d.m_bCompositeDeck == 1; }},
    };
    for (const Case& c : cases) {
        auto doc = NewDoc();
        FillDesign(*doc);
        c.set(*doc);
        EXPECT_TRUE(c.check(*Load(Save(*doc)))) << c.what;
    }
}

TEST_F(DesignFileTest, SecondCopyOfTheFactorsIsTheOneThatStays) {
    const auto fields = design_file::DescribeLayout(*filled, "4.62");
    Bytes bytes = Save(*filled);
    // Change only the first copy of phi for flexure in the file: the load keeps the second.
    std::size_t first = 0, offset = 0;
    int copies = 0;
    for (const LayoutField& f : fields) {
        if (f.member == &filled->m_dPhiFlexure && copies++ == 0) first = offset;
        offset += Width(f);
    }
    ASSERT_EQ(copies, 2);
    Poke(bytes, first, 0.123);
    EXPECT_EQ(Load(bytes)->m_dPhiFlexure, filled->m_dPhiFlexure);
}

// ---- The layout against the file format
// ----------------------------------------------------------

/// The fields of a design file as the file format lists them, built up entry by entry.
class ExpectedLayout {
  public:
    struct Entry {
        FieldType type;
        int gate;
        const void* member;
        int no;  ///< field number of the format
    };

    ExpectedLayout& No(int no) {
        m_no = no;
        return *this;
    }
    ExpectedLayout& Gate(int gate) {
        m_gate = gate;
        return *this;
    }
    ExpectedLayout& I(const int& v) { return Add(FieldType::Int32, &v); }
    ExpectedLayout& B(const int& v) { return Add(FieldType::Byte, &v); }
    ExpectedLayout& F(const float& v) { return Add(FieldType::Float32, &v); }
    ExpectedLayout& D(const double& v) { return Add(FieldType::Float64, &v); }
    ExpectedLayout& S(const std::string& v) { return Add(FieldType::String, &v); }
    ExpectedLayout& Text() { return Add(FieldType::String, nullptr); }
    /// `count` doubles in a row from `first`.
    ExpectedLayout& Ds(const double* first, int count) {
        for (int i = 0; i < count; ++i) D(first[i]);
        return *this;
    }
    ExpectedLayout& Is(const int* first, int count) {
        for (int i = 0; i < count; ++i) I(first[i]);
        return *this;
    }

    const std::vector<Entry>& Entries() const { return m_entries; }

  private:
    ExpectedLayout& Add(FieldType type, const void* member) {
        m_entries.push_back({type, m_gate, member, m_no});
        return *this;
    }
    std::vector<Entry> m_entries;
    int m_gate = 0;
    int m_no = 0;
};

void ExpectVehicleLoads(ExpectedLayout& e, const LiveLoadVehicle& v) {
    e.D(v.m_dLaneLoad).D(v.m_dLaneMomentLoad).D(v.m_dLaneShearLoad).B(v.m_bIncludeTandem);
    e.D(v.m_dTandemAxle1).D(v.m_dTandemAxle2).D(v.m_dTandemSpacing);
    e.I(v.m_nCombination).D(v.m_dMultiplier);
}

void ExpectAxles(ExpectedLayout& e, const LiveLoadVehicle& v) {
    for (const VehicleAxle& a : v.m_aAxles) e.D(a.m_dWeight).D(a.m_dMinSpacing).D(a.m_dMaxSpacing);
}

void ExpectBars(ExpectedLayout& e, const int& count, const RebarBar* bars) {
    e.I(count);
    for (int i = 0; i < count; ++i) {
        const RebarBar& b = bars[i];
        e.I(b.m_nBarSize).Ds(b.m_adStart, 3).S(b.m_strTag1).Ds(b.m_adEnd, 3);
        e.S(b.m_strTag2).S(b.m_strTag3).S(b.m_strTag4);
    }
}

/// The file format, field by field, for the design `d` (its counts decide the counted groups).
ExpectedLayout FileFormat(const CKordelDoc& d) {
    ExpectedLayout e;
    e.No(1).Text().No(2).Text();
    // Group 1
    e.No(3).S(d.m_strDesigner).S(d.m_strProject).S(d.m_strTask).S(d.m_strClient);
    e.S(d.m_strJobNumber).No(8).I(d.m_nSpecification).S(d.m_strSpecCode).I(d.m_nUnits);
    e.No(11).B(d.m_bTransformPsStrand).B(d.m_bContinuous).I(d.m_nSpans);
    e.No(14);
    for (const std::string& name : d.m_saSpanSectionNames) e.S(name);
    e.No(15).Ds(d.m_adSpanLength, 21).No(16).Ds(d.m_adSpanGirderLength, 21);
    e.No(17).Ds(&d.m_adSpanSectionProps[0][0], 63);
    e.No(18).Ds(d.m_adGirderOffsetLeft, 21).No(19).Ds(d.m_adPadOffsetLeft, 21);
    e.No(20).Ds(d.m_adPadOffsetRight, 21).No(21).I(d.m_nCurrentSpan).I(d.m_nCurrentGirder);
    // Group 2
    e.No(23).I(d.m_nSectionAuxValue).S(d.m_strSectionName);
    e.No(25).D(d.m_dSectionArea).D(d.m_dSectionYb).D(d.m_dTopFlangeThickness);
    e.D(d.m_dTopFlangeWidth).D(d.m_dSectionHeight).D(d.m_dSectionIxx);
    e.No(31).D(d.m_dTorsionConstant).D(d.m_dVolumeToSurface).D(d.m_dBottomFlangeWidth);
    e.D(d.m_dBottomFlangeThickness).D(d.m_dBwo);
    e.No(36).I(d.m_nWebCount).D(d.m_dWebWidth).I(d.m_nTemplateRowCount);
    e.I(d.m_nTemplateLayout).I(d.m_nTemplateColumnCount);
    e.No(41).Ds(&d.m_adStrandTemplate[0][0], 50 * 30);
    e.No(42).I(d.m_nSectionType).D(d.m_dWebLocation);
    e.No(44).I(d.m_nOutlinePointCount).Ds(&d.m_adOutline[0][0], 202);
    e.No(46).I(d.m_nVoidPointCount).Ds(&d.m_adVoidOutline[0][0], 202);
    e.No(48).I(d.m_nCircularVoidCount).Ds(&d.m_adCircularVoid[0][0], 33);
    e.No(50);
    for (int i = 0; i < 11; ++i) e.D(d.m_adGenWidth[i]).D(d.m_adGenDepth[i]).D(d.m_adGenExtra[i]);
    e.No(51).I(d.m_nSuperstructureType).S(d.m_strSuperstructureType);
    e.B(d.m_bSufficientlyConnected);
    // Group 3
    e.No(54).D(d.m_dGirderLength).D(d.m_dDesignSpan).D(d.m_dReleaseSpan);
    e.No(57).I(d.m_nSegments).Ds(&d.m_adSegments[0][0], 22).D(d.m_dBearingPadLength);
    e.No(60).I(d.m_nBeams).I(d.m_nLanes);
    e.No(62).D(d.m_dBeamSpacing).D(d.m_dSkewAngle).D(d.m_dDe).D(d.m_dOverhang);
    e.No(66).I(d.m_nGirderLocation).S(d.m_strGirderLocation);
    e.No(68).D(d.m_dBridgeWidth).D(d.m_dCurbToCurb).B(d.m_bCompositeDeck);
    e.No(71).D(d.m_dDeckThickness).D(d.m_dHaunchThickness).D(d.m_dOverlayThickness);
    e.D(d.m_dDeckWidth).D(d.m_dHaunchWidth);
    // Group 4
    e.No(76).D(d.m_dBeamFc).D(d.m_dBeamFci).D(d.m_dBeamDensity).D(d.m_dSelfWeightMultiplier);
    e.No(80).D(d.m_dDeckFc).D(d.m_dDeckDensity).D(d.m_dDeckAuxValue);
    e.No(83).I(d.m_nBeamConcreteType).I(d.m_nInterfaceSurface);
    e.No(85).D(d.m_dEcFactor).D(d.m_dBeamEc).D(d.m_dBeamEci).D(d.m_dDeckEc);
    e.No(89).D(d.m_dRelativeHumidity);
    e.No(90).D(d.m_dAgeAtContinuity).D(d.m_dAgeAtDeckCasting).D(d.m_dUltimateCreep);
    e.D(d.m_dBeamUltimateShrinkage).D(d.m_dDeckUltimateShrinkage).B(d.m_bShrinkageAuxFlag);
    e.No(96).I(d.m_nStrandType).S(d.m_strStrandName);
    e.No(98).D(d.m_dStrandUnitArea).D(d.m_dStrandDiameter).D(d.m_dStrandFpu);
    e.No(101).I(d.m_nStrandKind).S(d.m_strStrandKind).I(d.m_nLossMode);
    e.No(104).D(d.m_dSpecifiedReleaseLoss).D(d.m_dSpecifiedFinalLoss);
    e.No(106).I(d.m_nLossMethod).I(d.m_nDeckVolumeToSurfaceMode).D(d.m_dDeckVolumeToSurface);
    e.No(109).D(d.m_dDevLengthFactor).D(d.m_dTransferLengthFactor).D(d.m_dStrandEp);
    e.D(d.m_dTransferAge).D(d.m_dStrandK).D(d.m_dStrandFpy);
    e.No(115).I(d.m_nStirrupGrade).D(d.m_dStirrupFy).D(d.m_dEcUnitWeight).D(d.m_dRebarEs);
    e.No(119).I(d.m_nLongitudinalGrade).D(d.m_dLongitudinalFy);
    // Group 5
    e.No(121).D(d.m_dPointImpact).D(d.m_dVehicle1Impact).D(d.m_dVehicle2Impact);
    e.No(124).D(d.m_dPhiFlexure).D(d.m_dPhiShear).D(d.m_dServiceIIILiveLoadFactor);
    e.D(d.m_dStrengthIDeadLoadFactor).D(d.m_dStrengthIWearingSurfaceFactor);
    e.D(d.m_dStrengthILiveLoadFactor);
    e.No(130).I(d.m_nReleaseTensionLimit).D(d.m_dReleaseTensionCoef);
    e.No(132).I(d.m_nReleaseCompressionLimit).D(d.m_dReleaseCompressionCoef);
    e.No(134).D(d.m_dAllowReleaseTension).D(d.m_dAllowReleaseCompression);
    e.No(136).I(d.m_nFinalTensionLimitAllLoads).D(d.m_dFinalTensionCoefAllLoads);
    e.No(138).I(d.m_nFinalCompressionLimitPermanent).D(d.m_dFinalCompressionCoefPermanent);
    e.No(140).I(d.m_nFinalCompressionLimitAllLoads).D(d.m_dFinalCompressionCoefAllLoads);
    e.No(142).I(d.m_nFinalCompressionLimitHalfPermanentLL);
    e.D(d.m_dFinalCompressionCoefHalfPermanentLL);
    e.No(144).D(d.m_dAllowFinalTensionAllLoads).D(d.m_dAllowFinalCompressionPermanent);
    e.D(d.m_dAllowFinalCompressionAllLoads).D(d.m_dAllowFinalCompressionHalfPermanentLL);
    e.No(148).D(d.m_dBeamWeight).D(d.m_dDeckWeight).D(d.m_dOverlayWeight);
    e.No(151).B(d.m_bDiaphragmAtHalf).S(d.m_strDiaphragmAtHalf);
    e.No(153).B(d.m_bDiaphragmAtThird).S(d.m_strDiaphragmAtThird);
    e.No(155).B(d.m_bDiaphragmAtQuarter).S(d.m_strDiaphragmAtQuarter);
    e.No(157).B(d.m_bDiaphragmAtUserLocation).D(d.m_dDiaphragmUserLocation);
    e.No(159).D(d.m_dDiaphragmWeight);
    e.No(160).D(d.m_dOtherNonCompositeLoad).D(d.m_dWearingSurfaceLoad).D(d.m_dBarrierLoad);
    e.D(d.m_dOtherCompositeLoad).No(164).I(d.m_nPTJackingBasis);
    // Group 6: vehicle 1 writes its axle count after its axles
    e.No(165).S(d.m_recVehicle1.m_strName).No(166);
    ExpectAxles(e, d.m_recVehicle1);
    e.No(167).I(d.m_recVehicle1.m_nAxleCount).No(168);
    ExpectVehicleLoads(e, d.m_recVehicle1);
    e.No(177).B(d.m_bCheckMilitary).I(d.m_nDistFactorMode);
    e.No(179).D(d.m_dUserDfMoment).D(d.m_dUserDfShear).D(d.m_dUserDfFatigue);
    e.D(d.m_dPedestrianLoad);
    e.No(183).B(d.m_bComputeRestraintMoments).I(d.m_nVehicle1ImpactMode);
    e.D(d.m_dVehicle1ImpactSpecified);
    e.No(186).I(d.m_bCheckSingleLane).B(d.m_bAutoFactors);
    e.No(188).D(d.m_dServiceIIILiveLoadFactor).D(d.m_dServiceILiveLoadFactor).D(d.m_dPhiFlexure);
    e.D(d.m_dPhiShear).D(d.m_dStrengthILiveLoadFactor).D(d.m_dStrengthIDeadLoadFactor);
    e.D(d.m_dStrengthIWearingSurfaceFactor).No(195).I(d.m_nEcMethod);
    // Group 7
    e.No(196).D(d.m_dPullFraction).I(d.m_nPatternType).D(d.m_dDrapeFraction);
    e.I(d.m_nDrapePointMode).D(d.m_dDrapePointDistance);
    e.No(201).B(d.m_bDesignIncludeTopStrands).D(d.m_dDesignTopStrandCount);
    e.D(d.m_dTopPullFraction).No(204);
    for (int r = 0; r < 50; ++r) {
        for (int k = 0; k < 4; ++k) e.D(d.m_aEndRows[r][k]).D(d.m_aDrapeRows[r][k]);
    }
    e.No(205).I(d.m_nStrandCount).I(d.m_nTopPullStrandCount).D(d.m_dStrandAuxValue);
    e.No(208).D(d.m_dStrandCgEnd).D(d.m_dStrandCgMid).B(d.m_nDrapedStrandRows);
    e.No(211).Ds(&d.m_aStrandGroup[0][0], 7);
    for (int g = 1; g < 200; ++g) e.Ds(&d.m_aStrandGroup[g][0], 7);
    e.No(212).I(d.m_nStrandGroupCount).D(d.m_dDebondLengthStep);
    // Group 8
    e.No(214).I(d.m_nGirderRebarRowCount).Ds(&d.m_adGirderRebarRows[0][0], 66);
    e.No(216).I(d.m_nDeckRebarRowCount).Ds(&d.m_adDeckRebarRows[0][0], 66);
    e.No(218).B(d.m_bStirrupsSymmetric).I(d.m_nStirrupZoneCount).I(d.m_nStirrupLegs);
    e.No(221).Ds(&d.m_adStirrupZones[0][0], 77);
    e.No(222).Ds(d.m_adCamberMultiplierInput, 11).Ds(d.m_adCamberMultiplier, 11);
    e.No(224).Ds(d.m_adCamberSummary, 3).Ds(d.m_adCamberSummary + 6, 17);
    e.No(225).B(d.m_bVcQuarterPtsReinforced);
    // Group 9
    e.No(226).D(d.m_dWearingSurfaceAuxValue).D(d.m_dWearingSurfaceThickness);
    e.No(228).I(d.m_nBarrierLoadMode).I(d.m_nBarrierDistribution).I(d.m_nBarrierCount);
    e.D(d.m_dBarrierWeight).I(d.m_nFwsLoadMode).D(d.m_dFwsPressure);
    e.No(234).I(d.m_nLoadTableSpacingCount).No(235);
    for (int i = 0; i < 5; ++i) e.D(d.m_adLoadTableSpacing[i]).D(d.m_adLoadTableSlab[i]);
    e.No(236).D(d.m_dLoadTableSpanMin).D(d.m_dLoadTableSpanMax).D(d.m_dLoadTableSpanInc);
    e.D(d.m_dLoadTableFciMin).D(d.m_dLoadTableFciMax).D(d.m_dLoadTableStrandsMin);
    e.D(d.m_dLoadTableStrandsMax).No(243).Is(d.m_anLoadTableModes, 10);
    // Group 10
    e.No(244).I(d.m_nPrestressType).I(d.m_nTendonLossMode);
    e.No(246).D(d.m_dPTSpecifiedReleaseLoss).D(d.m_dPTSpecifiedFinalLoss);
    e.No(248).D(d.m_dPtJackingFraction).D(d.m_dPtAnchorSet).D(d.m_dPtFrictionMu);
    e.D(d.m_dPtAuxValue).D(d.m_dPtWobbleK);
    e.No(253).I(d.m_nTendonCount).No(254);
    for (int t = 0; t < d.m_nTendonCount; ++t) {
        const PostTensioningTendon& tendon = d.m_aTendons[t];
        e.S(tendon.m_strName).I(tendon.m_nStrands).F(tendon.m_fDuctDiameter);
        e.Ds(&tendon.m_adProfile[0][0], 9).F(tendon.m_fZ).S(tendon.m_strStressingEnd);
    }
    e.No(255);
    ExpectBars(e, d.m_nGirderBarCount, d.m_aGirderBars);
    e.No(257);
    ExpectBars(e, d.m_nDeckBarCount, d.m_aDeckBars);
    e.No(259).I(d.m_nTransformStrandsMode).I(d.m_nPTStrandType).S(d.m_strPTStrandName);
    e.No(262).D(d.m_dPTStrandUnitArea).D(d.m_dPTStrandDiameter).D(d.m_dPTStrandFpu);
    e.No(265).I(d.m_nPTStrandKind).S(d.m_strPTStrandKind);
    e.No(267).D(d.m_dPTStrandEp).D(d.m_dPTStrandK).D(d.m_dPTStrandFpy);
    // Group 11: vehicle 2 writes its axle count before its axles
    e.No(270).S(d.m_recVehicle2.m_strName).I(d.m_recVehicle2.m_nAxleCount).No(272);
    ExpectAxles(e, d.m_recVehicle2);
    e.No(273);
    ExpectVehicleLoads(e, d.m_recVehicle2);
    e.No(282).I(d.m_recVehicle2.m_bIncluded).I(d.m_recVehicle2.m_nAuxFlag);
    e.No(284).I(d.m_nVehicleCombineMode).I(d.m_nVehicleAuxOption);
    // Gates
    e.Gate(1).No(286).I(d.m_nPretensionEntryMode).D(d.m_dPForceJacking).D(d.m_dPForceCgEnd);
    e.D(d.m_dPForceCgMid);
    e.Gate(2).No(290).I(d.m_nAgency).I(d.m_bIncludeStrengthII).I(d.m_bCheckLowboy);
    e.I(d.m_nAnalysisAuxOption).I(d.m_nDeckConcreteType).I(d.m_recVehicle1.m_bIncluded);
    e.I(d.m_nShearMethod).No(297).D(d.m_dStrengthIIDeadLoadFactor);
    e.D(d.m_dStrengthIIWearingSurfaceFactor).D(d.m_dStrengthIILiveLoadFactor);
    e.No(300).I(d.m_nFinalTensionLimitPermanent).D(d.m_dFinalTensionCoefPermanent);
    e.D(d.m_dAllowFinalTensionPermanent).No(303).I(d.m_nVehicle2ImpactMode);
    e.D(d.m_dVehicle2ImpactSpecified);
    e.Gate(3).No(305).B(d.m_bCheckProduction).D(d.m_dLiftSupportLeft).D(d.m_dLiftSupportRight);
    e.D(d.m_dImpactFormSuction).D(d.m_dImpactHandling).D(d.m_dShipSupportLeft);
    e.D(d.m_dShipSupportRight).D(d.m_dImpactShipping).No(313).Is(d.m_anDetensionOrder, 200);
    e.No(314).B(d.m_bDetensionAuxFlag).D(d.m_dTransportStiffness).D(d.m_dSuperElevation);
    e.D(d.m_dBeamCgAboveRoad).D(d.m_dRollCenterAboveRoad).D(d.m_dDualTireDistance);
    e.No(320).I(d.m_bIncludeLoadRating).I(d.m_bRatingInventory).I(d.m_bRatingOperating);
    e.I(d.m_nEffWidthMethod).D(d.m_dUserEffWidth).B(d.m_bIncludeEndBlocks);
    e.No(326).D(d.m_dEndBlockWidth).D(d.m_dEndBlockLength).D(d.m_dEndBlockTransition);
    e.No(329).B(d.m_bShearAuxFlag).I(d.m_nFwsWidthBasis);
    e.No(331).D(d.m_dConcreteUltimateStrain).D(d.m_dLoadModDuctility);
    e.D(d.m_dLoadModRedundancy).D(d.m_dLoadModImportance);
    e.No(335).B(d.m_bInteriorPiersReinforced).B(d.m_bShipUseFc).B(d.m_bDvAllSteel);
    e.B(d.m_bStrainCompatibility).B(d.m_bServiceComboI).B(d.m_bSkewAdjustMomentDf);
    e.B(d.m_bRatingIgnoreFws).B(d.m_bIncreasedDoubleTruck);
    e.No(343).D(d.m_dSectionXbar).D(d.m_dSectionIyy).D(d.m_dOutlineWidth);
    e.B(d.m_bDetensioningAnalysis);
    e.Gate(4).No(347).B(d.m_bOmitElasticGain);
    e.Gate(5).No(348).D(d.m_dFinalAge);
    e.Gate(6).No(349).Ds(&d.m_adStirrupZones[11][0], 63);
    e.Gate(7).No(350).B(d.m_bSectionFlag1).B(d.m_bSectionFlag2);
    e.Gate(8).No(352).D(d.m_dDeflLimitRatio).D(d.m_dWct).D(d.m_dEctFactor);
    e.B(d.m_bShowAsterisks);
    e.Gate(9).No(356).B(d.m_bSectionAuxFlag).B(d.m_bOptionAuxFlag).B(d.m_bShearAppendixB5);
    e.No(359).I(d.m_nRatingVehicleCount).No(360);
    for (int r = 0; r < d.m_nRatingVehicleCount; ++r) {
        const VehicleRecord& v = d.m_aRatingVehicles[r];
        e.B(v.m_bIncludeTandem).F(v.m_fTandemSpacing).F(v.m_fTandemAxle1).F(v.m_fTandemAxle2);
        e.I(v.m_nAxleCount);
        for (int a = 0; a < v.m_nAxleCount; ++a) {
            e.F(v.m_afAxles[a][0]).F(v.m_afAxles[a][1]).F(v.m_afAxles[a][2]);
        }
        e.I(v.m_nCombination).F(v.m_fLaneMomentLoad).F(v.m_fLaneShearLoad).F(v.m_fLaneLoad);
        e.S(v.m_strName);
    }
    e.No(361).F(d.m_fDbtTopFlangeThickness).B(d.m_bStirrupLayout).B(d.m_nDetailedLossBasis);
    e.No(364).F(d.m_fDeckForcePercent).B(d.m_bFatigueOneTruck);
    e.No(366).F(d.m_fMcrGamma1).F(d.m_fMcrGamma2).F(d.m_fMcrGamma3).F(d.m_fFrGeneric);
    e.F(d.m_fFrMinReinf).F(d.m_fFrShear).F(d.m_fFrSandLightweight).F(d.m_fFrAllLightweight);
    e.No(374).I(d.m_nSpecEdition);
    e.Gate(10).No(375).B(d.m_bCheckStripping).B(d.m_bCheckHandling);
    e.D(d.m_dRestrainingMomentFactor);
    return e;
}

const char* TypeName(FieldType t) {
    switch (t) {
        case FieldType::Int32:
            return "int32";
        case FieldType::Byte:
            return "byte";
        case FieldType::Float32:
            return "float32";
        case FieldType::Float64:
            return "float64";
        case FieldType::String:
            return "string";
    }
    return "?";
}

TEST_F(DesignFileTest, LayoutWritesEveryFieldOfTheFormatInOrder) {
    const auto fields = design_file::DescribeLayout(*filled, "4.62");
    const ExpectedLayout format = FileFormat(*filled);
    const auto& expected = format.Entries();
    ASSERT_EQ(fields.size(), expected.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto& x = expected[i];
        ASSERT_TRUE(fields[i].type == x.type && fields[i].member == x.member &&
                    fields[i].gate == x.gate)
            << "value " << i << " (No. " << x.no << "): the layout writes a "
            << TypeName(fields[i].type) << " of gate " << fields[i].gate << ", the format a "
            << TypeName(x.type) << " of gate " << x.gate
            << (fields[i].member == x.member ? "" : " of another member");
    }
}

TEST_F(DesignFileTest, SavedSizeIsWhatTheLayoutImplies) {
    auto fresh = NewDoc();
    for (const CKordelDoc* doc : {fresh.get(), filled.get()}) {
        for (const char* version : {"3.0", "3.1", "4.0", "4.3", "4.62"}) {
            const Bytes bytes = design_file::WriteDesign(*doc, version);
            EXPECT_EQ(bytes.size(), LayoutBytes(design_file::DescribeLayout(*doc, version)))
                << "version " << version;
        }
    }
    // The save of the document writes exactly the current layout.
    EXPECT_EQ(Save(*filled).size(), LayoutBytes(design_file::DescribeLayout(*filled, "4.62")));
}

// ---- Versions and gates ------------------------------------------------------------------------

TEST(DesignFileVersion, ParsesToHundredths) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"4.62", 462}, {"3.02", 302},  {"3.1", 310},   {"3.10", 310}, {"3", 300},      {"4.1", 410},
        {"4.10", 410}, {"4.100", 410}, {"12.5", 1250}, {"0.0", 0},    {"", {}},        {"abc", {}},
        {"4.6x", {}},  {" 4.62", {}},  {"4.62 ", {}},  {"-4.62", {}}, {"+4.6", {}},    {"4.", {}},
        {".5", {}},    {"4.105", {}},  {"4,62", {}},   {"1e2", {}},   {"9999999", {}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(design_file::ParseVersion(text), expected) << '"' << text << '"';
    }
    EXPECT_EQ(design_file::ParseVersion(std::string_view("4.62\0", 5)), std::nullopt);
}

/// What a load gives a design without the fields of gates above `gatesRead`, written out from
/// the file format's defaults; `fresh` is a constructed document.
void ApplyMissingGates(StoredGroups& e, const CKordelDoc& fresh, int gatesRead) {
    if (gatesRead < 1) {
        // Force entry taken from template row 49, which holds no force entry here.
        e.m_nPretensionEntryMode = kEntryStrandPattern;
        e.m_dPForceJacking = 0;
        e.m_dPForceCgEnd = fresh.m_dPForceCgEnd;
        e.m_dPForceCgMid = fresh.m_dPForceCgMid;
    }
    if (gatesRead < 2) {
        e.m_nAgency = fresh.m_nAgency;
        e.m_bIncludeStrengthII = fresh.m_bIncludeStrengthII;
        e.m_bCheckLowboy = fresh.m_bCheckLowboy;
        e.m_nAnalysisAuxOption = fresh.m_nAnalysisAuxOption;
        e.m_nDeckConcreteType = fresh.m_nDeckConcreteType;
        e.m_recVehicle1.m_bIncluded = fresh.m_recVehicle1.m_bIncluded;
        e.m_nShearMethod = kShearLrfdSectional;  // from the specification, LRFD
        e.m_dStrengthIIDeadLoadFactor = fresh.m_dStrengthIIDeadLoadFactor;
        e.m_dStrengthIIWearingSurfaceFactor = fresh.m_dStrengthIIWearingSurfaceFactor;
        e.m_dStrengthIILiveLoadFactor = fresh.m_dStrengthIILiveLoadFactor;
        e.m_nFinalTensionLimitPermanent = fresh.m_nFinalTensionLimitPermanent;
        e.m_dFinalTensionCoefPermanent = fresh.m_dFinalTensionCoefPermanent;
        e.m_dAllowFinalTensionPermanent = fresh.m_dAllowFinalTensionPermanent;
        e.m_nVehicle2ImpactMode = fresh.m_nVehicle2ImpactMode;
        e.m_dVehicle2ImpactSpecified = fresh.m_dVehicle2ImpactSpecified;
        std::copy(std::begin(fresh.m_adDebondSummary), std::end(fresh.m_adDebondSummary),
                  e.m_adDebondSummary);
    }
    if (gatesRead < 3) {
        e.m_bCheckProduction = fresh.m_bCheckProduction;
        e.m_dLiftSupportLeft = fresh.m_dLiftSupportLeft;
        e.m_dLiftSupportRight = fresh.m_dLiftSupportRight;
        e.m_dImpactFormSuction = fresh.m_dImpactFormSuction;
        e.m_dImpactHandling = fresh.m_dImpactHandling;
        e.m_dShipSupportLeft = fresh.m_dShipSupportLeft;
        e.m_dShipSupportRight = fresh.m_dShipSupportRight;
        e.m_dImpactShipping = fresh.m_dImpactShipping;
        std::copy(std::begin(fresh.m_anDetensionOrder), std::end(fresh.m_anDetensionOrder),
                  e.m_anDetensionOrder);
        e.m_bDetensionAuxFlag = fresh.m_bDetensionAuxFlag;
        e.m_dTransportStiffness = fresh.m_dTransportStiffness;
        e.m_dSuperElevation = fresh.m_dSuperElevation;
        e.m_dBeamCgAboveRoad = fresh.m_dBeamCgAboveRoad;
        e.m_dRollCenterAboveRoad = fresh.m_dRollCenterAboveRoad;
        e.m_dDualTireDistance = fresh.m_dDualTireDistance;
        e.m_bIncludeLoadRating = fresh.m_bIncludeLoadRating;
        e.m_bRatingInventory = fresh.m_bRatingInventory;
        e.m_bRatingOperating = fresh.m_bRatingOperating;
        e.m_nEffWidthMethod = fresh.m_nEffWidthMethod;
        e.m_dUserEffWidth = fresh.m_dUserEffWidth;
        e.m_bIncludeEndBlocks = fresh.m_bIncludeEndBlocks;
        e.m_dEndBlockWidth = fresh.m_dEndBlockWidth;
        e.m_dEndBlockLength = fresh.m_dEndBlockLength;
        e.m_dEndBlockTransition = fresh.m_dEndBlockTransition;
        e.m_bShearAuxFlag = fresh.m_bShearAuxFlag;
        e.m_nFwsWidthBasis = fresh.m_nFwsWidthBasis;
        e.m_dConcreteUltimateStrain = fresh.m_dConcreteUltimateStrain;
        e.m_dLoadModDuctility = fresh.m_dLoadModDuctility;
        e.m_dLoadModRedundancy = fresh.m_dLoadModRedundancy;
        e.m_dLoadModImportance = fresh.m_dLoadModImportance;
        e.m_bInteriorPiersReinforced = fresh.m_bInteriorPiersReinforced;
        e.m_bShipUseFc = fresh.m_bShipUseFc;
        e.m_bDvAllSteel = fresh.m_bDvAllSteel;
        e.m_bStrainCompatibility = fresh.m_bStrainCompatibility;
        e.m_bServiceComboI = fresh.m_bServiceComboI;
        e.m_bSkewAdjustMomentDf = fresh.m_bSkewAdjustMomentDf;
        e.m_bRatingIgnoreFws = fresh.m_bRatingIgnoreFws;
        e.m_bIncreasedDoubleTruck = fresh.m_bIncreasedDoubleTruck;
        e.m_dSectionXbar = fresh.m_dSectionXbar;
        e.m_dSectionIyy = fresh.m_dSectionIyy;
        e.m_dOutlineWidth = fresh.m_dOutlineWidth;
        e.m_bDetensioningAnalysis = fresh.m_bDetensioningAnalysis;
    }
    if (gatesRead < 4) e.m_bOmitElasticGain = fresh.m_bOmitElasticGain;
    if (gatesRead < 5) e.m_dFinalAge = fresh.m_dFinalAge;
    if (gatesRead < 6) {
        for (int z = 11; z < kMaxStirrupZones; ++z) {
            std::copy(std::begin(fresh.m_adStirrupZones[z]), std::end(fresh.m_adStirrupZones[z]),
                      e.m_adStirrupZones[z]);
        }
    }
    if (gatesRead < 7) {
        e.m_bSectionFlag1 = fresh.m_bSectionFlag1;
        e.m_bSectionFlag2 = fresh.m_bSectionFlag2;
    }
    if (gatesRead < 8) {
        e.m_dDeflLimitRatio = fresh.m_dDeflLimitRatio;
        e.m_dWct = fresh.m_dWct;
        e.m_dEctFactor = fresh.m_dEctFactor;
        e.m_bShowAsterisks = fresh.m_bShowAsterisks;
    }
    if (gatesRead < 9) {
        e.m_bOptionAuxFlag = fresh.m_bOptionAuxFlag;
        e.m_nRatingVehicleCount = fresh.m_nRatingVehicleCount;
        std::copy(std::begin(fresh.m_aRatingVehicles), std::end(fresh.m_aRatingVehicles),
                  e.m_aRatingVehicles);
        e.m_fDbtTopFlangeThickness = fresh.m_fDbtTopFlangeThickness;
        e.m_bStirrupLayout = fresh.m_bStirrupLayout;
        e.m_nDetailedLossBasis = fresh.m_nDetailedLossBasis;
        e.m_fDeckForcePercent = fresh.m_fDeckForcePercent;
        e.m_bFatigueOneTruck = fresh.m_bFatigueOneTruck;
        e.m_fMcrGamma1 = fresh.m_fMcrGamma1;
        e.m_fMcrGamma2 = fresh.m_fMcrGamma2;
        e.m_fMcrGamma3 = fresh.m_fMcrGamma3;
        e.m_fFrGeneric = fresh.m_fFrGeneric;
        e.m_fFrMinReinf = fresh.m_fFrMinReinf;
        e.m_fFrShear = fresh.m_fFrShear;
        e.m_fFrSandLightweight = fresh.m_fFrSandLightweight;
        e.m_fFrAllLightweight = fresh.m_fFrAllLightweight;
        // Derived from what was read.
        e.m_bSectionAuxFlag = e.m_bSectionFlag1;
        e.m_bShearAppendixB5 = e.m_bShearAuxFlag == 0 ? 1 : 0;
        e.m_nSpecEdition = 1;  // LRFD: "LRFD 5th"
    }
    if (gatesRead < 10) {
        e.m_bCheckStripping = e.m_bCheckProduction;
        e.m_bCheckHandling = e.m_bCheckProduction;
        e.m_dRestrainingMomentFactor = 0.5;
    }
}

TEST_F(DesignFileTest, EachVersionReadsItsGatesAndDefaultsTheRest) {
    struct Case {
        const char* version;
        int gatesRead;
    };
    // The first and last version of each gate: V >= 3.02, >= 3.1, > 3.99, > 4.01, > 4.09,
    // > 4.1, > 4.11, > 4.19, > 4.29, >= 4.59.
    const Case cases[] = {
        {"3.0", 0},  {"3.01", 0}, {"3.02", 1}, {"3.1", 2},   {"3.10", 2},  {"3.99", 2},
        {"4.0", 3},  {"4.01", 3}, {"4.02", 4}, {"4.09", 4},  {"4.1", 5},   {"4.10", 5},
        {"4.11", 6}, {"4.12", 7}, {"4.15", 7}, {"4.19", 7},  {"4.2", 8},   {"4.29", 8},
        {"4.3", 9},  {"4.55", 9}, {"4.58", 9}, {"4.59", 10}, {"4.62", 10}, {"5.0", 10},
    };
    auto fresh = NewDoc();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("version ") + c.version);
        const Bytes bytes = design_file::WriteDesign(*filled, c.version);
        std::unique_ptr<CKordelDoc> loaded;
        ASSERT_NO_THROW(loaded = Load(bytes));
        StoredGroups expected(*filled);
        ApplyMissingGates(expected, *fresh, c.gatesRead);
        EXPECT_TRUE(SameGroups(StoredGroups(*loaded), expected));
        // The defaults with the largest effect on results, spelled out.
        EXPECT_EQ(loaded->m_nShearMethod,
                  c.gatesRead >= 2 ? kShearLrfdSimplified : kShearLrfdSectional);
        EXPECT_EQ(loaded->m_nSpecEdition, c.gatesRead >= 9 ? 4 : 1);
        EXPECT_EQ(loaded->m_dRestrainingMomentFactor, c.gatesRead >= 10 ? 0.75 : 0.5);
        EXPECT_EQ(loaded->m_bCheckStripping, c.gatesRead >= 10 ? 0 : c.gatesRead >= 3 ? 1 : 0);
        EXPECT_EQ(loaded->m_adDebondSummary[kDebondLimitPattern], c.gatesRead >= 2 ? 33.0 : 25.0);
        EXPECT_EQ(loaded->m_nRatingVehicleCount, c.gatesRead >= 9 ? 3 : 0);
        EXPECT_EQ(loaded->m_strFileVersion, "4.62");
    }
}

TEST_F(DesignFileTest, FilesBefore302TakeTheForceEntryFromTemplateRow49) {
    struct Case {
        double elevation;  // row 49 [0]
        int mode;
        double jacking;
    };
    const Case cases[] = {
        {999.0, kEntryPrestressForce, 1200.0},
        {999.9, kEntryPrestressForce, 1200.0},  // truncated toward zero: 999
        {998.9, kEntryStrandPattern, 0.0},      // 998
        {1000.0, kEntryStrandPattern, 0.0},
        {-999.5, kEntryStrandPattern, 0.0},
    };
    for (const Case& c : cases) {
        filled->m_adStrandTemplate[49][kTemplateElevation] = c.elevation;
        filled->m_adStrandTemplate[49][kTemplatePositions] = 1200.0;
        filled->m_aEndRows[0][kRowDrapedElevation] = 5.5;
        filled->m_aDrapeRows[0][kRowDrapedElevation] = 9.5;
        auto loaded = Load(design_file::WriteDesign(*filled, "3.01"));
        EXPECT_EQ(loaded->m_nPretensionEntryMode, c.mode) << c.elevation;
        EXPECT_EQ(loaded->m_dPForceJacking, c.jacking) << c.elevation;
        const bool force = c.mode == kEntryPrestressForce;
        EXPECT_EQ(loaded->m_dPForceCgEnd, force ? 5.5 : 0.0) << c.elevation;
        EXPECT_EQ(loaded->m_dPForceCgMid, force ? 9.5 : 0.0) << c.elevation;
    }
}

TEST_F(DesignFileTest, DebondingLimitsFollowTheAgencyFromVersion31) {
    struct Case {
        const char* version;
        int agency;
        double pattern, row;
    };
    const Case cases[] = {
        {"3.1", 0, 25.0, 40.0},  {"3.1", 1, 33.0, 50.0},  {"4.62", 1, 33.0, 50.0},
        {"4.62", 2, 11.0, 12.0}, {"4.62", 6, 11.0, 12.0},  // other agencies leave them
        {"3.02", 1, 11.0, 12.0},  // no agency in the file: the document's own stay
    };
    for (const Case& c : cases) {
        filled->m_nAgency = c.agency;
        auto doc = NewDoc();
        doc->m_adDebondSummary[kDebondLimitPattern] = 11.0;
        doc->m_adDebondSummary[kDebondLimitRow] = 12.0;
        platform::Archive ar(design_file::WriteDesign(*filled, c.version));
        doc->Serialize(ar);
        EXPECT_EQ(doc->m_adDebondSummary[kDebondLimitPattern], c.pattern)
            << c.version << " " << c.agency;
        EXPECT_EQ(doc->m_adDebondSummary[kDebondLimitRow], c.row) << c.version << " " << c.agency;
    }
}

TEST_F(DesignFileTest, EditionComesFromTheFileOrTheSpecification) {
    struct Case {
        const char* version;
        int specification;
        int editionInFile;
        int expected;
    };
    const Case cases[] = {
        {"4.3", kSpecLrfd, 3, 3},   {"4.3", kSpecLrfd, 0, 0},
        {"4.3", kSpecLrfd, 5, 2},  // out of the list: the constructed edition stays
        {"4.62", kSpecLrfd, -1, 2}, {"4.0", kSpecStandard, 4, 0},
        {"4.29", kSpecLrfd, 0, 1},  {"4.0", 3, 4, 2},  // neither: unchanged
    };
    for (const Case& c : cases) {
        filled->m_nSpecification = c.specification;
        filled->m_nSpecEdition = c.editionInFile;
        Bytes bytes;
        if (c.editionInFile >= 0 && c.editionInFile <= 4) {
            bytes = design_file::WriteDesign(*filled, c.version);
        } else {
            // The save refuses such an edition too; patch it into a good file.
            filled->m_nSpecEdition = 0;
            bytes = design_file::WriteDesign(*filled, c.version);
            Poke(bytes,
                 OffsetOf(design_file::DescribeLayout(*filled, c.version), &filled->m_nSpecEdition),
                 std::int32_t{c.editionInFile});
        }
        EXPECT_EQ(Load(bytes)->m_nSpecEdition, c.expected)
            << c.version << ", specification " << c.specification << ", edition "
            << c.editionInFile;
    }
}

TEST_F(DesignFileTest, DesignReadAsVersion455IsSavedAsTheCurrentVersion) {
    // A design read from a headerless file carries "4.55"; its save is still a 4.62 file, so
    // the fields of the last gate are read back.
    filled->m_strFileVersion = design_file::kLegacyDesignVersion;
    const Bytes bytes = Save(*filled);
    platform::Archive ar(bytes);
    EXPECT_EQ(ar.ReadString(), "Kordel");
    EXPECT_EQ(ar.ReadString(), "4.62");
    auto loaded = Load(bytes);
    EXPECT_EQ(loaded->m_bCheckStripping, 0);
    EXPECT_EQ(loaded->m_bCheckHandling, 1);
    EXPECT_EQ(loaded->m_dRestrainingMomentFactor, 0.75);
}

TEST_F(DesignFileTest, SpanNamesAreWrittenForExactlyTheSpans) {
    struct Case {
        std::vector<std::string> names;
        std::vector<std::string> loaded;
    };
    const Case cases[] = {
        {{"BT-72"}, {"BT-72", "", ""}},  // short list: empty names, no read past its end
        {{}, {"", "", ""}},
        {{"A", "B", "C", "D", "E"}, {"A", "B", "C"}},
    };
    for (const Case& c : cases) {
        filled->m_saSpanSectionNames = c.names;
        EXPECT_EQ(Load(Save(*filled))->m_saSpanSectionNames, c.loaded);
    }
}

TEST_F(DesignFileTest, BytesAfterTheLastFieldAreIgnored) {
    Bytes bytes = Save(*filled);
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    EXPECT_TRUE(SameGroups(StoredGroups(*Load(bytes)), StoredGroups(*filled)));
}

// ---- Damaged files
// --------------------------------------------------------------------------------

/// A design whose file a test damages: a loaded document that must not change.
class DamagedFileTest : public DesignFileTest {
  protected:
    /// Loading `bytes` into an open design fails and leaves it, and the main frame, as they
    /// were; opening them as a file fails with the format message and leaves no design.
    void ExpectRefused(const Bytes& bytes, const std::string& what) {
        SCOPED_TRACE(what);
        auto open = Load(Save(*filled));
        const Bytes before = Save(*open);
        frame.m_nStructureType = 5;
        frame.m_nUnits = 6;
        platform::Archive ar(bytes);
        EXPECT_THROW(open->Serialize(ar), platform::ArchiveError);
        EXPECT_EQ(Save(*open), before) << "the open design changed";
        EXPECT_EQ(frame.m_nStructureType, 5);
        EXPECT_EQ(frame.m_nUnits, 6);

        const std::string path = temp.Path("damaged.kdx");
        platform::WriteFileAtomically(path, bytes);
        platform::DocumentManager manager([] { return CKordelDoc::CreateObject(); });
        host.ClearMessages();
        EXPECT_EQ(manager.OpenDocument(path), nullptr);
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].text, "Unexpected file format.");
        EXPECT_EQ(frame.m_bNoDocument, 1);
    }

    struct NumberCase {
        const char* what;
        const void* member;  ///< a member of `filled`
        double value;
        bool single;  // a float32 field
    };

    /// Each value written over its member in the saved filled design makes the file refused.
    template <std::size_t N>
    void ExpectNumbersRefused(const NumberCase (&cases)[N]) {
        const auto fields = design_file::DescribeLayout(*filled, "4.62");
        for (const NumberCase& c : cases) {
            Bytes bytes = Save(*filled);
            const std::size_t offset = OffsetOf(fields, c.member);
            if (c.single) {
                Poke(bytes, offset, static_cast<float>(c.value));
            } else {
                Poke(bytes, offset, c.value);
            }
            ExpectRefused(bytes, c.what);
        }
    }

    TempFolder temp;
};

TEST_F(DamagedFileTest, CountsAndIndicesOutsideTheirArraysAreRefused) {
    const CKordelDoc& d = *filled;
    struct Case {
        const char* what;
        const int* member;
        std::int32_t value;
    };
    const Case cases[] = {
        {"21 spans", &d.m_nSpans, 21},
        {"-1 spans", &d.m_nSpans, -1},
        {"current span beyond the spans", &d.m_nCurrentSpan, 4},
        {"negative current span", &d.m_nCurrentSpan, -1},
        {"51 template rows", &d.m_nTemplateRowCount, 51},
        {"28 template locations", &d.m_nTemplateColumnCount, 28},
        {"102 outline points", &d.m_nOutlinePointCount, 102},
        {"negative void points", &d.m_nVoidPointCount, -1},
        {"12 circular voids", &d.m_nCircularVoidCount, 12},
        {"12 segments", &d.m_nSegments, 12},
        {"201 strand groups", &d.m_nStrandGroupCount, 201},
        {"12 girder bar rows", &d.m_nGirderRebarRowCount, 12},
        {"negative deck bar rows", &d.m_nDeckRebarRowCount, -5},
        {"21 stirrup zones", &d.m_nStirrupZoneCount, 21},
        {"5 load-table spacings", &d.m_nLoadTableSpacingCount, 5},
        {"21 tendons", &d.m_nTendonCount, 21},
        {"huge tendon count", &d.m_nTendonCount, 0x7FFFFFFF},
        {"202 girder bars", &d.m_nGirderBarCount, 202},
        {"negative deck bars", &d.m_nDeckBarCount, -1},
        {"101 axles on vehicle 1", &d.m_recVehicle1.m_nAxleCount, 101},
        {"negative axles on vehicle 2", &d.m_recVehicle2.m_nAxleCount, -1},
        {"agency 7", &d.m_nAgency, 7},
        {"31 rating vehicles", &d.m_nRatingVehicleCount, 31},
        {"31 axles on a rating vehicle", &d.m_aRatingVehicles[1].m_nAxleCount, 31},
        {"girder bar size 20", &d.m_aGirderBars[0].m_nBarSize, 20},
        {"deck bar size -1", &d.m_aDeckBars[2].m_nBarSize, -1},
    };
    const auto fields = design_file::DescribeLayout(d, "4.62");
    const Bytes good = Save(*filled);
    for (const Case& c : cases) {
        const std::size_t offset = OffsetOf(fields, c.member);
        ASSERT_EQ(Peek<std::int32_t>(good, offset), *c.member) << c.what;
        Bytes bytes = good;
        Poke(bytes, offset, c.value);
        ExpectRefused(bytes, c.what);
    }
}

TEST_F(DamagedFileTest, BarSizesOutsideTheBarTableAreRefused) {
    const CKordelDoc& d = *filled;
    struct Case {
        const char* what;
        const double* member;
        double value;
    };
    const Case cases[] = {
        {"girder row bar size 25", &d.m_adGirderRebarRows[2][kRebarRowBarSize], 25.0},
        {"deck row bar size -1", &d.m_adDeckRebarRows[0][kRebarRowBarSize], -1.0},
        {"zone bar size 20", &d.m_adStirrupZones[0][kZoneBarSize], 20.0},
        {"zone 13 bar size 1e9 (behind gate 6)", &d.m_adStirrupZones[12][kZoneBarSize], 1e9},
    };
    const auto fields = design_file::DescribeLayout(d, "4.62");
    for (const Case& c : cases) {
        Bytes bytes = Save(*filled);
        Poke(bytes, OffsetOf(fields, c.member), c.value);
        ExpectRefused(bytes, c.what);
    }
    // Rows and zones not in use may hold anything.
    Bytes unused = Save(*filled);
    Poke(unused, OffsetOf(fields, &d.m_adGirderRebarRows[5][kRebarRowBarSize]), 99.0);
    Poke(unused, OffsetOf(fields, &d.m_adStirrupZones[16][kZoneBarSize]), -3.0);
    EXPECT_NO_THROW(Load(unused));
}

TEST_F(DamagedFileTest, NumbersThatAreNotFiniteAreRefused) {
    const CKordelDoc& d = *filled;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const auto fields = design_file::DescribeLayout(d, "4.62");
    const NumberCase cases[] = {
        {"f'c NaN", &d.m_dBeamFc, nan, false},
        {"design span +inf", &d.m_dDesignSpan, inf, false},
        {"outline point -inf", &d.m_adOutline[3][1], -inf, false},
        {"strand group debond NaN", &d.m_aStrandGroup[199][kGroupDebondEnd], nan, false},
        {"vehicle 2 axle weight inf", &d.m_recVehicle2.m_aAxles[0].m_dWeight, inf, false},
        {"tendon duct NaN", &d.m_aTendons[1].m_fDuctDiameter, nan, true},
        {"rating axle weight inf", &d.m_aRatingVehicles[2].m_afAxles[29][0], inf, true},
        {"deck flange thickness NaN", &d.m_fDbtTopFlangeThickness, nan, true},
        {"restraining moment factor NaN", &d.m_dRestrainingMomentFactor, nan, false},
    };
    ExpectNumbersRefused(cases);
    // Results that every analysis writes again are carried as they are.
    Bytes results = Save(*filled);
    Poke(results, OffsetOf(fields, &d.m_dBeamWeight), nan);
    Poke(results, OffsetOf(fields, &d.m_adCamberSummary[7]), inf);
    auto loaded = Load(results);
    EXPECT_TRUE(std::isnan(loaded->m_dBeamWeight));
    EXPECT_EQ(Save(*loaded), results);
}

TEST_F(DamagedFileTest, NumbersBeyondAnyPhysicalMagnitudeAreRefused) {
    // Numbers no bridge holds, read as a count, a length, a stress...: the reports would print
    // them as figures of 300 digits.
    const CKordelDoc& d = *filled;
    const double huge = std::numeric_limits<double>::max();
    const auto fields = design_file::DescribeLayout(d, "4.62");
    const NumberCase cases[] = {
        {"strand count DBL_MAX", &d.m_aEndRows[3][kRowStraightCount], huge, false},
        {"strands of a group 1e300", &d.m_aStrandGroup[0][kGroupStrands], 1e300, false},
        {"template positions 2e6 (count bound 1e6)",
         &d.m_adStrandTemplate[0][kTemplatePositions], 2e6, false},
        {"span length -DBL_MAX", &d.m_adSpanLength[1], -huge, false},
        {"design span 1e300 ft", &d.m_dDesignSpan, 1e300, false},
        {"section height 2e6 in (length bound 1e6)", &d.m_dSectionHeight, 2e6, false},
        {"bar elevation -1e300", &d.m_aGirderBars[0].m_adStart[kBarY], -1e300, false},
        {"f'c DBL_MAX", &d.m_dBeamFc, huge, false},
        {"strand modulus -1e300", &d.m_dStrandEp, -1e300, false},
        {"inertia 1e13 in4 (section bound 1e12)", &d.m_dSectionIxx, 1e13, false},
        {"axle weight 1e300", &d.m_recVehicle1.m_aAxles[0].m_dWeight, 1e300, false},
        {"rating axle FLT_MAX", &d.m_aRatingVehicles[0].m_afAxles[0][kAxleWeight],
         std::numeric_limits<float>::max(), true},
        {"restraining moment factor 1e300", &d.m_dRestrainingMomentFactor, 1e300, false},
    };
    ExpectNumbersRefused(cases);
    // Values at the bounds, far beyond a real design, still load.
    Bytes large = Save(*filled);
    Poke(large, OffsetOf(fields, &d.m_aEndRows[3][kRowStraightCount]), 1e6);
    Poke(large, OffsetOf(fields, &d.m_adSpanLength[1]), -1e6);
    Poke(large, OffsetOf(fields, &d.m_dSectionIxx), 1e12);
    Poke(large, OffsetOf(fields, &d.m_dStrandEp), 1e7);
    EXPECT_NO_THROW(Load(large));
}

TEST_F(DamagedFileTest, HeadersOtherThanACurrentDesignFileAreRefused) {
    const Bytes good = Save(*filled);
    const std::pair<std::string, std::string> headers[] = {
        {"kordel", "4.62"},  // the signature is compared exactly
        {"Kordel ", "4.62"}, {"", "4.62"},        {"Kordel", "2.99"},
        {"Kordel", "2.5"},   {"Kordel", "abc"},   {"Kordel", ""},
        {"Kordel", "4.6x"},  {"Kordel", " 4.62"}, {"Kordel", "4.625"},
    };
    for (const auto& [signature, version] : headers) {
        ExpectRefused(WithHeader(good, signature, version),
                      '"' + signature + "\" \"" + version + '"');
    }
    ExpectRefused({}, "an empty file");
    ExpectRefused({0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, "a string prefix running past the end");
}

TEST_F(DamagedFileTest, FileCutShortAnywhereIsRefused) {
    // Every field boundary of the layout, and a cut inside every multi-byte field.
    const Bytes good = Save(*filled);
    const auto fields = design_file::DescribeLayout(*filled, "4.62");
    auto open = Load(good);
    const Bytes before = Save(*open);
    std::size_t offset = 0;
    int accepted = 0;
    for (const LayoutField& f : fields) {
        for (std::size_t cut : {offset, offset + Width(f) / 2}) {
            if (cut >= good.size() || (cut != offset && Width(f) < 2)) continue;
            platform::Archive ar(
                Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut)));
            try {
                open->Serialize(ar);
                ++accepted;
                ADD_FAILURE() << "a file cut at byte " << cut << " of " << good.size() << " loaded";
            } catch (const platform::ArchiveError&) {
            }
        }
        offset += Width(f);
    }
    EXPECT_EQ(accepted, 0);
    EXPECT_EQ(Save(*open), before);
    // A file cut after the fields of the version it names loads.
    EXPECT_NO_THROW(Load(design_file::WriteDesign(*filled, "4.3")));
}

// ---- Saving
// --------------------------------------------------------------------------------------

TEST_F(DesignFileTest, DesignThatTheFileCannotCarryIsNotSaved) {
    TempFolder temp;
    const std::string path = temp.Path("design.kdx");
    ASSERT_TRUE(filled->OnSaveDocument(path));
    const Bytes good = platform::ReadWholeFile(path);
    struct Case {
        const char* what;
        void (*damage)(CKordelDoc&);
        const char* message;  ///< the whole message, or its start when it names a field number
    };
    const Case cases[] = {
        {"21 spans", [](CKordelDoc& d) { d.m_nSpans = 21; },
         "Failed to save document. Number of spans is 21, outside 0 to 20."},
        {"current span 5 of 3", [](CKordelDoc& d) { d.m_nCurrentSpan = 5; },
         "Failed to save document. Current span is 5, outside 0 to 3."},
        {"bar size 25 in a row in use",
         [](CKordelDoc& d) { d.m_adGirderRebarRows[1][kRebarRowBarSize] = 25; },
         "Failed to save document. Girder bar row 2 has bar size 25, outside the bar table (0 "
         "to 19)."},
        {"girder bar 3 of size 30", [](CKordelDoc& d) { d.m_aGirderBars[2].m_nBarSize = 30; },
         "Failed to save document. Bar size of girder bar 3 is 30, outside 0 to 19."},
        {"edition 7", [](CKordelDoc& d) { d.m_nSpecEdition = 7; },
         "Failed to save document. Specification edition is 7, outside 0 to 4."},
        {"f'c NaN", [](CKordelDoc& d) { d.m_dBeamFc = std::nan(""); },
         "Failed to save document. The design holds a number that is not finite (value "},
        {"span 1e300 ft", [](CKordelDoc& d) { d.m_adSpanLength[2] = 1e300; },
         "Failed to save document. The design holds a length of 1e+300, beyond 1e+06 (value "},
    };
    for (const Case& c : cases) {
        auto doc = NewDoc();
        FillDesign(*doc);
        c.damage(*doc);
        host.ClearMessages();
        EXPECT_FALSE(doc->OnSaveDocument(path)) << c.what;
        ASSERT_EQ(host.Messages().size(), 1u) << c.what;
        const std::string& text = host.Messages()[0].text;
        const std::string expected = c.message;
        if (expected.back() == ' ') {
            EXPECT_EQ(text.rfind(expected, 0), 0u) << text;
            EXPECT_TRUE(text.ends_with(" of the design file).")) << text;
        } else {
            EXPECT_EQ(text, expected);
        }
        EXPECT_EQ(platform::ReadWholeFile(path), good) << c.what << ": the old file changed";
    }
}

TEST_F(DesignFileTest, ReadOnlyDesignFileOpens) {
    TempFolder temp;
    const std::string path = temp.Path("read-only.kdx");
    ASSERT_TRUE(filled->OnSaveDocument(path));
    ASSERT_EQ(::chmod(path.c_str(), S_IRUSR | S_IRGRP | S_IROTH), 0);
    platform::DocumentManager manager([] { return CKordelDoc::CreateObject(); });
    auto* doc = dynamic_cast<CKordelDoc*>(manager.OpenDocument(path));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_strProject, filled->m_strProject);
}

// ---- Fuzz seeds
// ----------------------------------------------------------------------------------

/// The seeds of the design-file fuzz target are design files that load. With
/// KORDEL_WRITE_DESIGN_SEEDS set to a folder, the test writes them there first.
TEST_F(DesignFileTest, FuzzSeedsAreDesignsThatLoad) {
    if (const char* folder = std::getenv("KORDEL_WRITE_DESIGN_SEEDS")) {
        auto fresh = NewDoc();
        filled->m_strProject = "Route 7";  // keeps the seeds small
        const std::pair<const char*, Bytes> seeds[] = {
            {"constructor-4.62.kdx", design_file::WriteDesign(*fresh, "4.62")},
            {"filled-4.62.kdx", design_file::WriteDesign(*filled, "4.62")},
            {"filled-4.1.kdx", design_file::WriteDesign(*filled, "4.1")},
            {"filled-3.0.kdx", design_file::WriteDesign(*filled, "3.0")},
        };
        for (const auto& [name, bytes] : seeds) {
            platform::WriteFileAtomically((std::filesystem::path(folder) / name).string(), bytes);
        }
    }
    const std::filesystem::path corpus =
        std::filesystem::path(KORDEL_SOURCE_DIR) / "fuzz" / "corpus" / "design_file";
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        ++seeds;
        EXPECT_NO_THROW(Load(platform::ReadWholeFile(entry.path().string())))
            << entry.path().filename();
    }
    EXPECT_GT(seeds, 0);
}

}  // namespace
}  // namespace kordel::test
