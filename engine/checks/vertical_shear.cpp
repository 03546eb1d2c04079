#include "engine/checks/vertical_shear.h"

#include <algorithm>
#include <cmath>

#include "document/kordel_doc.h"
#include "engine/checks/aashto_shear.h"

namespace kordel {

namespace {

constexpr double kPi = 3.141592654;        // the degree-radian conversions of the shear design
constexpr double kMomentSignTol = 0.0001;  // k-ft; below -kMomentSignTol the moment is negative
constexpr double kVciSignTol = 0.1;        // k-ft; the Vci cracking moment's sign test

double Radians(double degrees) {
    return degrees * kPi / 180.0;
}

double Degrees(double radians) {
    return radians * 180.0 / kPi;
}

// n / d, or `fallback` where d is 0 or the quotient is not a finite number.
double Quotient(double n, double d, double fallback = 0.0) {
    if (d == 0.0) return fallback;
    const double q = n / d;
    return std::isfinite(q) ? q : fallback;
}

// cot(theta) of an angle in degrees; 0 for an angle whose tangent is 0.
double Cot(double thetaDeg) {
    return Quotient(1.0, std::tan(Radians(thetaDeg)));
}

// Sum of the load cases `first` to `last` of a load-effect record.
double SumCases(const LoadEffectRecord& r, int first, int last) {
    double sum = 0.0;
    for (int k = first; k <= last; ++k) sum += r[k];
    return sum;
}

// Sum of the stresses of stress cases `first` to `last` at fibre `fibre`.
double SumStresses(const LoadCaseStress& r, int first, int last, int fibre) {
    double sum = 0.0;
    for (int k = first; k <= last; ++k) sum += r[k][fibre];
    return sum;
}

// Force of the tendons at `station`: the jacking force after the detailed losses, else the
// final effective force.
double TendonForce(const CKordelDoc& d, int station) {
    const bool detailed =
        d.m_nLossMethod == kLossLrfd6thDetailed && d.m_nLossMode == kLossesComputed;
    return detailed ? d.m_adPtForce[station] : d.m_adPtEffForce2[station];
}

// A cracking moment (k-ft, magnitude) from a rupture stress plus the compression already at the
// fibre (ksi) and the section modulus (in3); an already cracked fibre gives 0.
double CrackingMoment(double fr, double existing, double S) {
    return std::max(fr + existing, 0.0) * S / 12.0;
}

// Cracking moment of the Vci formulas where the moment is negative, stored negative: the smallest
// of the moments that crack the deck top (composite loads), the girder top on the composite
// section (all permanent loads) and the girder top under the girder's own loads, each with the
// psi rupture stress 6 sqrt(f'c) of its concrete. A fibre without a section modulus is skipped.
double NegativeCrackingMoment(const CKordelDoc& d, int s) {
    const LoadCaseStress& f = d.m_aLoadCaseStress[s];
    const double* S = d.m_adSectionModulusAtStation[s];
    const double frDeck = 6.0 * shear::SqrtPsiInKsi(d.m_dDeckFc);
    const double frGirder = 6.0 * shear::SqrtPsiInKsi(d.m_dBeamFc);
    const double fpeTop = d.m_aPrestressStress[s][kPrestressFinalTop];

    double governing = -1.0;
    auto consider = [&](double fr, double existing, double modulus) {
        if (!(modulus > 0.0)) return;
        const double m = CrackingMoment(fr, existing, modulus);
        if (governing < 0.0 || m < governing) governing = m;
    };
    if (d.m_bCompositeDeck) {
        consider(frDeck, SumStresses(f, kStressBarriers, kStressOtherComposite, kFibreDeckTop),
                 S[SectionModulusSlot(kSectionCaseOverlay, kFibreDeckTop)]);
        consider(frGirder,
                 fpeTop + SumStresses(f, kStressGirder, kStressOtherComposite, kFibreGirderTop),
                 S[SectionModulusSlot(kSectionCaseOverlay, kFibreGirderTop)]);
    }
    consider(frGirder,
             fpeTop + SumStresses(f, kStressGirder, kStressOtherNonComposite, kFibreGirderTop),
             S[SectionModulusSlot(kSectionCaseGirder, kFibreGirderTop)]);
    return governing < 0.0 ? 0.0 : -governing;
}

// Lever arm of the strain-compatibility solution at station `s` for the moment sign, or 0 where
// the station was not solved (the code-formula lever arm then stands).
double StrainCompatArm(const CKordelDoc& d, int s, int sign) {
    if (d.m_bStrainCompatibility != 1) return 0.0;
    const StrainCompatResult& r = d.m_aStrainCompat[s];
    if (r.m_anConverged[sign] != 1) return 0.0;
    return r.m_adLeverArm[sign] > 0.0 ? r.m_adLeverArm[sign] : 0.0;
}

// ---- Common preparation: bv, Vp, stirrups provided
// ------------------------------------------------

void PrepareShearStations(CKordelDoc& d) {
    // Shear width: the ducts of post-tensioning tendons take a quarter of their diameter per web.
    double dmax = 0.0;  // largest duct diameter, in
    const int tendons = std::clamp(d.m_nTendonCount, 0, kMaxTendons);
    for (int k = 0; k < tendons; ++k)
        dmax = std::max(dmax, double(d.m_aTendons[k].m_fDuctDiameter));

    // Slope of the draped strand centroid from the girder end to the hold-down point.
    const double run = d.m_dDrapeFraction * d.m_dDesignSpan + d.m_dEndDistance;  // ft
    const double rise = (d.m_dStrandCgEnd - d.m_dStrandCgMid) / 12.0;            // ft
    d.m_dStrandSlopeAngle = run > 0.0 ? Degrees(std::atan(rise / run)) : 0.0;
    const double sinSlope = std::sin(Radians(d.m_dStrandSlopeAngle));

    const double xHoldDownLeft = d.m_adStationX[kStationLeftDrape];
    const double xHoldDownRight = d.m_adStationX[kStationRightDrape];
    for (int s = 0; s < kStationCount; ++s) {
        const double x = d.m_adStationX[s];
        const double bw = d.m_adWebWidthAtStation[s];
        d.m_adShearBv[s] =
            d.m_nPrestressType == kPretensionOnly ? bw : bw - d.m_nWebCount * dmax / 4.0;

        double Vp = 0.0;
        if (d.m_nPrestressType == kPretensionOnly) {
            // The hold-down points themselves, and stations on them, are level.
            if (PositionBefore(x, xHoldDownLeft) || PositionBeyond(x, xHoldDownRight))
                Vp = d.m_adEffectivePrestress[s] * sinSlope;
        } else if (d.m_nPtStrandCount >= 1) {
            const double P = TendonForce(d, s);
            for (int k = 0; k < tendons; ++k) {
                const double share = double(d.m_aTendons[k].m_nStrands) / d.m_nPtStrandCount;
                Vp += std::sin(std::fabs(d.GetTendonAngle(k, s))) * share * P;
            }
        }
        d.m_adShearVp[s] = Vp;

        d.m_adAvProvided[s] = shear::StirrupAreaAt(d.m_adStirrupZones, d.m_nStirrupZoneCount,
                                                   d.m_bStirrupLayout != 0, x + d.m_dEndDistance);
    }
}

// Compression zone of the dv calculation at station `s` into the shear members.
void SetCompressionZone(CKordelDoc& d, int s) {
    double fc = d.m_dBeamFc;
    double beta1 = d.m_dBeta1Girder;
    double hf = d.m_dTopFlangeThickness;
    double b = d.m_dTopFlangeWidth;
    if (d.m_adMu[s] <= -kMomentSignTol) {
        hf = d.m_dBottomFlangeThickness;
        b = d.m_dBottomFlangeWidth;
    } else if (d.m_bCompositeDeck) {
        fc = d.m_dDeckFc;
        beta1 = d.m_dBeta1Deck;
        hf = d.m_dDeckThickness - d.m_dWearingSurfaceThickness;
        b = d.m_dEffFlangeWidth2;
    }
    d.m_adShearFcAvg[s] = fc;
    d.m_adShearAlpha1[s] = d.GetStressBlockFactor(fc);
    d.m_adShearBeta1[s] = beta1;
    d.m_adShearHf[s] = hf;
    d.m_adShearB[s] = b;
}

// ---- LRFD: flexural quantities, dv and v
// ----------------------------------------------------------

void ComputeShearDepth(CKordelDoc& d) {
    const double hc = d.m_dCompositeHeight;
    const double deckDepth = d.m_dDeckThickness - d.m_dWearingSurfaceThickness;  // in

    for (int s = 0; s < kStationCount; ++s) {
        d.m_adShearAc[s] = d.GetAreaBelow(s, hc / 2.0);
    }

    double girderBarArea[kStationCount][kGirderBarSideCount] = {};
    double girderBarCg[kStationCount][kGirderBarSideCount] = {};
    d.GetGirderBarsBySide(d.m_nGirderRebarRowCount, d.m_adGirderRebarRows, girderBarArea,
                          girderBarCg, hc / 2.0);
    double deckBarArea[kStationCount] = {};
    double deckBarCg[kStationCount] = {};
    d.GetDeckBarsFromSupport(d.m_nDeckRebarRowCount, d.m_adDeckRebarRows, deckBarArea, deckBarCg);

    // Developed strands: those in the tension half at their full stress, the same weighted for
    // the fpo term, and all strands.
    const double lt = d.m_dTransferLength;
    const double fpe = d.m_adStrandStressFinal[kFinalStrandStress];
    const double ld = d.m_adDevelopmentLengths[kDevelopmentBonded];
    const double ldDebonded = d.m_adDevelopmentLengths[kDevelopmentDebonded];
    const double fpsMid = d.m_aFlexureFps[kStationMidspan][kFlexurePositive];
    const double fpo = d.m_dStrandStressJacking;  // ksi
    d.m_adShearPtParams[kShearFpo] = fpo;
    d.ComputeStrandDevelopment(hc / 2.0, d.m_aStrandGroup, d.m_adShearApsAnchored,
                               d.m_adShearStrandCg, lt, fpe, ld, ldDebonded, fpsMid);
    d.ComputeStrandDevelopment(hc / 2.0, d.m_aStrandGroup, d.m_adShearApsTension,
                               d.m_adShearApsTensionCg, lt, fpo, lt + 0.01, lt + 0.01, fpo + 0.01);
    d.ComputeStrandDevelopment(d.m_dSectionHeight, d.m_aStrandGroup, d.m_adShearApsAll,
                               d.m_adShearStrandCgAll, lt, fpe, ld, ldDebonded, fpsMid);

    const double phiV = d.m_dPhiShear;
    for (int s = 0; s < kStationCount; ++s) {
        SetCompressionZone(d, s);
        const bool positive = d.m_adMu[s] > -kMomentSignTol;

        // Tension side.
        if (positive) {
            d.m_adShearDp[s] = hc - d.m_adShearStrandCg[s];
            d.m_adShearDpAll[s] = hc - d.m_adShearStrandCgAll[s];
            d.m_adShearAs[s] = girderBarArea[s][kBarsAtOrBelow];
            d.m_adShearDs[s] = hc - girderBarCg[s][kBarsAtOrBelow];
        } else {
            d.m_adShearApsAnchored[s] = 0.0;
            d.m_adShearDp[s] = 0.0;
            d.m_adShearApsAll[s] = 0.0;
            d.m_adShearDpAll[s] = 0.0;
            d.m_adShearApsTension[s] = 0.0;
            d.m_adShearAs[s] = deckBarArea[s];
            d.m_adShearDs[s] =
                deckBarCg[s] != 0.0 ? hc - (deckDepth - deckBarCg[s]) : hc - deckDepth / 2.0;
        }

        // Flexural quantities.
        const bool allSteel = d.m_bDvAllSteel == 1;
        ShearDepthSection sec;
        sec.positive = positive;
        sec.Aps = allSteel ? d.m_adShearApsAll[s] : d.m_adShearApsAnchored[s];
        sec.dp = allSteel ? d.m_adShearDpAll[s] : d.m_adShearDp[s];
        sec.As = d.m_adShearAs[s];
        sec.ds = d.m_adShearDs[s];
        sec.fpu = d.m_dStrandFpu;
        sec.fy = d.m_dLongitudinalFy;
        sec.k = d.m_dFpsFactorK;
        sec.alpha1 = d.m_adShearAlpha1[s];
        sec.fc = d.m_adShearFcAvg[s];
        sec.beta1 = d.m_adShearBeta1[s];
        sec.b = d.m_adShearB[s];
        sec.bw = d.m_adWebWidthAtStation[s];
        sec.hf = d.m_adShearHf[s];
        sec.phiF = d.m_dPhiFlexure;
        const ShearDepthFlexure f = ComputeShearDepthFlexure(sec);
        d.m_adShearC[s] = f.c;
        d.m_adShearA[s] = f.a;
        d.m_adShearFps[s] = f.fps;
        d.m_adShearMr[s] = f.Mr;
        d.m_adShearDe[s] = f.de;

        // Effective shear depth.
        const double arm = StrainCompatArm(d, s, positive ? kFlexurePositive : kFlexureNegative);
        const double dv = arm > 0.0 ? arm : f.arm;
        d.m_adShearDvLimits[kDvLimitDe] = 0.9 * f.de;
        d.m_adShearDvLimits[kDvLimitHeight] = 0.72 * hc;
        d.m_adShearDvLimits[kDvLimitGoverning] = std::max(0.9 * f.de, 0.72 * hc);
        d.m_adShearDv[s] = std::max(dv, d.m_adShearDvLimits[kDvLimitGoverning]);
        // d of the LRFD methods is dv; written for both, so that a reader of d (interface shear)
        // never sees the depth of another method's earlier run.
        d.m_adShearD[s] = d.m_adShearDv[s];

        // Shear stress.
        const double v = Quotient(d.m_adVu[s] - phiV * d.m_adShearVp[s],
                                  phiV * d.m_adShearBv[s] * d.m_adShearDv[s]);
        d.m_adShearStress[s] = v;
        d.m_adShearStressRatio[s] = Quotient(v, d.m_dBeamFc);
    }
}

// ---- Method 1: theta, beta and Vc of the sectional design model ---------------------------------

void ComputeSectionalModelVc(CKordelDoc& d, double lambda) {
    const double Es = d.m_dRebarEs;
    const double Ep = d.m_dStrandEp;
    const double Ec = d.m_dBeamEc;
    const double fpo = d.m_adShearPtParams[kShearFpo];
    const bool appendixB5 = d.m_bShearAppendixB5 == 1;
    const int strainLast = kShearStrainAxisCount - 1;
    const int stressLast = kShearStressAxisCount - 1;
    d.m_anShearTableIndex[kShearStrainLast] = strainLast;
    d.m_anShearTableIndex[kShearStressLast] = stressLast;
    if (appendixB5) {
        d.m_dShearThetaStart = 25.0;
        d.m_dShearThetaPrev = 999.0;
    }

    for (int s = 0; s < kStationCount; ++s) {
        const double Mu = d.m_adMu[s];
        const double Vu = d.m_adVu[s];
        const double Vp = d.m_adShearVp[s];
        const double dv = d.m_adShearDv[s];
        const double As = d.m_adShearAs[s];
        const double ApsT = d.m_adShearApsTension[s];
        const bool strands = d.m_adShearApsAnchored[s] > 0.0;
        double theta = 0.0;
        double beta = 0.0;

        if (!appendixB5) {
            // AASHTO LRFD 6th ed. Art. 5.8.3.4.2, Eq. 5.8.3.4.2-4: the moment is not taken less
            // than (Vu - Vp) dv.
            const double M = std::max(std::fabs(Mu) * 12.0, std::fabs(Vu - Vp) * dv);  // k-in
            double es = 0.001;  // no tension steel
            if (Mu > 0.0) {
                if (strands) {
                    es = Quotient(Quotient(M, dv) + std::fabs(Vu - Vp) - ApsT * fpo,
                                  Es * As + Ep * ApsT, 0.001);
                }
            } else if (As > 0.0) {
                es = Quotient(Quotient(M, dv) + std::fabs(Vu - Vp), Es * As, 0.001);
            }
            const shear::ThetaBeta tb = shear::ThetaBetaByFormula(es);
            d.m_adShearEs[s] = tb.es;
            theta = tb.theta;
            beta = tb.beta;
        } else {
            // AASHTO LRFD 6th ed. Appendix B5, Eq. B5.2-1 and Table B5.2-1: theta is iterated
            // from 25 degrees until it repeats within 0.1 degree.
            const double vfc = d.m_adShearStressRatio[s];
            int* index = d.m_anShearTableIndex;
            theta = d.m_dShearThetaStart;
            double ex = 0.0;
            bool settled = false;
            for (int pass = 0; pass < kMaxShearThetaIterations; ++pass) {
                d.m_dShearThetaPrev = theta;
                const double cot = Cot(theta);
                if (Mu > 0.0) {
                    const double n =
                        Quotient(12.0 * std::fabs(Mu), dv) + 0.5 * (Vu - Vp) * cot - ApsT * fpo;
                    ex = strands ? Quotient(n, 2.0 * (Es * As + Ep * ApsT), 0.001) : 0.001;
                    if (ex < 0.0)
                        ex = Quotient(n, 2.0 * (Ec * d.m_adShearAc[s] + Es * As + Ep * ApsT));
                } else {
                    const double n = Quotient(12.0 * std::fabs(Mu), dv) + 0.5 * (Vu - Vp) * cot;
                    ex = As > 0.0 ? Quotient(n, 2.0 * Es * As, 0.001) : 0.001;
                    if (ex < 0.0) ex = Quotient(n, 2.0 * (Ec * d.m_adShearAc[s] + Es * As));
                }
                ex = std::min(ex, 0.001);

                index[kShearStrainLower] =
                    d.FindLastBelow(shear::kStrainAxis, 1000.0 * ex, strainLast);
                index[kShearStrainUpper] =
                    d.FindFirstNotBelow(shear::kStrainAxis, 1000.0 * ex, strainLast);
                index[kShearStressLower] = d.FindLastBelow(shear::kStressAxis, vfc, stressLast);
                index[kShearStressUpper] = d.FindFirstNotBelow(shear::kStressAxis, vfc, stressLast);
                theta = d.LookupShearTheta(ex, vfc, shear::kStrainAxis, shear::kStressAxis,
                                           index[0], index[1], index[2], index[3]);
                if (std::fabs(d.m_dShearThetaPrev - theta) < 0.1 || ex == 0.001) {
                    settled = true;
                    break;
                }
            }
            if (!settled) theta = (d.m_dShearThetaPrev + theta) / 2.0;
            beta = d.LookupShearBeta(ex, vfc, shear::kStrainAxis, shear::kStressAxis, index[0],
                                     index[1], index[2], index[3]);
            d.m_adShearEx[s] = ex;
        }

        d.m_adShearTheta[s] = theta;
        d.m_adShearBeta[s] = beta;
        d.m_adShearVc[s] = shear::SectionalVc(beta, lambda, d.m_dBeamFc, d.m_adShearBv[s], dv);
    }
}

// ---- Vci / Vcw: the dead-load effects shared by methods 2 and 3 ---------------------------------

void SetDeadLoadEffects(CKordelDoc& d, int s) {
    d.m_adShearVd[s] = std::fabs(SumCases(d.m_aShear[s], 1, 8));
    d.m_adShearVi[s] = std::fabs(d.m_adVu[s] - d.m_adShearVd[s]);
    d.m_adShearMd[s] = SumCases(d.m_aMoment[s], 1, 8);
    d.m_adShearMmax[s] = d.m_adMu[s] - d.m_adShearMd[s];
}

// Positive-moment cracking moment of the Vci formulas (k-ft): rupture stress plus the
// precompression of the prestress plus the stresses of the load cases 1 to `lastCase` at the
// girder bottom, on the composite bottom modulus.
double PositiveCrackingMoment(const CKordelDoc& d, int s, double fr, int lastCase) {
    const double existing =
        d.m_aPrestressStress[s][kPrestressFinalBottom] +
        SumStresses(d.m_aLoadCaseStress[s], kStressGirder, lastCase, kFibreGirderBottom);
    const double S = d.m_adSectionModulusAtStation[s][SectionModulusSlot(kSectionCaseOverlay,
                                                                         kFibreGirderBottom)];
    return (fr + existing) * S / 12.0;
}

// ---- Method 2: Vci / Vcw of the LRFD simplified procedure ---------------------------------------

void ComputeSimplifiedVc(CKordelDoc& d, double lambda) {
    const double fc = d.m_dBeamFc;
    // AASHTO LRFD 6th ed. Art. 5.8.3.4.3, Eq. 5.8.3.4.3-2: fr of the simplified procedure.
    const double fr = double(d.m_fFrShear) * shear::SqrtKsi(fc);
    for (int s = 0; s < kStationCount; ++s) {
        SetDeadLoadEffects(d, s);
        d.m_adShearMcr[s] = d.m_adMu[s] > -kVciSignTol
                                ? PositiveCrackingMoment(d, s, fr, kStressOtherNonComposite)
                                : NegativeCrackingMoment(d, s);
        d.m_adShearD[s] = d.m_adShearDv[s];
        const double ratio = shear::VciMomentRatio(d.m_adShearMcr[s], d.m_adShearMmax[s]);
        d.m_adShearVci[s] = shear::LrfdVci(lambda, fc, d.m_adShearBv[s], d.m_adShearD[s],
                                           d.m_adShearVd[s], d.m_adShearVi[s], ratio);
    }
    d.ComputeShearFpc();
    for (int s = 0; s < kStationCount; ++s) {
        d.m_adShearVcw[s] = shear::LrfdVcw(lambda, fc, d.m_adShearFpc[s], d.m_adShearBv[s],
                                           d.m_adShearD[s], d.m_adShearVp[s]);
        d.m_adShearVc[s] = std::min(d.m_adShearVci[s], d.m_adShearVcw[s]);
    }
}

// ---- LRFD: stirrups, limits and the longitudinal reinforcement ----------------------------------

void ComputeLrfdStirrups(CKordelDoc& d, int method, double lambda) {
    const double fc = d.m_dBeamFc;
    const double fyv = d.m_dStirrupFy;
    const double phiV = d.m_dPhiShear;
    d.m_adShearPtParams[kShearSpacingThreshold] = 0.125 * fc;

    for (int s = 0; s < kStationCount; ++s) {
        const double Vu = d.m_adVu[s];
        const double Vp = d.m_adShearVp[s];
        const double Vc = d.m_adShearVc[s];
        const double dv = d.m_adShearDv[s];
        const double bv = d.m_adShearBv[s];
        const double Av = d.m_adAvProvided[s];
        const double demand = Quotient(Vu, phiV);  // Vu / phi, kip

        // AASHTO LRFD 6th ed. Art. 5.8.3.3, Eq. 5.8.3.3-1: Vs required of the stirrups. The
        // simplified procedure's Vcw holds Vp already.
        const double Vs =
            std::max(method == kShearLrfdSectional ? demand - Vc - Vp : demand - Vc, 0.0);
        d.m_adShearVs[s] = Vs;

        // Stirrups provided, Eq. 5.8.3.3-4; the simplified procedure takes theta from cot theta
        // of Art. 5.8.3.4.3 where Vcw governs.
        double VsProv = 0.0;
        if (method == kShearLrfdSectional) {
            VsProv = Quotient(Av * fyv * dv, 12.0 * std::tan(Radians(d.m_adShearTheta[s])));
        } else if (d.m_adShearVcw[s] >= d.m_adShearVci[s]) {
            VsProv = Av * fyv * dv / 12.0;
            d.m_adShearTheta[s] = 45.0;
        } else {
            // A tensile fpc would give cot theta below 0; the stirrups are then not counted.
            const double cot =
                std::clamp(1.0 + Quotient(3.0 * d.m_adShearFpc[s], shear::SqrtKsi(fc)), 0.0, 1.8);
            VsProv = cot * Av * fyv * dv / 12.0;
            d.m_adShearTheta[s] = cot == 0.0 ? 45.0 : Degrees(std::atan(1.0 / cot));
        }
        VsProv = std::min(VsProv, demand);
        d.m_adShearVsProvided[s] = VsProv;

        // Areas, Eq. 5.8.3.3-4 solved for Av, and the minimum of Art. 5.8.2.5, Eq. 5.8.2.5-1.
        const double theta = d.m_adShearTheta[s];
        d.m_adShearAvRequired[s] = Quotient(12.0 * Vs * std::tan(Radians(theta)), fyv * dv);
        d.m_adShearAvMin[s] = Quotient(12.0 * 0.0316 * lambda * shear::SqrtKsi(fc) * bv, fyv);
        d.m_adShearAvDesign[s] = std::max(d.m_adShearAvRequired[s], d.m_adShearAvMin[s]);

        // Nominal resistance and its upper limit, Art. 5.8.3.3, Eq. 5.8.3.3-1 and -2. In the
        // simplified procedure Vp is part of Vcw and is not added a second time.
        const double crushing = 0.25 * fc * bv * dv;
        if (method == kShearLrfdSectional) {
            d.m_adShearVr[s] = Vc + VsProv + Vp;
            d.m_adShearVrMax[s] = crushing + Vp;
        } else {
            d.m_adShearVr[s] = Vc + VsProv;
            d.m_adShearVrMax[s] = crushing;
        }

        // Maximum spacing, Art. 5.8.2.7, Eq. 5.8.2.7-1 and -2.
        d.m_adShearMaxSpacing[s] =
            d.m_adShearStress[s] < d.m_adShearPtParams[kShearSpacingThreshold]
                ? std::min(0.8 * dv, 24.0)
                : std::min(0.4 * dv, 12.0);
    }

    // Longitudinal reinforcement, Art. 5.8.3.5, Eq. 5.8.3.5-1: near the supports theta of the
    // critical section holds.
    const double xLeftCritical = d.m_adStationX[kStationLeftCritical];
    const double xRightCritical = d.m_adStationX[kStationRightCritical];
    for (int s = 0; s < kStationCount; ++s) {
        const double x = d.m_adStationX[s];
        int thetaStation = s;
        if (x < xLeftCritical)
            thetaStation = kStationLeftCritical;
        else if (x > xRightCritical)
            thetaStation = kStationRightCritical;
        const double cot = Cot(d.m_adShearTheta[thetaStation]);
        const double dv = d.m_adShearDv[s];
        const double Vp = d.m_adShearVp[s];

        const double moments[2] = {d.m_aFactoredForShear1[s][kShearDesignGoverning],
                                   d.m_aFactoredForShear1[s][kShearDesignConcurrent]};
        const double shears[2] = {d.m_aFactoredForShear2[s][kShearDesignConcurrent],
                                  d.m_aFactoredForShear2[s][kShearDesignGoverning]};
        double withRequired = 0.0;
        double withProvided = 0.0;
        for (int pair = 0; pair < 2; ++pair) {
            const double M = moments[pair];
            const double phiM =
                d.m_aFlexurePhi[s][M > -kMomentSignTol ? kFlexurePositive : kFlexureNegative];
            const double flexure = Quotient(12.0 * std::fabs(M), phiM * dv);
            const double shearTerm = std::fabs(Quotient(shears[pair], phiV) - Vp);
            const double Freq = flexure + (shearTerm - 0.5 * d.m_adShearVs[s]) * cot;
            const double Fprov = flexure + (shearTerm - 0.5 * d.m_adShearVsProvided[s]) * cot;
            withRequired = pair == 0 ? Freq : std::max(withRequired, Freq);
            withProvided = pair == 0 ? Fprov : std::max(withProvided, Fprov);
        }
        d.m_adLongReqVsMin[s] = withRequired;
        d.m_adLongReqVsProvided[s] = withProvided;
        d.m_adLongReinfProvided[s] =
            d.m_adShearApsAnchored[s] * d.m_adShearFps[s] + d.m_adShearAs[s] * d.m_dLongitudinalFy;
    }

    // The crack from the inside edge of each bearing at angle theta: where it crosses the
    // strands and the strand force available there (Art. 5.8.3.5, Figure C5.8.3.5-1).
    auto tension = [&](int s) { return d.m_adShearApsAnchored[s] * d.m_adShearFps[s]; };
    auto forceAt = [&](double x) {
        for (int s = 0; s < kHundredthStations; ++s) {
            if (d.m_adStationX[s] > x) {
                if (s == 0) return tension(0);
                const double x0 = d.m_adStationX[s - 1];
                const double x1 = d.m_adStationX[s];
                const double t = Quotient(x - x0, x1 - x0);
                return tension(s - 1) + (tension(s) - tension(s - 1)) * t;
            }
        }
        return tension(kHundredthStations - 1);
    };
    auto firstBeyond = [&](double x) {
        for (int s = 0; s < kHundredthStations; ++s) {
            if (d.m_adStationX[s] > x) return s;
        }
        return kHundredthStations - 1;
    };
    float* end = d.m_anLongReinfEnd;
    {
        const int b = kStationLeftBearingFace;
        const double cot = Cot(d.m_adShearTheta[b]);
        const double x0 = d.m_adStationX[b] + d.m_adShearStrandCg[b] * cot / 12.0;
        const double cg = d.m_adShearStrandCg[firstBeyond(x0)];
        const double xc = d.m_adStationX[b] + cg * cot / 12.0;
        end[kLongEndLeftX] = float(xc);
        end[kLongEndLeftCg] = float(cg);
        end[kLongEndLeftForce] = float(forceAt(xc));
    }
    {
        const int b = kStationRightBearingFace;
        const double cot = Cot(d.m_adShearTheta[b]);
        const double x3 = d.m_adStationX[b] - d.m_adShearStrandCg[b] * cot / 12.0;
        const double cg = d.m_adShearStrandCg[std::max(firstBeyond(x3) - 1, 0)];
        const double xc = d.m_adStationX[b] - cg * cot / 12.0;
        end[kLongEndRightX] = float(xc);
        end[kLongEndRightCg] = float(cg);
        end[kLongEndRightForce] = float(forceAt(xc));
    }

    // At the bearing faces of a simple span the moment is nil: the demand there is that of the
    // critical section's shear, Art. 5.8.3.5, Eq. 5.8.3.5-2.
    if (!d.m_bContinuous) {
        const int faces[2] = {kStationLeftBearingFace, kStationRightBearingFace};
        const int critical[2] = {kStationLeftCritical, kStationRightCritical};
        for (int side = 0; side < 2; ++side) {
            const int c = critical[side];
            const double demand = Quotient(d.m_adVu[c], phiV) - d.m_adShearVp[c];
            const double cot = Cot(d.m_adShearTheta[c]);
            d.m_adLongReqVsMin[faces[side]] = (demand - 0.5 * d.m_adShearVs[c]) * cot;
            d.m_adLongReqVsProvided[faces[side]] = (demand - 0.5 * d.m_adShearVsProvided[c]) * cot;
        }
    }
}

// ---- Method 3: the Standard Specifications ------------------------------------------------------

void ComputeStandardShear(CKordelDoc& d, double lambda) {
    const double fc = d.m_dBeamFc;
    const double root = shear::SqrtPsiInKsi(fc);  // sqrt(f'c) of the psi formulas, in ksi
    const double hc = d.m_dCompositeHeight;
    const double fyv = d.m_dStirrupFy;
    const double phiV = d.m_dPhiShear;
    const double deckDepth = d.m_dDeckThickness - d.m_dWearingSurfaceThickness;  // in

    double deckBarArea[kStationCount] = {};
    double deckBarCg[kStationCount] = {};
    d.GetDeckBarsFromSupport(d.m_nDeckRebarRowCount, d.m_adDeckRebarRows, deckBarArea, deckBarCg);

    for (int s = 0; s < kStationCount; ++s) {
        SetDeadLoadEffects(d, s);
        // AASHTO Standard Specifications 17th ed. Art. 9.20.2.2: Mcr = (I / Yt)(6 sqrt(f'c) + fpe -
        // fd).
        d.m_adShearMcr[s] = d.m_adMu[s] > -kVciSignTol
                                ? PositiveCrackingMoment(d, s, 6.0 * root, kStressOtherComposite)
                                : NegativeCrackingMoment(d, s);

        // Depth d: to the strands, at least 0.8 h (Art. 9.20.2.2); to the deck bars where the
        // moment is negative.
        const bool positive = d.m_aMuFlexure[s][kStrengthINegative] > -kMomentSignTol;
        const double depth = positive ? std::max(d.m_aFlexureDp[s][kFlexurePositive], 0.8 * hc)
                                      : std::max(hc - (deckDepth - deckBarCg[s]), 0.8 * hc);
        d.m_adShearD[s] = depth;
        const double arm = StrainCompatArm(d, s, positive ? kFlexurePositive : kFlexureNegative);
        d.m_adShearDv[s] = std::max({arm > 0.0 ? arm : depth, 0.9 * depth, 0.72 * hc});

        const double ratio = shear::VciMomentRatio(d.m_adShearMcr[s], d.m_adShearMmax[s]);
        d.m_adShearVci[s] = shear::StandardVci(lambda, fc, d.m_adShearBv[s], depth,
                                               d.m_adShearVd[s], d.m_adShearVi[s], ratio);
    }
    d.ComputeShearFpc();

    // Continuous girders may take the reinforced-member Vc = 2 sqrt(f'c) b' d near interior
    // supports (Art. 9.20.2.1 with 8.16.6.2).
    const bool quarterPoints = d.m_bContinuous && d.m_bVcQuarterPtsReinforced;
    double q1 = 0.0;
    double q3 = 0.0;
    const int span = d.CurrentSpanSlot();
    if (quarterPoints) {
        const double Ls = d.m_adSpanLength[span];
        q1 = 0.25 * Ls - d.m_adGirderOffsetLeft[span] - d.m_dEndDistance;
        q3 = 0.5 * Ls + q1;
        d.m_saShearGoverningCase.clear();
    }

    for (int s = 0; s < kStationCount; ++s) {
        const double bv = d.m_adShearBv[s];
        const double depth = d.m_adShearD[s];
        d.m_adShearVcw[s] =
            shear::StandardVcw(lambda, fc, d.m_adShearFpc[s], bv, depth, d.m_adShearVp[s]);
        d.m_adShearVc[s] = std::min(d.m_adShearVci[s], d.m_adShearVcw[s]);

        if (quarterPoints) {
            const double x = d.m_adStationX[s];
            bool nearSupport = false;
            const bool fromQ3 = !PositionBefore(x, q3), toQ1 = !PositionBeyond(x, q1);
            if (d.m_nCurrentSpan == 1)
                nearSupport = fromQ3;
            else if (d.m_nCurrentSpan == d.m_nSpans)
                nearSupport = toQ1;
            else
                nearSupport = toQ1 || fromQ3;
            if (nearSupport) {
                d.m_saShearGoverningCase.emplace_back(kShearCaseTwoSqrt);
                d.m_adShearVc[s] = 2.0 * lambda * root * bv * depth;
            } else {
                d.m_saShearGoverningCase.emplace_back(kShearCaseVciVcw);
            }
        }

        // Art. 9.20.3.1, Eq. 9-30: Vs = Vu / phi - Vc, at most 8 sqrt(f'c) b' d; Art. 9.20.3.3,
        // Eq. 9-31: Av,min = 50 b' s / fy (psi).
        const double Vs = std::max(Quotient(d.m_adVu[s], phiV) - d.m_adShearVc[s], 0.0);
        d.m_adShearVs[s] = Vs;
        d.m_adShearVsMax[s] = 8.0 * root * bv * depth;
        d.m_adShearAvRequired[s] = Quotient(12.0 * Vs, fyv * depth);
        d.m_adShearAvMin[s] = Quotient(50.0 * bv * 12.0, fyv * 1000.0);
        d.m_adShearAvDesign[s] = std::max(d.m_adShearAvRequired[s], d.m_adShearAvMin[s]);

        // Art. 9.20.3.2: spacing at most 0.75 h or 24 in, halved above 4 sqrt(f'c) b' d.
        d.m_adShearVsAtMaxSpacing[s] = 4.0 * root * bv * depth;
        const double spacing = std::min(0.75 * hc, 24.0);
        d.m_adShearMaxSpacing[s] = Vs > d.m_adShearVsAtMaxSpacing[s] ? spacing / 2.0 : spacing;

        const double VsProv = d.m_adAvProvided[s] * fyv * depth / 12.0;
        d.m_adShearVsProvided[s] = VsProv;
        d.m_adShearVr[s] = d.m_adShearVc[s] + VsProv;
        d.m_adShearVrMax[s] = d.m_adShearVc[s] + d.m_adShearVsMax[s];
    }
}

}  // namespace

ShearDepthFlexure ComputeShearDepthFlexure(const ShearDepthSection& s) {
    ShearDepthFlexure r;
    const double block = s.alpha1 * s.fc * s.beta1;  // kip per in of width and of depth c
    if (s.positive) {
        const double strand = s.Aps > 0.0 ? Quotient(s.k * s.Aps * s.fpu, s.dp) : 0.0;
        const double T = s.Aps * s.fpu + s.As * s.fy;  // kip
        auto fpsOf = [&](double c) {
            return s.Aps > 0.0 ? s.fpu * (1.0 - Quotient(s.k * c, s.dp)) : 0.0;
        };
        r.c = Quotient(T, block * s.b + strand);
        r.fps = fpsOf(r.c);
        double flange = 0.0;  // moment of the flange overhangs about the steel, kip-in
        if (s.hf >= r.c) {
            r.a = s.beta1 * r.c;
        } else {
            const double overhang = block * (s.b - s.bw) * s.hf;  // kip
            r.c = Quotient(T - overhang, block * s.bw + strand);
            r.a = s.beta1 * r.c;
            r.fps = fpsOf(r.c);
            flange = overhang * (r.a / 2.0 - s.hf / 2.0);
        }
        r.Mr = s.phiF *
               (s.Aps * r.fps * (s.dp - r.a / 2.0) + s.As * s.fy * (s.ds - r.a / 2.0) + flange) /
               12.0;
        const double force = s.As * s.fy + s.Aps * r.fps;  // kip
        if (force > 0.0) {
            r.arm = Quotient(12.0 * r.Mr, force);
            r.de = Quotient(s.Aps * r.fps * s.dp + s.As * s.fy * s.ds, force);
        }
        return r;
    }

    const double T = s.As * s.fy;  // kip
    r.c = Quotient(T, block * s.b);
    double flange = 0.0;
    if (s.hf >= r.c) {
        r.a = s.beta1 * r.c;
    } else {
        const double overhang = block * (s.b - s.bw) * s.hf;
        r.c = Quotient(T - overhang, block * s.bw);
        r.a = s.beta1 * r.c;
        flange = overhang * (r.a / 2.0 - s.hf / 2.0);
    }
    r.Mr = s.phiF * (T * (s.ds - r.a / 2.0) + flange) / 12.0;
    r.de = s.ds;
    r.arm = r.a == 0.0 ? 0.9 * s.ds : s.ds - r.a / 2.0;
    return r;
}

int CKordelDoc::FindLastBelow(const double* axis, double value, int last) const {
    return shear::FindLastBelow(axis, value, last);
}

int CKordelDoc::FindFirstNotBelow(const double* axis, double value, int last) const {
    return shear::FindFirstNotBelow(axis, value, last);
}

double CKordelDoc::LookupShearTheta(double ex, double vfc, const double* strainAxis,
                                    const double* stressAxis, int strainLower, int strainUpper,
                                    int stressLower, int stressUpper) const {
    return shear::LookupB5(shear::kThetaTable, ex, vfc, strainAxis, stressAxis, strainLower,
                           strainUpper, stressLower, stressUpper);
}

double CKordelDoc::LookupShearBeta(double ex, double vfc, const double* strainAxis,
                                   const double* stressAxis, int strainLower, int strainUpper,
                                   int stressLower, int stressUpper) const {
    return shear::LookupB5(shear::kBetaTable, ex, vfc, strainAxis, stressAxis, strainLower,
                           strainUpper, stressLower, stressUpper);
}

void CKordelDoc::ComputeShearFpc() {
    const bool transformed = m_nShearMethod == kShearStandardVciVcw &&
                             (m_nTransformStrandsMode == kTransformAll ||
                              m_nTransformStrandsMode == kTransformAllButLiveLoad);
    const int girderCase = transformed ? kSectionCaseFinal : kSectionCaseGirder;
    const int compositeCase = transformed ? kSectionCaseTransformedOverlay : kSectionCaseOverlay;
    const double h = m_dSectionHeight;
    const double tf = m_dTopFlangeThickness;

    for (int s = 0; s < kStationCount; ++s) {
        const double A = m_adAreaAtStation[s][girderCase];
        const double I = m_adInertiaAtStation[s][girderCase];
        const double yb = m_adCentroidAtStation[s][girderCase];
        const double St =
            m_adSectionModulusAtStation[s][SectionModulusSlot(girderCase, kFibreGirderTop)];
        const double ybc = m_adCentroidAtStation[s][compositeCase];
        const double P = m_adEffectivePrestress[s];
        const double e = m_adStrandEccentricity[s][kEccentricityService];
        const double M = SumCases(m_aMoment[s], 1, 5);  // loads on the girder alone, k-ft

        // The section modulus at the level of fpc: the composite centroid when it lies in the
        // girder, else the girder top; without a composite deck the web-flange junction when the
        // girder's centroid lies in the flange. S of 0 means the centroid itself.
        double S = 0.0;
        if (m_bCompositeDeck) {
            S = h > ybc ? Quotient(I, ybc - yb) : St;
        } else if (!(h - tf > yb)) {
            S = Quotient(I, h - yb - tf);
        }

        double fpc = Quotient(P, A);
        if (S != 0.0) fpc += -Quotient(P * e, S) + Quotient(12.0 * M, S);
        if (m_nPrestressType == kPostTensioned) {
            const double Ppt = TendonForce(*this, s);
            const double ept = m_adPtEccentricity[s][kEccentricityService];
            fpc += Quotient(Ppt, A);
            if (S != 0.0) fpc -= Quotient(Ppt * ept, S);
        }
        m_adShearFpc[s] = fpc;
        if (S != 0.0) m_adShearFpcModulus[s] = S;
    }
}

void CKordelDoc::ComputeVerticalShear() {
    const double lambda = shear::ShearDensityFactor(m_nBeamConcreteType, m_dLambdaGirder);
    PrepareShearStations(*this);

    switch (m_nShearMethod) {
        case kShearLrfdSectional:
            ComputeShearDepth(*this);
            ComputeSectionalModelVc(*this, lambda);
            ComputeLrfdStirrups(*this, kShearLrfdSectional, lambda);
            break;
        case kShearLrfdSimplified:
            ComputeShearDepth(*this);
            ComputeSimplifiedVc(*this, lambda);
            ComputeLrfdStirrups(*this, kShearLrfdSimplified, lambda);
            break;
        case kShearStandardVciVcw:
            ComputeStandardShear(*this, lambda);
            break;
        default:
            break;  // no shear design
    }
}

}  // namespace kordel
