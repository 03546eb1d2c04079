// Vertical shear: the sectional design model, Vci/Vcw, stirrups and the longitudinal reinforcement
// at the ends.
#pragma once

#include <string>
#include <vector>

#include "document/model_limits.h"

namespace kordel {

/// Axes of the theta/beta tables of AASHTO LRFD Appendix B5, Table B5.2-1.
inline constexpr int kShearStrainAxisCount = 11;     ///< ex x 1000: -0.2 ... 2.0
inline constexpr int kShearStressAxisCount = 8;      ///< v/f'c: 0.075 ... 0.25
inline constexpr int kMaxShearThetaIterations = 50;  ///< passes of the Appendix B5 theta iteration

/// Entries of m_anShearTableIndex.
enum ShearTableIndex : int {
    kShearStrainLower = 0,  ///< strain axis, last entry below 1000 ex
    kShearStrainUpper = 1,  ///< strain axis, first entry not below 1000 ex
    kShearStressLower = 2,  ///< v/f'c axis, last entry below v/f'c
    kShearStressUpper = 3,  ///< v/f'c axis, first entry not below v/f'c
    kShearStrainLast = 4,   ///< last strain index (10)
    kShearStressLast = 5,   ///< last v/f'c index (7)
};
inline constexpr int kShearTableIndexCount = 6;

/// Entries of m_adShearDvLimits.
enum ShearDvLimit : int { kDvLimitDe = 0, kDvLimitHeight = 1, kDvLimitGoverning = 2 };
inline constexpr int kShearDvLimitCount = 3;

/// Entries of m_adShearPtParams.
enum ShearPtParam : int {
    kShearSpacingThreshold = 0,  ///< 0.125 f'c, ksi
    kShearFpo = 1,               ///< fpo = jacking stress of the strands, ksi
};
inline constexpr int kShearPtParamCount = 2;

/// Entries of m_anLongReinfEnd (the crack from the bearing at angle theta).
enum LongReinfEndValue : int {
    kLongEndLeftX = 0,       ///< left end: crack position x, ft
    kLongEndLeftCg = 1,      ///< left end: strand centroid height at the crack, in
    kLongEndLeftForce = 2,   ///< left end: strand force available at the crack, kip
    kLongEndRightX = 3,      ///< right end: crack position x, ft
    kLongEndRightCg = 4,     ///< right end: strand centroid height at the crack, in
    kLongEndRightForce = 5,  ///< right end: strand force available at the crack, kip
};
inline constexpr int kLongReinfEndCount = 6;

/// Labels of m_saShearGoverningCase.
inline constexpr const char* kShearCaseVciVcw = "Vci/Vcw";
inline constexpr const char* kShearCaseTwoSqrt = "  2sqrt";

struct ShearResults {
    // ---- Common preparation (all methods) ------------------------------------------------------
    double m_adShearBv[kStationCount] = {};     ///< bv, effective web width, in
    double m_adShearVp[kStationCount] = {};     ///< Vp, vertical component of the prestress, kip
    double m_adAvProvided[kStationCount] = {};  ///< Av provided by the stirrup zones, in2/ft
    double m_dStrandSlopeAngle = 0.0;           ///< slope of the pretensioned strand centroid, deg

    // ---- Flexural quantities and dv (LRFD methods) ---------------------------------------------
    double m_adShearAc[kStationCount] = {};           ///< Ac, concrete area below hc / 2, in2
    double m_adShearApsAnchored[kStationCount] = {};  ///< developed Aps at or below hc / 2, in2
    /// Centroid of m_adShearApsAnchored above the girder bottom, in
    double m_adShearStrandCg[kStationCount] = {};
    /// Aps at or below hc / 2 weighted for the fpo term, in2
    double m_adShearApsTension[kStationCount] = {};
    double m_adShearApsTensionCg[kStationCount] = {};  ///< centroid of m_adShearApsTension, in
    double m_adShearApsAll[kStationCount] = {};        ///< developed Aps of all strands, in2
    double m_adShearStrandCgAll[kStationCount] = {};   ///< centroid of m_adShearApsAll, in
    double m_adShearDp[kStationCount] = {};            ///< dp = hc - m_adShearStrandCg, in
    /// dp of all strands = hc - m_adShearStrandCgAll, in
    double m_adShearDpAll[kStationCount] = {};
    double m_adShearAs[kStationCount] = {};      ///< As, mild tension steel area, in2
    double m_adShearDs[kStationCount] = {};      ///< ds, depth of As from the compression face, in
    double m_adShearFcAvg[kStationCount] = {};   ///< f'c of the compression zone, ksi
    double m_adShearAlpha1[kStationCount] = {};  ///< alpha1, stress-block factor
    double m_adShearBeta1[kStationCount] = {};   ///< beta1, stress-block depth factor
    double m_adShearHf[kStationCount] = {};      ///< hf, compression flange thickness, in
    double m_adShearB[kStationCount] = {};       ///< b, compression flange width, in
    double m_adShearC[kStationCount] = {};       ///< c, neutral-axis depth, in
    double m_adShearA[kStationCount] = {};       ///< a, stress-block depth, in
    double m_adShearFps[kStationCount] = {};     ///< fps, strand stress at Mr, ksi
    double m_adShearMr[kStationCount] = {};      ///< Mr, factored flexural resistance for dv, k-ft
    double m_adShearDe[kStationCount] = {};      ///< de, effective depth, in
    double m_adShearDv[kStationCount] = {};      ///< dv, effective shear depth, in
    /// Last station: [0] 0.9 de, [1] 0.72 hc, [2] the larger, in
    double m_adShearDvLimits[kShearDvLimitCount] = {};
    double m_adShearStress[kStationCount] = {};       ///< v, shear stress, ksi
    double m_adShearStressRatio[kStationCount] = {};  ///< v / f'c

