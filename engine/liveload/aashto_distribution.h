// Live-load distribution factors of AASHTO LRFD Art. 4.6.2.2: the girder formulas of each
// cross-section type, the exterior-girder correction factors, the skew corrections and the lever
// rule. Pure functions; CKordelDoc::ComputeDistributionFactors calls them.
//
// Every factor counts design lanes. The formulas of the LRFD tables include the multiple-presence
// factor; the lever rule does not (its caller multiplies a one-lane lever-rule value by
// kOneLaneMultiplePresence). Units mix as the LRFD tables mix them: S, L, W and de in ft; b, d
// and ts in in; I, J and Kg in in^4.
#pragma once

namespace kordel {

// ---- Cross-section types --------------------------------------------------------------------
/// Cross-section type codes of m_nSuperstructureType under LRFD, with the letter of
/// AASHTO LRFD 6th ed. Table 4.6.2.2.1-1. Any other code is an I-beam on a composite deck, or an
/// adjacent box on a non-composite one.
enum LrfdSectionType : int {
    kLrfdSpreadBoxClosed = 0,          ///< (b) spread box beams, closed
    kLrfdSpreadBoxOpen = 1,            ///< (c) spread box beams, open
    kLrfdAdjacentBoxComposite = 2,     ///< (f) adjacent box beams, composite deck
    kLrfdAdjacentBoxNonComposite = 3,  ///< (g) adjacent box beams, non-composite
    kLrfdChannelComposite = 4,         ///< (h) channel beams, composite deck
    kLrfdChannelNonComposite = 5,      ///< (i) channel beams, non-composite
    kLrfdTeeBeamNonComposite = 6,      ///< (j) T-beams, non-composite
    kLrfdIBeamComposite = 7,           ///< (k) I-beams, composite deck
    kLrfdVoidedRectangular = 8,        ///< (g) rectangular beams with circular voids
    kLrfdSolidRectangular = 9,         ///< (g) non-voided rectangular beams
};
inline constexpr int kLrfdSectionTypeCount = 10;

/// Name of the LRFD cross-section type whose factors were computed; codes outside 0 to 9 name
/// the I-beam when `composite` (m_bCompositeDeck is 1), else the adjacent cellular box.
const char* LrfdSectionTypeName(int code, bool composite);

/// Name of the LRFD cross-section type when the user typed the factors; codes outside 0 to 9
/// name the composite I-beam.
const char* LrfdUserFactorTypeName(int code);

/// Preliminary K of a cross-section type with a torsional stiffness term, used when J is not
/// usable; 0 for types whose formulas need no K. Codes outside 0 to 9 take the box value 1.0.
/// AASHTO LRFD 6th ed. Art. C4.6.2.2.1, Table C4.6.2.2.1-1
double LrfdPreliminaryK(int code);

/// Multiple-presence factor of one loaded lane, applied to a one-lane lever-rule factor.
/// AASHTO LRFD 6th ed. Art. 3.6.1.1.2, Table 3.6.1.1.2-1
inline constexpr double kOneLaneMultiplePresence = 1.2;

/// Fatigue: the factors of the tables carry the multiple-presence factor, which is divided out.
/// AASHTO LRFD 6th ed. Art. 3.6.1.4.3b
inline constexpr double kFatigueMultiplePresence = 1.2;

/// J at or below this (in^4) is not taken as a torsional constant: K takes its preliminary value.
inline constexpr double kUsableTorsionConstant = 1.0;

/// Skew angles above this (degrees) are taken as this angle.
/// AASHTO LRFD 6th ed. Table 4.6.2.2.2e-1 (if theta > 60 deg use theta = 60 deg)
inline constexpr double kMaxSkewAngle = 60.0;

/// Below this skew angle (degrees) the I-beam moment reduction does not apply (c1 = 0).
/// AASHTO LRFD 6th ed. Table 4.6.2.2.2e-1
inline constexpr double kMinSkewForMomentReduction = 30.0;

/// Beam spacing (ft) above which spread box beams take the lever rule.
/// AASHTO LRFD 6th ed. Table 4.6.2.2.2b-1 (range of applicability, S > 18.0 ft)
inline constexpr double kLrfdSpreadBoxMaxSpacing = 18.0;

// ---- Lever rule ------------------------------------------------------------------------------
/// Lever rule for a girder next to the deck edge: the deck hinged over the next girder, one
/// truck with wheel lines 6 ft apart (half a lane each), the outer wheel 2 ft from the curb at
/// distance `de` (ft) outside the girder; the inner wheel reaches the girder bay only when S + de
/// exceeds 8 ft. Returns lanes, without a multiple-presence factor. S > 0.
/// AASHTO LRFD 6th ed. Art. 4.6.2.2.2d, Table 4.6.2.2.2d-1, Fig. C4.6.2.2.1-1;
/// Standard Specifications 17th ed. Art. 3.23.2.3.1.2
double LeverRuleExterior(double S, double de);

/// Lever rule for an interior girder: one wheel over the girder and the other wheels of `lanes`
/// loaded lanes at 4, 6, 10 and 12 ft from it, each wheel within S adding 0.5 (S - x) / S.
/// `lanes` 1 takes the wheel at 6 ft only, 2 those at 4, 6 and 10 ft, any other value all four.
/// Returns lanes, without a multiple-presence factor.
/// AASHTO LRFD 6th ed. Art. 4.6.2.2.2b, Table 4.6.2.2.2b-1 (lever rule);
/// Standard Specifications 17th ed. Art. 3.23.2.3.1.1, Table 3.23.1 footnote
double LeverRuleInterior(double S, int lanes);

// ---- Longitudinal stiffness -----------------------------------------------------------------
/// The longitudinal stiffness parameter and its terms.
struct LongitudinalStiffness {
    double eg;  ///< girder centroid to deck centroid, in
    double n;   ///< modular ratio Eb / Ed
    double Kg;  ///< n (I + A eg^2), in^4
};

/// Kg from the girder depth `d`, its centroid height `yb`, its I and A, the deck's modular ratio
/// `EdOverEb` (taken as 1.0 when not positive), and, for a composite deck, the haunch, the
/// structural slab depth ts and the overlay (all in); a non-composite deck puts eg at the top of
/// the girder.
/// AASHTO LRFD 6th ed. Art. 4.6.2.2.1, Eq. 4.6.2.2.1-1
LongitudinalStiffness ComputeLongitudinalStiffness(double d, double yb, double I, double A,
                                                   double EdOverEb, bool composite, double haunch,
                                                   double ts, double overlay);

/// k = 2.5 Nb^-0.2, not less than 1.5, of the adjacent box moment formulas. Nb >= 1.
/// AASHTO LRFD 6th ed. Table 4.6.2.2.2b-1, cross-sections (f), (g)
double AdjacentBoxK(int Nb);

/// K = sqrt(1.2 I / J) when J > kUsableTorsionConstant; otherwise `preliminaryK`. `approximate`
/// is set true when the preliminary value was taken, false otherwise.
/// AASHTO LRFD 6th ed. Art. C4.6.2.2.1, Eq. C4.6.2.2.1-3 (mu = 0.2)
double TorsionalK(double I, double J, double preliminaryK, bool& approximate);

/// I / J of a section whose torsional stiffness is known only by its K: K^2 / 1.2, the inverse of
/// TorsionalK. Used when J is zero or negative, where I / J has no value.
/// AASHTO LRFD 6th ed. Art. C4.6.2.2.1, Eq. C4.6.2.2.1-3 (mu = 0.2)
double IOverJFromK(double K);

// ---- Interior-girder formulas ---------------------------------------------------------------
/// Spread box beams, moment, one lane (MB1). AASHTO LRFD 6th ed. Table 4.6.2.2.2b-1, (b, c)
double SpreadBoxMomentOneLane(double S, double d, double L);
/// Spread box beams, moment, two or more lanes (MB2). AASHTO LRFD 6th ed. Table 4.6.2.2.2b-1
double SpreadBoxMomentMultiLane(double S, double d, double L);
/// Spread box beams, shear, one lane (VB1). AASHTO LRFD 6th ed. Table 4.6.2.2.3a-1, (b, c)
double SpreadBoxShearOneLane(double S, double d, double L);
/// Spread box beams, shear, two or more lanes (VB2). AASHTO LRFD 6th ed. Table 4.6.2.2.3a-1
double SpreadBoxShearMultiLane(double S, double d, double L);

/// Adjacent boxes acting as a unit, moment, one lane (MA1), with I / J as `IoverJ`.
/// AASHTO LRFD 6th ed. Table 4.6.2.2.2b-1, (f, g)
double AdjacentBoxMomentOneLane(double k, double b, double L, double IoverJ);
/// Adjacent boxes acting as a unit, moment, two or more lanes (MA2).
/// AASHTO LRFD 6th ed. Table 4.6.2.2.2b-1, (f, g)
double AdjacentBoxMomentMultiLane(double k, double b, double L, double IoverJ);
/// Adjacent boxes, shear, one lane (VA1). AASHTO LRFD 6th ed. Table 4.6.2.2.3a-1, (f, g)
double AdjacentBoxShearOneLane(double b, double L, double IoverJ);
/// Adjacent boxes, shear, two or more lanes (VA2), without the factor b / 48.
/// AASHTO LRFD 6th ed. Table 4.6.2.2.3a-1, (f, g)
double AdjacentBoxShearMultiLane(double b, double L, double IoverJ);
/// The factor b / 48, not less than 1.0, of the interior adjacent-box shear for two or more lanes.
/// AASHTO LRFD 6th ed. Table 4.6.2.2.3a-1, (f, g)
double AdjacentBoxShearWidthFactor(double b);

/// I-beams (and sufficiently connected channel and T-beams), moment, one lane (MI1).
/// AASHTO LRFD 6th ed. Table 4.6.2.2.2b-1, (a, e, k, i, j)
double IBeamMomentOneLane(double S, double L, double Kg, double ts);
/// I-beams, moment, two or more lanes (MI2). AASHTO LRFD 6th ed. Table 4.6.2.2.2b-1
double IBeamMomentMultiLane(double S, double L, double Kg, double ts);
/// I-beams, shear, one lane (VI1). AASHTO LRFD 6th ed. Table 4.6.2.2.3a-1, (a, e, k, i, j)
double IBeamShearOneLane(double S);
/// I-beams, shear, two or more lanes (VI2). AASHTO LRFD 6th ed. Table 4.6.2.2.3a-1
double IBeamShearMultiLane(double S);

/// The S / D formula and its terms.
struct SpacingOverD {
    double C;  ///< K W / L, not more than K
    double D;  ///< ft
    double g;  ///< S / D, lanes
};
/// S / D for any number of loaded lanes, with `lanes` NL as a real number.
/// AASHTO LRFD 6th ed. Table 4.6.2.2.2b-1, (g) if connected only enough to prevent relative
/// vertical displacement, (h), (i), (j)
SpacingOverD SpacingOverDFactor(double S, double K, double W, double L, double lanes);

// ---- Exterior-girder correction factors -----------------------------------------------------
/// e of spread box beams, moment, two or more lanes. AASHTO LRFD 6th ed. Table 4.6.2.2.2d-1, (b, c)
double SpreadBoxMomentE(double de);
/// e of spread box beams, shear, two or more lanes. AASHTO LRFD 6th ed. Table 4.6.2.2.3b-1, (b, c)
double SpreadBoxShearE(double de);
/// e of adjacent boxes, moment, one lane, at least 1.0. AASHTO LRFD 6th ed. Table 4.6.2.2.2d-1
double AdjacentBoxMomentOneLaneE(double de);
/// e of adjacent boxes, moment, two or more lanes, at least 1.0.
/// AASHTO LRFD 6th ed. Table 4.6.2.2.2d-1, (f, g)
double AdjacentBoxMomentMultiLaneE(double de);
/// e of adjacent boxes, shear, one lane, at least 1.0. AASHTO LRFD 6th ed. Table 4.6.2.2.3b-1
double AdjacentBoxShearOneLaneE(double de);
/// e of adjacent boxes, shear, two or more lanes: 1 + ((b/12 + de - 2) / 40)^0.5, at least 1.0.
/// When b/12 + de is below 2 ft the root has no real value; the term under it is then taken as 0
/// and e is 1.0, the least value the table allows.
/// AASHTO LRFD 6th ed. Table 4.6.2.2.3b-1, (f, g)
double AdjacentBoxShearMultiLaneE(double b, double de);
/// e of I-beams, moment, two or more lanes. AASHTO LRFD 6th ed. Table 4.6.2.2.2d-1, (a, e, k)
double IBeamMomentE(double de);
/// e of I-beams, shear, two or more lanes. AASHTO LRFD 6th ed. Table 4.6.2.2.3b-1, (a, e, k)
double IBeamShearE(double de);

// ---- Skew corrections -----------------------------------------------------------------------
/// tan of the skew angle as the skew tables use it: the magnitude of `skewDegrees`, taken as
/// kMaxSkewAngle when larger.
double SkewTangent(double skewDegrees);

/// Moment reduction of box and adjacent beams: 1.05 - 0.25 tan(theta), not more than 1.0.
/// AASHTO LRFD 6th ed. Table 4.6.2.2.2e-1, (b, c, d, f, g)
double BoxSkewMomentFactor(double tanTheta);
/// Shear correction of spread box beams: 1 + tan(theta) sqrt(L d / 12) / (6 S).
/// AASHTO LRFD 6th ed. Table 4.6.2.2.3c-1, (b, c)
double SpreadBoxSkewShearFactor(double tanTheta, double L, double d, double S);
/// Shear correction of adjacent boxes: 1 + (12 L / (90 d)) sqrt(tan(theta)).
/// AASHTO LRFD 6th ed. Table 4.6.2.2.3c-1, (f, g)
double AdjacentBoxSkewShearFactor(double tanTheta, double L, double d);
/// c1 = 0.25 (Kg / (12 L ts^3))^0.25 (S / L)^0.5 of the I-beam moment reduction.
/// AASHTO LRFD 6th ed. Table 4.6.2.2.2e-1, (a, e, k, i, j)
double IBeamSkewC1(double Kg, double L, double ts, double S);
/// Moment reduction of I-beams: 1 - c1 tan(theta)^1.5.
/// AASHTO LRFD 6th ed. Table 4.6.2.2.2e-1, (a, e, k, i, j)
double IBeamSkewMomentFactor(double c1, double tanTheta);
/// Shear correction of I-beams: 1 + 0.2 (12 L ts^3 / Kg)^0.3 tan(theta).
/// AASHTO LRFD 6th ed. Table 4.6.2.2.3c-1, (a, e, k, i, j)
double IBeamSkewShearFactor(double Kg, double L, double ts, double tanTheta);

}  // namespace kordel
