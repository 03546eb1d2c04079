// Older design files: files of versions below 3.0 and the two headerless layouts, written here
// field by field from a design, load with the conversions their layouts call for, save in the
// current layout and load back without loss; the template locations and the bars of the layout
// rows are placed as the grid rules say; damaged files, and files that are no design at all, are
// refused and leave the open design as it was.
#include "document/older_design_files.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <map>
#include <random>

#include "document/design_file.h"
#include "document/filled_design.h"
#include "document/stored_design.h"
#include "platform/archive.h"
#include "platform/file_io.h"
#include "test_support.h"

namespace kordel::test {
namespace {

using design_file::FieldType;
using design_file::LayoutField;
using design_file::OlderLayout;
using Bytes = std::vector<std::uint8_t>;

// ---- Writing the older layouts ------------------------------------------------------------------

/// Writes a file of an older layout from the members of `source`, and builds alongside it the
/// design a load of that file starts from: every member written is copied into `expected`. The
/// encodings of the fields the older layouts share with the current one come from the current
/// layout's description; the layouts themselves are written out below, from their tables.
class OlderFileWriter {
  public:
    OlderFileWriter(const CKordelDoc& source, CKordelDoc& expected)
        : m_source(source),
          m_expected(expected),
          m_fields(design_file::DescribeLayout(source, kDesignFileVersion)) {}

    /// The fields of the current layout from the one that holds `first` to the one that holds
    /// `last`, in its order and encodings.
    OlderFileWriter& Fields(const void* first, const void* last) {
        std::size_t i = 0;
        while (i < m_fields.size() && m_fields[i].member != first) ++i;
        std::size_t j = i;
        while (j < m_fields.size() && m_fields[j].member != last) ++j;
        if (j == m_fields.size()) {
            ADD_FAILURE() << "a member of the range is not in the current layout";
            return *this;
        }
        for (std::size_t k = i; k <= j; ++k) Write(m_fields[k]);
        return *this;
    }

    /// One member of the current layout.
    template <class T>
    OlderFileWriter& Field(const T& member) {
        return Fields(&member, &member);
    }

    // Values of the older layouts alone; the design does not take them.
    OlderFileWriter& Int32(std::int32_t v) {
        m_ar.WriteInt32(v);
        return *this;
    }
    OlderFileWriter& Byte(std::uint8_t v) {
        m_ar.WriteByte(v);
        return *this;
    }
    OlderFileWriter& Float64(double v) {
        m_ar.WriteFloat64(v);
        return *this;
    }
    OlderFileWriter& String(std::string_view v) {
        m_ar.WriteString(v);
        return *this;
    }

    /// The flag of the Ec inputs that only files before 3.0 hold.
    OlderFileWriter& EcAuxFlag() {
        m_offsets[&m_source.m_bEcAuxFlag] = m_ar.Bytes().size();
        m_ar.WriteBool(m_source.m_bEcAuxFlag);
        m_expected.m_bEcAuxFlag = m_source.m_bEcAuxFlag != 0;
        return *this;
    }

    /// The strand template without its locations: three values of every row.
    OlderFileWriter& Template() {
        for (int r = 0; r < kMaxPatternRows; ++r) {
            for (int k = 0; k < 3; ++k) {
                m_offsets[&m_source.m_adStrandTemplate[r][k]] = m_ar.Bytes().size();
                m_ar.WriteFloat64(m_source.m_adStrandTemplate[r][k]);
                m_expected.m_adStrandTemplate[r][k] = m_source.m_adStrandTemplate[r][k];
            }
        }
        return *this;
    }

    /// The first `values` values of every strand group.
    OlderFileWriter& Groups(int values) {
        for (int g = 0; g < kMaxStrandGroups; ++g) {
            for (int k = 0; k < values; ++k) {
                m_offsets[&m_source.m_aStrandGroup[g][k]] = m_ar.Bytes().size();
                m_ar.WriteFloat64(m_source.m_aStrandGroup[g][k]);
                m_expected.m_aStrandGroup[g][k] = m_source.m_aStrandGroup[g][k];
            }
        }
        return *this;
    }

    const Bytes& Written() const { return m_ar.Bytes(); }

    /// Byte offset of the value written from `member` of the source.
    std::size_t OffsetOf(const void* member) const {
        const auto it = m_offsets.find(member);
        if (it == m_offsets.end()) {
            ADD_FAILURE() << "member not written";
            return 0;
        }
        return it->second;
    }

  private:
    /// Writes one field from the source and copies it into the expected design.
    void Write(const LayoutField& f) {
        if (!f.member) {
            ADD_FAILURE() << "a field without a member (a missing span name)";
            return;
        }
        m_offsets[f.member] = m_ar.Bytes().size();
        const char* base = reinterpret_cast<const char*>(&m_source);
        const char* at = static_cast<const char*>(f.member);
        const bool inDocument = at >= base && at < base + sizeof(CKordelDoc);
        char* target = reinterpret_cast<char*>(&m_expected) + (at - base);
        switch (f.type) {
            case FieldType::Int32: {
                const int v = *static_cast<const int*>(f.member);
                m_ar.WriteInt32(v);
                *reinterpret_cast<int*>(target) = v;
                break;
            }
            case FieldType::Byte: {
                const int v = *static_cast<const int*>(f.member);
                m_ar.WriteBool(v);
                *reinterpret_cast<int*>(target) = v != 0 ? 1 : 0;
                break;
            }
            case FieldType::Float32:
                ADD_FAILURE() << "no older layout holds a float32";
                break;
            case FieldType::Float64: {
                const double v = *static_cast<const double*>(f.member);
                m_ar.WriteFloat64(v);
                *reinterpret_cast<double*>(target) = v;
                break;
            }
            case FieldType::String: {
                const std::string& v = *static_cast<const std::string*>(f.member);
                m_ar.WriteString(v);
                if (inDocument) {
                    *reinterpret_cast<std::string*>(target) = v;
                } else {
                    m_expected.m_saSpanSectionNames.push_back(v);  // a span name: the list's own
                }
                break;
            }
        }
        if (f.member == &m_source.m_nSpans) m_expected.m_saSpanSectionNames.clear();
    }