    // ---- Sectional design model (method 1) -----------------------------------------------------
    double m_adShearEs[kStationCount] = {};  ///< es, longitudinal strain of the formula method
    double m_adShearEx[kStationCount] = {};  ///< ex, longitudinal strain of the Appendix B5 method
    double m_adShearTheta[kStationCount] = {};  ///< theta, angle of the diagonal compression, deg
    double m_adShearBeta[kStationCount] = {};   ///< beta, concrete tension factor
    double m_adShearVc[kStationCount] = {};     ///< Vc, concrete resistance (nominal), kip
    double m_adShearPtParams[kShearPtParamCount] = {};  ///< [0] 0.125 f'c, [1] fpo, ksi
    double m_dShearThetaStart = 25.0;  ///< starting theta of the Appendix B5 iteration, deg
    double m_dShearThetaPrev = 999.0;  ///< theta of the previous Appendix B5 pass, deg
    /// Appendix B5 lookup indices (ShearTableIndex)
    int m_anShearTableIndex[kShearTableIndexCount] = {};

    // ---- Vci/Vcw (methods 2 and 3) -------------------------------------------------------------
    double m_adShearVd[kStationCount] = {};    ///< Vd, unfactored dead-load shear, kip
    double m_adShearVi[kStationCount] = {};    ///< Vi, factored shear less Vd, kip
    double m_adShearMd[kStationCount] = {};    ///< Md, unfactored dead-load moment, k-ft
    double m_adShearMmax[kStationCount] = {};  ///< Mmax = Mu - Md, k-ft
    /// Mcr of the Vci formula, k-ft (negative for negative moment)
    double m_adShearMcr[kStationCount] = {};
    /// d of the Vci/Vcw formulas, in: dv under both LRFD methods, the Standard Specifications d
    /// under method 3
    double m_adShearD[kStationCount] = {};
    double m_adShearFpc[kStationCount] = {};  ///< fpc, compressive stress at the centroid, ksi
    double m_adShearFpcModulus[kStationCount] = {};  ///< I / y at the level where fpc is taken, in3
    double m_adShearVci[kStationCount] = {};  ///< Vci, flexure-shear cracking resistance, kip
    double m_adShearVcw[kStationCount] = {};  ///< Vcw, web-shear cracking resistance, kip

    // ---- Stirrups and limits (all methods) -----------------------------------------------------
    double m_adShearVs[kStationCount] = {};  ///< Vs required ("Vs_req"), kip
    /// Vs of the provided stirrups ("Vs_prv"), kip
    double m_adShearVsProvided[kStationCount] = {};
    double m_adShearVsMax[kStationCount] = {};  ///< Standard Specifications 8 sqrt(f'c) bv d, kip
    /// Standard Specifications 4 sqrt(f'c) bv d, kip
    double m_adShearVsAtMaxSpacing[kStationCount] = {};
    double m_adShearAvRequired[kStationCount] = {};  ///< Av from Vs ("Avcmp"), in2/ft
    double m_adShearAvMin[kStationCount] = {};       ///< minimum Av ("Avmin"), in2/ft
    double m_adShearAvDesign[kStationCount] = {};    ///< larger of the two ("Av"), in2/ft
    /// Nominal resistance with the provided stirrups, kip (x m_dPhiShear: factored): Vc + Vs + Vp
    /// under the sectional model, Vc + Vs under the Vci/Vcw methods (whose Vcw holds Vp)
    double m_adShearVr[kStationCount] = {};
    /// Upper limit of the nominal resistance ("Vr_max"), kip: 0.25 f'c bv dv (+ Vp under the
    /// sectional model); Vc + Vs,max under the Standard Specifications
    double m_adShearVrMax[kStationCount] = {};
    double m_adShearMaxSpacing[kStationCount] = {};  ///< maximum stirrup spacing ("Max_spc"), in
    std::vector<std::string>
        m_saShearGoverningCase;  ///< per station: "Vci/Vcw" or "  2sqrt" (method 3, continuous)

    // ---- Longitudinal reinforcement (LRFD 5.8.3.5) ---------------------------------------------
    /// Tension demand with the required Vs ("FlReqVsMin"), kip
    double m_adLongReqVsMin[kStationCount] = {};
    /// Tension demand with Vs provided ("FlReqVsPrv"), kip
    double m_adLongReqVsProvided[kStationCount] = {};
    double m_adLongReinfProvided[kStationCount] = {};  ///< Aps fps + As fy ("Fl-prov"), kip
    /// Crack at the girder ends (LongReinfEndValue)
    float m_anLongReinfEnd[kLongReinfEndCount] = {};
};

}  // namespace kordel
