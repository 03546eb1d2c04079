// The design file layout, written once and walked three ways: a save writes the values, a load
// reads them and a description lists them (design_file.h). The walk follows the file: header,
// groups 1 to 11 of the fields every file from 3.0 on holds, then the ten version gates. The
// load-only steps (the rewrites of a few members, the defaults of a missing gate) stand in the
// walk where a load applies them.
#include "document/design_file.h"

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include "document/main_frame_state.h"
#include "document/default_factors.h"
#include "document/kordel_doc.h"
#include "document/older_design_files.h"
#include "document/quantity_bounds.h"
#include "document/stored_design.h"
#include "platform/archive.h"

namespace kordel {

namespace design_file {

using platform::Archive;
using platform::ArchiveError;

namespace {

// Values the load steps give or test (and those of stored_design.h, which the older layouts
// share).
constexpr double kRestrainingMomentFactorDefault = 0.5;

/// Files before 3.02 mark a force entry with this number in the elevation of the last template
/// row, the jacking force in its position count.
constexpr double kForceEntryMarker = 999.0;
constexpr int kForceEntryRow = kMaxPatternRows - 1;

enum class Direction { Store, Load, Describe };

// ---- Magnitudes ---------------------------------------------------------------------------------
// Every number the analysis uses is checked against the bound of what it measures
// (quantity_bounds.h).

/// Quantities of the columns of the tables the file holds.
constexpr std::array<Quantity, kSpanSectionPropCount> kSpanSectionPropColumns = {
    Quantity::Section, Quantity::Section, Quantity::Length};  // I in4, A in2, yb in
constexpr std::array<Quantity, kPatternRowValueCount> kPatternRowColumns = {
    Quantity::Length, Quantity::Count, Quantity::Length, Quantity::Count};
constexpr std::array<Quantity, kStrandGroupValueCount> kStrandGroupColumns = {
    Quantity::Count,  Quantity::Length, Quantity::Length, Quantity::Length,
    Quantity::Length, Quantity::Factor, Quantity::Length};
constexpr std::array<Quantity, kRebarRowValueCount> kRebarRowColumns = {
    Quantity::Count,  Quantity::Count,  Quantity::Length,
    Quantity::Length, Quantity::Length, Quantity::Section};  // bars, size, y, start, end, area
constexpr std::array<Quantity, kStirrupZoneValueCount> kStirrupZoneColumns = {
    Quantity::Length, Quantity::Count,   Quantity::Count, Quantity::Length,
    Quantity::Length, Quantity::Section, Quantity::Length};  // gap, size, spaces, s, end, area, L
constexpr std::array<Quantity, kAxleValueCount> kAxleColumns = {
    Quantity::Force, Quantity::Length, Quantity::Length};  // weight, spacings

/// Walks the layout in one direction. Every field goes through one of the typed calls below,
/// which write the member, read it, or list it. Counts, indices and numbers are checked in both
/// directions, so a save refuses what a load would refuse.
class LayoutWalker {
  public:
    LayoutWalker(Direction direction, Archive* ar, int version, std::vector<LayoutField>* fields)
        : m_direction(direction), m_ar(ar), m_version(version), m_fields(fields) {}

    bool IsLoading() const { return m_direction == Direction::Load; }

    /// Whether the file holds the fields of `gate`; the fields that follow belong to it.
    bool Reads(Gate gate) {
        m_gate = gate;
        return GateOpen(gate, m_version);
    }

    void Int32(int& v) {
        if (m_direction == Direction::Load) {
            v = m_ar->ReadInt32();
        } else if (m_direction == Direction::Store) {
            m_ar->WriteInt32(v);
        }
        Note(FieldType::Int32, &v);
    }

    template <std::size_t N>
    void Int32(int (&a)[N]) {
        for (int& v : a) Int32(v);
    }

    /// A flag stored as one byte: 1 for non-zero, read back as 0 or 1.
    void Flag(int& v) {
        if (m_direction == Direction::Load) {
            v = m_ar->ReadBool();
        } else if (m_direction == Direction::Store) {
            m_ar->WriteBool(v);
        }
        Note(FieldType::Byte, &v);
    }

    /// A number the design uses as it stands: finite, and within the bound of its quantity.
    void Float64(double& v, Quantity q) {
        StoredFloat64(v);
        RequireMagnitude(v, q);
    }

    template <std::size_t N>
    void Float64(double (&a)[N], Quantity q) {
        for (double& v : a) Float64(v, q);
    }

    template <std::size_t N, std::size_t M>
    void Float64(double (&a)[N][M], Quantity q) {
        for (auto& row : a) Float64(row, q);
    }

    /// A row whose values measure different things, [column].
    template <std::size_t N>
    void Float64(double (&row)[N], const std::array<Quantity, N>& columns) {
        for (std::size_t c = 0; c < N; ++c) Float64(row[c], columns[c]);
    }

    template <std::size_t N, std::size_t M>
    void Float64(double (&a)[N][M], const std::array<Quantity, M>& columns) {
        for (auto& row : a) Float64(row, columns);
    }

    /// A result that every analysis writes again, or a value that no computation reads: any
    /// bit pattern is carried unchanged.
    void StoredFloat64(double& v) {
        if (m_direction == Direction::Load) {
            v = m_ar->ReadFloat64();
        } else if (m_direction == Direction::Store) {
            m_ar->WriteFloat64(v);
        }
        Note(FieldType::Float64, &v);
    }

    void Float32(float& v, Quantity q) {
        if (m_direction == Direction::Load) {
            v = m_ar->ReadFloat32();
        } else if (m_direction == Direction::Store) {
            m_ar->WriteFloat32(v);
        }
        Note(FieldType::Float32, &v);
        RequireMagnitude(v, q);
    }

    void String(std::string& v) {
        if (m_direction == Direction::Load) {
            v = m_ar->ReadString();
        } else if (m_direction == Direction::Store) {
            m_ar->WriteString(v);
        }
        Note(FieldType::String, &v, v.size());
    }

    /// A header text (save and description only).
    void Header(std::string_view text) {
        if (m_direction == Direction::Store) m_ar->WriteString(text);
        Note(FieldType::String, nullptr, text.size());
    }