    const CKordelDoc& m_source;
    CKordelDoc& m_expected;
    std::vector<LayoutField> m_fields;
    platform::Archive m_ar;
    std::map<const void*, std::size_t> m_offsets;
};

/// A file of a version below 3.0: the header, then the fields of its table.
OlderFileWriter WritePre30(const CKordelDoc& s, CKordelDoc& expected, std::string_view version) {
    OlderFileWriter w(s, expected);
    w.String("Kordel").String(version);
    w.Fields(&s.m_strDesigner, &s.m_nTemplateRowCount);               // No. 3-38
    w.Template();                                                     // 50 x 3
    w.Fields(&s.m_nSectionType, &s.m_dWebLocation);                   // No. 42-43
    w.Fields(&s.m_nOutlinePointCount, &s.m_adCircularVoid[10][2]);    // No. 44-49
    w.Fields(&s.m_nSuperstructureType, &s.m_dReleaseSpan);            // No. 51-56
    w.Fields(&s.m_dBearingPadLength, &s.m_dEcFactor);                 // No. 59-85
    w.EcAuxFlag();                                                    // this layout's own
    w.Fields(&s.m_dBeamEc, &s.m_dSpecifiedFinalLoss);                 // No. 86-105
    w.Fields(&s.m_dDevLengthFactor, &s.m_dVehicle1ImpactSpecified);   // No. 109-185
    w.Fields(&s.m_bAutoFactors, &s.m_dDrapeFraction);                 // No. 187-198
    w.Fields(&s.m_bDesignIncludeTopStrands, &s.m_nDrapedStrandRows);  // No. 201-210
    w.Groups(6);                                                      // 200 x 6
    w.Fields(&s.m_nStrandGroupCount, &s.m_bVcQuarterPtsReinforced);   // No. 212-225
    return w;
}

/// A headerless file of layout A or B: the common part, the layout's own fields, the end.
OlderFileWriter WriteHeaderless(const CKordelDoc& s, CKordelDoc& expected, OlderLayout layout,
                                int reportForm = kReportShortForm) {
    OlderFileWriter w(s, expected);
    w.Int32(reportForm).Byte(1).String("read and ignored");
    w.Fields(&s.m_strDesigner, &s.m_nUnits);                         // No. 3-10
    w.Field(s.m_nLossMode);                                          // No. 103
    w.Field(s.m_bTransformPsStrand);                                 // No. 11
    w.Fields(&s.m_dSpecifiedReleaseLoss, &s.m_dSpecifiedFinalLoss);  // No. 104-105
    w.Fields(&s.m_nSectionAuxValue, &s.m_dTorsionConstant);          // No. 23-31
    w.Fields(&s.m_dBottomFlangeWidth, &s.m_nTemplateRowCount);       // No. 33-38
    w.Template();                                                    // 50 x 3
    w.Fields(&s.m_nSuperstructureType, &s.m_dReleaseSpan);           // No. 51-56
    w.Fields(&s.m_dBearingPadLength, &s.m_dRelativeHumidity);        // No. 59-89
    w.Fields(&s.m_nStrandType, &s.m_strStrandKind);                  // No. 96-102
    w.Fields(&s.m_dDevLengthFactor, &s.m_strDiaphragmAtQuarter);     // No. 109-156
    w.Fields(&s.m_dDiaphragmWeight, &s.m_dOtherCompositeLoad);       // No. 159-163
    if (layout == OlderLayout::HeaderlessA) {
        w.Int32(-7);                             // A1
        w.Field(s.m_recVehicle1.m_strName);      // A2
        w.Float64(123.5);                        // A3
        w.Field(s.m_recVehicle1.m_dMultiplier);  // A4
        w.Byte(9);                               // A5
        w.Field(s.m_nDistFactorMode);            // A6
    } else {
        w.Fields(&s.m_nPTJackingBasis, &s.m_nDistFactorMode);  // No. 164-178
    }
    w.Fields(&s.m_dUserDfMoment, &s.m_dPedestrianLoad);                   // No. 179-182
    w.Fields(&s.m_nEcMethod, &s.m_dDrapeFraction);                        // No. 195-198
    w.Fields(&s.m_bDesignIncludeTopStrands, &s.m_nStrandCount);           // No. 201-205
    w.Fields(&s.m_dStrandAuxValue, &s.m_nDrapedStrandRows);               // No. 207-210
    w.Groups(5);                                                          // 200 x 5
    w.Fields(&s.m_nStrandGroupCount, &s.m_dDebondLengthStep);             // No. 212-213
    w.Fields(&s.m_adCamberMultiplierInput[0], &s.m_adCamberSummary[22]);  // No. 222-224
    return w;
}

/// What a headerless design gets for what its layout lacks, value by value as the layout's
/// conversion lists them.
void ApplyHeaderlessConversion(CKordelDoc& e) {
    e.m_bEcAuxFlag = 0;
    e.m_bContinuous = 0;
    for (int slot = 0; slot < kMaxSpanSlots; ++slot) {
        e.m_adSpanLength[slot] = e.m_adSpanGirderLength[slot] = 0;
        e.m_adGirderOffsetLeft[slot] = e.m_adPadOffsetLeft[slot] = e.m_adPadOffsetRight[slot] = 0;
    }
    e.m_nSpans = 1;
    e.m_adSpanLength[1] = e.m_dDesignSpan;
    e.m_adSpanGirderLength[1] = e.m_dGirderLength;
    e.m_saSpanSectionNames = {e.m_strSectionName};
    const double offset = (e.m_dDesignSpan - e.m_dGirderLength) / 2;
    e.m_adGirderOffsetLeft[1] = e.m_adPadOffsetLeft[1] = e.m_adPadOffsetRight[1] = offset;
    e.m_nCurrentSpan = 1;
    e.m_nCurrentGirder = 2;
    for (StrandGroup& g : e.m_aStrandGroup) g[kGroupPullFraction] = e.m_dPullFraction;
    e.m_nSectionType = 1;
    e.m_dWebLocation = 0;
    e.m_nOutlinePointCount = 5;
    const double w = e.m_dTopFlangeWidth, h = e.m_dSectionHeight;
    const double outline[5][2] = {{-w / 2, 0}, {-w / 2, h}, {w / 2, h}, {w / 2, 0}, {-w / 2, 0}};
    std::memcpy(e.m_adOutline, outline, sizeof outline);
    e.m_nVoidPointCount = 0;
    e.m_nCircularVoidCount = 0;
    e.m_nPTJackingBasis = 1;
    LiveLoadVehicle& v = e.m_recVehicle1;
    v.m_strName = "HL-93";
    v.m_dMultiplier = 1.0;
    v.m_nAxleCount = 3;
    for (VehicleAxle& a : v.m_aAxles) a = {};
    v.m_aAxles[0] = {8.0, 14.0, 28.0};
    v.m_aAxles[1] = {32.0, 14.0, 28.0};
    v.m_aAxles[2] = {32.0, 0, 0};
    v.m_dLaneLoad = 0.64;
    v.m_dLaneMomentLoad = v.m_dLaneShearLoad = 0;
    v.m_bIncludeTandem = 1;
    v.m_dTandemAxle1 = v.m_dTandemAxle2 = 25.0;
    v.m_dTandemSpacing = 4.0;
    v.m_bIncluded = 1;
    v.m_nCombination = 1;
    e.m_bCheckMilitary = 1;
    e.m_dAgeAtContinuity = e.m_dAgeAtDeckCasting = 20.0;
    e.m_dUltimateCreep = 2.0;
    e.m_dBeamUltimateShrinkage = e.m_dDeckUltimateShrinkage = 600.0;
    e.m_bShrinkageAuxFlag = 1;
    e.m_dVolumeToSurface = 2.0;
    e.m_bDiaphragmAtUserLocation = 0;
    e.m_dDiaphragmUserLocation = 0;
    e.m_bComputeRestraintMoments = 0;
    e.m_nVehicle1ImpactMode = 1;
    e.m_dVehicle1ImpactSpecified = 0.33;
    e.m_bAutoFactors = 1;
    e.m_dPhiFlexure = 1.0;
    e.m_dPhiShear = 0.9;
    e.m_nGirderRebarRowCount = e.m_nDeckRebarRowCount = e.m_nStirrupZoneCount = 0;
    e.m_nStirrupLegs = 1;
    e.m_bVcQuarterPtsReinforced = 0;
}

/// A bar as an expanded layout row gives it.
RebarBar ExpandedBar(int size, double y, double z, double start, double end) {
    return {size, {start, y, z}, "S", {end, y, z}, "S", "B", "X"};
}

// ---- Fixture ------------------------------------------------------------------------------------

class OlderDesignFileTest : public EngineTest {
  protected:
    OlderDesignFileTest() : source(NewDoc()) {
        FillDesign(*source);
        // Spans and a section a headerless file may hold.
        source->m_dGirderLength = 101.5;
        source->m_dDesignSpan = 100.0;
        // Three template rows of 5, 4 and 0 positions, with a pattern that fits them.
        source->m_nTemplateRowCount = 3;
        const double positions[3][3] = {{2.0, 5, 3}, {4.0, 4, 2}, {6.0, 0, 0}};
        for (int r = 0; r < 3; ++r) {
            for (int k = 0; k < 3; ++k) source->m_adStrandTemplate[r][k] = positions[r][k];
            source->m_aEndRows[r] = {
                {2.0 * (r + 1), 3.0 - r, 2.0 * (r + 1) + 10, r == 0 ? 2.0 : 0}};
            source->m_aDrapeRows[r] = {{2.0 * (r + 1), 0, 4.0 + r, r == 0 ? 2.0 : 0}};
        }
        // Bar rows: 3 and 4 girder bars, 2 deck bars.
        source->m_nGirderRebarRowCount = 2;
        const double girderRows[2][6] = {{3, 5.0, 2.5, 1.0, 40.0, 0.93},
                                         {4, 4.0, 6.0, 0.5, 20.0, 0.8}};
        std::memcpy(source->m_adGirderRebarRows, girderRows, sizeof girderRows);
        source->m_nDeckRebarRowCount = 1;
        const double deckRow[6] = {2, 5.0, 2.0, 0.0, 30.0, 0.62};
        std::memcpy(source->m_adDeckRebarRows[0], deckRow, sizeof deckRow);
        source->m_bEcAuxFlag = 1;
    }

