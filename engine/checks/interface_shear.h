// Horizontal shear transfer between the girder top and a cast-in-place deck: the shear-friction
// design of the LRFD specifications and the tie design of the Standard Specifications. Pure
// functions; CKordelDoc::ComputeInterfaceShear passes the document's values.
#pragma once

namespace kordel {

/// Largest yield strength of interface reinforcement that the shear-friction design may use, ksi.
inline constexpr double kInterfaceFyLimit = 60.0;

/// Cohesion, friction and limit factors of a deck cast against a hardened girder top.
struct InterfaceFactors {
    double c = 0;       ///< cohesion factor c, ksi
    double mu = 0;      ///< friction factor mu
    double K1 = 0;      ///< fraction of f'c available to resist interface shear
    double K2 = 0;      ///< limiting interface shear resistance, ksi
    bool rough = true;  ///< the surface is intentionally roughened
};

/// Factors for a roughened girder top (any `surface` but 2: c = 0.28 ksi, mu = 1.0, K1 = 0.3,
/// K2 = 1.8 ksi for normal-weight and 1.3 ksi for lightweight girder concrete, density classes 2
/// to 4) or a smooth one (`surface` 2: c = 0.075 ksi, mu = 0.6, K1 = 0.2, K2 = 0.8 ksi for any
/// concrete).
/// AASHTO LRFD 6th ed. Art. 5.8.4.3
InterfaceFactors LrfdInterfaceFactors(int surface, int girderConcreteType);

/// Interface reinforcement from shear friction, in2/ft: Avf = (Vni - c Acv) / (mu fy), not below
/// 0, for the required nominal resistance `Vni` (kip/ft), interface area `Acv` (in2/ft) and steel
/// yield strength `fy` (ksi). Returns 0 when mu fy is not positive (the caller reports that).
/// AASHTO LRFD 6th ed. Art. 5.8.4.1, Eq. 5.8.4.1-3 (no permanent clamping force Pc)
double LrfdShearFrictionSteel(double Vni, double Acv, double c, double mu, double fy);

/// Minimum interface reinforcement, in2/ft: 0.05 Acv / fy, with `Acv` in in2/ft and `fy` in ksi;
/// 0 when fy is not positive.
/// AASHTO LRFD 6th ed. Art. 5.8.4.4, Eq. 5.8.4.4-1
double LrfdMinimumInterfaceSteel(double Acv, double fy);

/// Ties of one station under the Standard Specifications, for both surface conditions.
struct StandardInterfaceTies {
    double VnhNotRough = 0;  ///< resistance of a surface not roughened, 80 bv d, kip
    double AvhNotRough = 0;  ///< ties needed on it, in2/ft
    double VnhRough = 0;     ///< resistance of the roughened surface at the threshold used, kip
    double AvhRough = 0;     ///< ties needed on it, in2/ft
};

/// Ties for the required nominal resistance `Vnh` (kip) over contact width `bv` and depth `d` (in):
/// a surface not roughened resists 80 bv d (psi) with the minimum ties Avh,min; a roughened one
/// resists 80 bv d with no ties and 350 bv d with Avh,min. Beyond those, each percent of ties
/// (0.01 x 12 bv in2/ft) adds `Vnh1` = 160 (fy / 40) bv d / 1000 kip. `avhMin` in in2/ft.
/// Returns false, with the excess ties left 0, when an excess needs ties and Vnh1 is not positive.
/// AASHTO Standard Specifications 17th ed. Art. 9.20.4.3 and 9.20.4.5
bool StandardInterfaceSteel(double Vnh, double bv, double d, double Vnh1, double avhMin,
                            StandardInterfaceTies& ties);

/// Resistance added per percent of ties: 160 (fy / 40) bv d / 1000, kip, with `fy` in ksi and
/// `bv`, `d` in inches.
/// AASHTO Standard Specifications 17th ed. Art. 9.20.4.3
double StandardTiePercentResistance(double fy, double bv, double d);

/// Minimum ties 50 bv s / fy (psi) over s = 12 in, in2/ft, with `fy` in ksi; 0 when fy is not
/// positive.
/// AASHTO Standard Specifications 17th ed. Art. 9.20.4.5
double StandardMinimumTies(double bv, double fy);

/// Largest tie spacing, in: 4 times the web width `bw` (in), at most 24 in.
/// AASHTO Standard Specifications 17th ed. Art. 9.20.4.5
double StandardMaximumTieSpacing(double bw);

}  // namespace kordel
