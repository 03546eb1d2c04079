#include "engine/checks/handling_strength.h"

#include <algorithm>
#include <cmath>

#include "document/kordel_doc.h"
#include "engine/checks/flexural_strength.h"
#include "engine/checks/flexure_phi.h"
#include "engine/core/aashto_coefficients.h"

namespace kordel {

int HandlingSectionCase(int transformStrandsMode, bool final) {
    if (!TransformsStrandsForDeadLoads(transformStrandsMode)) return kSectionCaseGirder;
    return final ? kSectionCaseFinal : kSectionCaseRelease;
}

HandlingSections HandlingSectionsOf(const CKordelDoc& doc, int sectionCase) {
    HandlingSections s;
    for (int i = 0; i < kStationCount; ++i) {
        s.A[i] = doc.m_adAreaAtStation[i][sectionCase];
        s.Sb[i] =
            doc.m_adSectionModulusAtStation[i][SectionModulusSlot(sectionCase, kFibreGirderBottom)];
        s.St[i] =
            doc.m_adSectionModulusAtStation[i][SectionModulusSlot(sectionCase, kFibreGirderTop)];
        s.I[i] = doc.m_adInertiaAtStation[i][sectionCase];
    }
    return s;
}

int FirstUnusableSection(const HandlingSections& s) {
    for (int i = 0; i < kStationCount; ++i) {
        if (!(s.A[i] > 0 && s.Sb[i] > 0 && s.St[i] > 0 && s.I[i] > 0)) return i;
        if (!std::isfinite(s.A[i] + s.Sb[i] + s.St[i] + s.I[i])) return i;
    }
    return -1;
}

void ClearHandlingStrength(HandlingStrengthArrays& R, double phiFlexure, double endOffset) {
    R = HandlingStrengthArrays{};
    R.m_dEndOffset = endOffset;
    for (int i = 0; i < kStationCount; ++i) {
        for (int j = 0; j < kImpactDirectionCount; ++j) {
            R.m_adPhi[i][j] = phiFlexure;
            R.m_adMrMcrRatio[i][j] = kHandlingRatioNoMcr;
        }
    }
}

double FpsFactorK(int strandKind) {
    return strandKind == kStrandLowRelaxation ? 0.28 : 0.38;
}

double StrandDevelopmentLength(double K, double fps, double fpe, double db) {
    return K * (fps - 2.0 / 3.0 * fpe) * db / 12.0;
}

namespace {

// k Aps fpu / dp of the neutral-axis depth, 0 where no strand is counted.
double StrandTerm(double Aps, double dp, double fpu, double k) {
    return Aps > 0 && dp > 0 ? k * Aps * fpu / dp : 0.0;
}

// A force over a stiffness, 0 where the stiffness is not positive.
double Depth(double force, double stiffness) {
    return stiffness > 0 ? force / stiffness : 0.0;
}

// The bare girder is a prestressed section; with no strand depth the bars set dt.
double ResistanceFactor(const HandlingSectionInput& in, double c) {
    FlexurePhiRule rule;
    rule.lrfd = in.lrfd;
    rule.oldEdition = in.edition == 1;
    rule.phiDefault = in.phiFlexure;
    rule.cdtCompression = in.CL;
    rule.cdtTension = in.TL;
    return FlexureResistanceFactor(rule, c, in.dp > 0 ? in.dp : in.ds);
}

}  // namespace

HandlingSectionStrength ComputeHandlingSectionStrength(const HandlingSectionInput& in) {
    HandlingSectionStrength r;
    const double strand = StrandTerm(in.Aps, in.dp, in.fpu, in.k);
    const double T = in.As * in.fy + in.Aps * in.fpu;
    const double block = in.alpha1 * in.fc * in.beta1;  // per inch of width and of depth c
    const double maxReinf = 0.36 * in.beta1 - 0.08 * in.beta1 * in.beta1;

    r.c = Depth(T, strand + block * in.b);
    r.a = in.beta1 * r.c;
    const bool flanged = in.hf < r.a;
    double flange = 0;  // force of the flange overhangs, kip
    if (flanged) {
        flange = in.alpha1 * in.fc * (in.b - in.bw) * in.hf;
        r.c = Depth(T - flange, strand + block * in.bw);
        r.a = in.beta1 * r.c;
    }
    r.fps = in.dp != 0 ? in.fpu * (1 - in.k * r.c / in.dp) : 0.0;
    r.phi = ResistanceFactor(in, r.c);

    const double steel = in.As * in.fy * (in.ds - r.a / 2) + in.Aps * r.fps * (in.dp - r.a / 2);
    if (flanged) {
        r.phiMn = r.phi * (flange * (r.a / 2 - in.hf / 2) + steel) / 12;
        r.MrCmp = in.phiFlexure *
                  (flange * (in.dp - in.hf / 2) + maxReinf * in.fc * in.bw * in.dp * in.dp) / 12;
    } else {
        r.phiMn = r.phi * steel / 12;
        r.MrCmp = in.phiFlexure * maxReinf * in.fc * in.b * in.dp * in.dp / 12;
    }
    r.Mr = std::min(r.MrCmp, r.phiMn);

    const double force = in.As * in.fy + in.Aps * r.fps;
    r.de = force != 0 ? (in.As * in.fy * in.ds + in.Aps * r.fps * in.dp) / force : 0.0;
    r.cde = r.de != 0 ? r.c / r.de : 0.0;
    return r;
}

double EstimateMidspanFps(double Aps, double dp, double fpu, double k, double fc, double alpha1,
                          double beta1, double btf, double tf, double bw) {
    const double strand = StrandTerm(Aps, dp, fpu, k);
    if (strand == 0) return fpu;
    const double block = alpha1 * fc * beta1;
    double c = Depth(Aps * fpu, strand + block * btf);
    if (tf <= c) c = Depth(Aps * fpu - (btf - bw) * block * tf, strand + block * bw);
    return fpu * (1 - k * c / dp);
}

// The same formulas as the girder in service: the cracking moment of a fibre under a moment M,
// and the two ratios with their sentinels.
static_assert(kHandlingRatioNoMcr == kFlexureRatioNoMcr && kHandlingRatioCap == kFlexureRatioCap &&
              kHandlingRatioLimit == kFlexureRatioLimit);
double HandlingCrackingMoment(int edition, double M, double fb, double fr, double Sb, double gamma1,
                              double gamma2, double gamma3) {
    return NegativeCrackingMoment(edition == 0 || edition == 1, M, fb, fr, Sb, gamma1, gamma2,
                                  gamma3);
}

double HandlingMrMcrRatio(double Mr, double Mcr) { return FlexureMrMcrRatio(Mr, Mcr); }

double HandlingPhiMnMuRatio(double phiMn, double Mu) { return FlexureMrMuRatio(phiMn, Mu); }

void GirderBarsBySide(const double (*rows)[kRebarRowValueCount], int rowCount,
                      const double (&barTable)[kBarTableSlots][kBarTableValueCount],
                      const double (&stationX)[kStationCount], double offset, double level,
                      double (&area)[kStationCount][kGirderBarSideCount],
                      double (&centroid)[kStationCount][kGirderBarSideCount]) {
    rowCount = std::clamp(rowCount, 0, kMaxLongitRebarRows);
    for (int i = 0; i < kStationCount; ++i) {
        double moment[kGirderBarSideCount] = {};
        for (int side = 0; side < kGirderBarSideCount; ++side)
            area[i][side] = centroid[i][side] = 0;
        const double x = stationX[i] + offset;
        for (int row = 0; row < rowCount; ++row) {
            const double* r = rows[row];
            if (!(r[kRebarRowStart] < x && x < r[kRebarRowEnd])) continue;
            const double size = r[kRebarRowBarSize];
            if (!(size >= 0 && size < kBarTableSlots)) continue;
            const double As = r[kRebarRowBars] * barTable[static_cast<int>(size)][kBarArea];
            const double y = r[kRebarRowElevation];
            if (y <= level) {
                area[i][kBarsAtOrBelow] += As;
                moment[kBarsAtOrBelow] += As * y;
            }
            if (y >= level) {
                area[i][kBarsAtOrAbove] += As;
                moment[kBarsAtOrAbove] += As * y;
            }
        }
        for (int side = 0; side < kGirderBarSideCount; ++side) {
            if (area[i][side] != 0) centroid[i][side] = moment[side] / area[i][side];
        }
    }
}

void CKordelDoc::GetGirderBarsBySide(int rowCount, const double (*rows)[kRebarRowValueCount],
                                     double (&area)[kStationCount][kGirderBarSideCount],
                                     double (&centroid)[kStationCount][kGirderBarSideCount],
                                     double level) const {
    GirderBarsBySide(rows, rowCount, m_adBarTable, m_adStationX,
                     (m_dGirderLength - m_dDesignSpan) / 2, level, area, centroid);
}

double CKordelDoc::GetBeta1(double fc) const {
    return StressBlockBeta1(fc);
}

void CKordelDoc::ComputeHandlingStrength(HandlingStrengthArrays& R, double a, double l,
                                         int groupDown, int groupUp, double fc, double fr,
                                         const double (&A)[kStationCount],
                                         const double (&Sb)[kStationCount],
                                         const double (&St)[kStationCount]) {
    const double h = m_dSectionHeight;
    R.m_dEndOffset = (m_dGirderLength - m_dDesignSpan) / 2;

    // Moments of the weight and of each impact direction at every station, k-ft.
    double M0[kStationCount] = {};
    double Mi[kImpactDirectionCount][kStationCount] = {};
    const int groups[kImpactDirectionCount] = {groupDown, groupUp};
    for (int i = 0; i < kStationCount; ++i) {
        const double x = m_adStationX[i] + R.m_dEndOffset;
        double V = 0, V2 = 0, R4 = 0, R5 = 0;
        ComputeHandlingEffects(x, kHandlingGroupSelfWeight, kHandlingGroupSelfWeight, a, l, M0[i],
                               V, V2, R4, R5);
        for (int j = 0; j < kImpactDirectionCount; ++j) {
            ComputeHandlingEffects(x, groups[j], groups[j], a, l, Mi[j][i], V, V2, R4, R5);
        }
    }

    // Stresses, ksi, compression positive.
    const bool pretensionOnly = m_nPrestressType == kPretensionOnly;
    for (int i = 0; i < kStationCount; ++i) {
        const double P = pretensionOnly ? m_adPrestressForceRelease[i] : m_adPrestressForceFinal[i];
        const double e = m_adStrandEccentricity[i][kEccentricityRelease];
        const double Ppt = pretensionOnly ? 0.0 : m_adPtEffForce1[i];
        const double ept = pretensionOnly ? 0.0 : m_adPtEccentricity[i][kEccentricityRelease];
        for (int j = 0; j < kImpactDirectionCount; ++j) {
            const double M = M0[i] + Mi[j][i];
            double* bottom = R.m_adStressBottom[i];
            double* top = R.m_adStressTop[i];
            const auto slot = [j](int entry) { return HandlingStressSlot(j, entry); };
            bottom[slot(kHandlingStressPretension)] = P * (1 / A[i] + e / Sb[i]);
            top[slot(kHandlingStressPretension)] = P * (1 / A[i] - e / St[i]);
            bottom[slot(kHandlingStressPostTension)] = Ppt * (1 / A[i] + ept / Sb[i]);
            top[slot(kHandlingStressPostTension)] = Ppt * (1 / A[i] - ept / St[i]);
            bottom[slot(kHandlingStressMoment)] = 12 * M / Sb[i];
            top[slot(kHandlingStressMoment)] = 12 * M / St[i];
            bottom[slot(kHandlingStressTotal)] = bottom[slot(kHandlingStressPretension)] +
                                                 bottom[slot(kHandlingStressPostTension)] -
                                                 bottom[slot(kHandlingStressMoment)];
            top[slot(kHandlingStressTotal)] = top[slot(kHandlingStressPretension)] +
                                              top[slot(kHandlingStressPostTension)] +
                                              top[slot(kHandlingStressMoment)];
        }
    }

    // Developed strands: development lengths at fpu first, then at the mid-span fps.
    const double beta1 = GetBeta1(fc);
    const double alpha1 = GetStressBlockFactor(fc);
    const double k = FpsFactorK(m_nStrandKind);
    const double fpu = m_dStrandFpu;
    const double fpe = m_adStrandStressFinal[kFinalStrandStress];
    const double db = m_dStrandDiameter;
    const double K = m_dDevLengthFactor;
    ComputeStrandDevelopment(h, m_aStrandGroup, m_adHandlingStrandArea, m_adHandlingStrandCentroid,
                             m_dTransferLength, fpe, StrandDevelopmentLength(K, fpu, fpe, db),
                             StrandDevelopmentLength(2.0, fpu, fpe, db), fpu);
    const double fps = EstimateMidspanFps(
        m_adHandlingStrandArea[kStationMidspan], h - m_adHandlingStrandCentroid[kStationMidspan],
        fpu, k, fc, alpha1, beta1, m_dTopFlangeWidth, m_dTopFlangeThickness,
        m_adWebWidthAtStation[kStationMidspan]);
    ComputeStrandDevelopment(h, m_aStrandGroup, m_adHandlingStrandArea, m_adHandlingStrandCentroid,
                             m_dTransferLength, fpe, StrandDevelopmentLength(K, fps, fpe, db),
                             StrandDevelopmentLength(2.0, fps, fpe, db), fps);
    GetGirderBarsBySide(m_nGirderRebarRowCount, m_adGirderRebarRows, m_aHandlingBarArea,
                        m_aHandlingBarCentroid, h / 2);

    HandlingSectionInput in;
    in.fpu = fpu;
    in.k = k;
    in.fy = m_dLongitudinalFy;
    in.fc = fc;
    in.alpha1 = alpha1;
    in.beta1 = beta1;
    in.phiFlexure = m_dPhiFlexure;
    in.lrfd = IsLrfd(m_nSpecification);
    in.edition = m_nSpecEdition;
    in.CL = m_dCdtCompressionLimit;
    in.TL = m_dCdtTensionLimit;
    const double Sb50 = Sb[kStationMidspan];
    for (int j = 0; j < kImpactDirectionCount; ++j) {
        for (int i = 0; i < kStationCount; ++i) {
            const double M = M0[i] + Mi[j][i];
            const double Mu = m_dStrengthIDeadLoadFactor * M;
            const int s = Mu >= 0 ? kHandlingPositive : kHandlingNegative;
            in.hf = s == kHandlingPositive ? m_dTopFlangeThickness : m_dBottomFlangeThickness;
            in.b = s == kHandlingPositive ? m_dTopFlangeWidth : m_dBottomFlangeWidth;
            in.bw = m_adWebWidthAtStation[i];
            m_aHandlingFc[i][s] = fc;
            m_aHandlingAlpha1[i][s] = alpha1;
            m_aHandlingBeta1[i][s] = beta1;
            m_aHandlingHf[i][s] = in.hf;
            m_aHandlingB[i][s] = in.b;

            // Depths from the compression face: the top for sagging, the bottom for hogging.
            const double yps = m_adHandlingStrandCentroid[i];
            in.Aps = m_adHandlingStrandArea[i];
            if (s == kHandlingPositive) {
                in.dp = h - yps;
                in.As = m_aHandlingBarArea[i][kBarsAtOrBelow];
                in.ds = h - m_aHandlingBarCentroid[i][kBarsAtOrBelow];
            } else {
                in.dp = yps;
                in.As = m_aHandlingBarArea[i][kBarsAtOrAbove];
                in.ds = m_aHandlingBarCentroid[i][kBarsAtOrAbove];
            }
            const HandlingSectionStrength r = ComputeHandlingSectionStrength(in);

            R.m_adMoment[i][j] = M;
            R.m_adMu[i][j] = Mu;
            R.m_adAps[i][j] = in.Aps;
            R.m_adDp[i][j] = in.dp;
            R.m_adAs[i][j] = in.As;
            R.m_adDs[i][j] = in.ds;
            R.m_adC[i][j] = r.c;
            R.m_adA[i][j] = r.a;
            R.m_adFps[i][j] = r.fps;
            R.m_adPhi[i][j] = r.phi;
            R.m_adPhiMn[i][j] = r.phiMn;
            R.m_adMrCmp[i][j] = r.MrCmp;
            R.m_adMr[i][j] = r.Mr;
            R.m_adDepthRatio[i][j] = r.cde;
            R.m_adMcr[i][j] = HandlingCrackingMoment(
                m_nSpecEdition, M,
                R.m_adStressBottom[i][HandlingStressSlot(j, kHandlingStressTotal)], fr, Sb50,
                m_fMcrGamma1, m_fMcrGamma2, m_fMcrGamma3);
            R.m_adMrMcrRatio[i][j] = HandlingMrMcrRatio(r.Mr, R.m_adMcr[i][j]);
            R.m_adPhiMnMuRatio[i][j] = HandlingPhiMnMuRatio(r.phiMn, Mu);
        }
    }
}

}  // namespace kordel