    /// Reads `bytes` into a new document whose splitting steel stress is 24 ksi (a headerless
    /// layout B file leaves it so), and what the file's writer copied into `expected` likewise.
    std::unique_ptr<CKordelDoc> Load(const Bytes& bytes) {
        auto doc = NewDoc();
        doc->m_dSplittingSteelStress = 24.0;
        platform::Archive ar(bytes);
        doc->Serialize(ar);
        return doc;
    }

    std::unique_ptr<CKordelDoc> NewExpected() {
        auto doc = NewDoc();
        doc->m_dSplittingSteelStress = 24.0;
        return doc;
    }

    static Bytes Save(CKordelDoc& doc) {
        platform::Archive ar;
        doc.Serialize(ar);
        return ar.Bytes();
    }

    /// What a load of the pre-3.0 file written from `source` into `e` gives besides the values
    /// it copies: the age at transfer in days, the template locations, the bars of the rows, the
    /// force entry and the strand groups rebuilt.
    void ApplyPre30Conversion(CKordelDoc& e) {
        e.m_dTransferAge = source->m_dTransferAge / 24;
        e.m_dSplittingSteelStress = 20.0;
        // Rows of 5 and 4 positions from the centreline: 0, 2, 4 and 1, 3; three locations.
        e.m_nTemplateColumnCount = 3;
        e.m_adStrandTemplate[0][3] = 0;
        e.m_adStrandTemplate[0][4] = 2;
        e.m_adStrandTemplate[0][5] = 4;
        e.m_adStrandTemplate[1][3] = 1;
        e.m_adStrandTemplate[1][4] = 3;
        // 3 bars at 0, +2, -2 and 4 bars at +1, -1, +3, -3 (pitch 2 in); the deck row of 2 at
        // +-1, at the row elevation since the web location is not 0.
        const RebarBar girderBars[] = {
            ExpandedBar(5, 2.5, 0, 1.0, 40.0),  ExpandedBar(5, 2.5, 2, 1.0, 40.0),
            ExpandedBar(5, 2.5, -2, 1.0, 40.0), ExpandedBar(4, 6.0, 1, 0.5, 20.0),
            ExpandedBar(4, 6.0, -1, 0.5, 20.0), ExpandedBar(4, 6.0, 3, 0.5, 20.0),
            ExpandedBar(4, 6.0, -3, 0.5, 20.0)};
        e.m_nGirderBarCount = 7;
        std::copy(std::begin(girderBars), std::end(girderBars), e.m_aGirderBars);
        e.m_nDeckBarCount = 2;
        e.m_aDeckBars[0] = ExpandedBar(5, 2.0, 1, 0.0, 30.0);
        e.m_aDeckBars[1] = ExpandedBar(5, 2.0, -1, 0.0, 30.0);
        // Row 49 of the template holds no force entry.
        e.m_nPretensionEntryMode = kEntryStrandPattern;
        e.m_dPForceJacking = 0;
        e.RebuildStrandGroups();
    }