    /// The first `count` names of `list`, "" for names the list lacks; a load empties the list
    /// and appends each name it reads.
    void StringList(std::vector<std::string>& list, int count) {
        if (m_direction == Direction::Load) list.clear();
        for (int i = 0; i < count; ++i) {
            if (m_direction == Direction::Load) {
                list.push_back(m_ar->ReadString());
                Note(FieldType::String, nullptr, list.back().size());
            } else if (static_cast<std::size_t>(i) < list.size()) {
                String(list[static_cast<std::size_t>(i)]);
            } else {
                Header("");
            }
        }
    }

    /// An int32 count of entries of an array of `max` entries: 0 to `max`.
    void Count(int& n, int max, const char* what) { Index(n, 0, max, what); }

    /// An int32 that indexes an array: `lo` to `hi`. `what` names it in the message, followed
    /// by `item` when that is positive.
    void Index(int& v, int lo, int hi, const char* what, int item = 0) {
        Int32(v);
        Require(v >= lo && v <= hi, [&] {
            return std::string(what) + (item > 0 ? " " + std::to_string(item) : "") + " is " +
                   std::to_string(v) + ", outside " + std::to_string(lo) + " to " +
                   std::to_string(hi) + ".";
        });
    }

    /// An int32 choice that a load takes only when it lies in `lo` to `hi`, keeping the member
    /// as it was otherwise; a save refuses a choice outside them, which would not come back.
    void Choice(int& v, int lo, int hi, const char* what) {
        if (m_direction != Direction::Load) {
            Index(v, lo, hi, what);
            return;
        }
        int read = 0;
        Int32(read);
        if (read >= lo && read <= hi) v = read;
    }

    /// Refuses the design (save) or the file (load) unless `ok`, with the text `message()`.
    template <class Message>
    void Require(bool ok, Message&& message) const {
        if (!ok && m_direction != Direction::Describe) throw ArchiveError(message());
    }

  private:
    void Note(FieldType type, const void* member, std::size_t textLength = 0) {
        ++m_fieldNumber;
        if (m_fields) m_fields->push_back({type, m_gate, member, textLength});
    }

    void RequireMagnitude(double v, Quantity q) const {
        if (m_direction == Direction::Describe) return;
        if (const auto fault = MagnitudeFault(v, q)) {
            throw ArchiveError("The design holds " + *fault + " (value " +
                               std::to_string(m_fieldNumber) + " of the design file).");
        }
    }

