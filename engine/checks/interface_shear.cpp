// Interface shear of a composite girder: the shear stress on the girder top, the nominal
// resistance it requires and the reinforcement crossing the interface, at every station.
#include "engine/checks/interface_shear.h"

#include <algorithm>
#include <string>

#include "document/kordel_doc.h"
#include "platform/host.h"

namespace kordel {

InterfaceFactors LrfdInterfaceFactors(int surface, int girderConcreteType) {
    InterfaceFactors f;
    if (surface == 2) {
        f.c = 0.075;  // ksi
        f.mu = 0.6;
        f.K1 = 0.2;
        f.K2 = 0.8;  // ksi
        f.rough = false;
        return f;
    }
    const bool lightweight = girderConcreteType == kConcreteSandLightweight ||
                             girderConcreteType == kConcreteAllLightweight ||
                             girderConcreteType == kConcreteLightweight;
    f.c = 0.28;  // ksi
    f.mu = 1.0;
    f.K1 = 0.3;
    f.K2 = lightweight ? 1.3 : 1.8;  // ksi
    f.rough = true;
    return f;
}

double LrfdShearFrictionSteel(double Vni, double Acv, double c, double mu, double fy) {
    if (mu * fy <= 0.0) return 0.0;
    return std::max(0.0, (Vni - c * Acv) / (mu * fy));
}

double LrfdMinimumInterfaceSteel(double Acv, double fy) {
    return fy > 0.0 ? 0.05 * Acv / fy : 0.0;
}

double StandardTiePercentResistance(double fy, double bv, double d) {
    return 160.0 * (fy / 40.0) * bv * d / 1000.0;
}

double StandardMinimumTies(double bv, double fy) {
    return fy > 0.0 ? 50.0 * bv * 12.0 / (fy * 1000.0) : 0.0;
}

double StandardMaximumTieSpacing(double bw) {
    return std::min(4.0 * bw, 24.0);
}

bool StandardInterfaceSteel(double Vnh, double bv, double d, double Vnh1, double avhMin,
                            StandardInterfaceTies& ties) {
    const double onePercent = 0.01 * 12.0 * bv;   // ties of one percent of the contact area, in2/ft
    const double v80 = 80.0 * bv * d / 1000.0;    // kip
    const double v350 = 350.0 * bv * d / 1000.0;  // kip
    bool ok = true;
    // Ties beyond the minimum for the resistance above `base`; none can be found without Vnh1.
    const auto excessTies = [&](double base) {
        if (Vnh <= base) return 0.0;
        if (Vnh1 <= 0.0) {
            ok = false;
            return 0.0;
        }
        return (Vnh - base) / Vnh1 * onePercent;
    };

    ties.VnhNotRough = v80;
    ties.AvhNotRough = avhMin + excessTies(v80);

    if (Vnh <= v80) {
        ties.VnhRough = v80;
        ties.AvhRough = 0.0;
    } else {
        ties.VnhRough = v350;
        ties.AvhRough = avhMin + excessTies(v350);
    }
    return ok;
}

namespace {

/// Collects the reasons a demand could not be turned into steel, shown once per run.
struct InterfaceProblems {
    bool fy = false;     // yield strength not positive
    bool phi = false;    // resistance factor not positive
    bool width = false;  // interface width not positive
    bool depth = false;  // shear depth not positive where there is shear