    /// `bytes` refused into an open design, which stays as it was, and refused as a file to
    /// open with the format message.
    void ExpectRefused(const Bytes& bytes, const std::string& what) {
        SCOPED_TRACE(what);
        auto open = NewDoc();
        {
            platform::Archive ar(Save(*source));
            open->Serialize(ar);
        }
        const Bytes before = Save(*open);
        open->m_strFileVersion = "4.62";
        open->m_nReportForm = kReportLongForm;
        frame.m_nStructureType = 5;
        platform::Archive ar(bytes);
        EXPECT_THROW(open->Serialize(ar), platform::ArchiveError);
        EXPECT_EQ(Save(*open), before) << "the open design changed";
        EXPECT_EQ(open->m_strFileVersion, "4.62");
        EXPECT_EQ(open->m_nReportForm, kReportLongForm);
        EXPECT_EQ(frame.m_nStructureType, 5);

        const std::string path = temp.Path("older.kdx");
        platform::WriteFileAtomically(path, bytes);
        platform::DocumentManager manager([] { return CKordelDoc::CreateObject(); });
        host.ClearMessages();
        EXPECT_EQ(manager.OpenDocument(path), nullptr);
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].text, "Unexpected file format.");
    }

    std::unique_ptr<CKordelDoc> source;
    TempFolder temp;
};

// ---- Loading each layout ------------------------------------------------------------------------

TEST_F(OlderDesignFileTest, Pre30FileLoadsWithItsConversions) {
    const int constructedShearMethod = NewDoc()->m_nShearMethod;
    for (const char* version : {"2.5", "2.99", "0.0", "1"}) {
        SCOPED_TRACE(version);
        auto expected = NewExpected();
        const Bytes bytes = WritePre30(*source, *expected, version).Written();
        ApplyPre30Conversion(*expected);
        frame.m_nStructureType = frame.m_nPrestressType = frame.m_nUnits = 0;
        auto loaded = Load(bytes);
        EXPECT_TRUE(SameGroups(StoredGroups(*loaded), StoredGroups(*expected)));
        // Spot checks of what the groups would hide in a failure.
        EXPECT_EQ(loaded->m_adStrandTemplate[0][5], 4.0);
        EXPECT_EQ(loaded->m_nGirderBarCount, 7);
        EXPECT_EQ(loaded->m_aDeckBars[1].m_adStart[kBarZ], -1.0);
        EXPECT_EQ(loaded->m_dTransferAge, source->m_dTransferAge / 24) << "hours become days";
        EXPECT_EQ(loaded->m_bEcAuxFlag, 1);
        EXPECT_EQ(loaded->m_nStrandGroupCount, expected->m_nStrandGroupCount);
        EXPECT_NE(loaded->m_nStrandGroupCount, source->m_nStrandGroupCount)
            << "the groups are rebuilt from the pattern, not taken from the file";
        // No defaults of the later versions: the shear method and edition stay constructed.
        EXPECT_EQ(loaded->m_nShearMethod, constructedShearMethod);
        EXPECT_EQ(loaded->m_nSpecEdition, 2);
        EXPECT_EQ(loaded->m_dRestrainingMomentFactor, 0.5);
        EXPECT_EQ(loaded->m_strFileVersion, "4.62");
        EXPECT_EQ(loaded->m_nReportForm, kReportLongForm);
        EXPECT_EQ(frame.m_nStructureType, 1);
        EXPECT_EQ(frame.m_nUnits, kUnitsMetric);
    }
}

TEST_F(OlderDesignFileTest, Pre30ForceEntryComesFromTemplateRow49) {
    struct Case {
        double elevation;  ///< value [0] of row 49
        int mode;
        double jacking;
    };
    const Case cases[] = {
        {999.0, kEntryPrestressForce, 1200.0},
        {999.7, kEntryPrestressForce, 1200.0},  // truncation gives 999
        {998.9, kEntryStrandPattern, 0.0},      // truncation gives 998
    };
    for (const Case& c : cases) {
        source->m_adStrandTemplate[49][0] = c.elevation;
        source->m_adStrandTemplate[49][1] = 1200.0;
        auto expected = NewExpected();
        auto loaded = Load(WritePre30(*source, *expected, "2.9").Written());
        EXPECT_EQ(loaded->m_nPretensionEntryMode, c.mode) << c.elevation;
        EXPECT_EQ(loaded->m_dPForceJacking, c.jacking) << c.elevation;
        if (c.mode == kEntryPrestressForce) {
            // The centroids from the draped elevation of row 0 of the end and drape patterns.
            EXPECT_EQ(loaded->m_dPForceCgEnd, source->m_aEndRows[0][kRowDrapedElevation]);
            EXPECT_EQ(loaded->m_dPForceCgMid, source->m_aDrapeRows[0][kRowDrapedElevation]);
        }
    }
}

TEST_F(OlderDesignFileTest, HeaderlessFilesLoadWithTheirConversions) {
    for (const OlderLayout layout : {OlderLayout::HeaderlessA, OlderLayout::HeaderlessB}) {
        const bool a = layout == OlderLayout::HeaderlessA;
        SCOPED_TRACE(a ? "layout A" : "layout B");
        auto expected = NewExpected();
        const Bytes bytes = WriteHeaderless(*source, *expected, layout).Written();
        ApplyHeaderlessConversion(*expected);
        if (a) {
            // Layout A holds the age at transfer in hours and sets the splitting steel stress.
            expected->m_dTransferAge = source->m_dTransferAge / 24;
            expected->m_dSplittingSteelStress = 20.0;
        }
        frame.m_nStructureType = 7;
        auto loaded = Load(bytes);
        EXPECT_TRUE(SameGroups(StoredGroups(*loaded), StoredGroups(*expected)));
        EXPECT_EQ(loaded->m_strFileVersion, "4.55");
        EXPECT_EQ(loaded->m_strFileSignature, "Kordel");
        EXPECT_EQ(loaded->m_nReportForm, kReportShortForm);
        EXPECT_EQ(frame.m_nStructureType, 0) << "one simple span";
        // Spot checks.
        EXPECT_EQ(loaded->m_nSpans, 1);
        EXPECT_EQ(loaded->m_adSpanLength[1], 100.0);
        EXPECT_EQ(loaded->m_adGirderOffsetLeft[1], -0.75);
        EXPECT_EQ(loaded->m_adOutline[2][kPointX], source->m_dTopFlangeWidth / 2);
        EXPECT_EQ(loaded->m_recVehicle1.m_strName, "HL-93");
        EXPECT_EQ(loaded->m_dSplittingSteelStress, a ? 20.0 : 24.0);
        EXPECT_EQ(loaded->m_nTemplateColumnCount, 1) << "no locations are placed";
        EXPECT_EQ(loaded->m_nDistFactorMode, kValueSpecified);
    }
}

