// The readers of the older design-file layouts. Each layout is written below as the fields it
// holds, named by their numbers in the current layout (No. 3 the designer's initials to No. 225
// the flag of the shear check at the quarter points), plus the few fields that only older
// layouts hold. The table of numbered fields reads each field the way the current reader does,
// with the same rewrites of a few values read.
#include "document/older_design_files.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/design_file.h"
#include "document/rebar_layout.h"
#include "document/stored_design.h"
#include "platform/archive.h"

namespace kordel {
namespace design_file {

using platform::Archive;
using platform::ArchiveError;

namespace {

// ---- Values of the older layouts ----------------------------------------------------------------

/// Values of each strand template row that the older layouts hold: elevation, positions and
/// draped positions, without the horizontal locations.
constexpr int kOlderTemplateValues = 3;
/// Values of each strand group that the older layouts hold: before 3.0 all but the horizontal
/// location; headerless files also without the pull fraction.
constexpr int kPre30GroupValues = 6;
constexpr int kHeaderlessGroupValues = 5;

/// Versions before 3.0 stored the age at transfer in hours, as did headerless layout A.
constexpr double kHoursPerDay = 24.0;

/// Pitch of the strand template grid, in.
constexpr double kTemplateGridPitch = 2.0;

// What a headerless design takes for what its layout lacks.
constexpr int kHeaderlessCurrentGirder = 2;
constexpr int kHeaderlessOutlinePoints = 5;
constexpr double kHeaderlessAgeAtContinuity = 20.0;     ///< days
constexpr double kHeaderlessAgeAtDeckCasting = 20.0;    ///< days
constexpr double kHeaderlessUltimateCreep = 2.0;        ///< creep coefficient
constexpr double kHeaderlessUltimateShrinkage = 600.0;  ///< x 10^-6, girder and deck
constexpr double kHeaderlessVolumeToSurface = 2.0;      ///< in
constexpr double kHeaderlessImpactSpecified = 0.33;     ///< fraction
constexpr double kHeaderlessPhiFlexure = 1.0;
constexpr double kHeaderlessPhiShear = 0.9;

/// Vehicle 1 of a headerless design: the program's standard "HL-93" vehicle (axle weight kip,
/// spacing to the next axle from and to, ft), with the design lane and tandem.
constexpr const char* kHeaderlessVehicleName = "HL-93";
constexpr VehicleAxle kHeaderlessVehicleAxles[] = {
    {8.0, 14.0, 28.0}, {32.0, 14.0, 28.0}, {32.0, 0.0, 0.0}};
constexpr double kHeaderlessLaneLoad = 0.64;      ///< klf
constexpr double kHeaderlessTandemAxle = 25.0;    ///< kip, each of the two
constexpr double kHeaderlessTandemSpacing = 4.0;  ///< ft

// ---- Reading fields -----------------------------------------------------------------------------

/// Reads the values of an older layout, with the checks of the current reader: counts and
/// indices within their arrays, numbers that the design uses finite.
class FieldReader {
  public:
    FieldReader(Archive& ar, OlderLayout layout) : m_ar(ar), m_layout(layout) {}

    /// Layout B stores the age at transfer in days and leaves the splitting steel stress alone;
    /// the others store hours and set the stress.
    bool TransferAgeInHours() const { return m_layout != OlderLayout::HeaderlessB; }
    bool SetsSplittingSteelStress() const { return m_layout != OlderLayout::HeaderlessB; }

    void Int32(int& v) { v = m_ar.ReadInt32(); }
    void Flag(int& v) { v = m_ar.ReadBool(); }
    void String(std::string& v) { v = m_ar.ReadString(); }

    /// A number the design uses as it stands: it must be finite.
    void Float64(double& v) {
        v = m_ar.ReadFloat64();
        if (!std::isfinite(v)) {
            throw ArchiveError("a number that is not finite ends at byte " +
                               std::to_string(m_ar.Position()) + " of the design file");
        }
    }

    template <std::size_t N>
    void Float64(double (&a)[N]) {
        for (double& v : a) Float64(v);
    }

    template <std::size_t N, std::size_t M>
    void Float64(double (&a)[N][M]) {
        for (auto& row : a) Float64(row);
    }

    /// A result that every analysis writes again: any bit pattern is carried unchanged.
    void StoredFloat64(double& v) { v = m_ar.ReadFloat64(); }

    /// A count of entries of an array of `max` entries.
    void Count(int& n, int max, const char* what) { Index(n, 0, max, what); }

    /// An int32 within `lo` to `hi`.
    void Index(int& v, int lo, int hi, const char* what) {
        Int32(v);
        if (v < lo || v > hi) {
            throw ArchiveError(std::string(what) + " is " + std::to_string(v) + ", outside " +
                               std::to_string(lo) + " to " + std::to_string(hi) + ".");
        }
    }

    /// The span section names: `count` names, replacing the list.
    void Names(std::vector<std::string>& names, int count) {
        names.clear();
        for (int i = 0; i < count; ++i) names.push_back(m_ar.ReadString());
    }

    // Values a layout holds and the design does not use.
    void SkipInt32() { m_ar.ReadInt32(); }
    void SkipByte() { m_ar.ReadByte(); }
    void SkipFloat64() { m_ar.ReadFloat64(); }
    void SkipString() { m_ar.ReadString(); }

