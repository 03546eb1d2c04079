// The stripping check: the girder lifted out of the form right after release, on five support
// arrangements, with the release strength each one needs and the tension-tie steel.
#include "engine/checks/stripping.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "document/kordel_doc.h"
#include "engine/checks/handling_strength.h"
#include "platform/host.h"
#include "report/format.h"

namespace kordel {

double HandlingTensionLimit(double coef, double lambda, double fc, bool capAt02) {
    if (!(fc > 0)) return 0.0;
    const double limit = coef * lambda * std::sqrt(fc);
    return capAt02 && limit < -0.2 ? -0.2 : limit;
}

double HandlingRuptureStress(bool lrfd, int densityClass, double fc) {
    if (!(fc > 0)) return 0.0;
    if (lrfd) return -0.24 * std::sqrt(fc);
    double psi = 5.5;  // all-lightweight, and any class the Specifications do not name
    if (densityClass == kConcreteNormalWeight) psi = 7.5;
    if (densityClass == kConcreteSandLightweight) psi = 6.3;
    return -psi / std::sqrt(1000.0) * std::sqrt(fc);
}

double StrippingTieTensionLimit(double fci) {
    return std::max(-0.0948 * std::sqrt(std::max(fci, 0.0)), -0.2);
}

double TensionTieForce(double fb, double ft, double h, double tf, double btf, double bw) {
    if (!(ft < 0) || !(fb > 0)) return 0.0;
    const double t = -ft;
    const double x = t / (fb + t) * h;  // depth of the tensile zone, in
    if (x <= tf) return 0.5 * t * x * btf;
    const double f2 = (x - tf) / x * t;  // tension at the underside of the flange, ksi
    return 0.5 * (t + f2) * tf * btf + 0.5 * f2 * (x - tf) * bw;
}

namespace {

struct StripCaseSupports {
    double a;        // left support from the left end, ft
    double b;        // right support from the right end, ft
    bool suction;    // the form suction acts
    bool evaluated;  // the case is checked
};

constexpr const char* kStripCaseNames[kStripCaseCount] = {"A", "B", "C", "D", "E"};

}  // namespace

void CKordelDoc::SetReleaseAllowables() {
    const double fci = m_dStripFci;
    m_dReleaseTensionAllowable = HandlingTensionLimit(m_dReleaseTensionCoef, m_dLambdaGirder, fci,
                                                      m_nReleaseTensionLimit == 1);
    m_dReleaseCompressionAllowable = fci > 0 ? m_dReleaseCompressionCoef * fci : 0.0;
    m_dReleaseRuptureStress =
        HandlingRuptureStress(IsLrfd(m_nSpecification), m_nBeamConcreteType, fci);
}

void CKordelDoc::CheckStripping() {
    const double fci = m_dBeamFci;
    m_dStripFci = fci;
    if (m_nPrestressType == kPostTensioned) {
        SetReleaseAllowables();
        return;
    }

    for (int k = 0; k < kStripCaseCount; ++k) {
        m_adStripCaseFci[k] = fci;
        m_abStripCaseConverged[k] = 0;
        m_abStripCaseTensionSteel[k] = 0;
    }
    const double L = m_dGirderLength;
    m_dStripEndOffset = (L - m_dDesignSpan) / 2;

    const HandlingSections sec =
        HandlingSectionsOf(*this, HandlingSectionCase(m_nTransformStrandsMode, false));
    std::string problem;
    const int badStation = FirstUnusableSection(sec);
    if (!(fci > 0))
        problem = Format("the release strength f'ci (%.3f ksi) is not positive", fci);
    else if (!(L > 0))
        problem = Format("the girder length (%.2f ft) is not positive", L);
    else if (badStation >= 0) {
        problem = Format("the section properties at station %d are not positive", badStation);
    } else if (!(m_dReleaseCompressionCoef > 0)) {
        problem = "the release compression coefficient is not positive";
    } else if (!(m_dTensionTieSteelStress > 0)) {
        problem = "the stress of the tension-tie steel is not positive";
    }
    if (!problem.empty()) {
        platform::ShowMessage("Stripping check: " + problem +
                              ". The stripping cases are not checked.");
        for (int& active : m_abStripCaseActive) active = 0;
        m_nStripGoverningCase = kStripCaseA;
        SetReleaseAllowables();
        return;
    }

    const HandlingImpact suction{kHandlingGroupFormSuction, m_dImpactFormSuction / 100};
    BuildHandlingLoads(&suction, 1);

    const double aL = m_dLiftSupportLeft;
    const double bR = m_dLiftSupportRight;
    const StripCaseSupports cases[kStripCaseCount] = {
        {0.0, 0.0, false, true},
        {aL, bR, false, true},
        {aL, bR, true, m_dImpactFormSuction != 0},
        {0.0, bR, true, bR != 0},
        {aL, 0.0, true, aL != 0},
    };

    // Stresses of case k at every station, ksi: fb bottom, ft top, Mg the girder moment, k-ft.
    double fb[kStripCaseCount][kStationCount] = {};
    double ft[kStripCaseCount][kStationCount] = {};
    double Mg[kStripCaseCount][kStationCount] = {};
    const auto prestressBottom = [&](int i) {
        return m_adPrestressForceRelease[i] *
               (1 / sec.A[i] + m_adStrandEccentricity[i][kEccentricityRelease] / sec.Sb[i]);
    };
    const auto prestressTop = [&](int i) {
        return m_adPrestressForceRelease[i] *
               (1 / sec.A[i] - m_adStrandEccentricity[i][kEccentricityRelease] / sec.St[i]);
    };

    // Required release strength, case by case.
    double largest = -100000000.0;
    for (int k = 0; k < kStripCaseCount; ++k) {
        const StripCaseSupports& c = cases[k];
        m_abStripCaseActive[k] = 0;
        if (!c.evaluated) continue;
        const double l = L - c.a - c.b;
        if (!(l > 0)) {
            platform::ShowMessage(Format(
                "Stripping check: the supports of case %s leave no span between them (girder "
                "length %.2f ft, supports %.2f ft from the left end and %.2f ft from the right "
                "end). The case is not checked.",
                kStripCaseNames[k], L, c.a, c.b));
            continue;
        }
        m_abStripCaseActive[k] = 1;
        for (int i = 0; i < kStationCount; ++i) {
            const double x = m_adStationX[i] + m_dStripEndOffset;
            double M = 0, M4 = 0, V = 0, V2 = 0, R4 = 0, R5 = 0;
            ComputeHandlingEffects(x, kHandlingGroupSelfWeight, kHandlingGroupSelfWeight, c.a, l, M,
                                   V, V2, R4, R5);
            if (c.suction) {
                ComputeHandlingEffects(x, kHandlingGroupFormSuction, kHandlingGroupFormSuction, c.a,
                                       l, M4, V, V2, R4, R5);
            }
            Mg[k][i] = M + M4;
            fb[k][i] = prestressBottom(i) - 12 * Mg[k][i] / sec.Sb[i];
            ft[k][i] = prestressTop(i) + 12 * Mg[k][i] / sec.St[i];
        }

        // The stresses do not depend on f'ci: a case that needs more than the input settles in
        // its second pass. The pass limit guards the search all the same.
        double f = fci;
        for (int pass = 1; pass <= 20; ++pass) {
            for (int i = 0; i < kStationCount; ++i) {
                f = std::max({f, fb[k][i] / m_dReleaseCompressionCoef,
                              ft[k][i] / m_dReleaseCompressionCoef});
            }
            if (m_dStripFci < f) m_dStripFci = f;
            if (largest < f) {
                m_nStripGoverningCase = k;
                largest = f;
            }
            if (fci < f) {
                const bool settled = std::fabs(f - m_adStripCaseFci[k]) <= 0.01;
                m_adStripCaseFci[k] = f;
                if (settled) {
                    m_abStripCaseConverged[k] = 1;
                    break;
                }
            } else {
                m_adStripCaseFci[k] = fci;
                m_abStripCaseConverged[k] = 1;
                break;
            }
        }
    }

    // Results of every evaluated case, with the tension-tie steel at the largest strength needed.
    const double tieLimit = StrippingTieTensionLimit(m_dStripFci);
    const double bw = m_nWebCount > 0 ? m_nWebCount * m_dWebWidth : m_dWebWidth;
    for (int k = 0; k < kStripCaseCount; ++k) {
        if (m_abStripCaseActive[k] == 0) continue;
        for (int i = 0; i < kStationCount; ++i) {
            if (k == m_nStripGoverningCase) {
                m_adStripPrestressBottom[i] = prestressBottom(i);
                m_adStripPrestressTop[i] = prestressTop(i);
            }
            m_adStripGirderBottom[i][k] = 12 * Mg[k][i] / sec.Sb[i];
            m_adStripGirderTop[i][k] = 12 * Mg[k][i] / sec.St[i];
            m_adStripTotalBottom[i][k] = fb[k][i];
            m_adStripTotalTop[i][k] = ft[k][i];
            double area = 0;
            if (ft[k][i] < tieLimit && fb[k][i] > 0) {
                area = TensionTieForce(fb[k][i], ft[k][i], m_dSectionHeight, m_dTopFlangeThickness,
                                       m_dTopFlangeWidth, bw) /
                       m_dTensionTieSteelStress;
                m_abStripCaseTensionSteel[k] = 1;
            }
            m_adStripTensionSteelArea[i][k] = area;
        }
    }

    // The allowables are those of the input release strength.
    m_dStripFci = fci;
    SetReleaseAllowables();
}

}  // namespace kordel