TEST_F(OlderDesignFileTest, HeaderlessReaderTriesLayoutAFirstThenB) {
    struct Case {
        const char* what;
        OlderLayout written;
        int distFactorMode;
        OlderLayout read;
    };
    const Case cases[] = {
        {"A with mode 1", OlderLayout::HeaderlessA, kValueComputed, OlderLayout::HeaderlessA},
        {"A with mode 2", OlderLayout::HeaderlessA, kValueSpecified, OlderLayout::HeaderlessA},
        // Layout B holds the first axle's maximum spacing where layout A holds the mode: 28 ft
        // reads there as 0, which sends the reader back to the start for layout B.
        {"B", OlderLayout::HeaderlessB, kValueSpecified, OlderLayout::HeaderlessB},
        {"B with a mode of 7, not checked", OlderLayout::HeaderlessB, 7, OlderLayout::HeaderlessB},
    };
    source->m_recVehicle1.m_aAxles[0] = {8.0, 14.0, 28.0};
    for (const Case& c : cases) {
        source->m_nDistFactorMode = c.distFactorMode;
        auto expected = NewExpected();
        const Bytes bytes = WriteHeaderless(*source, *expected, c.written).Written();
        auto doc = NewDoc();
        design_file::StoredDesign design(*doc);
        platform::Archive ar(bytes);
        ar.ReadString();  // the signature test of the loader
        const design_file::OlderFile file = design_file::ReadHeaderlessDesign(ar, design);
        EXPECT_EQ(file.layout, c.read) << c.what;
        EXPECT_EQ(design.m_nDistFactorMode, c.distFactorMode) << c.what;
        EXPECT_EQ(design.m_dTransferAge, c.read == OlderLayout::HeaderlessA
                                             ? source->m_dTransferAge / 24
                                             : source->m_dTransferAge)
            << c.what;
    }
}

TEST_F(OlderDesignFileTest, OlderFilesSaveInTheCurrentLayoutAndLoadBackWithoutLoss) {
    // Whatever the layout read, the save is a 4.62 file, so the fields of the last gate come
    // back as they were instead of taking that gate's defaults.
    auto unused = NewExpected();
    const std::pair<const char*, Bytes> files[] = {
        {"before 3.0", WritePre30(*source, *unused, "2.5").Written()},
        {"headerless A", WriteHeaderless(*source, *unused, OlderLayout::HeaderlessA).Written()},
        {"headerless B", WriteHeaderless(*source, *unused, OlderLayout::HeaderlessB).Written()},
    };
    for (const auto& [what, bytes] : files) {
        SCOPED_TRACE(what);
        auto loaded = Load(bytes);
        // Values a 4.62 file holds and an older file's load leaves at their defaults.
        loaded->m_bCheckStripping = 1;
        loaded->m_bCheckHandling = 0;
        loaded->m_dRestrainingMomentFactor = 0.75;
        const Bytes saved = Save(*loaded);
        platform::Archive header(saved);
        EXPECT_EQ(header.ReadString(), "Kordel");
        EXPECT_EQ(header.ReadString(), "4.62");
        auto reloaded = Load(saved);
        // Two members no file of the current layout holds: the flag of the Ec inputs, which
        // only files before 3.0 carry and no computation reads, and the splitting steel stress,
        // which a load of the current layout sets to 20 ksi.
        StoredGroups expected(*loaded);
        expected.m_bEcAuxFlag = 0;
        expected.m_dSplittingSteelStress = 20.0;
        EXPECT_TRUE(SameGroups(StoredGroups(*reloaded), expected));
        EXPECT_EQ(reloaded->m_dRestrainingMomentFactor, 0.75);
        EXPECT_EQ(reloaded->m_bCheckStripping, 1);
        EXPECT_EQ(Save(*reloaded), saved);
    }
}

TEST_F(OlderDesignFileTest, OlderFilesOfAnExampleDesignOpenAndAnalyse) {
    frame.m_nSeedChoice = SeedSimpleSpan;
    auto example = NewDoc();
    ASSERT_TRUE(example->OnNewDocument());
    auto unused = NewExpected();
    const std::pair<const char*, Bytes> files[] = {
        {"before 3.0", WritePre30(*example, *unused, "2.5").Written()},
        {"headerless A", WriteHeaderless(*example, *unused, OlderLayout::HeaderlessA).Written()},
        {"headerless B", WriteHeaderless(*example, *unused, OlderLayout::HeaderlessB).Written()},
    };
    for (const auto& [what, bytes] : files) {
        SCOPED_TRACE(what);
        const std::string path = temp.Path("example.kdx");
        platform::WriteFileAtomically(path, bytes);
        platform::DocumentManager manager([] { return CKordelDoc::CreateObject(); });
        auto* doc = dynamic_cast<CKordelDoc*>(manager.OpenDocument(path));
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(doc->m_dDesignSpan, example->m_dDesignSpan);
        EXPECT_EQ(doc->m_strSectionName, example->m_strSectionName);
        EXPECT_EQ(doc->m_adStationX[100], example->m_dDesignSpan) << "the stations were laid out";
        EXPECT_GT(doc->m_aMoment[50][kCaseGirder], 0.0) << "girder moment at mid-span";
    }
}

// ---- Template locations -------------------------------------------------------------------------

