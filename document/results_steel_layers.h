// Steel layers of strands, tendons and bars per station and the strain-compatibility solution.
#pragma once

#include "document/model_limits.h"
#include "document/results_flexure.h"

namespace kordel {

inline constexpr int kMaxSteelLayers = 300;  ///< room of m_aSteelLayer (at most 242 are used)

/// Kind of a SteelLayer. Strands and tendons of 250 ksi keep a code of their own; the solver
/// takes both strand codes (and both tendon codes) alike.
enum SteelLayerKind : int {
    kLayerStrand250 = 0,  ///< pretensioned strand group, fpu exactly 250 ksi
    kLayerStrand = 1,     ///< pretensioned strand group, any other fpu
    kLayerTendon250 = 2,  ///< post-tensioning tendon, fpu exactly 250 ksi
    kLayerTendon = 3,     ///< post-tensioning tendon, any other fpu
    kLayerBar = 4,        ///< girder or deck bar row
};

/// True for the prestressing kinds (strand groups and tendons).
inline constexpr bool IsPrestressingLayer(int kind) {
    return kind >= kLayerStrand250 && kind <= kLayerTendon;
}

/// One strand group, tendon or bar row as a layer of steel, per station. No initialisers (zeroed
/// storage, see CKordelDoc::operator new): a layer reads 0 until BuildSteelLayers builds it from
/// SteelLayer{}, which is all zeros, and only designs with strain compatibility build layers.
struct SteelLayer {
    double m_dCount;  ///< strands of the group or tendon, or bars of the row
    int m_nKind;      ///< SteelLayerKind
    /// Height above the girder bottom at each station, in; 0 where a bar row is absent.
    double m_adElevation[kStationCount];
    double m_adTensionArea[kStationCount];      ///< area acting in tension, in2
    double m_adCompressionArea[kStationCount];  ///< area acting in compression, in2
    double m_adPrestress[kStationCount];        ///< effective prestress fpe, ksi; 0 for bars
    /// Depth below the compression face at the station being solved, in (solver work value).
    double m_dDepth;
};

/// The force balance found by strain compatibility at one station, [FlexureMomentSign]. Depths are
/// measured down from the compression face; with the compression face at the girder bottom they
/// are heights above the girder bottom. No initialisers (zeroed storage, see
/// CKordelDoc::operator new): a result reads 0 until the solution, which starts from
/// StrainCompatResult{}, writes it.
struct StrainCompatResult {
    /// 1 when the neutral-axis search balanced the forces; 0 when it did not, or the station was
    /// not solved. A station that was tried and failed keeps the code-formula strength.
    int m_anConverged[kFlexureSignCount];
    /// 1 when the concrete force was integrated over the girder outline of the station; 0 when
    /// the outline of the station could not be found (the station then keeps the code formulas).
    int m_anConcreteDone[kFlexureSignCount];
    double m_adTensionArea[kFlexureSignCount];            ///< Ast, steel in tension, in2
    double m_adCompressionArea[kFlexureSignCount];        ///< Asc, steel in compression, in2
    double m_adTensionDepth[kFlexureSignCount];           ///< dt of the tension steel resultant, in
    double m_adCompressionSteelDepth[kFlexureSignCount];  ///< dsc of the compression steel, in
    double m_adTotalArea[kFlexureSignCount];              ///< Ast + Asc, in2
    double m_adSteelDepth[kFlexureSignCount];             ///< resultant of all steel forces, in
    double m_adLeverArm[kFlexureSignCount];               ///< |dt - dcomp|, in
    double m_adConcreteForce[kFlexureSignCount];          ///< Cc, concrete compression, kip
    double m_adConcreteDepth[kFlexureSignCount];          ///< dc of the concrete force, in
    double m_adCompressionDepth[kFlexureSignCount];       ///< dcomp of all compression, in
    double m_adSteelForce[kFlexureSignCount];             ///< |sum of the steel forces|, kip
    double m_adLastTrialDt[kFlexureSignCount];            ///< dt of the last trial, in
    /// Mean stress of the prestressing steel at nominal strength, sum |f A| / sum A, ksi.
    double m_adPrestressStress[kFlexureSignCount];
};

struct SteelLayerResults {
    // ---- Steel layers (BuildSteelLayers) --------------------------------------------------------
    /// Strand groups in group order, then the tendons, the girder bar rows, the deck bar rows.
    SteelLayer m_aSteelLayer[kMaxSteelLayers];  // zeroed storage
    int m_nSteelLayers = 0;  ///< layers in use; the records beyond keep old values

    // ---- Strain-compatibility solution (StrainCompatibility::ComputeFlexuralStrength) -----------
    StrainCompatResult m_aStrainCompat[kStationCount];  ///< [station]; zeroed storage
    /// Station and sign entries whose solution failed (no balance, or no outline) and that kept
    /// the code-formula strength; 0 when every solved entry converged.
    int m_nStrainCompatFailures = 0;
};

}  // namespace kordel
