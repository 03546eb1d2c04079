// Time-dependent restraint moments of precast girders made continuous over the piers, by the
// method of NCHRP Report 322 with the creep and shrinkage functions of ACI 209: the strand stress
// is carried from release to continuity, then the restraint moments at the supports are stepped
// over time from the creep under prestress and dead load and the differential shrinkage of deck
// and girder; their largest positive and negative values at the ends of the current span become
// load cases of the moment table. Inside, pounds, inches and psi; the results in kip-ft.
#include <algorithm>
#include <cmath>
#include <vector>

#include "document/kordel_doc.h"
#include "engine/core/prestress_messages.h"
#include "engine/liveload/creep_restraint.h"

namespace kordel {
namespace {

/// Centroids of the strand pattern as the analysis takes them, in above the girder bottom.
struct PatternCentroids {
    double ns = 0;   ///< straight strands (integer parts of the row counts)
    double ys = 0;   ///< their centroid
    double nd = 0;   ///< draped strands
    double ye = 0;   ///< their centroid at the girder end
    double ym = 0;   ///< their centroid at the drape point
    double ycg = 0;  ///< centroid of all strands at the drape point; 0 without strands
};

PatternCentroids CentroidsOf(const StrandPatternRow* endRows, const StrandPatternRow* drapeRows,
                             int rowCount) {
    PatternCentroids p;
    double sumS = 0.0, sumE = 0.0, sumM = 0.0;
    for (int r = 0; r < std::clamp(rowCount, 0, kMaxPatternRows); ++r) {
        const double straight = std::trunc(endRows[r][kRowStraightCount]);
        const double draped = std::trunc(endRows[r][kRowDrapedCount]);
        p.ns += straight;
        sumS += straight * endRows[r][kRowStraightElevation];
        p.nd += draped;
        sumE += draped * endRows[r][kRowDrapedElevation];
        sumM += std::trunc(drapeRows[r][kRowDrapedCount]) * drapeRows[r][kRowDrapedElevation];
    }
    p.ys = p.ns != 0.0 ? sumS / p.ns : 0.0;
    p.ye = p.nd != 0.0 ? sumE / p.nd : 0.0;
    p.ym = p.nd != 0.0 ? sumM / p.nd : 0.0;
    p.ycg = p.ns + p.nd != 0.0 ? (p.nd * p.ym + p.ns * p.ys) / (p.ns + p.nd) : 0.0;
    return p;
}

/// log10(24 (t1 + tt)) - log10(24 (t0 + tt)): the growth of the relaxation's log-time from age
/// t0 to t1 of strands released at age tt (days).
double LogTimeStep(double t0, double t1, double tt) {
    if (!(t0 + tt > 0.0) || !(t1 + tt > 0.0)) return 0.0;  // no time since release yet
    return std::log10((t1 + tt) / (t0 + tt));
}

}  // namespace

void CKordelDoc::ComputeTimeDependentEffects() {
    PrestressMessages messages;
    m_nTdSpanCount = m_nSpans;
    m_dTdStressAfterRelease = 0.0;
    m_dTdStrandStress = 0.0;
    m_nTdTimeCount = 0;
    std::fill(std::begin(m_adTdTime), std::end(m_adTdTime), 0.0);
    for (auto& row : m_aTimeDependent) std::fill(std::begin(row), std::end(row), 0.0);

    const int nSpans = m_nSpans;
    const int s = m_nCurrentSpan;
    const double L = s >= 1 && s < kMaxSpanSlots ? m_adSpanLength[s] : 0.0;               // ft
    const double tt = m_dTransferAge, tc = m_dAgeAtContinuity, td = m_dAgeAtDeckCasting;  // days
    const PatternCentroids pc = CentroidsOf(m_aEndRows, m_aDrapeRows, m_nTemplateRowCount);
    const bool lowRelaxation = m_nStrandKind == kStrandLowRelaxation;
    const double K = lowRelaxation ? 45.0 : 10.0;
    const double fpy = lowRelaxation ? 243000.0 : 230000.0;                               // psi
    const double Ec = ConcreteModulusPsi(m_dBeamFc * 1000.0, m_dBeamDensity * 1000.0);    // psi
    const double Eci = ConcreteModulusPsi(m_dBeamFci * 1000.0, m_dBeamDensity * 1000.0);  // psi
    const double Ecdk = ConcreteModulusPsi(m_dDeckFc * 1000.0, m_dDeckDensity * 1000.0);  // psi
    const double wcd = m_dDeckDensity * 1000.0;                                           // pcf

    const double A = m_dSectionArea, yb = m_dSectionYb, I = m_dSectionIxx;  // in2, in, in4
    const double h = m_dSectionHeight, VS = m_dVolumeToSurface;             // in
    const double Ac = m_adAreaAtStation[kStationMidspan][kSectionCaseOverlay];
    const double ybc = m_adCentroidAtStation[kStationMidspan][kSectionCaseOverlay];
    const double Ic = m_adInertiaAtStation[kStationMidspan][kSectionCaseOverlay];

    if (!(L > 0.0) || !(A > 0.0) || !(I > 0.0) || !(Ac > 0.0) || !(Ic > 0.0) || !(Ec > 0.0) ||
        !(Eci > 0.0) || !(Ecdk > 0.0) || !(VS > 0.0) || !(tc >= 0.0)) {
        messages.Show(
            "Time-dependent analysis: the span length, the girder or composite section, the "
            "concrete strengths or unit weights, the volume-to-surface ratio or the age at "
            "continuity is 0 or missing; the restraint moments are taken as 0.");
        return;
    }
    double VSdeck = A / (A / VS - m_dTopFlangeWidth);  // in, the top flange covered by the deck
    if (!(VSdeck > 0.0)) {
        messages.Show(
            "Time-dependent analysis: the top flange is wider than the girder's exposed "
            "perimeter; the volume-to-surface ratio after the deck casting is taken as before.");
        VSdeck = VS;
    }

    const double ni = 29.0e6 / Eci, n = 29.0e6 / Ec, nDeck = 29.0e6 / Ecdk;
    const double Ap1 = m_dStrandUnitArea;                        // in2
    const double Aps = m_nStrandCount * Ap1;                     // in2
    const double fpi = m_dPullFraction * m_dStrandFpu * 1000.0;  // psi
    const double e = yb - pc.ycg, ec = ybc - pc.ycg;             // in
    const double phiu = m_dUltimateCreep;
    const double esg = m_dBeamUltimateShrinkage, esd = m_dDeckUltimateShrinkage;  // x 10^-6
    const LoadEffectRecord& M50 = m_aMoment[kStationMidspan];
    const double Mg = M50[kCaseGirder] * 12000.0;  // lb-in
    const double Mall =
        (M50[kCaseGirder] + M50[kCaseDeck] + M50[kCaseOverlay] + M50[kCaseDiaphragms] +
         M50[kCaseOtherNonComposite] + M50[kCaseBarriers] + M50[kCaseOtherComposite]) *
        12000.0;  // lb-in; the future wearing surface is left out
    const double wall = m_dBeamWeight + m_dDeckWeight + m_dOverlayWeight +
                        m_dOtherNonCompositeLoad + m_dWearingSurfaceLoad + m_dBarrierLoad +
                        m_dOtherCompositeLoad;                                // klf
    const double G = 2.0 * (m_adGirderOffsetLeft[2] + m_adPadOffsetLeft[2]);  // ft
    const double c = (nSpans == 2 ? 1.5 : 1.0) * G / L;
    const double H = wall * L * G / 2.0;
    const double tdk = m_dDeckThickness - m_dWearingSurfaceThickness;  // in
    const double S = m_dBeamSpacing;                                   // ft
    const double k1 = 1.0 / A + e * e / I;                             // 1/in2

    // 1. Release.
    double RE0 = 0.0;  // psi
    if (tt > 0.0) {
        RE0 = std::log10(24.0 * tt) * fpi * RelaxationRatio(fpi, fpy) / K;
    } else {
        messages.Show(
            "Time-dependent analysis: the girder age at transfer is 0; the relaxation before "
            "release is taken as 0.");
    }
    double fp = fpi - ni * (k1 * Aps * (fpi - RE0) - Mg * e / I) / (1.0 + ni * Aps * k1) - RE0;
    m_dTdStressAfterRelease = fp;

    // 2 and 3. Steps from transfer to continuity on the gross girder.
    const std::vector<double> ages = AgesToContinuity(tc);
    for (std::size_t k = 0; k < ages.size() && k + 2 < kTdColumns; ++k)
        m_aTimeDependent[kTdAgesToContinuity][k + 2] = ages[k];
    double Mcur = Mg;  // lb-in
    double psic = CreepSizeFactor(VS), psis = ShrinkageSizeFactor(VS);
    bool deckCast = false;
    for (std::size_t k = 0; k + 1 < ages.size(); ++k) {
        const double t0 = ages[k], t1 = ages[k + 1];
        const double dCR = (k1 * Aps * fp - Mcur * e / I) * phiu * n * psic *
                           (RestraintCreepTime(t1) - RestraintCreepTime(t0));
        const double dSH = esg * 29.0 * psis * (GirderShrinkageTime(t1) - GirderShrinkageTime(t0));
        const double dRE = fp * LogTimeStep(t0, t1, tt) * RelaxationRatio(fp, fpy) / K;
        fp -= dCR + dSH + dRE;
        if (!deckCast && t1 >= td) {
            fp += (Mall - Mg) * n * ec / Ic;  // elastic gain under the deck and other loads
            Mcur = Mall;
            psic = CreepSizeFactor(VSdeck);
            psis = ShrinkageSizeFactor(VSdeck);
            deckCast = true;
        }
    }
    m_dTdStrandStress = fp;

    // 4. Section after continuity.
    bool girderSection = !(td <= tc);
    double A1 = girderSection ? A : Ac, e1 = girderSection ? e : ec, I1 = girderSection ? I : Ic;

    // 5 and 6. Time points and initial values.
    const std::vector<double> T = TimePointsAfterContinuity(tc);
    const int N = std::min(static_cast<int>(T.size()), kTdTimeSlots - 1);
    m_nTdTimeCount = N;
    for (int i = 1; i <= N; ++i) m_adTdTime[i] = T[i - 1];
    auto& R = m_aTimeDependent;
    R[kTdStrandExterior][2] = fp;
    R[kTdStrandInterior][2] = fp;

    const double xd = m_dDrapeFraction * L;  // ft
    const double dr = pc.ye - pc.ym;         // in
    const double fInterior = InteriorRestraintFactor(c);

    // 7. Steps after continuity: column k + 1 holds time point k.
    for (int k = 2; k <= N; ++k) {
        const double t0 = m_adTdTime[k - 1], t1 = m_adTdTime[k];
        const int c0 = k, c1 = k + 1;  // columns of t0 and t1
        for (int r = kTdExterior; r < kTdRows; ++r) R[r][c1] = R[r][c0];
        R[kTdDiffShrinkage][c1] = 0.0;

        const double dc = RestraintCreepTime(t1) - RestraintCreepTime(t0);
        const double dSH = esg * 29.0 * psis * (GirderShrinkageTime(t1) - GirderShrinkageTime(t0));
        const double rf =
            LogTimeStep(t0, t1, tt) *
            RelaxationRatio((R[kTdStrandExterior][c0] + R[kTdStrandInterior][c0]) / 2.0, fpy) / K;
        const StepCreepFactors cf = StepCreep(phiu * dc, t0, t1);

        // Differential shrinkage of deck and girder; the deck counts from its casting.
        if (t1 >= td) {
            const double ts0 = std::max(t0 - td, 0.0), ts1 = t1 - td;
            const double tm = (ts0 + ts1) / 2.0;
            const double fcd = m_dDeckFc * 1000.0 * tm / (4.0 + 0.85 * tm);  // psi
            const double Ecd = ConcreteModulusPsi(fcd, wcd) / 1000.0;        // ksi
            double esdEff = esd;
            if (ts0 >= 30.0 && !(R[kTdInterior][c0] > 0.0) && Ecd > 0.0) {
                const double nt = 29000.0 / Ecd;
                const double X = phiu * nDeck * 0.03;
                esdEff = X != 0.0 ? esd * (1.0 - std::exp(-X / (1.0 + 0.03 * nt))) / X
                                  : esd / (1.0 + 0.03 * nt);
            }
            double de = esdEff * (DeckShrinkageTime(ts1) - DeckShrinkageTime(ts0)) -
                        esg * (GirderShrinkageTime(t1) - GirderShrinkageTime(t0));
            if (ts0 > 28.0) de /= 1.0 + Ecd * tdk * S * 12.0 / (Ec * A / 1000.0);
            R[kTdDiffShrinkage][c1] = (tdk / 2.0 + h - ybc) * de * Ecd * tdk * S / 1.0e6;
        }
        const double row5 = R[kTdDiffShrinkage][c1];

        const double Md = Mcur / 12000.0;  // kip-ft
        const double y = t1 > td ? ybc : yb;
        const double es = y - pc.ys, ee = y - pc.ye;  // in

        // Strand stress series and their equivalent prestress moments (kip-ft).
        const auto series = [&](int stressRow, int momentRow, double Mr) {
            const double f = R[stressRow][c0];
            const double fNew = f -
                                ((1.0 / A1 + e1 * e1 / I1) * Aps * f - (Mcur + Mr) * e1 / I1) *
                                    phiu * n * psic * dc -
                                dSH - rf * f;
            R[stressRow][c1] = fNew;
            const double Pavg = (fNew + f) * Ap1 / 2.0;                           // lb
            const double Ps = pc.ns * Pavg / 1000.0, Pd = pc.nd * Pavg / 1000.0;  // kip
            R[momentRow][c1] = (Ps * es + ((xd + (L - 2.0 * xd)) * dr / L + ee) * Pd) / 12.0;
        };
        series(kTdStrandExterior, kTdPrestressExterior, R[kTdExterior][c0] * 12000.0 / 2.0);
        series(kTdStrandInterior, kTdPrestressInterior, R[kTdInterior][c0] * 12000.0);

        const double Ecr = (Md - 1.5 * R[kTdPrestressExterior][c1]) * cf.b;
        const double Esh = 1.5 * cf.a * row5;
        const double E = Ecr + Esh;
        const auto addExterior = [&] {
            R[kTdExterior][c1] += -E / (1.0 + c);
            R[kTdExteriorCreep][c1] += -Ecr / (1.0 + c);
            R[kTdExteriorShrink][c1] += -Esh / (1.0 + c);
        };
        if (nSpans == 2) addExterior();
        if (nSpans > 2) {
            const double Fcr = ((2.0 / 3.0) * Md - R[kTdPrestressInterior][c1]) * cf.b;
            const double Fsh = cf.a * row5;
            const double F = Fcr + Fsh;
            R[kTdInterior][c1] += F * fInterior;
            R[kTdInteriorCreep][c1] += Fcr * fInterior;
            R[kTdInteriorShrink][c1] += Fsh * fInterior;
            const double flag =
                (R[kTdExterior][c0] * 6000.0 + R[kTdInterior][c0] * 12000.0) / 2.0 >= 0.0 ? 1.0
                                                                                          : 0.0;
            if (std::fabs(R[kTdExterior][c0]) * (1.0 + c * flag) -
                    std::fabs(R[kTdInteriorLeft][c0]) <
                H) {
                R[kTdInteriorLeft][c1] += F * fInterior;
                R[kTdInteriorRight][c1] += F * fInterior;
                R[kTdInteriorLeftCreep][c1] += Fcr * fInterior;
                R[kTdInteriorRightCreep][c1] += Fcr * fInterior;
                R[kTdInteriorLeftShrink][c1] += Fsh * fInterior;
                R[kTdInteriorRightShrink][c1] += Fsh * fInterior;
                addExterior();
            } else {
                const auto xOf = [&](double f, double ee2) {
                    return nSpans == 3 ? -(f + ee2)
                                       : (3.0 * (2.0 * c + 1.0) * f + 4.0 * (c + 1.0) * ee2) /
                                             (1.0 - 8.0 * (c + 1.0));
                };
                const auto yOf = [&](double f, double ee2, double x) {
                    return nSpans == 3 ? -(f + ee2) : -2.0 * ee2 - 3.0 * f - 4.0 * x;
                };
                const double X = xOf(F, E), Xc = xOf(Fcr, Ecr), Xs = xOf(Fsh, Esh);
                const double Y = yOf(F, E, X), Yc = yOf(Fcr, Ecr, Xc), Ys = yOf(Fsh, Esh, Xs);
                R[kTdExterior][c1] += X;
                R[kTdInteriorLeft][c1] += X;
                R[kTdInteriorRight][c1] += Y;
                R[kTdExteriorCreep][c1] += Xc;
                R[kTdExteriorShrink][c1] += Xs;
                R[kTdInteriorLeftCreep][c1] += Xc;
                R[kTdInteriorLeftShrink][c1] += Xs;
                R[kTdInteriorRightCreep][c1] += Yc;
                R[kTdInteriorRightShrink][c1] += Ys;
            }
        }

        // 9. The deck cast after continuity: the composite section from here on.
        if (girderSection && t1 >= td) {
            girderSection = false;
            A1 = Ac;
            e1 = ec;
            I1 = Ic;
            const double gain = (Mall - Mg) * n * ec / Ic;  // psi
            R[kTdStrandExterior][c1] += gain;
            R[kTdStrandInterior][c1] += gain;
            Mcur = Mall;
            psic = CreepSizeFactor(VSdeck);
            psis = ShrinkageSizeFactor(VSdeck);
        }
    }
}

void CKordelDoc::ComputeContinuityRestraint() {
    ComputeTimeDependentEffects();

    // Largest and smallest values over the time points after continuity, from 0.
    double maxOf[kTdRows] = {}, minOf[kTdRows] = {};
    for (int r : {kTdExterior, kTdInteriorLeft, kTdInteriorRight, kTdInterior}) {
        for (int i = 2; i <= m_nTdTimeCount; ++i) {
            const double v = m_aTimeDependent[r][i + 1];
            maxOf[r] = std::max(maxOf[r], v);
            minOf[r] = std::min(minOf[r], v);
        }
    }

    // End values of the current span: rows of its left and right supports (0 for none).
    const int nSpans = m_nSpans, s = m_nCurrentSpan;
    int leftRow = kTdInterior, rightRow = kTdInterior;
    if (s == 1) {
        leftRow = 0;
        rightRow = kTdExterior;
    } else if (s == nSpans) {
        leftRow = kTdExterior;
        rightRow = 0;
    } else if (s == 2) {
        leftRow = kTdInteriorLeft;
        rightRow = kTdInteriorRight;
    } else if (s == nSpans - 1) {
        leftRow = kTdInteriorRight;
        rightRow = kTdInteriorLeft;
    }
    const double leftMax = maxOf[leftRow], rightMax = maxOf[rightRow];  // row 0 holds 0
    const double leftMin = minOf[leftRow], rightMin = minOf[rightRow];

    for (int i = 0; i < kStationCount; ++i) {
        const double u = m_dDesignSpan != 0.0 ? m_adStationX[i] / m_dDesignSpan : 0.0;
        m_aMoment[i][kCaseRestraintPositive] = leftMax + u * (rightMax - leftMax);
        m_aMoment[i][kCaseRestraintNegative] = leftMin + u * (rightMin - leftMin);
    }
    // The end values belong to the current span alone: another span's supports take other
    // restraint moments, and its abutment none, so its entries stay 0.
    for (int span = 1; span <= std::min(nSpans, kMaxSpans); ++span) {
        for (int k = 0; k < kSpanTenthPoints; ++k) {
            m_aSpanEnvelope1[span][k][kSpanValue17] =
                span == s ? leftMin + k / 10.0 * (rightMin - leftMin) : 0.0;
        }
    }
}

}  // namespace kordel