TEST(PlaceTemplateLocations, PlacesRowsOnTheTwoInchGrid) {
    struct Case {
        const char* what;
        int layout;
        double webLocation;
        double positions;
        std::vector<double> locations;  ///< values [3], [4], ... of the row
    };
    const Case cases[] = {
        {"5 from the centreline: a strand on it", 1, 10.0, 5, {0, 2, 4}},
        {"4 from the centreline: pairs at +-1, +-3", 1, 10.0, 4, {1, 3}},
        {"1 from the centreline", 1, 0.0, 1, {0}},
        {"4.9999999 rounds at single precision to 5 locations' worth",
         1,
         0.0,
         4.9999999,
         {1, 3, 5}},
        {"54 from the centreline: all 27 locations", 1, 0.0, 54, {1,  3,  5,  7,  9,  11, 13,
                                                                  15, 17, 19, 21, 23, 25, 27,
                                                                  29, 31, 33, 35, 37, 39, 41,
                                                                  43, 45, 47, 49, 51, 53}},
        {"5 from the web inward: 10, 8 and the centreline", 2, 10.0, 5, {10, 8, 0}},
        {"4 from the web inward", 2, 10.0, 4, {10, 8}},
        {"0 positions: no location", 1, 0.0, 0, {}},
    };
    for (const Case& c : cases) {
        SectionModel s;
        s.m_nTemplateLayout = c.layout;
        s.m_dWebLocation = c.webLocation;
        s.m_nTemplateRowCount = 2;
        s.m_adStrandTemplate[0][kTemplatePositions] = c.positions;
        for (int k = kTemplateFirstLocation; k < kMaxPatternColumns; ++k) {
            s.m_adStrandTemplate[0][k] = 99;  // stale locations of a used row are cleared
            s.m_adStrandTemplate[2][k] = 77;  // rows beyond the count are left alone
        }
        design_file::PlaceTemplateLocations(s);
        std::vector<double> expected(kMaxTemplateLocations, 0.0);
        std::copy(c.locations.begin(), c.locations.end(), expected.begin());
        const std::vector<double> row(s.m_adStrandTemplate[0] + kTemplateFirstLocation,
                                      s.m_adStrandTemplate[0] + kMaxPatternColumns);
        EXPECT_EQ(row, expected) << c.what;
        EXPECT_EQ(s.m_adStrandTemplate[2][kMaxPatternColumns - 1], 77) << c.what;
    }
}

TEST(PlaceTemplateLocations, ColumnCountFollowsTheLargestRow) {
    // Rows of 5 and 4 positions: the largest, 5, gives integer part of 5/2 + 0.5 = 3 columns.
    const std::pair<std::vector<double>, int> cases[] = {{{5, 4}, 3}, {{4, 5, 0}, 3}, {{4}, 2},
                                                         {{0, 0}, 0}, {{}, 0},        {{53.5}, 27}};
    for (const auto& [rows, columns] : cases) {
        SectionModel s;
        s.m_nTemplateRowCount = static_cast<int>(rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            s.m_adStrandTemplate[r][kTemplatePositions] = rows[r];
        }
        design_file::PlaceTemplateLocations(s);
        EXPECT_EQ(s.m_nTemplateColumnCount, columns) << rows.size() << " rows";
    }
}

TEST(PlaceTemplateLocations, RowsBeyondTheirLocationsAreRefused) {
    // A row holds 27 locations: a 55th position (28 locations) or a negative count would write
    // outside it.
    const std::pair<int, double> cases[] = {{1, 55}, {2, 55}, {1, 54.9999999},
                                            {1, -1}, {2, -3}, {1, 1e300}};
    for (const auto& [layout, positions] : cases) {
        SectionModel s;
        s.m_nTemplateLayout = layout;
        s.m_nTemplateRowCount = 1;
        s.m_adStrandTemplate[0][kTemplatePositions] = positions;
        s.m_adStrandTemplate[0][kTemplateFirstLocation] = 9;
        EXPECT_THROW(design_file::PlaceTemplateLocations(s), platform::ArchiveError)
            << "layout " << layout << ", " << positions << " positions";
        EXPECT_EQ(s.m_adStrandTemplate[0][kTemplateFirstLocation], 9) << "template unchanged";
        EXPECT_EQ(s.m_nTemplateColumnCount, 1);
    }
}

// ---- Bars from the layout rows ------------------------------------------------------------------

/// Offsets across the girder of the bars that one row of `count` bars gives.
std::vector<double> OffsetsOfRow(double count) {
    PrestressModel p;
    p.m_nGirderRebarRowCount = 1;
    p.m_adGirderRebarRows[0][kRebarRowBars] = count;
    p.m_adGirderRebarRows[0][kRebarRowBarSize] = 5;
    design_file::ExpandGirderRebarRows(p);
    std::vector<double> z;
    for (int i = 0; i < p.m_nGirderBarCount; ++i) z.push_back(p.m_aGirderBars[i].m_adStart[kBarZ]);
    return z;
}

TEST(ExpandRebarRows, BarsSitSymmetricAboutTheCentreline) {
    const std::pair<double, std::vector<double>> cases[] = {
        {3, {0, 2, -2}},      // odd: one on the centreline, then the pitch of 2 in
        {4, {1, -1, 3, -3}},  // even: the first pair at +-1 in, not half the pitch
        {1, {0}},
        {2, {1, -1}},
        {5.9, {0, 2, -2, 4, -4}},  // the whole part of the count
        {0, {}},
        {-3, {}},
        {0.5, {}},
    };
    for (const auto& [count, offsets] : cases) {
        EXPECT_EQ(OffsetsOfRow(count), offsets) << count << " bars";
    }
}

TEST(ExpandRebarRows, BarsTakeTheRowsSizeEndsAndElevation) {
    PrestressModel p;
    p.m_dBarSpacing = 3.0;
    p.m_nGirderRebarRowCount = 2;
    const double rows[2][6] = {{3, 6.7, 4.5, 2.0, 58.0, 1.32}, {2, 4.0, 9.0, 0.0, 60.0, 0.4}};
    std::memcpy(p.m_adGirderRebarRows, rows, sizeof rows);
    p.m_aGirderBars[5].m_nBarSize = 11;  // bars beyond the rows keep what they held
    design_file::ExpandGirderRebarRows(p);
    ASSERT_EQ(p.m_nGirderBarCount, 5);
    EXPECT_EQ(p.m_aGirderBars[0], ExpandedBar(6, 4.5, 0, 2.0, 58.0)) << "bar size truncated";
    EXPECT_EQ(p.m_aGirderBars[2], ExpandedBar(6, 4.5, -3, 2.0, 58.0)) << "pitch from spacing";
    EXPECT_EQ(p.m_aGirderBars[3], ExpandedBar(4, 9.0, 1, 0.0, 60.0)) << "even row at +-1";
    EXPECT_EQ(p.m_aGirderBars[5].m_nBarSize, 11);

    p.m_nGirderRebarRowCount = 0;
    design_file::ExpandGirderRebarRows(p);
    EXPECT_EQ(p.m_nGirderBarCount, 0);
}