  private:
    Archive& m_ar;
    OlderLayout m_layout;
};

using FieldRead = void (*)(FieldReader&, StoredDesign&);

/// One field of the current layout, by its number.
struct NumberedField {
    int no;
    FieldRead read;  ///< nullptr for a field that no older layout holds
};

constexpr int kFirstBodyField = 3;    ///< fields 1 and 2 are the header
constexpr int kLastOlderField = 225;  ///< no older layout holds a later field

/// Fields No. 3 to 225 of the current layout, as the older layouts hold them.
constexpr NumberedField kFields[] = {
    // Group 1: project, specification and spans
    {3, [](auto& r, auto& d) { r.String(d.m_strDesigner); }},
    {4, [](auto& r, auto& d) { r.String(d.m_strProject); }},
    {5, [](auto& r, auto& d) { r.String(d.m_strTask); }},
    {6, [](auto& r, auto& d) { r.String(d.m_strClient); }},
    {7, [](auto& r, auto& d) { r.String(d.m_strJobNumber); }},
    {8, [](auto& r, auto& d) { r.Int32(d.m_nSpecification); }},
    {9, [](auto& r, auto& d) { r.String(d.m_strSpecCode); }},
    {10, [](auto& r, auto& d) { r.Int32(d.m_nUnits); }},
    {11, [](auto& r, auto& d) { r.Flag(d.m_bTransformPsStrand); }},
    {12, [](auto& r, auto& d) { r.Flag(d.m_bContinuous); }},
    {13, [](auto& r, auto& d) { r.Count(d.m_nSpans, kMaxSpans, "Number of spans"); }},
    {14, [](auto& r, auto& d) { r.Names(d.m_saSpanSectionNames, d.m_nSpans); }},
    {15, [](auto& r, auto& d) { r.Float64(d.m_adSpanLength); }},
    {16, [](auto& r, auto& d) { r.Float64(d.m_adSpanGirderLength); }},
    {17, [](auto& r, auto& d) { r.Float64(d.m_adSpanSectionProps); }},
    {18, [](auto& r, auto& d) { r.Float64(d.m_adGirderOffsetLeft); }},
    {19, [](auto& r, auto& d) { r.Float64(d.m_adPadOffsetLeft); }},
    {20, [](auto& r, auto& d) { r.Float64(d.m_adPadOffsetRight); }},
    {21, [](auto& r, auto& d) { r.Index(d.m_nCurrentSpan, 0, d.m_nSpans, "Current span"); }},
    {22, [](auto& r, auto& d) { r.Int32(d.m_nCurrentGirder); }},
    // Group 2: girder section
    {23, [](auto& r, auto& d) { r.Int32(d.m_nSectionAuxValue); }},
    {24, [](auto& r, auto& d) { r.String(d.m_strSectionName); }},
    {25, [](auto& r, auto& d) { r.Float64(d.m_dSectionArea); }},
    {26, [](auto& r, auto& d) { r.Float64(d.m_dSectionYb); }},
    {27, [](auto& r, auto& d) { r.Float64(d.m_dTopFlangeThickness); }},
    {28, [](auto& r, auto& d) { r.Float64(d.m_dTopFlangeWidth); }},
    {29, [](auto& r, auto& d) { r.Float64(d.m_dSectionHeight); }},
    {30, [](auto& r, auto& d) { r.Float64(d.m_dSectionIxx); }},
    {31, [](auto& r, auto& d) { r.Float64(d.m_dTorsionConstant); }},
    {32, [](auto& r, auto& d) { r.Float64(d.m_dVolumeToSurface); }},
    {33, [](auto& r, auto& d) { r.Float64(d.m_dBottomFlangeWidth); }},
    {34, [](auto& r, auto& d) { r.Float64(d.m_dBottomFlangeThickness); }},
    {35, [](auto& r, auto& d) { r.Float64(d.m_dBwo); }},
    {36, [](auto& r, auto& d) { r.Int32(d.m_nWebCount); }},
    {37, [](auto& r, auto& d) { r.Float64(d.m_dWebWidth); }},
    {38,
     [](auto& r, auto& d) {
         r.Count(d.m_nTemplateRowCount, kMaxPatternRows, "Number of strand template rows");
     }},
    {39, nullptr},  // template layout
    {40, nullptr},  // template location count
    {41, nullptr},  // the whole template: older layouts hold only three values of each row
    {42, [](auto& r, auto& d) { r.Int32(d.m_nSectionType); }},
    {43, [](auto& r, auto& d) { r.Float64(d.m_dWebLocation); }},
    {44,
     [](auto& r, auto& d) {
         r.Count(d.m_nOutlinePointCount, kMaxOutlinePoints, "Number of outline points");
     }},
    {45, [](auto& r, auto& d) { r.Float64(d.m_adOutline); }},
    {46,
     [](auto& r, auto& d) {
         r.Count(d.m_nVoidPointCount, kMaxOutlinePoints, "Number of void outline points");
     }},
    {47, [](auto& r, auto& d) { r.Float64(d.m_adVoidOutline); }},
    {48,
     [](auto& r, auto& d) {
         r.Count(d.m_nCircularVoidCount, kMaxCircularVoids, "Number of circular voids");
     }},
    {49, [](auto& r, auto& d) { r.Float64(d.m_adCircularVoid); }},
    {50, nullptr},  // section generator dimensions
    {51, [](auto& r, auto& d) { r.Int32(d.m_nSuperstructureType); }},
    {52, [](auto& r, auto& d) { r.String(d.m_strSuperstructureType); }},
    {53, [](auto& r, auto& d) { r.Flag(d.m_bSufficientlyConnected); }},
    // Group 3: girder, bridge geometry and deck
    {54, [](auto& r, auto& d) { r.Float64(d.m_dGirderLength); }},
    {55, [](auto& r, auto& d) { r.Float64(d.m_dDesignSpan); }},
    {56, [](auto& r, auto& d) { r.Float64(d.m_dReleaseSpan); }},
    {57, nullptr},  // number of segments
    {58, nullptr},  // segments
    {59, [](auto& r, auto& d) { r.Float64(d.m_dBearingPadLength); }},
    {60, [](auto& r, auto& d) { r.Int32(d.m_nBeams); }},
    {61, [](auto& r, auto& d) { r.Int32(d.m_nLanes); }},
    {62, [](auto& r, auto& d) { r.Float64(d.m_dBeamSpacing); }},
    {63, [](auto& r, auto& d) { r.Float64(d.m_dSkewAngle); }},
    {64, [](auto& r, auto& d) { r.Float64(d.m_dDe); }},
    {65, [](auto& r, auto& d) { r.Float64(d.m_dOverhang); }},
    {66, [](auto& r, auto& d) { r.Int32(d.m_nGirderLocation); }},
    {67, [](auto& r, auto& d) { r.String(d.m_strGirderLocation); }},
    {68, [](auto& r, auto& d) { r.Float64(d.m_dBridgeWidth); }},
    {69, [](auto& r, auto& d) { r.Float64(d.m_dCurbToCurb); }},
    {70, [](auto& r, auto& d) { r.Flag(d.m_bCompositeDeck); }},
    {71, [](auto& r, auto& d) { r.Float64(d.m_dDeckThickness); }},
    {72, [](auto& r, auto& d) { r.Float64(d.m_dHaunchThickness); }},
    {73, [](auto& r, auto& d) { r.Float64(d.m_dOverlayThickness); }},
    {74, [](auto& r, auto& d) { r.Float64(d.m_dDeckWidth); }},
    {75, [](auto& r, auto& d) { r.Float64(d.m_dHaunchWidth); }},
    // Group 4: concrete, strands, losses and steel
    {76, [](auto& r, auto& d) { r.Float64(d.m_dBeamFc); }},
    {77, [](auto& r, auto& d) { r.Float64(d.m_dBeamFci); }},
    {78, [](auto& r, auto& d) { r.Float64(d.m_dBeamDensity); }},
    {79,
     [](auto& r, auto& d) {
         r.Float64(d.m_dSelfWeightMultiplier);
         if (d.m_dSelfWeightMultiplier == 0.0) {
             d.m_dSelfWeightMultiplier = kSelfWeightMultiplierDefault;
         }
     }},
    {80, [](auto& r, auto& d) { r.Float64(d.m_dDeckFc); }},
    {81, [](auto& r, auto& d) { r.Float64(d.m_dDeckDensity); }},
    {82, [](auto& r, auto& d) { r.StoredFloat64(d.m_dDeckAuxValue); }},
    {83, [](auto& r, auto& d) { r.Int32(d.m_nBeamConcreteType); }},
    {84, [](auto& r, auto& d) { r.Int32(d.m_nInterfaceSurface); }},
    {85, [](auto& r, auto& d) { r.Float64(d.m_dEcFactor); }},
    {86, [](auto& r, auto& d) { r.Float64(d.m_dBeamEc); }},
    {87, [](auto& r, auto& d) { r.Float64(d.m_dBeamEci); }},
    {88, [](auto& r, auto& d) { r.Float64(d.m_dDeckEc); }},
    {89, [](auto& r, auto& d) { r.Float64(d.m_dRelativeHumidity); }},
    {90, [](auto& r, auto& d) { r.Float64(d.m_dAgeAtContinuity); }},
    {91, [](auto& r, auto& d) { r.Float64(d.m_dAgeAtDeckCasting); }},
    {92, [](auto& r, auto& d) { r.Float64(d.m_dUltimateCreep); }},
    {93, [](auto& r, auto& d) { r.Float64(d.m_dBeamUltimateShrinkage); }},
    {94, [](auto& r, auto& d) { r.Float64(d.m_dDeckUltimateShrinkage); }},
    {95, [](auto& r, auto& d) { r.Flag(d.m_bShrinkageAuxFlag); }},
    {96, [](auto& r, auto& d) { r.Int32(d.m_nStrandType); }},
    {97, [](auto& r, auto& d) { r.String(d.m_strStrandName); }},
    {98, [](auto& r, auto& d) { r.Float64(d.m_dStrandUnitArea); }},
    {99, [](auto& r, auto& d) { r.Float64(d.m_dStrandDiameter); }},
    {100, [](auto& r, auto& d) { r.Float64(d.m_dStrandFpu); }},
    {101, [](auto& r, auto& d) { r.Int32(d.m_nStrandKind); }},
    {102, [](auto& r, auto& d) { r.String(d.m_strStrandKind); }},
    {103, [](auto& r, auto& d) { r.Int32(d.m_nLossMode); }},
    {104, [](auto& r, auto& d) { r.Float64(d.m_dSpecifiedReleaseLoss); }},
    {105, [](auto& r, auto& d) { r.Float64(d.m_dSpecifiedFinalLoss); }},
    {106, nullptr},  // loss method
    {107, nullptr},  // deck volume-to-surface mode
    {108, nullptr},  // deck volume-to-surface ratio
    {109, [](auto& r, auto& d) { r.Float64(d.m_dDevLengthFactor); }},
    {110, [](auto& r, auto& d) { r.Float64(d.m_dTransferLengthFactor); }},
    {111, [](auto& r, auto& d) { r.Float64(d.m_dStrandEp); }},
    {112,
     [](auto& r, auto& d) {
         r.Float64(d.m_dTransferAge);
         if (r.TransferAgeInHours()) d.m_dTransferAge /= kHoursPerDay;
     }},
    {113, [](auto& r, auto& d) { r.Float64(d.m_dStrandK); }},
    {114, [](auto& r, auto& d) { r.Float64(d.m_dStrandFpy); }},
    {115, [](auto& r, auto& d) { r.Int32(d.m_nStirrupGrade); }},
    {116, [](auto& r, auto& d) { r.Float64(d.m_dStirrupFy); }},
    {117,
     [](auto& r, auto& d) {
         r.Float64(d.m_dEcUnitWeight);
         if (r.SetsSplittingSteelStress()) d.m_dSplittingSteelStress = kSplittingSteelStressDefault;
         if (d.m_dEcUnitWeight == kEcUnitWeightCode1 || d.m_dEcUnitWeight == kEcUnitWeightCode2) {
             d.m_dEcUnitWeight = kEcUnitWeightDefault;
         }
     }},
    {118,
     [](auto& r, auto& d) {
         r.Float64(d.m_dRebarEs);
         d.m_dRebarEs = kRebarEsDefault;
     }},
    {119, [](auto& r, auto& d) { r.Int32(d.m_nLongitudinalGrade); }},
    {120, [](auto& r, auto& d) { r.Float64(d.m_dLongitudinalFy); }},
    // Group 5: impact, factors, stress limits, dead loads
    {121, [](auto& r, auto& d) { r.StoredFloat64(d.m_dPointImpact); }},
    {122, [](auto& r, auto& d) { r.StoredFloat64(d.m_dVehicle1Impact); }},
    {123, [](auto& r, auto& d) { r.StoredFloat64(d.m_dVehicle2Impact); }},
    {124, [](auto& r, auto& d) { r.Float64(d.m_dPhiFlexure); }},
    {125, [](auto& r, auto& d) { r.Float64(d.m_dPhiShear); }},
    {126, [](auto& r, auto& d) { r.Float64(d.m_dServiceIIILiveLoadFactor); }},
    {127, [](auto& r, auto& d) { r.Float64(d.m_dStrengthIDeadLoadFactor); }},
    {128, [](auto& r, auto& d) { r.Float64(d.m_dStrengthIWearingSurfaceFactor); }},
    {129, [](auto& r, auto& d) { r.Float64(d.m_dStrengthILiveLoadFactor); }},
    {130, [](auto& r, auto& d) { r.Int32(d.m_nReleaseTensionLimit); }},
    {131, [](auto& r, auto& d) { r.Float64(d.m_dReleaseTensionCoef); }},
    {132, [](auto& r, auto& d) { r.Int32(d.m_nReleaseCompressionLimit); }},
    {133, [](auto& r, auto& d) { r.Float64(d.m_dReleaseCompressionCoef); }},
    {134, [](auto& r, auto& d) { r.StoredFloat64(d.m_dAllowReleaseTension); }},
    {135, [](auto& r, auto& d) { r.StoredFloat64(d.m_dAllowReleaseCompression); }},
    {136, [](auto& r, auto& d) { r.Int32(d.m_nFinalTensionLimitAllLoads); }},
    {137, [](auto& r, auto& d) { r.Float64(d.m_dFinalTensionCoefAllLoads); }},
    {138, [](auto& r, auto& d) { r.Int32(d.m_nFinalCompressionLimitPermanent); }},
    {139, [](auto& r, auto& d) { r.Float64(d.m_dFinalCompressionCoefPermanent); }},
    {140, [](auto& r, auto& d) { r.Int32(d.m_nFinalCompressionLimitAllLoads); }},
    {141, [](auto& r, auto& d) { r.Float64(d.m_dFinalCompressionCoefAllLoads); }},
    {142, [](auto& r, auto& d) { r.Int32(d.m_nFinalCompressionLimitHalfPermanentLL); }},
    {143, [](auto& r, auto& d) { r.Float64(d.m_dFinalCompressionCoefHalfPermanentLL); }},
    {144, [](auto& r, auto& d) { r.StoredFloat64(d.m_dAllowFinalTensionAllLoads); }},
    {145, [](auto& r, auto& d) { r.StoredFloat64(d.m_dAllowFinalCompressionPermanent); }},
    {146, [](auto& r, auto& d) { r.StoredFloat64(d.m_dAllowFinalCompressionAllLoads); }},
    {147, [](auto& r, auto& d) { r.StoredFloat64(d.m_dAllowFinalCompressionHalfPermanentLL); }},
    {148, [](auto& r, auto& d) { r.StoredFloat64(d.m_dBeamWeight); }},
    {149, [](auto& r, auto& d) { r.StoredFloat64(d.m_dDeckWeight); }},
    {150, [](auto& r, auto& d) { r.StoredFloat64(d.m_dOverlayWeight); }},
    {151, [](auto& r, auto& d) { r.Flag(d.m_bDiaphragmAtHalf); }},
    {152, [](auto& r, auto& d) { r.String(d.m_strDiaphragmAtHalf); }},
    {153, [](auto& r, auto& d) { r.Flag(d.m_bDiaphragmAtThird); }},
    {154, [](auto& r, auto& d) { r.String(d.m_strDiaphragmAtThird); }},
    {155, [](auto& r, auto& d) { r.Flag(d.m_bDiaphragmAtQuarter); }},
    {156, [](auto& r, auto& d) { r.String(d.m_strDiaphragmAtQuarter); }},
    {157, [](auto& r, auto& d) { r.Flag(d.m_bDiaphragmAtUserLocation); }},
    {158, [](auto& r, auto& d) { r.Float64(d.m_dDiaphragmUserLocation); }},
    {159, [](auto& r, auto& d) { r.Float64(d.m_dDiaphragmWeight); }},
    {160, [](auto& r, auto& d) { r.Float64(d.m_dOtherNonCompositeLoad); }},
    {161, [](auto& r, auto& d) { r.Float64(d.m_dWearingSurfaceLoad); }},
    {162, [](auto& r, auto& d) { r.Float64(d.m_dBarrierLoad); }},
    {163, [](auto& r, auto& d) { r.Float64(d.m_dOtherCompositeLoad); }},
    {164, [](auto& r, auto& d) { r.Int32(d.m_nPTJackingBasis); }},
    // Group 6: vehicle 1 (its axle count after its axles) and live-load options
    {165, [](auto& r, auto& d) { r.String(d.m_recVehicle1.m_strName); }},
    {166,
     [](auto& r, auto& d) {
         for (VehicleAxle& axle : d.m_recVehicle1.m_aAxles) {
             r.Float64(axle.m_dWeight);
             r.Float64(axle.m_dMinSpacing);
             r.Float64(axle.m_dMaxSpacing);
         }
     }},
    {167,
     [](auto& r, auto& d) {
         r.Count(d.m_recVehicle1.m_nAxleCount, kMaxVehicleAxles, "Number of axles of vehicle 1");
     }},
    {168, [](auto& r, auto& d) { r.Float64(d.m_recVehicle1.m_dLaneLoad); }},
    {169, [](auto& r, auto& d) { r.Float64(d.m_recVehicle1.m_dLaneMomentLoad); }},
    {170, [](auto& r, auto& d) { r.Float64(d.m_recVehicle1.m_dLaneShearLoad); }},
    {171, [](auto& r, auto& d) { r.Flag(d.m_recVehicle1.m_bIncludeTandem); }},
    {172, [](auto& r, auto& d) { r.Float64(d.m_recVehicle1.m_dTandemAxle1); }},
    {173, [](auto& r, auto& d) { r.Float64(d.m_recVehicle1.m_dTandemAxle2); }},
    {174, [](auto& r, auto& d) { r.Float64(d.m_recVehicle1.m_dTandemSpacing); }},
    {175, [](auto& r, auto& d) { r.Int32(d.m_recVehicle1.m_nCombination); }},
    {176, [](auto& r, auto& d) { r.Float64(d.m_recVehicle1.m_dMultiplier); }},
    {177, [](auto& r, auto& d) { r.Flag(d.m_bCheckMilitary); }},
    {178, [](auto& r, auto& d) { r.Int32(d.m_nDistFactorMode); }},
    {179, [](auto& r, auto& d) { r.Float64(d.m_dUserDfMoment); }},
    {180, [](auto& r, auto& d) { r.Float64(d.m_dUserDfShear); }},
    {181, [](auto& r, auto& d) { r.Float64(d.m_dUserDfFatigue); }},
    {182, [](auto& r, auto& d) { r.Float64(d.m_dPedestrianLoad); }},
    {183, [](auto& r, auto& d) { r.Flag(d.m_bComputeRestraintMoments); }},
    {184, [](auto& r, auto& d) { r.Int32(d.m_nVehicle1ImpactMode); }},
    {185, [](auto& r, auto& d) { r.Float64(d.m_dVehicle1ImpactSpecified); }},
    {186, nullptr},  // single-lane check
    {187, [](auto& r, auto& d) { r.Flag(d.m_bAutoFactors); }},
    // Second copies of the factors of No. 124 to 129: where a layout holds them, they stay.
    {188, [](auto& r, auto& d) { r.Float64(d.m_dServiceIIILiveLoadFactor); }},
    {189, [](auto& r, auto& d) { r.Float64(d.m_dServiceILiveLoadFactor); }},
    {190, [](auto& r, auto& d) { r.Float64(d.m_dPhiFlexure); }},
    {191, [](auto& r, auto& d) { r.Float64(d.m_dPhiShear); }},
    {192, [](auto& r, auto& d) { r.Float64(d.m_dStrengthILiveLoadFactor); }},
    {193, [](auto& r, auto& d) { r.Float64(d.m_dStrengthIDeadLoadFactor); }},
    {194, [](auto& r, auto& d) { r.Float64(d.m_dStrengthIWearingSurfaceFactor); }},
    {195, [](auto& r, auto& d) { r.Int32(d.m_nEcMethod); }},
    // Group 7: strand pattern and strand groups
    {196, [](auto& r, auto& d) { r.Float64(d.m_dPullFraction); }},
    {197, [](auto& r, auto& d) { r.Int32(d.m_nPatternType); }},
    {198, [](auto& r, auto& d) { r.Float64(d.m_dDrapeFraction); }},
    {199, nullptr},  // drape point mode
    {200, nullptr},  // drape point distance
    {201, [](auto& r, auto& d) { r.Flag(d.m_bDesignIncludeTopStrands); }},
    {202, [](auto& r, auto& d) { r.Float64(d.m_dDesignTopStrandCount); }},
    {203, [](auto& r, auto& d) { r.Float64(d.m_dTopPullFraction); }},
    {204,
     [](auto& r, auto& d) {
         for (int row = 0; row < kMaxPatternRows; ++row) {  // interleaved, value by value
             for (int k = 0; k < kPatternRowValueCount; ++k) {
                 r.Float64(d.m_aEndRows[row][k]);
                 r.Float64(d.m_aDrapeRows[row][k]);
             }
         }
     }},
    {205, [](auto& r, auto& d) { r.Int32(d.m_nStrandCount); }},
    {206, [](auto& r, auto& d) { r.Int32(d.m_nTopPullStrandCount); }},
    {207, [](auto& r, auto& d) { r.StoredFloat64(d.m_dStrandAuxValue); }},
    {208, [](auto& r, auto& d) { r.Float64(d.m_dStrandCgEnd); }},
    {209, [](auto& r, auto& d) { r.Float64(d.m_dStrandCgMid); }},
    {210, [](auto& r, auto& d) { r.Flag(d.m_nDrapedStrandRows); }},
    {211, nullptr},  // the whole strand groups: older layouts hold fewer values of each
    {212,
     [](auto& r, auto& d) {
         r.Count(d.m_nStrandGroupCount, kMaxStrandGroups, "Number of strand groups");
     }},
    {213, [](auto& r, auto& d) { r.Float64(d.m_dDebondLengthStep); }},
    // Group 8: reinforcement and camber
    {214,
     [](auto& r, auto& d) {
         r.Count(d.m_nGirderRebarRowCount, kMaxLongitRebarRows, "Number of girder bar rows");
     }},
    {215, [](auto& r, auto& d) { r.Float64(d.m_adGirderRebarRows); }},
    {216,
     [](auto& r, auto& d) {
         r.Count(d.m_nDeckRebarRowCount, kMaxLongitRebarRows, "Number of deck bar rows");
     }},
    {217, [](auto& r, auto& d) { r.Float64(d.m_adDeckRebarRows); }},
    {218, [](auto& r, auto& d) { r.Flag(d.m_bStirrupsSymmetric); }},
    {219,
     [](auto& r, auto& d) {
         r.Count(d.m_nStirrupZoneCount, kMaxStirrupZones, "Number of stirrup zones");
     }},
    {220, [](auto& r, auto& d) { r.Int32(d.m_nStirrupLegs); }},
    {221,
     [](auto& r, auto& d) {
         for (int z = 0; z < kStirrupZonesBase; ++z) r.Float64(d.m_adStirrupZones[z]);
     }},
    {222, [](auto& r, auto& d) { r.Float64(d.m_adCamberMultiplierInput); }},
    {223, [](auto& r, auto& d) { r.Float64(d.m_adCamberMultiplier); }},
    {224,
     [](auto& r, auto& d) {
         for (int i = 0; i < kCamberSummaryCount; ++i) {
             if (i < kCamberSummaryFirstUnstored || i > kCamberSummaryLastUnstored) {
                 r.StoredFloat64(d.m_adCamberSummary[i]);
             }
         }
     }},
    {225, [](auto& r, auto& d) { r.Flag(d.m_bVcQuarterPtsReinforced); }},
};

constexpr bool FieldsAreNumberedInOrder() {
    int expected = kFirstBodyField;
    for (const NumberedField& f : kFields) {
        if (f.no != expected++) return false;
    }
    return expected == kLastOlderField + 1;
}
static_assert(FieldsAreNumberedInOrder(), "kFields lists No. 3 to 225, each once, in order");

/// Reads fields No. `first` to `last` of the current layout.
void ReadFields(FieldReader& r, StoredDesign& d, int first, int last) {
    for (int no = first; no <= last; ++no) {
        const FieldRead read = no >= kFirstBodyField && no <= kLastOlderField
                                   ? kFields[no - kFirstBodyField].read
                                   : nullptr;
        if (!read) throw std::logic_error("no older layout holds field " + std::to_string(no));
        read(r, d);
    }
}

/// The strand template as the older layouts hold it: the first three values of every row.
void ReadTemplateWithoutLocations(FieldReader& r, SectionModel& s) {
    for (auto& row : s.m_adStrandTemplate) {
        for (int k = 0; k < kOlderTemplateValues; ++k) r.Float64(row[k]);
    }
}

/// The strand groups as the older layouts hold them: the first `values` values of every group.
void ReadStrandGroups(FieldReader& r, PrestressModel& p, int values) {
    for (StrandGroup& group : p.m_aStrandGroup) {
        for (int k = 0; k < values; ++k) r.Float64(group[k]);
    }
}

// ---- Headerless layouts -------------------------------------------------------------------------

/// Reads the common part and the layout's own fields from the first byte of the file; returns
/// the report form. Layout A refuses a distribution-factor mode other than 1 or 2: the file is
/// then no layout A file.
int ReadHeaderlessFields(FieldReader& r, OlderLayout layout, StoredDesign& d) {
    int reportForm = 0;
    r.Index(reportForm, kReportShortForm, kReportLongForm, "Report form");
    r.SkipByte();
    r.SkipString();
    ReadFields(r, d, 3, 10);
    ReadFields(r, d, 103, 103);  // loss mode
    ReadFields(r, d, 11, 11);
    ReadFields(r, d, 104, 105);  // specified losses
    ReadFields(r, d, 23, 31);
    ReadFields(r, d, 33, 38);
    ReadTemplateWithoutLocations(r, d);
    ReadFields(r, d, 51, 56);
    ReadFields(r, d, 59, 89);
    ReadFields(r, d, 96, 102);
    ReadFields(r, d, 109, 156);
    ReadFields(r, d, 159, 163);
    if (layout == OlderLayout::HeaderlessA) {
        r.SkipInt32();
        r.String(d.m_recVehicle1.m_strName);
        r.SkipFloat64();
        r.Float64(d.m_recVehicle1.m_dMultiplier);
        r.SkipByte();
        r.Index(d.m_nDistFactorMode, kValueComputed, kValueSpecified,
                "Distribution factor mode of layout A");
    } else {
        ReadFields(r, d, 164, 178);
    }
    ReadFields(r, d, 179, 182);
    ReadFields(r, d, 195, 198);
    ReadFields(r, d, 201, 205);
    ReadFields(r, d, 207, 210);
    ReadStrandGroups(r, d, kHeaderlessGroupValues);
    ReadFields(r, d, 212, 213);
    ReadFields(r, d, 222, 224);
    return reportForm;
}

/// What a headerless design takes for what its layout lacks: one simple span, a rectangular
/// outline, the standard vehicle and defaults of the time-dependent and factor inputs.
void ConvertHeaderlessDesign(StoredDesign& d) {
    d.m_bEcAuxFlag = 0;
    d.m_bContinuous = 0;

    // One span: the design span, with the girder centred on it.
    for (int slot = 0; slot < kMaxSpanSlots; ++slot) {
        d.m_adSpanLength[slot] = 0;
        d.m_adSpanGirderLength[slot] = 0;
        d.m_adGirderOffsetLeft[slot] = 0;
        d.m_adPadOffsetLeft[slot] = 0;
        d.m_adPadOffsetRight[slot] = 0;
    }
    d.m_nSpans = 1;
    d.m_adSpanLength[1] = d.m_dDesignSpan;
    d.m_adSpanGirderLength[1] = d.m_dGirderLength;
    d.m_saSpanSectionNames = {d.m_strSectionName};
    const double offset = (d.m_dDesignSpan - d.m_dGirderLength) / 2;
    d.m_adGirderOffsetLeft[1] = offset;
    d.m_adPadOffsetLeft[1] = offset;
    d.m_adPadOffsetRight[1] = offset;
    d.m_nCurrentSpan = 1;
    d.m_nCurrentGirder = kHeaderlessCurrentGirder;

    for (StrandGroup& group : d.m_aStrandGroup) group[kGroupPullFraction] = d.m_dPullFraction;

    // The outline: a rectangle of the top flange width and the girder height.
    d.m_nSectionType = kSectionIGirder;
    d.m_dWebLocation = 0;
    const double halfWidth = d.m_dTopFlangeWidth / 2;
    const double height = d.m_dSectionHeight;
    const double rectangle[kHeaderlessOutlinePoints][kPointValueCount] = {{-halfWidth, 0},
                                                                          {-halfWidth, height},
                                                                          {halfWidth, height},
                                                                          {halfWidth, 0},
                                                                          {-halfWidth, 0}};
    d.m_nOutlinePointCount = kHeaderlessOutlinePoints;
    for (int i = 0; i < kHeaderlessOutlinePoints; ++i) {
        d.m_adOutline[i][kPointX] = rectangle[i][kPointX];
        d.m_adOutline[i][kPointY] = rectangle[i][kPointY];
    }
    d.m_nVoidPointCount = 0;
    d.m_nCircularVoidCount = 0;

    d.m_nPTJackingBasis = kJackingOfFpy;

    LiveLoadVehicle& v = d.m_recVehicle1;
    v.m_strName = kHeaderlessVehicleName;
    v.m_dMultiplier = 1.0;
    v.m_nAxleCount = static_cast<int>(std::size(kHeaderlessVehicleAxles));
    for (VehicleAxle& axle : v.m_aAxles) axle = VehicleAxle{};
    for (int a = 0; a < v.m_nAxleCount; ++a) v.m_aAxles[a] = kHeaderlessVehicleAxles[a];
    v.m_dLaneLoad = kHeaderlessLaneLoad;
    v.m_dLaneMomentLoad = 0;
    v.m_dLaneShearLoad = 0;
    v.m_bIncludeTandem = 1;
    v.m_dTandemAxle1 = kHeaderlessTandemAxle;
    v.m_dTandemAxle2 = kHeaderlessTandemAxle;
    v.m_dTandemSpacing = kHeaderlessTandemSpacing;
    v.m_bIncluded = 1;
    v.m_nCombination = kCombineTruckOrTandemPlusLane;
    d.m_bCheckMilitary = 1;

    d.m_dAgeAtContinuity = kHeaderlessAgeAtContinuity;
    d.m_dAgeAtDeckCasting = kHeaderlessAgeAtDeckCasting;
    d.m_dUltimateCreep = kHeaderlessUltimateCreep;
    d.m_dBeamUltimateShrinkage = kHeaderlessUltimateShrinkage;
    d.m_dDeckUltimateShrinkage = kHeaderlessUltimateShrinkage;
    d.m_bShrinkageAuxFlag = 1;
    d.m_dVolumeToSurface = kHeaderlessVolumeToSurface;

    d.m_bDiaphragmAtUserLocation = 0;
    d.m_dDiaphragmUserLocation = 0;
    d.m_bComputeRestraintMoments = 0;

    d.m_nVehicle1ImpactMode = kValueComputed;
    d.m_dVehicle1ImpactSpecified = kHeaderlessImpactSpecified;
    d.m_bAutoFactors = 1;
    d.m_dPhiFlexure = kHeaderlessPhiFlexure;
    d.m_dPhiShear = kHeaderlessPhiShear;

    d.m_nGirderRebarRowCount = 0;
    d.m_nDeckRebarRowCount = 0;
    d.m_nStirrupZoneCount = 0;
    d.m_nStirrupLegs = 1;
    d.m_bVcQuarterPtsReinforced = 0;
}

/// Refuses `value` unless it lies above 0 and at most `max`.
void RequirePositiveUpTo(double value, double max, const char* what) {
    if (value > 0 && value <= max) return;
    char text[160];
    std::snprintf(text, sizeof text, "%s is %g, outside the plausible range above 0 to %g.", what,
                  value, max);
    throw ArchiveError(text);
}

/// A file without the signature could be anything that happens to read as a design: its spans
/// and section must be those of a girder.
void RequirePlausibleHeaderlessDesign(const StoredDesign& d) {
    RequirePositiveUpTo(d.m_dDesignSpan, kMaxPlausibleSpan, "Design span (ft)");
    RequirePositiveUpTo(d.m_dGirderLength, kMaxPlausibleSpan, "Girder length (ft)");
    RequirePositiveUpTo(d.m_dSectionHeight, kMaxPlausibleSectionSize, "Section height (in)");
    RequirePositiveUpTo(d.m_dTopFlangeWidth, kMaxPlausibleSectionSize, "Top flange width (in)");
    RequirePositiveUpTo(d.m_dSectionArea, kMaxPlausibleSectionSize * kMaxPlausibleSectionSize,
                        "Section area (in2)");
    RequirePositiveUpTo(d.m_dSectionYb, d.m_dSectionHeight, "Section centroid height (in)");
    if (!(d.m_dSectionIxx > 0)) {
        throw ArchiveError("Section moment of inertia is " + std::to_string(d.m_dSectionIxx) +
                           ", not above 0.");
    }
}

// ---- Bars from the layout rows ------------------------------------------------------------------

/// True when `size` (a bar size held as a double) truncates to a row of the bar table.
bool IsBarTableSize(double size) {
    return size >= 0.0 && size < kBarTableSlots;
}

/// One list of bars from its layout rows; with `aboveHaunch` the row elevations count from the
/// top of the haunch of a girder of height `height` (in) and haunch `haunch` (in).
void ExpandStoredRows(const double (&rows)[kMaxLongitRebarRows][kRebarRowValueCount], int rowCount,
                      double spacing, bool aboveHaunch, double height, double haunch,
                      RebarBar (&bars)[kMaxRebarBars], int& barCount, const char* what) {
    if (rowCount < 0 || rowCount > kMaxLongitRebarRows) {
        throw ArchiveError(std::string(what) + ": " + std::to_string(rowCount) + " layout rows.");
    }
    // Every row is checked before any bar is written.
    int total = 0;
    for (int r = 0; r < rowCount; ++r) {
        const double c = rows[r][kRebarRowBars];
        if (!(c > 0)) continue;
        if (c > kMaxRebarBars || (total += static_cast<int>(c)) > kMaxRebarBars) {
            throw ArchiveError(std::string(what) + ": the layout rows hold more than " +
                               std::to_string(kMaxRebarBars) + " bars.");
        }
        if (!IsBarTableSize(rows[r][kRebarRowBarSize])) {
            throw ArchiveError(std::string(what) + ": layout row " + std::to_string(r + 1) +
                               " has a bar size outside the bar table.");
        }
    }

    barCount =
        ExpandRebarRows(rows, rowCount, 1.0, spacing, aboveHaunch ? height + haunch : 0.0, bars);
}

}  // namespace

// ---- Conversions --------------------------------------------------------------------------------

void PlaceTemplateLocations(SectionModel& s) {
    const int rows = s.m_nTemplateRowCount;
    if (rows < 0 || rows > kMaxPatternRows) {
        throw ArchiveError("Number of strand template rows is " + std::to_string(rows) + ".");
    }
    const bool fromCentreline = s.m_nTemplateLayout == kTemplateFromCentreline;
    // The locations a row of n positions takes: one side of the symmetric row from the
    // centreline, or every location from the outermost in. Each row, and the largest, must fit.
    auto locationsOf = [&](double n) {
        const int whole = static_cast<int>(n);
        return fromCentreline ? static_cast<int>(static_cast<float>(n) / 2.0f + 0.5f)
                              : whole / 2 + whole % 2;
    };
    int largest = 0;
    for (int r = 0; r < rows; ++r) {
        const double n = s.m_adStrandTemplate[r][kTemplatePositions];
        if (!(n >= 0 && n <= 2 * kMaxTemplateLocations + 1) ||
            locationsOf(n) > kMaxTemplateLocations) {
            char text[160];
            std::snprintf(text, sizeof text,
                          "Strand template row %d holds %g positions: not 0 to %d locations.",
                          r + 1, n, kMaxTemplateLocations);
            throw ArchiveError(text);
        }
        largest = std::max(largest, static_cast<int>(n));
    }
    const int columns = static_cast<int>(largest / 2.0 + 0.5);
    if (columns > kMaxTemplateLocations) {
        throw ArchiveError("The strand template needs " + std::to_string(columns) +
                           " locations a row.");
    }

    s.m_nTemplateColumnCount = columns;
    for (int r = 0; r < rows; ++r) {
        double* row = s.m_adStrandTemplate[r];
        for (int c = kTemplateFirstLocation; c < kMaxPatternColumns; ++c) row[c] = 0;
        const double n = row[kTemplatePositions];
        if (n == 0) continue;
        const int whole = static_cast<int>(n);
        if (fromCentreline) {
            // A strand on the centreline when the count is odd, else the first pair at +-1 in.
            const double first = whole % 2 != 0 ? 0.0 : 1.0;
            const int k = locationsOf(n);
            for (int i = 0; i < k; ++i) {
                row[kTemplateFirstLocation + i] = first + kTemplateGridPitch * i;
            }
        } else {
            const int k = whole / 2;
            for (int i = 0; i < k; ++i) {
                row[kTemplateFirstLocation + i] = s.m_dWebLocation - kTemplateGridPitch * i;
            }
            if (whole % 2 != 0) row[kTemplateFirstLocation + k] = 0;  // the centreline strand
        }
    }
}

void ExpandGirderRebarRows(PrestressModel& p) {
    ExpandStoredRows(p.m_adGirderRebarRows, p.m_nGirderRebarRowCount, p.m_dBarSpacing, false, 0, 0,
                     p.m_aGirderBars, p.m_nGirderBarCount, "Girder bars");
}

void ExpandDeckRebarRows(PrestressModel& p, const SectionModel& section,
                         const ProjectModel& project) {
    ExpandStoredRows(p.m_adDeckRebarRows, p.m_nDeckRebarRowCount, p.m_dBarSpacing,
                     section.m_dWebLocation == 0, section.m_dSectionHeight,
                     project.m_dHaunchThickness, p.m_aDeckBars, p.m_nDeckBarCount, "Deck bars");
}

// ---- Reading ------------------------------------------------------------------------------------

OlderFile ReadHeaderlessDesign(Archive& ar, StoredDesign& design) {
    const auto start = std::make_unique<StoredDesign>(design);
    std::string faults;
    for (const OlderLayout layout : {OlderLayout::HeaderlessA, OlderLayout::HeaderlessB}) {
        try {
            ar.Seek(0);
            FieldReader r(ar, layout);
            const int reportForm = ReadHeaderlessFields(r, layout, design);
            ConvertHeaderlessDesign(design);
            RequirePlausibleHeaderlessDesign(design);
            RequireStorable(design);
            return {layout, reportForm};
        } catch (const ArchiveError& e) {
            // Not this layout: the next one reads from the design as it was.
            design = *start;
            faults += std::string(faults.empty() ? "layout A: " : "; layout B: ") + e.what();
        }
    }
    throw ArchiveError("not a design file without the signature (" + faults + ")");
}

OlderFile ReadPre30Design(Archive& ar, StoredDesign& d) {
    FieldReader r(ar, OlderLayout::Pre30);
    ReadFields(r, d, 3, 38);
    ReadTemplateWithoutLocations(r, d);
    ReadFields(r, d, 42, 43);
    PlaceTemplateLocations(d);
    ReadFields(r, d, 44, 49);
    ReadFields(r, d, 51, 56);
    ReadFields(r, d, 59, 85);
    r.Flag(d.m_bEcAuxFlag);
    ReadFields(r, d, 86, 105);
    ReadFields(r, d, 109, 185);
    ReadFields(r, d, 187, 198);
    ReadFields(r, d, 201, 210);
    ReadStrandGroups(r, d, kPre30GroupValues);
    ReadFields(r, d, 212, 212);  // the groups are rebuilt from the pattern (FinishOlderDesign)
    ReadFields(r, d, 213, 215);
    ExpandGirderRebarRows(d);
    ReadFields(r, d, 216, 217);
    ExpandDeckRebarRows(d, d, d);
    ReadFields(r, d, 218, 225);
    DerivePretensionForce(d, d);
    RequireStorable(d);
    return {OlderLayout::Pre30, 0};
}

void FinishOlderDesign(CKordelDoc& doc, const OlderFile& file) {
    switch (file.layout) {
        case OlderLayout::None:
            return;
        case OlderLayout::Pre30:
            // Rebuilding cannot fail: a pattern beyond the group table keeps the groups that fit
            // and says so.
            doc.RebuildStrandGroups();
            return;
        case OlderLayout::HeaderlessA:
        case OlderLayout::HeaderlessB:
            doc.m_strFileVersion = kLegacyDesignVersion;
            doc.m_nReportForm = file.reportForm;
            return;
    }
}

}  // namespace design_file
}  // namespace kordel
