#include "engine/checks/flexural_strength.h"

#include <algorithm>
#include <cmath>

#include "document/kordel_doc.h"
#include "engine/checks/handling_strength.h"

namespace kordel {

namespace {

// k Aps fpu / dp of the neutral-axis depth: 0 where no strand is counted, so that a section
// without developed strand (dp may then be 0 as well) does not divide 0 by 0.
double StrandTerm(const FlexureSection& s) {
    return s.Aps > 0 && s.dp != 0 ? s.k * s.Aps * s.fpu / s.dp : 0.0;
}

// Neutral-axis depth of a force over a stiffness per inch of depth, at most h; 0 where the
// stiffness is not positive (a zero width or strength of a damaged design).
double NeutralAxis(double force, double stiffness, double h) {
    if (!(stiffness > 0)) return 0.0;
    return std::min(force / stiffness, h);
}

// Standard Specifications' maximum-reinforcement factor 0.36 beta1 - 0.08 beta1^2.
double MaxReinforcementFactor(double beta1) {
    return 0.36 * beta1 - 0.08 * beta1 * beta1;
}

}  // namespace

double StrandStressAtNominal(double Aps, double dp, double fpu, double k, double c) {
    if (Aps == 0 || dp == 0) return 0.0;
    return fpu * (1 - k * c / dp);
}

double EstimateMidspanStrandStress(const FlexureSection& s) {
    const double strand = StrandTerm(s);
    if (strand == 0) return s.fpu;
    const double block = s.alpha1 * s.fc * s.beta1;  // kip per in of width and of depth c
    const double T = s.Aps * s.fpu;                   // kip
    double c = NeutralAxis(T, block * s.b + strand, s.h);
    if (c >= s.hf) c = NeutralAxis(T - block * (s.b - s.bw) * s.hf, block * s.bw + strand, s.h);
    return s.fpu * (1 - s.k * c / s.dp);
}

FlexureSectionStrength PositiveMomentStrength(const FlexureSection& s, const FlexurePhiRule& rule) {
    FlexureSectionStrength r;
    const double strand = StrandTerm(s);
    const double block = s.alpha1 * s.fc * s.beta1;  // kip per in of width and of depth c
    const double T = s.As * s.fy + s.Aps * s.fpu;     // kip

    r.c = NeutralAxis(T, block * s.b + strand, s.h);
    r.a = s.beta1 * r.c;
    const bool flanged = s.hf < r.a;
    double flange = 0;  // force of the flange overhangs alpha1 f'c (b - bw) hf, kip
    if (flanged) {
        flange = s.alpha1 * s.fc * (s.b - s.bw) * s.hf;
        r.c = NeutralAxis(T - flange, block * s.bw + strand, s.h);
        r.a = s.beta1 * r.c;
    }
    r.fps = StrandStressAtNominal(s.Aps, s.dp, s.fpu, s.k, r.c);
    // dt is the strand depth; where no strand is counted (the bars against the bottom flange of
    // a station whose factored moment is negative) the bars are the extreme tension steel.
    r.phi = FlexureResistanceFactor(rule, r.c, s.Aps > 0 ? s.dp : s.ds);

    const double steel = s.As * s.fy * (s.ds - r.a / 2) + s.Aps * r.fps * (s.dp - r.a / 2);
    const double m = MaxReinforcementFactor(s.beta1);
    if (flanged) {
        r.phiMn = r.phi * (flange * (r.a / 2 - s.hf / 2) + steel) / 12;
        r.MrCmp = rule.phiDefault *
                  (flange * (s.dp - s.hf / 2) + m * s.fc * s.bw * s.dp * s.dp) / 12;
    } else {
        r.phiMn = r.phi * steel / 12;
        r.MrCmp = rule.phiDefault * m * s.fc * s.b * s.dp * s.dp / 12;
    }
    r.Mr = rule.lrfd ? r.phiMn : std::min(r.MrCmp, r.phiMn);

    const double force = s.As * s.fy + s.Aps * r.fps;  // kip
    r.de = force != 0 ? (s.As * s.fy * s.ds + s.Aps * r.fps * s.dp) / force : 0.0;
    r.cde = r.de != 0 ? r.c / r.de : 0.0;
    return r;
}

FlexureSectionStrength NegativeMomentStrength(const FlexureSection& s, const FlexurePhiRule& rule) {
    FlexureSectionStrength r;
    const double block = s.alpha1 * s.fc * s.beta1;  // kip per in of width and of depth c
    const double T = s.As * s.fy;                     // kip

    r.c = NeutralAxis(T, block * s.b, s.h);
    double flange = 0;  // force of the flange overhangs, kip
    if (s.hf < r.c) {
        flange = s.alpha1 * s.fc * (s.b - s.bw) * s.hf;
        r.c = NeutralAxis(T - flange, block * s.bw, s.h);
    }
    r.a = s.beta1 * r.c;
    r.phi = FlexureResistanceFactor(rule, r.c, s.ds);
    r.phiMn = r.phi * (flange * (r.a / 2 - s.hf / 2) + T * (s.ds - r.a / 2)) / 12;
    r.Mr = r.phiMn;
    r.de = T != 0 ? s.ds : 0.0;
    r.cde = r.de != 0 ? r.c / r.de : 0.0;
    return r;
}

double CrackingMomentOld(double Md, double fb, double fr, double Sbc) {
    return Md + (fb + fr) * Sbc / 12;
}

double CrackingMomentNew(double fcpe, double fr, double Sbc, double Snc, double Mdnc,
                         double gamma1, double gamma2, double gamma3) {
    const double ratio = Snc != 0 ? Sbc / Snc - 1 : 0.0;
    return gamma3 * ((gamma2 * fcpe + gamma1 * fr) * Sbc / 12 - ratio * Mdnc);
}

double NegativeCrackingMoment(bool oldEdition, double Mc, double ft, double fr, double Std,
                              double gamma1, double gamma2, double gamma3) {
    if (oldEdition) return Mc + (ft + fr) * Std / 12;
    return gamma3 * (Mc + (gamma2 * ft + gamma1 * fr) * Std / 12);
}

double FlexureMrMcrRatio(double Mr, double Mcr) {
    return Mcr != 0 ? std::fabs(Mr / Mcr) : kFlexureRatioNoMcr;
}

double FlexureMrMuRatio(double Mr, double Mu) {
    if (Mu == 0) return 0.0;
    const double ratio = std::fabs(Mr / Mu);
    return ratio > kFlexureRatioLimit ? kFlexureRatioCap : ratio;
}

void DeckBarsAlong(const double (*rows)[kRebarRowValueCount], int rowCount,
                   const double (&barTable)[kBarTableSlots][kBarTableValueCount],
                   const double (&stationX)[kStationCount], double offset,
                   double (&area)[kStationCount], double (&centroid)[kStationCount]) {
    rowCount = std::clamp(rowCount, 0, kMaxLongitRebarRows);
    for (int i = 0; i < kStationCount; ++i) {
        area[i] = centroid[i] = 0;
        double moment = 0;  // in3
        const double x = stationX[i] + offset;
        for (int row = 0; row < rowCount; ++row) {
            const double* r = rows[row];
            if (!(r[kRebarRowStart] <= x && x <= r[kRebarRowEnd])) continue;
            const double size = r[kRebarRowBarSize];
            if (!(size >= 0 && size < kBarTableSlots)) continue;
            const double As = r[kRebarRowBars] * barTable[static_cast<int>(size)][kBarArea];
            area[i] += As;
            moment += As * r[kRebarRowElevation];
        }
        if (area[i] != 0) centroid[i] = moment / area[i];
    }
}

void CKordelDoc::GetDeckBarsAtStations(int rowCount, const double (*rows)[kRebarRowValueCount],
                                       double (&area)[kStationCount],
                                       double (&centroid)[kStationCount]) const {
    DeckBarsAlong(rows, rowCount, m_adBarTable, m_adStationX, m_dEndDistance, area, centroid);
}

void CKordelDoc::GetDeckBarsFromSupport(int rowCount, const double (*rows)[kRebarRowValueCount],
                                        double (&area)[kStationCount],
                                        double (&centroid)[kStationCount]) const {
    const int span = CurrentSpanSlot();  // 0, an unused slot holding 0, outside the chain
    DeckBarsAlong(rows, rowCount, m_adBarTable, m_adStationX,
                  m_adGirderOffsetLeft[span] + m_adPadOffsetLeft[span], area, centroid);
}

void CKordelDoc::ComputeFlexuralStrength() {
    // Every run recomputes all of it.
    static_cast<FlexureResults&>(*this) = FlexureResults{};

    const bool lrfd = IsLrfd(m_nSpecification);
    const bool oldEdition = m_nSpecEdition == 0 || m_nSpecEdition == 1;
    const bool composite = m_bCompositeDeck != 0;
    // The compression face of a composite girder is the top of the deck; that of a girder whose
    // deck does not act with it is the girder's own top.
    const double h = composite ? m_dCompositeHeight : m_dSectionHeight;  // in
    const double fcGirder = m_dBeamFc;                                    // ksi
    const double fcDeck = m_dDeckFc;                                      // ksi
    const double tDeck = m_dDeckThickness - m_dWearingSurfaceThickness;  // structural deck, in

    for (int i = 0; i < kStationCount; ++i) {
        for (int j = 0; j < kFlexureSignCount; ++j) m_aFlexurePhi[i][j] = m_dPhiFlexure;
    }
    m_dBeta1Girder = GetBeta1(fcGirder);
    m_dBeta1Deck = GetBeta1(fcDeck);
    m_dFpsFactorK = FpsFactorK(m_nStrandKind);
    const double k = m_dFpsFactorK;

    // Compression zone of each station and sign: the bottom flange under a negative moment, the
    // top flange of a bare girder, the deck of a composite one. The negative-moment deck takes
    // the deck alone; the positive-moment deck takes the top flange with it where the deck is
    // exactly as wide as the flange (an adjacent member whose top is the riding slab).
    const auto setZone = [&](int i, int sign, double M, bool addTopFlange) {
        double fc = fcGirder, beta1 = m_dBeta1Girder, hf = 0, b = 0;
        if (M < 0) {
            hf = m_dBottomFlangeThickness;
            b = m_dBottomFlangeWidth;
        } else if (!composite) {
            hf = m_dTopFlangeThickness;
            b = m_dTopFlangeWidth;
        } else {
            fc = fcDeck;
            beta1 = m_dBeta1Deck;
            hf = tDeck;
            if (addTopFlange && m_dDeckWidth == m_dTopFlangeWidth) hf += m_dTopFlangeThickness;
            b = m_dEffFlangeWidth2;
        }
        m_aFlexureFc[i][sign] = fc;
        m_aFlexureAlpha1[i][sign] = GetStressBlockFactor(fc);
        m_aFlexureBeta1[i][sign] = beta1;
        m_aFlexureHf[i][sign] = hf;
        m_aFlexureB[i][sign] = b;
    };
    for (int i = 0; i < kStationCount; ++i) {
        setZone(i, kFlexurePositive, m_aMuFlexure[i][kStrengthIPositive], true);
        setZone(i, kFlexureNegative, m_aFactoredMomentEnvelope[i][kStrengthINegative], false);
    }

    // Section of one station and sign with the steel still to be set.
    const auto sectionOf = [&](int i, int sign) {
        FlexureSection s;
        s.fpu = m_dStrandFpu;
        s.k = k;
        s.fy = m_dLongitudinalFy;
        s.fc = m_aFlexureFc[i][sign];
        s.alpha1 = m_aFlexureAlpha1[i][sign];
        s.beta1 = m_aFlexureBeta1[i][sign];
        s.b = m_aFlexureB[i][sign];
        s.hf = m_aFlexureHf[i][sign];
        s.bw = m_adWebWidthAtStation[i];
        s.h = h;
        return s;
    };

    // Developed strands: development lengths with fps = fpu first, then with the mid-span fps.
    const double fpu = m_dStrandFpu;
    const double fpe = m_adStrandStressFinal[kFinalStrandStress];
    const double db = m_dStrandDiameter;
    const double K = m_dDevLengthFactor;
    ComputeStrandDevelopment(h, m_aStrandGroup, m_adDevelopedStrandArea, m_adDevelopedStrandCg,
                             m_dTransferLength, fpe, StrandDevelopmentLength(K, fpu, fpe, db),
                             StrandDevelopmentLength(2.0, fpu, fpe, db), fpu);
    FlexureSection mid = sectionOf(kStationMidspan, kFlexurePositive);
    mid.Aps = m_adDevelopedStrandArea[kStationMidspan];
    mid.dp = h - m_adDevelopedStrandCg[kStationMidspan];
    const double fps = EstimateMidspanStrandStress(mid);
    m_adDevelopmentLengths[kDevelopmentBonded] = StrandDevelopmentLength(K, fps, fpe, db);
    m_adDevelopmentLengths[kDevelopmentDebonded] = StrandDevelopmentLength(2.0, fps, fpe, db);
    ComputeStrandDevelopment(h, m_aStrandGroup, m_adDevelopedStrandArea, m_adDevelopedStrandCg,
                             m_dTransferLength, fpe, m_adDevelopmentLengths[kDevelopmentBonded],
                             m_adDevelopmentLengths[kDevelopmentDebonded], fps);

    // Mild steel crossing each station.
    GetGirderBarsBySide(m_nGirderRebarRowCount, m_adGirderRebarRows, m_aGirderBarArea,
                        m_aGirderBarCentroid, h / 2);
    GetDeckBarsAtStations(m_nDeckRebarRowCount, m_adDeckRebarRows, m_adDeckBarArea,
                          m_adDeckBarCentroid);

    FlexurePhiRule rule;
    rule.lrfd = lrfd;
    rule.oldEdition = oldEdition;
    rule.phiDefault = m_dPhiFlexure;
    rule.cdtCompression = m_dCdtCompressionLimit;
    rule.cdtTension = m_dCdtTensionLimit;

    // Rupture stresses, stored as tension (negative).
    const double frGirder = GetRuptureCoefficient(m_nBeamConcreteType) * m_dLambdaGirder *
                            std::sqrt(std::max(fcGirder, 0.0));  // ksi
    const double frDeck = GetRuptureCoefficient(m_nDeckConcreteType) * m_dLambdaDeck *
                          std::sqrt(std::max(fcDeck, 0.0));  // ksi
    m_dRuptureStressGirder = -frGirder;
    m_dRuptureStressDeck = -frDeck;
    const double gamma1 = m_fMcrGamma1, gamma2 = m_fMcrGamma2, gamma3 = m_fMcrGamma3;
    const double* S50 = m_adSectionModulusAtStation[kStationMidspan];
    const double Sbc50 = S50[SectionModulusSlot(kSectionCaseOverlay, kFibreGirderBottom)];  // in3
    const double Std50 = S50[SectionModulusSlot(kSectionCaseOverlay, kFibreDeckTop)];       // in3

    double minRatio = kMinFlexureRatioNone;
    int minStation = -1;
    for (int i = 0; i < kStationCount; ++i) {
        const double yps = m_adDevelopedStrandCg[i];  // in above the girder bottom
        const LoadEffectRecord& M = m_aMoment[i];
        const ServiceStress& S = m_aServiceStress[i];

        // ---- Positive moment: strands and the lower bars; the upper bars against the bottom
        // flange where the governing moment is negative. ----
        const double Mu = m_aMuFlexure[i][kStrengthIPositive];  // k-ft
        FlexureSection s = sectionOf(i, kFlexurePositive);
        if (Mu < 0) {
            s.Aps = 0;
            s.dp = yps;
            s.As = m_aGirderBarArea[i][kBarsAtOrAbove];
            s.ds = m_aGirderBarCentroid[i][kBarsAtOrAbove];
        } else {
            s.Aps = m_adDevelopedStrandArea[i];
            s.dp = h - yps;
            s.As = m_aGirderBarArea[i][kBarsAtOrBelow];
            s.ds = h - m_aGirderBarCentroid[i][kBarsAtOrBelow];
        }
        rule.reinforced = false;
        const FlexureSectionStrength p = PositiveMomentStrength(s, rule);
        const int P = kFlexurePositive;
        m_aFlexureAps[i][P] = s.Aps;
        m_aFlexureDp[i][P] = s.dp;
        m_aFlexureAs[i][P] = s.As;
        m_aFlexureDs[i][P] = s.ds;
        m_aFlexureC[i][P] = p.c;
        m_aFlexureA[i][P] = p.a;
        m_aFlexureFps[i][P] = p.fps;
        m_aFlexurePhi[i][P] = p.phi;
        m_aFlexureMn[i][P] = p.phiMn;
        m_aFlexureMrCmp[i][P] = p.MrCmp;
        m_aFlexureMr[i][P] = p.Mr;
        m_aFlexureDe[i][P] = p.de;
        m_aFlexureDepthRatio[i][P] = p.cde;
        if (oldEdition) {
            double Md = 0;  // k-ft
            for (int c = kCaseGirder; c <= kCaseOtherComposite; ++c) Md += M[c];
            m_aFlexureMcr[i][P] = CrackingMomentOld(Md, S[kServicePermanent][kServiceBottom],
                                                    frGirder, Sbc50);
        } else {
            const double* Si = m_adSectionModulusAtStation[i];
            const double Mdnc = M[kCaseGirder] + M[kCaseDeck] + M[kCaseDiaphragms] +
                                M[kCaseOtherNonComposite];  // k-ft
            // fcpe is the bottom-fibre stress of all the effective prestress: the tendons of a
            // post-tensioned girder precompress the tension face as the strands do (their stress
            // is 0 without tendons). Counting the strands alone understates Mcr and with it the
            // minimum-reinforcement demand.
            const double fcpe = m_aPrestressStress[i][kPrestressFinalBottom] +
                                m_aPtStress[i][kPtStressFinalBottom];  // ksi
            m_aFlexureMcr[i][P] = CrackingMomentNew(
                fcpe, frGirder,
                Si[SectionModulusSlot(kSectionCaseOverlay, kFibreGirderBottom)],
                Si[SectionModulusSlot(kSectionCaseGirder, kFibreGirderBottom)], Mdnc, gamma1,
                gamma2, gamma3);
        }
        m_aFlexureMrMcrRatio[i][P] = FlexureMrMcrRatio(p.Mr, m_aFlexureMcr[i][P]);
        m_aFlexureMrMuRatio[i][P] = FlexureMrMuRatio(p.Mr, Mu);
        if (i <= kStationRightBearing && Mu > 0 && m_aFlexureMrMuRatio[i][P] < minRatio) {
            minRatio = m_aFlexureMrMuRatio[i][P];
            minStation = i;
        }

        // ---- Negative moment of a continuous girder: the deck bars in tension. ----
        const double Mneg = m_aFactoredMomentEnvelope[i][kStrengthINegative];  // k-ft
        const int N = kFlexureNegative;
        m_aFlexureAps[i][N] = 0;
        m_aFlexureDp[i][N] = yps;
        m_aFlexureFps[i][N] = 0;
        m_aFlexureAs[i][N] = m_adDeckBarArea[i];
        if (Mneg < 0) {
            m_adDeckBarDepth[i] = m_dCompositeHeight - (tDeck - m_adDeckBarCentroid[i]);
            FlexureSection n = sectionOf(i, N);
            n.As = m_adDeckBarArea[i];
            n.ds = m_adDeckBarDepth[i];
            n.h = m_dCompositeHeight;
            rule.reinforced = m_bInteriorPiersReinforced == 1;
            const FlexureSectionStrength r = NegativeMomentStrength(n, rule);
            m_aFlexureDs[i][N] = n.ds;
            m_aFlexureC[i][N] = r.c;
            m_aFlexureA[i][N] = r.a;
            m_aFlexurePhi[i][N] = r.phi;
            m_aFlexureMn[i][N] = r.phiMn;
            m_aFlexureMr[i][N] = r.Mr;
            m_aFlexureDe[i][N] = r.de;
            m_aFlexureDepthRatio[i][N] = r.cde;
        }
        const double Mc = M[kCaseBarriers] + M[kCaseWearingSurface] + M[kCaseOtherComposite];
        m_aFlexureMcr[i][N] =
            NegativeCrackingMoment(oldEdition, Mc, S[kServicePermanent][kServiceDeckTop], frDeck,
                                   Std50, gamma1, gamma2, gamma3);
        m_aFlexureMrMcrRatio[i][N] = FlexureMrMcrRatio(m_aFlexureMr[i][N], m_aFlexureMcr[i][N]);
        m_aFlexureMrMuRatio[i][N] = FlexureMrMuRatio(m_aFlexureMr[i][N], Mneg);
    }
    m_adMinFlexureRatio[kMinRatioValue] = minRatio;
    SetMinFlexureRatioStation(m_adMinFlexureRatio, minStation);
}

}  // namespace kordel