TEST(ExpandRebarRows, DeckRowsCountFromTheHaunchWhenTheWebLocationIs0) {
    // A deck row at 2 in on a 72-in girder with a 1-in haunch: 2 + 72 + 1 = 75 in with the web
    // location 0, the row's 2 in otherwise.
    const std::pair<double, double> cases[] = {{0.0, 75.0}, {5.0, 2.0}};
    for (const auto& [webLocation, elevation] : cases) {
        PrestressModel p;
        SectionModel s;
        ProjectModel project;
        s.m_dWebLocation = webLocation;
        s.m_dSectionHeight = 72.0;
        project.m_dHaunchThickness = 1.0;
        p.m_nDeckRebarRowCount = 1;
        p.m_adDeckRebarRows[0][kRebarRowBars] = 2;
        p.m_adDeckRebarRows[0][kRebarRowBarSize] = 5;
        p.m_adDeckRebarRows[0][kRebarRowElevation] = 2.0;
        design_file::ExpandDeckRebarRows(p, s, project);
        ASSERT_EQ(p.m_nDeckBarCount, 2);
        EXPECT_EQ(p.m_aDeckBars[1].m_adStart[kBarY], elevation) << "web location " << webLocation;
        EXPECT_EQ(p.m_aDeckBars[1].m_adEnd[kBarY], elevation) << "web location " << webLocation;
        EXPECT_EQ(p.m_nGirderBarCount, 0) << "the girder list is not touched";
    }
}

TEST(ExpandRebarRows, RowsBeyondTheBarListAreRefused) {
    struct Case {
        const char* what;
        std::vector<std::pair<double, double>> rows;  ///< count and bar size of each row
        bool refused;
    };
    const Case cases[] = {
        {"201 bars fill the list", {{100, 5}, {101, 5}}, false},
        {"202 bars", {{100, 5}, {101, 5}, {1, 5}}, true},
        {"one row of 1e12 bars", {{1e12, 5}}, true},
        {"bar size 20", {{2, 20}}, true},
        {"bar size -1", {{2, -1}}, true},
        {"bar size 1e300", {{2, 1e300}}, true},
        {"a row of no bars may hold any size", {{0, 99}}, false},
    };
    for (const Case& c : cases) {
        PrestressModel p;
        p.m_nDeckRebarRowCount = static_cast<int>(c.rows.size());
        for (std::size_t r = 0; r < c.rows.size(); ++r) {
            p.m_adDeckRebarRows[r][kRebarRowBars] = c.rows[r].first;
            p.m_adDeckRebarRows[r][kRebarRowBarSize] = c.rows[r].second;
        }
        p.m_nDeckBarCount = 3;
        if (c.refused) {
            EXPECT_THROW(design_file::ExpandDeckRebarRows(p, SectionModel{}, ProjectModel{}),
                         platform::ArchiveError)
                << c.what;
            EXPECT_EQ(p.m_nDeckBarCount, 3) << c.what << ": bars unchanged";
        } else {
            EXPECT_NO_THROW(design_file::ExpandDeckRebarRows(p, SectionModel{}, ProjectModel{}))
                << c.what;
        }
    }
}

// ---- Damaged files and files that are no design -------------------------------------------------

TEST_F(OlderDesignFileTest, OlderFilesCutShortAreRefused) {
    auto unused = NewExpected();
    const std::pair<const char*, Bytes> files[] = {
        {"before 3.0", WritePre30(*source, *unused, "2.5").Written()},
        {"headerless A", WriteHeaderless(*source, *unused, OlderLayout::HeaderlessA).Written()},
        {"headerless B", WriteHeaderless(*source, *unused, OlderLayout::HeaderlessB).Written()},
    };
    for (const auto& [what, good] : files) {
        auto open = Load(Save(*source));
        const Bytes before = Save(*open);
        // Every cut in the first 600 bytes and near the end, and every 61st in between.
        int accepted = 0;
        for (std::size_t cut = 0; cut < good.size();
             cut += (cut < 600 || cut + 600 > good.size()) ? 1 : 61) {
            platform::Archive ar(
                Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut)));
            try {
                open->Serialize(ar);
                ++accepted;
                ADD_FAILURE() << what << " cut at byte " << cut << " of " << good.size()
                              << " loaded";
            } catch (const platform::ArchiveError&) {
            }
        }
        EXPECT_EQ(accepted, 0) << what;
        EXPECT_EQ(Save(*open), before) << what;
    }
}