    Direction m_direction;
    Archive* m_ar;
    int m_version;
    std::vector<LayoutField>* m_fields;
    int m_gate = kGateBase;
    int m_fieldNumber = 0;
};

/// True when `size` (a bar size held as a double) truncates to a row of the bar table.
bool IsBarTableSize(double size) {
    return size >= 0.0 && size < kBarTableSlots;
}

/// Bar sizes of the first `count` rows of a table whose column `column` holds them.
template <std::size_t N, std::size_t M>
void RequireBarSizes(const LayoutWalker& w, const double (&rows)[N][M], int count, int column,
                     const char* where) {
    for (int r = 0; r < count; ++r) {
        const double size = rows[r][column];
        w.Require(IsBarTableSize(size), [&] {
            return std::string(where) + " " + std::to_string(r + 1) + " has bar size " +
                   FormatNumber(size) + ", outside the bar table (0 to " +
                   std::to_string(kBarTableSlots - 1) + ").";
        });
    }
}

// ---- Records ------------------------------------------------------------------------------------

/// The 100 axles of a live-load vehicle: weight, minimum and maximum spacing each.
void WalkAxles(LayoutWalker& w, VehicleAxle (&axles)[kMaxVehicleAxles]) {
    for (VehicleAxle& axle : axles) {
        w.Float64(axle.m_dWeight, Quantity::Force);
        w.Float64(axle.m_dMinSpacing, Quantity::Length);
        w.Float64(axle.m_dMaxSpacing, Quantity::Length);
    }
}

/// Lane loads, tandem, combination and multiplier of a live-load vehicle.
void WalkVehicleLoads(LayoutWalker& w, LiveLoadVehicle& v) {
    w.Float64(v.m_dLaneLoad, Quantity::Force);
    w.Float64(v.m_dLaneMomentLoad, Quantity::Force);
    w.Float64(v.m_dLaneShearLoad, Quantity::Force);
    w.Flag(v.m_bIncludeTandem);
    w.Float64(v.m_dTandemAxle1, Quantity::Force);
    w.Float64(v.m_dTandemAxle2, Quantity::Force);
    w.Float64(v.m_dTandemSpacing, Quantity::Length);
    w.Int32(v.m_nCombination);
    w.Float64(v.m_dMultiplier, Quantity::Factor);
}

void WalkTendon(LayoutWalker& w, PostTensioningTendon& t) {
    w.String(t.m_strName);
    w.Int32(t.m_nStrands);
    w.Float32(t.m_fDuctDiameter, Quantity::Length);
    w.Float64(t.m_adProfile, Quantity::Length);
    w.Float32(t.m_fZ, Quantity::Length);
    w.String(t.m_strStressingEnd);
}

/// A counted list of individual bars; the names serve the messages.
void WalkBars(LayoutWalker& w, int& count, RebarBar (&bars)[kMaxRebarBars], const char* countName,
              const char* barName) {
    w.Count(count, kMaxRebarBars, countName);
    for (int i = 0; i < count; ++i) {
        RebarBar& bar = bars[i];
        w.Index(bar.m_nBarSize, 0, kBarTableSlots - 1, barName, i + 1);
        w.Float64(bar.m_adStart, Quantity::Length);
        w.String(bar.m_strTag1);
        w.Float64(bar.m_adEnd, Quantity::Length);
        w.String(bar.m_strTag2);
        w.String(bar.m_strTag3);
        w.String(bar.m_strTag4);
    }
}

void WalkRatingVehicle(LayoutWalker& w, VehicleRecord& v) {
    w.Flag(v.m_bIncludeTandem);
    w.Float32(v.m_fTandemSpacing, Quantity::Length);
    w.Float32(v.m_fTandemAxle1, Quantity::Force);
    w.Float32(v.m_fTandemAxle2, Quantity::Force);
    w.Count(v.m_nAxleCount, kMaxVehicleRecordAxles, "Number of axles of a rating vehicle");
    for (int a = 0; a < v.m_nAxleCount; ++a) {
        for (int k = 0; k < kAxleValueCount; ++k) w.Float32(v.m_afAxles[a][k], kAxleColumns[k]);
    }
    w.Int32(v.m_nCombination);
    w.Float32(v.m_fLaneMomentLoad, Quantity::Force);
    w.Float32(v.m_fLaneShearLoad, Quantity::Force);
    w.Float32(v.m_fLaneLoad, Quantity::Force);
    w.String(v.m_strName);
}

// ---- The layout ---------------------------------------------------------------------------------

/// Every field after the header, in file order. `Design` is the document (save, description)
/// or the copy a load reads into; both hold the same members.
template <class Design>
void WalkDesign(LayoutWalker& w, Design& d) {
    // ---- Group 1: project, specification and spans
    w.String(d.m_strDesigner);
    w.String(d.m_strProject);
    w.String(d.m_strTask);
    w.String(d.m_strClient);
    w.String(d.m_strJobNumber);
    w.Int32(d.m_nSpecification);
    w.String(d.m_strSpecCode);
    w.Int32(d.m_nUnits);
    w.Flag(d.m_bTransformPsStrand);
    w.Flag(d.m_bContinuous);
    // The constructor's design has no spans yet and no current span; it saves and loads too.
    w.Count(d.m_nSpans, kMaxSpans, "Number of spans");
    w.StringList(d.m_saSpanSectionNames, d.m_nSpans);
    w.Float64(d.m_adSpanLength, Quantity::Length);
    w.Float64(d.m_adSpanGirderLength, Quantity::Length);
    w.Float64(d.m_adSpanSectionProps, kSpanSectionPropColumns);
    w.Float64(d.m_adGirderOffsetLeft, Quantity::Length);
    w.Float64(d.m_adPadOffsetLeft, Quantity::Length);
    w.Float64(d.m_adPadOffsetRight, Quantity::Length);
    w.Index(d.m_nCurrentSpan, 0, d.m_nSpans, "Current span");
    w.Int32(d.m_nCurrentGirder);

    // ---- Group 2: girder section
    w.Int32(d.m_nSectionAuxValue);
    w.String(d.m_strSectionName);
    w.Float64(d.m_dSectionArea, Quantity::Section);
    w.Float64(d.m_dSectionYb, Quantity::Length);
    w.Float64(d.m_dTopFlangeThickness, Quantity::Length);
    w.Float64(d.m_dTopFlangeWidth, Quantity::Length);
    w.Float64(d.m_dSectionHeight, Quantity::Length);
    w.Float64(d.m_dSectionIxx, Quantity::Section);
    w.Float64(d.m_dTorsionConstant, Quantity::Section);
    w.Float64(d.m_dVolumeToSurface, Quantity::Length);
    w.Float64(d.m_dBottomFlangeWidth, Quantity::Length);
    w.Float64(d.m_dBottomFlangeThickness, Quantity::Length);
    w.Float64(d.m_dBwo, Quantity::Length);
    w.Int32(d.m_nWebCount);
    w.Float64(d.m_dWebWidth, Quantity::Length);
    w.Count(d.m_nTemplateRowCount, kMaxPatternRows, "Number of strand template rows");
    w.Int32(d.m_nTemplateLayout);
    w.Count(d.m_nTemplateColumnCount, kMaxTemplateLocations, "Number of strand template locations");
    w.Float64(d.m_adStrandTemplate, kTemplateColumnQuantities);
    w.Int32(d.m_nSectionType);
    w.Float64(d.m_dWebLocation, Quantity::Length);
    w.Count(d.m_nOutlinePointCount, kMaxOutlinePoints, "Number of outline points");
    w.Float64(d.m_adOutline, Quantity::Length);
    w.Count(d.m_nVoidPointCount, kMaxOutlinePoints, "Number of void outline points");
    w.Float64(d.m_adVoidOutline, Quantity::Length);
    w.Count(d.m_nCircularVoidCount, kMaxCircularVoids, "Number of circular voids");
    w.Float64(d.m_adCircularVoid, Quantity::Length);
    for (int i = 0; i < kSectionGeneratorSlots; ++i) {  // interleaved
        w.Float64(d.m_adGenWidth[i], Quantity::Length);
        w.Float64(d.m_adGenDepth[i], Quantity::Length);
        w.Float64(d.m_adGenExtra[i], Quantity::Length);
    }
    w.Int32(d.m_nSuperstructureType);
    w.String(d.m_strSuperstructureType);
    w.Flag(d.m_bSufficientlyConnected);

    // ---- Group 3: girder, bridge geometry and deck
    w.Float64(d.m_dGirderLength, Quantity::Length);
    w.Float64(d.m_dDesignSpan, Quantity::Length);
    w.Float64(d.m_dReleaseSpan, Quantity::Length);
    w.Count(d.m_nSegments, kMaxSegmentSlots, "Number of girder segments");
    w.Float64(d.m_adSegments, Quantity::Length);
    w.Float64(d.m_dBearingPadLength, Quantity::Length);
    w.Int32(d.m_nBeams);
    w.Int32(d.m_nLanes);
    w.Float64(d.m_dBeamSpacing, Quantity::Length);
    w.Float64(d.m_dSkewAngle, Quantity::Factor);
    w.Float64(d.m_dDe, Quantity::Length);
    w.Float64(d.m_dOverhang, Quantity::Length);
    w.Int32(d.m_nGirderLocation);
    w.String(d.m_strGirderLocation);
    w.Float64(d.m_dBridgeWidth, Quantity::Length);
    w.Float64(d.m_dCurbToCurb, Quantity::Length);
    w.Flag(d.m_bCompositeDeck);
    w.Float64(d.m_dDeckThickness, Quantity::Length);
    w.Float64(d.m_dHaunchThickness, Quantity::Length);
    w.Float64(d.m_dOverlayThickness, Quantity::Length);  // before the deck width
    w.Float64(d.m_dDeckWidth, Quantity::Length);
    w.Float64(d.m_dHaunchWidth, Quantity::Length);

    // ---- Group 4: concrete, strands, losses and steel
    w.Float64(d.m_dBeamFc, Quantity::Stress);
    w.Float64(d.m_dBeamFci, Quantity::Stress);
    w.Float64(d.m_dBeamDensity, Quantity::Factor);
    w.Float64(d.m_dSelfWeightMultiplier, Quantity::Factor);
    if (w.IsLoading() && d.m_dSelfWeightMultiplier == 0.0) {
        d.m_dSelfWeightMultiplier = kSelfWeightMultiplierDefault;
    }
    w.Float64(d.m_dDeckFc, Quantity::Stress);
    w.Float64(d.m_dDeckDensity, Quantity::Factor);
    w.StoredFloat64(d.m_dDeckAuxValue);
    w.Int32(d.m_nBeamConcreteType);
    w.Int32(d.m_nInterfaceSurface);
    w.Float64(d.m_dEcFactor, Quantity::Factor);
    w.Float64(d.m_dBeamEc, Quantity::Stress);
    w.Float64(d.m_dBeamEci, Quantity::Stress);
    w.Float64(d.m_dDeckEc, Quantity::Stress);
    w.Float64(d.m_dRelativeHumidity, Quantity::Factor);
    w.Float64(d.m_dAgeAtContinuity, Quantity::Factor);
    w.Float64(d.m_dAgeAtDeckCasting, Quantity::Factor);
    w.Float64(d.m_dUltimateCreep, Quantity::Factor);
    w.Float64(d.m_dBeamUltimateShrinkage, Quantity::Factor);
    w.Float64(d.m_dDeckUltimateShrinkage, Quantity::Factor);
    w.Flag(d.m_bShrinkageAuxFlag);
    w.Int32(d.m_nStrandType);
    w.String(d.m_strStrandName);
    w.Float64(d.m_dStrandUnitArea, Quantity::Section);
    w.Float64(d.m_dStrandDiameter, Quantity::Length);
    w.Float64(d.m_dStrandFpu, Quantity::Stress);
    w.Int32(d.m_nStrandKind);
    w.String(d.m_strStrandKind);
    w.Int32(d.m_nLossMode);
    w.Float64(d.m_dSpecifiedReleaseLoss, Quantity::Factor);
    w.Float64(d.m_dSpecifiedFinalLoss, Quantity::Factor);
    w.Int32(d.m_nLossMethod);
    w.Int32(d.m_nDeckVolumeToSurfaceMode);
    w.Float64(d.m_dDeckVolumeToSurface, Quantity::Length);
    w.Float64(d.m_dDevLengthFactor, Quantity::Factor);
    w.Float64(d.m_dTransferLengthFactor, Quantity::Factor);
    w.Float64(d.m_dStrandEp, Quantity::Stress);
    w.Float64(d.m_dTransferAge, Quantity::Factor);
    w.Float64(d.m_dStrandK, Quantity::Factor);
    w.Float64(d.m_dStrandFpy, Quantity::Stress);
    w.Int32(d.m_nStirrupGrade);
    w.Float64(d.m_dStirrupFy, Quantity::Stress);
    w.Float64(d.m_dEcUnitWeight, Quantity::Factor);
    if (w.IsLoading()) {
        d.m_dSplittingSteelStress = kSplittingSteelStressDefault;
        if (d.m_dEcUnitWeight == kEcUnitWeightCode1 || d.m_dEcUnitWeight == kEcUnitWeightCode2) {
            d.m_dEcUnitWeight = kEcUnitWeightDefault;
        }
    }
    w.Float64(d.m_dRebarEs, Quantity::Stress);
    if (w.IsLoading()) d.m_dRebarEs = kRebarEsDefault;
    w.Int32(d.m_nLongitudinalGrade);
    w.Float64(d.m_dLongitudinalFy, Quantity::Stress);

    // ---- Group 5: impact, factors, stress limits, dead loads
    w.StoredFloat64(d.m_dPointImpact);
    w.StoredFloat64(d.m_dVehicle1Impact);
    w.StoredFloat64(d.m_dVehicle2Impact);
    // First copy of six factors; the second copy in group 6 is the one a load keeps.
    w.Float64(d.m_dPhiFlexure, Quantity::Factor);
    w.Float64(d.m_dPhiShear, Quantity::Factor);
    w.Float64(d.m_dServiceIIILiveLoadFactor, Quantity::Factor);
    w.Float64(d.m_dStrengthIDeadLoadFactor, Quantity::Factor);
    w.Float64(d.m_dStrengthIWearingSurfaceFactor, Quantity::Factor);
    w.Float64(d.m_dStrengthILiveLoadFactor, Quantity::Factor);
    w.Int32(d.m_nReleaseTensionLimit);
    w.Float64(d.m_dReleaseTensionCoef, Quantity::Factor);
    w.Int32(d.m_nReleaseCompressionLimit);
    w.Float64(d.m_dReleaseCompressionCoef, Quantity::Factor);
    w.StoredFloat64(d.m_dAllowReleaseTension);
    w.StoredFloat64(d.m_dAllowReleaseCompression);
    w.Int32(d.m_nFinalTensionLimitAllLoads);
    w.Float64(d.m_dFinalTensionCoefAllLoads, Quantity::Factor);
    w.Int32(d.m_nFinalCompressionLimitPermanent);
    w.Float64(d.m_dFinalCompressionCoefPermanent, Quantity::Factor);
    w.Int32(d.m_nFinalCompressionLimitAllLoads);
    w.Float64(d.m_dFinalCompressionCoefAllLoads, Quantity::Factor);
    w.Int32(d.m_nFinalCompressionLimitHalfPermanentLL);
    w.Float64(d.m_dFinalCompressionCoefHalfPermanentLL, Quantity::Factor);
    w.StoredFloat64(d.m_dAllowFinalTensionAllLoads);
    w.StoredFloat64(d.m_dAllowFinalCompressionPermanent);
    w.StoredFloat64(d.m_dAllowFinalCompressionAllLoads);
    w.StoredFloat64(d.m_dAllowFinalCompressionHalfPermanentLL);
    w.StoredFloat64(d.m_dBeamWeight);
    w.StoredFloat64(d.m_dDeckWeight);
    w.StoredFloat64(d.m_dOverlayWeight);
    w.Flag(d.m_bDiaphragmAtHalf);
    w.String(d.m_strDiaphragmAtHalf);
    w.Flag(d.m_bDiaphragmAtThird);
    w.String(d.m_strDiaphragmAtThird);
    w.Flag(d.m_bDiaphragmAtQuarter);
    w.String(d.m_strDiaphragmAtQuarter);
    w.Flag(d.m_bDiaphragmAtUserLocation);
    w.Float64(d.m_dDiaphragmUserLocation, Quantity::Length);
    w.Float64(d.m_dDiaphragmWeight, Quantity::Force);
    w.Float64(d.m_dOtherNonCompositeLoad, Quantity::Force);
    w.Float64(d.m_dWearingSurfaceLoad, Quantity::Force);
    w.Float64(d.m_dBarrierLoad, Quantity::Force);
    w.Float64(d.m_dOtherCompositeLoad, Quantity::Force);
    w.Int32(d.m_nPTJackingBasis);

    // ---- Group 6: vehicle 1 (its axle count after its axles) and live-load options
    w.String(d.m_recVehicle1.m_strName);
    WalkAxles(w, d.m_recVehicle1.m_aAxles);
    w.Count(d.m_recVehicle1.m_nAxleCount, kMaxVehicleAxles, "Number of axles of vehicle 1");
    WalkVehicleLoads(w, d.m_recVehicle1);
    w.Flag(d.m_bCheckMilitary);
    w.Int32(d.m_nDistFactorMode);
    w.Float64(d.m_dUserDfMoment, Quantity::Factor);
    w.Float64(d.m_dUserDfShear, Quantity::Factor);
    w.Float64(d.m_dUserDfFatigue, Quantity::Factor);
    w.Float64(d.m_dPedestrianLoad, Quantity::Force);
    w.Flag(d.m_bComputeRestraintMoments);
    w.Int32(d.m_nVehicle1ImpactMode);
    w.Float64(d.m_dVehicle1ImpactSpecified, Quantity::Factor);
    w.Int32(d.m_bCheckSingleLane);  // a flag written as a whole int32
    w.Flag(d.m_bAutoFactors);
    w.Float64(d.m_dServiceIIILiveLoadFactor, Quantity::Factor);
    w.Float64(d.m_dServiceILiveLoadFactor, Quantity::Factor);
    w.Float64(d.m_dPhiFlexure, Quantity::Factor);
    w.Float64(d.m_dPhiShear, Quantity::Factor);
    w.Float64(d.m_dStrengthILiveLoadFactor, Quantity::Factor);
    w.Float64(d.m_dStrengthIDeadLoadFactor, Quantity::Factor);
    w.Float64(d.m_dStrengthIWearingSurfaceFactor, Quantity::Factor);
    w.Int32(d.m_nEcMethod);

    // ---- Group 7: strand pattern and strand groups
    w.Float64(d.m_dPullFraction, Quantity::Factor);
    w.Int32(d.m_nPatternType);
    w.Float64(d.m_dDrapeFraction, Quantity::Factor);
    w.Int32(d.m_nDrapePointMode);
    w.Float64(d.m_dDrapePointDistance, Quantity::Length);
    w.Flag(d.m_bDesignIncludeTopStrands);
    w.Float64(d.m_dDesignTopStrandCount, Quantity::Count);
    w.Float64(d.m_dTopPullFraction, Quantity::Factor);
    for (int r = 0; r < kMaxPatternRows; ++r) {  // interleaved, value by value
        for (int k = 0; k < kPatternRowValueCount; ++k) {
            w.Float64(d.m_aEndRows[r][k], kPatternRowColumns[k]);
            w.Float64(d.m_aDrapeRows[r][k], kPatternRowColumns[k]);
        }
    }
    w.Int32(d.m_nStrandCount);
    w.Int32(d.m_nTopPullStrandCount);
    w.StoredFloat64(d.m_dStrandAuxValue);
    w.Float64(d.m_dStrandCgEnd, Quantity::Length);
    w.Float64(d.m_dStrandCgMid, Quantity::Length);
    w.Flag(d.m_nDrapedStrandRows);
    for (StrandGroup& group : d.m_aStrandGroup) w.Float64(group.m_adValue, kStrandGroupColumns);
    w.Count(d.m_nStrandGroupCount, kMaxStrandGroups, "Number of strand groups");
    w.Float64(d.m_dDebondLengthStep, Quantity::Length);

    // ---- Group 8: reinforcement and camber
    w.Count(d.m_nGirderRebarRowCount, kMaxLongitRebarRows, "Number of girder bar rows");
    w.Float64(d.m_adGirderRebarRows, kRebarRowColumns);
    RequireBarSizes(w, d.m_adGirderRebarRows, d.m_nGirderRebarRowCount, kRebarRowBarSize,
                    "Girder bar row");
    w.Count(d.m_nDeckRebarRowCount, kMaxLongitRebarRows, "Number of deck bar rows");
    w.Float64(d.m_adDeckRebarRows, kRebarRowColumns);
    RequireBarSizes(w, d.m_adDeckRebarRows, d.m_nDeckRebarRowCount, kRebarRowBarSize,
                    "Deck bar row");
    w.Flag(d.m_bStirrupsSymmetric);
    w.Count(d.m_nStirrupZoneCount, kMaxStirrupZones, "Number of stirrup zones");
    w.Int32(d.m_nStirrupLegs);
    for (int z = 0; z < kStirrupZonesBase; ++z)
        w.Float64(d.m_adStirrupZones[z], kStirrupZoneColumns);
    w.Float64(d.m_adCamberMultiplierInput, Quantity::Factor);
    w.Float64(d.m_adCamberMultiplier, Quantity::Factor);
    for (int i = 0; i < kCamberSummaryCount; ++i) {
        if (i < kCamberSummaryFirstUnstored || i > kCamberSummaryLastUnstored) {
            w.StoredFloat64(d.m_adCamberSummary[i]);
        }
    }
    w.Flag(d.m_bVcQuarterPtsReinforced);

    // ---- Group 9: other loads and load-table settings
    w.StoredFloat64(d.m_dWearingSurfaceAuxValue);
    w.Float64(d.m_dWearingSurfaceThickness, Quantity::Length);
    w.Int32(d.m_nBarrierLoadMode);
    w.Int32(d.m_nBarrierDistribution);
    w.Int32(d.m_nBarrierCount);
    w.Float64(d.m_dBarrierWeight, Quantity::Force);
    w.Int32(d.m_nFwsLoadMode);
    w.Float64(d.m_dFwsPressure, Quantity::Force);
    w.Count(d.m_nLoadTableSpacingCount, kMaxLoadTableSpacings, "Number of load-table spacings");
    for (int i = 0; i < kLoadTableSpacingSlots; ++i) {  // interleaved
        w.Float64(d.m_adLoadTableSpacing[i], Quantity::Length);
        w.Float64(d.m_adLoadTableSlab[i], Quantity::Length);
    }
    w.Float64(d.m_dLoadTableSpanMin, Quantity::Length);
    w.Float64(d.m_dLoadTableSpanMax, Quantity::Length);
    w.Float64(d.m_dLoadTableSpanInc, Quantity::Length);
    w.Float64(d.m_dLoadTableFciMin, Quantity::Stress);
    w.Float64(d.m_dLoadTableFciMax, Quantity::Stress);
    w.Float64(d.m_dLoadTableStrandsMin, Quantity::Count);
    w.Float64(d.m_dLoadTableStrandsMax, Quantity::Count);
    w.Int32(d.m_anLoadTableModes);

    // ---- Group 10: post-tensioning and individual bars
    w.Int32(d.m_nPrestressType);
    w.Int32(d.m_nTendonLossMode);
    w.Float64(d.m_dPTSpecifiedReleaseLoss, Quantity::Factor);
    w.Float64(d.m_dPTSpecifiedFinalLoss, Quantity::Factor);
    w.Float64(d.m_dPtJackingFraction, Quantity::Factor);
    w.Float64(d.m_dPtAnchorSet, Quantity::Length);
    w.Float64(d.m_dPtFrictionMu, Quantity::Factor);
    w.StoredFloat64(d.m_dPtAuxValue);
    w.Float64(d.m_dPtWobbleK, Quantity::Factor);
    w.Count(d.m_nTendonCount, kMaxTendons, "Number of tendons");
    for (int t = 0; t < d.m_nTendonCount; ++t) WalkTendon(w, d.m_aTendons[t]);
    WalkBars(w, d.m_nGirderBarCount, d.m_aGirderBars, "Number of girder bars",
             "Bar size of girder bar");
    WalkBars(w, d.m_nDeckBarCount, d.m_aDeckBars, "Number of deck bars", "Bar size of deck bar");
    w.Int32(d.m_nTransformStrandsMode);
    w.Int32(d.m_nPTStrandType);
    w.String(d.m_strPTStrandName);
    w.Float64(d.m_dPTStrandUnitArea, Quantity::Section);
    w.Float64(d.m_dPTStrandDiameter, Quantity::Length);
    w.Float64(d.m_dPTStrandFpu, Quantity::Stress);
    w.Int32(d.m_nPTStrandKind);
    w.String(d.m_strPTStrandKind);
    w.Float64(d.m_dPTStrandEp, Quantity::Stress);
    w.Float64(d.m_dPTStrandK, Quantity::Factor);
    w.Float64(d.m_dPTStrandFpy, Quantity::Stress);

    // ---- Group 11: vehicle 2 (its axle count before its axles) and vehicle options
    w.String(d.m_recVehicle2.m_strName);
    w.Count(d.m_recVehicle2.m_nAxleCount, kMaxVehicleAxles, "Number of axles of vehicle 2");
    WalkAxles(w, d.m_recVehicle2.m_aAxles);
    WalkVehicleLoads(w, d.m_recVehicle2);
    w.Int32(d.m_recVehicle2.m_bIncluded);
    w.Int32(d.m_recVehicle2.m_nAuxFlag);
    w.Int32(d.m_nVehicleCombineMode);
    w.Int32(d.m_nVehicleAuxOption);

    // ---- Gates: the fields added since 3.0, each with what a file without them gets
    if (w.Reads(kGatePretensionForce)) {
        w.Int32(d.m_nPretensionEntryMode);
        w.Float64(d.m_dPForceJacking, Quantity::Force);
        w.Float64(d.m_dPForceCgEnd, Quantity::Length);  // end before mid
        w.Float64(d.m_dPForceCgMid, Quantity::Length);
    } else if (w.IsLoading()) {
        DerivePretensionForce(d, d);
    }
    if (w.IsLoading()) {
        d.m_nShearMethod = IsLrfd(d.m_nSpecification) ? kShearLrfdSectional : kShearStandardVciVcw;
    }

    if (w.Reads(kGateAgencyOptions)) {
        w.Index(d.m_nAgency, 0, kAgencyCount - 1, "Agency");
        w.Int32(d.m_bIncludeStrengthII);
        w.Int32(d.m_bCheckLowboy);
        w.Int32(d.m_nAnalysisAuxOption);
        w.Int32(d.m_nDeckConcreteType);
        w.Int32(d.m_recVehicle1.m_bIncluded);
        w.Int32(d.m_nShearMethod);
        w.Float64(d.m_dStrengthIIDeadLoadFactor, Quantity::Factor);
        w.Float64(d.m_dStrengthIIWearingSurfaceFactor, Quantity::Factor);
        w.Float64(d.m_dStrengthIILiveLoadFactor, Quantity::Factor);
        w.Int32(d.m_nFinalTensionLimitPermanent);
        w.Float64(d.m_dFinalTensionCoefPermanent, Quantity::Factor);
        w.StoredFloat64(d.m_dAllowFinalTensionPermanent);
        w.Int32(d.m_nVehicle2ImpactMode);
        w.Float64(d.m_dVehicle2ImpactSpecified, Quantity::Factor);
        // The debonding limits follow the agency (files from 3.1 on).
        if (w.IsLoading()) ApplyAgencyDebondLimits(d.m_nAgency, d);
    }

    if (w.Reads(kGateHandlingOptions)) {
        w.Flag(d.m_bCheckProduction);
        w.Float64(d.m_dLiftSupportLeft, Quantity::Length);
        w.Float64(d.m_dLiftSupportRight, Quantity::Length);
        w.Float64(d.m_dImpactFormSuction, Quantity::Factor);
        w.Float64(d.m_dImpactHandling, Quantity::Factor);
        w.Float64(d.m_dShipSupportLeft, Quantity::Length);
        w.Float64(d.m_dShipSupportRight, Quantity::Length);
        w.Float64(d.m_dImpactShipping, Quantity::Factor);
        w.Int32(d.m_anDetensionOrder);
        w.Flag(d.m_bDetensionAuxFlag);
        w.Float64(d.m_dTransportStiffness, Quantity::Force);
        w.Float64(d.m_dSuperElevation, Quantity::Factor);
        w.Float64(d.m_dBeamCgAboveRoad, Quantity::Length);
        w.Float64(d.m_dRollCenterAboveRoad, Quantity::Length);
        w.Float64(d.m_dDualTireDistance, Quantity::Length);
        w.Int32(d.m_bIncludeLoadRating);
        w.Int32(d.m_bRatingInventory);
        w.Int32(d.m_bRatingOperating);
        w.Int32(d.m_nEffWidthMethod);
        w.Float64(d.m_dUserEffWidth, Quantity::Length);
        w.Flag(d.m_bIncludeEndBlocks);
        w.Float64(d.m_dEndBlockWidth, Quantity::Length);
        w.Float64(d.m_dEndBlockLength, Quantity::Length);
        w.Float64(d.m_dEndBlockTransition, Quantity::Length);
        w.Flag(d.m_bShearAuxFlag);
        w.Int32(d.m_nFwsWidthBasis);
        w.Float64(d.m_dConcreteUltimateStrain, Quantity::Factor);
        w.Float64(d.m_dLoadModDuctility, Quantity::Factor);
        w.Float64(d.m_dLoadModRedundancy, Quantity::Factor);
        w.Float64(d.m_dLoadModImportance, Quantity::Factor);
        w.Flag(d.m_bInteriorPiersReinforced);
        w.Flag(d.m_bShipUseFc);
        w.Flag(d.m_bDvAllSteel);
        w.Flag(d.m_bStrainCompatibility);
        w.Flag(d.m_bServiceComboI);
        w.Flag(d.m_bSkewAdjustMomentDf);
        w.Flag(d.m_bRatingIgnoreFws);
        w.Flag(d.m_bIncreasedDoubleTruck);
        w.Float64(d.m_dSectionXbar, Quantity::Length);
        w.Float64(d.m_dSectionIyy, Quantity::Section);
        w.Float64(d.m_dOutlineWidth, Quantity::Length);
        w.Flag(d.m_bDetensioningAnalysis);
    }

    if (w.Reads(kGateElasticGain)) w.Flag(d.m_bOmitElasticGain);

    if (w.Reads(kGateFinalAge)) w.Float64(d.m_dFinalAge, Quantity::Factor);

    if (w.Reads(kGateMoreStirrupZones)) {
        for (int z = kStirrupZonesBase; z < kMaxStirrupZones; ++z)
            w.Float64(d.m_adStirrupZones[z], kStirrupZoneColumns);
    }
    RequireBarSizes(w, d.m_adStirrupZones, d.m_nStirrupZoneCount, kZoneBarSize, "Stirrup zone");

    if (w.Reads(kGateSectionFlags)) {
        w.Flag(d.m_bSectionFlag1);
        w.Flag(d.m_bSectionFlag2);
    }

    if (w.Reads(kGateDeckModulus)) {
        w.Float64(d.m_dDeflLimitRatio, Quantity::Factor);
        w.Float64(d.m_dWct, Quantity::Factor);
        w.Float64(d.m_dEctFactor, Quantity::Factor);
        w.Flag(d.m_bShowAsterisks);
    }

    if (w.Reads(kGateRatingVehicles)) {
        w.Flag(d.m_bSectionAuxFlag);
        w.Flag(d.m_bOptionAuxFlag);
        w.Flag(d.m_bShearAppendixB5);
        w.Count(d.m_nRatingVehicleCount, kMaxAdditionalVehicles, "Number of rating vehicles");
        for (int v = 0; v < d.m_nRatingVehicleCount; ++v)
            WalkRatingVehicle(w, d.m_aRatingVehicles[v]);
        w.Float32(d.m_fDbtTopFlangeThickness, Quantity::Length);
        w.Flag(d.m_bStirrupLayout);
        w.Flag(d.m_nDetailedLossBasis);
        w.Float32(d.m_fDeckForcePercent, Quantity::Factor);
        w.Flag(d.m_bFatigueOneTruck);
        w.Float32(d.m_fMcrGamma1, Quantity::Factor);
        w.Float32(d.m_fMcrGamma2, Quantity::Factor);
        w.Float32(d.m_fMcrGamma3, Quantity::Factor);
        w.Float32(d.m_fFrGeneric, Quantity::Factor);
        w.Float32(d.m_fFrMinReinf, Quantity::Factor);
        w.Float32(d.m_fFrShear, Quantity::Factor);
        w.Float32(d.m_fFrSandLightweight, Quantity::Factor);
        w.Float32(d.m_fFrAllLightweight, Quantity::Factor);
        w.Choice(d.m_nSpecEdition, 0, kEditionCount - 1, "Specification edition");
    } else if (w.IsLoading()) {
        d.m_bSectionAuxFlag = d.m_bSectionFlag1;
        d.m_bShearAppendixB5 = d.m_bShearAuxFlag == 0 ? 1 : 0;
        if (d.m_nSpecification == kSpecLrfd) {
            d.m_nSpecEdition = kEditionLrfd5th;
        } else if (d.m_nSpecification == kSpecStandard) {
            d.m_nSpecEdition = kEditionStandardSpecs;
        }
    }

    if (w.Reads(kGateHandlingChecks)) {
        w.Flag(d.m_bCheckStripping);
        w.Flag(d.m_bCheckHandling);
        w.Float64(d.m_dRestrainingMomentFactor, Quantity::Factor);
    } else if (w.IsLoading()) {
        d.m_bCheckStripping = d.m_bCheckProduction;
        d.m_bCheckHandling = d.m_bCheckProduction;
        d.m_dRestrainingMomentFactor = kRestrainingMomentFactorDefault;
    }
}

/// The version of a file being written: a version from 3.0 on.
int RequireWritableVersion(std::string_view versionText) {
    const std::optional<int> version = ParseVersion(versionText);
    if (!version || *version < kFirstCurrentLayoutVersion) {
        throw ArchiveError("\"" + std::string(versionText) +
                           "\" is no version of the current design file layout.");
    }
    return *version;
}

}  // namespace

void DerivePretensionForce(const SectionModel& section, PrestressModel& p) {
    const double* lastRow = section.m_adStrandTemplate[kForceEntryRow];
    if (std::trunc(lastRow[kTemplateElevation]) == kForceEntryMarker) {
        p.m_nPretensionEntryMode = kEntryPrestressForce;
        p.m_dPForceJacking = lastRow[kTemplatePositions];
        p.m_dPForceCgEnd = p.m_aEndRows[0][kRowDrapedElevation];
        p.m_dPForceCgMid = p.m_aDrapeRows[0][kRowDrapedElevation];
    } else {
        p.m_nPretensionEntryMode = kEntryStrandPattern;
        p.m_dPForceJacking = 0;
    }
}

void RequireStorable(StoredDesign& design) {
    // The save's own walk, into bytes that are thrown away: it refuses what a save would.
    Archive scratch;
    LayoutWalker w(Direction::Store, &scratch, kCurrentVersion, nullptr);
    WalkDesign(w, design);
}

std::optional<int> ParseVersion(std::string_view text) {
    constexpr std::size_t kMaxWholeDigits = 6;  // keeps the hundredths well inside an int
    std::size_t i = 0;
    int whole = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (i == kMaxWholeDigits) return std::nullopt;
        whole = whole * 10 + (text[i] - '0');
        ++i;
    }
    if (i == 0) return std::nullopt;
    int hundredths = whole * 100;
    if (i == text.size()) return hundredths;
    if (text[i] != '.' || i + 1 == text.size()) return std::nullopt;
    int scale = 10;
    for (++i; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        if (scale > 0) {
            hundredths += (c - '0') * scale;
            scale /= 10;
        } else if (c != '0') {
            return std::nullopt;  // a third decimal that is not 0 names no version
        }
    }
    return hundredths;
}

namespace {

/// Appends the design file of `doc` at `versionText` to the storing archive `ar`.
void StoreDesign(const CKordelDoc& doc, std::string_view versionText, Archive& ar) {
    const int version = RequireWritableVersion(versionText);
    LayoutWalker w(Direction::Store, &ar, version, nullptr);
    w.Header(kDesignFileSignature);
    w.Header(versionText);
    // Storing reads the members and changes none of them.
    WalkDesign(w, const_cast<CKordelDoc&>(doc));
}

}  // namespace

std::vector<std::uint8_t> WriteDesign(const CKordelDoc& doc, std::string_view versionText) {
    Archive ar;
    StoreDesign(doc, versionText, ar);
    return ar.Bytes();
}

std::vector<LayoutField> DescribeLayout(const CKordelDoc& doc, std::string_view versionText) {
    const int version = RequireWritableVersion(versionText);
    std::vector<LayoutField> fields;
    LayoutWalker w(Direction::Describe, nullptr, version, &fields);
    w.Header(kDesignFileSignature);
    w.Header(versionText);
    WalkDesign(w, const_cast<CKordelDoc&>(doc));  // listing changes nothing either
    return fields;
}

void ReadDesign(CKordelDoc& doc, Archive& ar) {
    auto design = std::make_unique<StoredDesign>(doc);
    OlderFile older;
    const std::string signature = ar.ReadString();
    if (signature != kDesignFileSignature) {
        // No signature: one of the headerless layouts, read again from the first byte.
        older = ReadHeaderlessDesign(ar, *design);
    } else {
        const std::string versionText = ar.ReadString();
        const std::optional<int> version = ParseVersion(versionText);
        if (!version) throw ArchiveError("the version \"" + versionText + "\" is not a number");
        if (*version < kFirstCurrentLayoutVersion) {
            older = ReadPre30Design(ar, *design);
        } else {
            LayoutWalker w(Direction::Load, &ar, *version, nullptr);
            WalkDesign(w, *design);
        }
    }

    // Everything was read and checked: the document takes the design. The version text it
    // carries stays the program's own, but for a design from a headerless file.
    design->MoveInto(doc);
    doc.m_strFileSignature = kDesignFileSignature;
    FinishOlderDesign(doc, older);
    // The file does not hold the Strength I factor on the restraint moments. A design opened
    // into a fresh document would otherwise factor its restraint moments by 0 and drop them
    // from the strength check; it takes its specification's factor instead.
    if (doc.m_dStrengthIRestraintFactor == 0) {
        doc.m_dStrengthIRestraintFactor = DefaultRestraintFactor(doc.m_nSpecification);
    }
    // Nor the stress of the bars that take the tension at release, which follows the
    // specification and the bars' yield stress and grade: a fresh document's is the LRFD
    // value whatever the design's specification. (A design with no specification chosen yet,
    // as the constructor makes it, keeps that value.)
    if (doc.m_nSpecification == kSpecLrfd || doc.m_nSpecification == kSpecStandard) {
        doc.m_dTensionTieSteelStress = TensionTieSteelStress(
            IsLrfd(doc.m_nSpecification), doc.m_dLongitudinalFy, doc.m_nLongitudinalGrade);
    }
    CMainFrameState& frame = GetMainFrame();
    frame.m_nStructureType = doc.m_bContinuous;
    frame.m_nPrestressType = doc.m_nPrestressType;
    frame.m_nUnits = doc.m_nUnits;
}

}  // namespace design_file

void CKordelDoc::Serialize(platform::Archive& ar) {
    if (ar.IsStoring()) {
        // A save always writes the current layout, under the current version, whatever version
        // the design was read from.
        design_file::StoreDesign(*this, kDesignFileVersion, ar);
    } else {
        design_file::ReadDesign(*this, ar);
    }
}

}  // namespace kordel