    void Report() const {
        std::string why;
        const auto add = [&](bool on, const char* text) {
            if (!on) return;
            if (!why.empty()) why += ", ";
            why += text;
        };
        add(fy, "the reinforcement yield strength");
        add(phi, "the resistance factor for shear");
        add(width, "the top flange width");
        add(depth, "the shear depth");
        if (why.empty()) return;
        platform::ShowMessage("The interface shear reinforcement cannot be computed where " + why +
                              " is not positive. It is shown as 0 there.");
    }
};

}  // namespace

void CKordelDoc::ComputeInterfaceShear() {
    InterfaceProblems problems;
    const double phi = m_dPhiShear;
    const double bf = m_dTopFlangeWidth;  // interface width, in
    if (phi <= 0.0) problems.phi = true;
    if (bf <= 0.0) problems.width = true;

    if (IsLrfd(m_nSpecification)) {
        const double fy = std::min(m_dStirrupFy, kInterfaceFyLimit);  // ksi
        if (fy <= 0.0) problems.fy = true;
        const InterfaceFactors f = LrfdInterfaceFactors(m_nInterfaceSurface, m_nBeamConcreteType);
        const double Acv = 12.0 * bf;  // in2/ft
        const double avfMin = LrfdMinimumInterfaceSteel(Acv, fy);
        const double fc = m_dDeckFc;  // ksi

        m_strInterfaceSurface = f.rough ? "Rough " : "Smooth";
        double* P = m_adInterfaceParams;
        P[kInterfaceAcv] = Acv;
        P[kInterfaceMu] = f.mu;
        P[kInterfaceCohesion] = f.c;
        P[kInterfaceK1FcAcv] = f.K1 * fc * Acv;
        P[kInterfaceK2Acv] = f.K2 * Acv;
        P[kInterfaceLimit] = f.K1 * fc > f.K2 ? P[kInterfaceK2Acv] : P[kInterfaceK1FcAcv];
        P[kInterfaceAvfMin] = avfMin;
        P[kInterfaceK1] = f.K1;
        P[kInterfaceK2] = f.K2;

        for (int i = 0; i < kStationCount; ++i) {
            const double Vu = m_adVu[i];       // kip
            const double dv = m_adShearDv[i];  // in
            double vuh = 0.0;                  // ksi
            if (dv > 0.0 && bf > 0.0) {
                vuh = Vu / (dv * bf);
            } else if (Vu != 0.0 && dv <= 0.0) {
                problems.depth = true;
            }
            const double Vnh = phi > 0.0 ? vuh / phi * Acv : 0.0;  // kip/ft
            m_adInterfaceVuh[i] = vuh;
            m_adInterfaceVnh[i] = Vnh;
            m_adInterfaceAvfc[i] = LrfdShearFrictionSteel(Vnh, Acv, f.c, f.mu, fy);
            m_adInterfaceAvf[i] = std::max(m_adInterfaceAvfc[i], avfMin);
        }
    } else {
        const double fy = m_dStirrupFy;          // ties, ksi
        const double fyMin = m_dLongitudinalFy;  // minimum ties, ksi
        if (fy <= 0.0 || fyMin <= 0.0) problems.fy = true;
        const double bv = bf;  // in
        const double avhMin = StandardMinimumTies(bv, fyMin);
        double* P = m_adInterfaceParams;
        P[kInterfaceBv] = bv;
        P[kInterfaceContactArea] = 12.0 * bv;
        P[kInterfaceAvhMin] = avhMin;
        P[kInterfaceMaxTieSpacing] = StandardMaximumTieSpacing(m_adShearBv[kStationMidspan]);

        for (int i = 0; i < kStationCount; ++i) {
            const double d = m_adShearD[i];                        // in
            const double Vnh = phi > 0.0 ? m_adVu[i] / phi : 0.0;  // kip
            const double Vnh1 = StandardTiePercentResistance(fy, bv, d);
            StandardInterfaceTies ties;
            if (!StandardInterfaceSteel(Vnh, bv, d, Vnh1, avhMin, ties) && d <= 0.0 && bv > 0.0) {
                problems.depth = true;
            }
            m_adInterfaceVnh[i] = Vnh;
            m_adInterfaceVnh1[i] = Vnh1;
            m_adInterfaceVnhNotRough[i] = ties.VnhNotRough;
            m_adInterfaceAvhNotRough[i] = ties.AvhNotRough;
            m_adInterfaceVnhRough[i] = ties.VnhRough;
            m_adInterfaceAvhRough[i] = ties.AvhRough;
        }
    }
    problems.Report();
}

}  // namespace kordel