TEST_F(OlderDesignFileTest, CountsNumbersAndExpansionsOutsideTheirArraysAreRefused) {
    const CKordelDoc& s = *source;
    struct Case {
        const char* what;
        OlderLayout layout;
        const void* member;
        double value;  ///< written in the member's own encoding
        bool isInt;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const OlderLayout pre30 = OlderLayout::Pre30, a = OlderLayout::HeaderlessA,
                      b = OlderLayout::HeaderlessB;
    const Case cases[] = {
        {"21 spans", pre30, &s.m_nSpans, 21, true},
        {"huge span count", pre30, &s.m_nSpans, 0x7FFFFFFF, true},
        {"current span beyond the spans", pre30, &s.m_nCurrentSpan, 4, true},
        {"51 template rows", pre30, &s.m_nTemplateRowCount, 51, true},
        {"51 template rows, headerless", a, &s.m_nTemplateRowCount, 51, true},
        {"102 outline points", pre30, &s.m_nOutlinePointCount, 102, true},
        {"negative void points", pre30, &s.m_nVoidPointCount, -1, true},
        {"12 circular voids", pre30, &s.m_nCircularVoidCount, 12, true},
        {"101 axles on vehicle 1", pre30, &s.m_recVehicle1.m_nAxleCount, 101, true},
        {"101 axles on vehicle 1, layout B", b, &s.m_recVehicle1.m_nAxleCount, 101, true},
        {"201 strand groups", pre30, &s.m_nStrandGroupCount, 201, true},
        {"-1 strand groups, headerless", b, &s.m_nStrandGroupCount, -1, true},
        {"12 girder bar rows", pre30, &s.m_nGirderRebarRowCount, 12, true},
        {"negative deck bar rows", pre30, &s.m_nDeckRebarRowCount, -5, true},
        {"21 stirrup zones", pre30, &s.m_nStirrupZoneCount, 21, true},
        {"stirrup zone bar size 20", pre30, &s.m_adStirrupZones[0][kZoneBarSize], 20, false},
        {"girder rows of 202 bars", pre30, &s.m_adGirderRebarRows[1][kRebarRowBars], 199, false},
        {"deck bar size 25", pre30, &s.m_adDeckRebarRows[0][kRebarRowBarSize], 25, false},
        {"template row of 55 positions", pre30, &s.m_adStrandTemplate[0][1], 55, false},
        {"template row of -3 positions", pre30, &s.m_adStrandTemplate[1][1], -3, false},
        {"design span NaN", pre30, &s.m_dDesignSpan, nan, false},
        {"template elevation inf", pre30, &s.m_adStrandTemplate[30][0], inf, false},
        {"strand group value NaN", pre30, &s.m_aStrandGroup[150][5], nan, false},
        {"strand group value -inf, headerless", a, &s.m_aStrandGroup[199][4], -inf, false},
        {"f'c NaN, headerless", b, &s.m_dBeamFc, nan, false},
        {"camber multiplier inf, headerless", a, &s.m_adCamberMultiplier[10], inf, false},
        {"strand count DBL_MAX", pre30, &s.m_aEndRows[2][kRowStraightCount],
         std::numeric_limits<double>::max(), false},
        {"girder row elevation -1e300", pre30, &s.m_adGirderRebarRows[0][kRebarRowElevation],
         -1e300, false},
        {"f'c 1e300, headerless", b, &s.m_dBeamFc, 1e300, false},
    };
    for (const Case& c : cases) {
        auto unused = NewExpected();
        const OlderFileWriter w = c.layout == pre30 ? WritePre30(s, *unused, "2.5")
                                                    : WriteHeaderless(s, *unused, c.layout);
        Bytes bytes = w.Written();
        const std::size_t offset = w.OffsetOf(c.member);
        if (c.isInt) {
            const auto v = static_cast<std::int32_t>(c.value);
            std::memcpy(bytes.data() + offset, &v, sizeof v);
        } else {
            std::memcpy(bytes.data() + offset, &c.value, sizeof c.value);
        }
        ExpectRefused(bytes, c.what);
    }
}

TEST_F(OlderDesignFileTest, HeaderlessFilesMustHoldAPlausibleDesign) {
    struct Case {
        const char* what;
        void (*change)(CKordelDoc&);
    };
    const Case cases[] = {
        {"design span 0", [](CKordelDoc& d) { d.m_dDesignSpan = 0; }},
        {"negative design span", [](CKordelDoc& d) { d.m_dDesignSpan = -100; }},
        {"design span of 2000 ft", [](CKordelDoc& d) { d.m_dDesignSpan = 2000; }},
        {"girder length 0", [](CKordelDoc& d) { d.m_dGirderLength = 0; }},
        {"section height 0", [](CKordelDoc& d) { d.m_dSectionHeight = 0; }},
        {"section height of 1000 in", [](CKordelDoc& d) { d.m_dSectionHeight = 1000; }},
        {"top flange width 0", [](CKordelDoc& d) { d.m_dTopFlangeWidth = 0; }},
        {"section area 0", [](CKordelDoc& d) { d.m_dSectionArea = 0; }},
        {"centroid above the section", [](CKordelDoc& d) { d.m_dSectionYb = 1e4; }},
        {"inertia 0", [](CKordelDoc& d) { d.m_dSectionIxx = 0; }},
    };
    for (const OlderLayout layout : {OlderLayout::HeaderlessA, OlderLayout::HeaderlessB}) {
        for (const Case& c : cases) {
            auto doc = NewDoc();
            FillDesign(*doc);
            doc->m_nTemplateRowCount = source->m_nTemplateRowCount;
            doc->m_dGirderLength = source->m_dGirderLength;
            doc->m_dDesignSpan = source->m_dDesignSpan;
            c.change(*doc);
            auto unused = NewExpected();
            ExpectRefused(
                WriteHeaderless(*doc, *unused, layout).Written(),
                std::string(c.what) + (layout == OlderLayout::HeaderlessA ? " (A)" : " (B)"));
        }
    }
    // The report form comes first: 1 or 2.
    auto unused = NewExpected();
    for (int form : {0, 3, -1}) {
        ExpectRefused(WriteHeaderless(*source, *unused, OlderLayout::HeaderlessA, form).Written(),
                      "report form " + std::to_string(form));
    }
}

TEST_F(OlderDesignFileTest, FilesThatAreNoDesignAreRefused) {
    // A layout A file whose distribution-factor mode is neither 1 nor 2 is tried as layout B,
    // which it is not either.
    source->m_nDistFactorMode = 3;
    auto unused = NewExpected();
    ExpectRefused(WriteHeaderless(*source, *unused, OlderLayout::HeaderlessA).Written(),
                  "neither layout A nor B");

    const std::string text = "Girder notes\nSpan 1: 100 ft\n";
    ExpectRefused(Bytes(text.begin(), text.end()), "a text file");
    ExpectRefused(Bytes(20000, 0), "zeros");
    Bytes formThenZeros(30000, 0);
    formThenZeros[0] = kReportLongForm;
    ExpectRefused(formThenZeros, "a report form followed by zeros");
    ExpectRefused({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}, "a picture");
    std::mt19937 random(23);
    for (std::size_t size : {4u, 100u, 5000u, 40000u}) {
        Bytes bytes(size);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        bytes[0] = kReportShortForm;  // past the first test
        bytes[1] = bytes[2] = bytes[3] = 0;
        ExpectRefused(bytes, std::to_string(size) + " random bytes after a report form");
    }
    // A 4.62 body under a version below 3.0 does not read as the older layout.
    const Bytes current = Save(*source);
    platform::Archive header;
    header.WriteString("Kordel");
    header.WriteString("2.5");
    Bytes relabelled = header.Bytes();
    const std::size_t currentHeader = 1 + 6 + 1 + 4;  // "Kordel", "4.62"
    relabelled.insert(relabelled.end(), current.begin() + currentHeader, current.end());
    ExpectRefused(relabelled, "a current body under version 2.5");
}

// ---- Fuzz seeds ---------------------------------------------------------------------------------

/// With KORDEL_WRITE_DESIGN_SEEDS set to a folder, writes one file of each older layout there
/// as seeds of the design-file fuzz target (which loads every seed in its own test).
TEST_F(OlderDesignFileTest, WritesOlderSeedsOnRequest) {
    const char* folder = std::getenv("KORDEL_WRITE_DESIGN_SEEDS");
    if (!folder) GTEST_SKIP() << "KORDEL_WRITE_DESIGN_SEEDS not set";
    source->m_strProject = "Route 7";
    auto unused = NewExpected();
    const std::pair<const char*, Bytes> seeds[] = {
        {"older-2.5.kdx", WritePre30(*source, *unused, "2.5").Written()},
        {"headerless-a.kdx", WriteHeaderless(*source, *unused, OlderLayout::HeaderlessA).Written()},
        {"headerless-b.kdx", WriteHeaderless(*source, *unused, OlderLayout::HeaderlessB).Written()},
    };
    for (const auto& [name, bytes] : seeds) {
        EXPECT_NO_THROW(Load(bytes)) << name;
        platform::WriteFileAtomically((std::filesystem::path(folder) / name).string(), bytes);
    }
}

}  // namespace
}  // namespace kordel::test
