// Lateral stability of a long prestressed girder while it hangs from its lifting devices and while
// it rides on a truck: the girder rolls as a rigid body about the line of its supports, its
// swept and laterally deflected centre of gravity gives the overturning moment, and the top
// flange cracks when the tilt bends it laterally far enough. Pure functions; the lifting and
// shipping checks pass the document's values.
#pragma once

namespace kordel {

/// Modulus of elasticity of the girder concrete for the stability checks, ksi, from unit weight
/// `density` (kcf) and strength `fc` (ksi): 33000 w^1.5 sqrt(f'c). 0 for a density or strength
/// that is not positive.
/// AASHTO LRFD 6th ed. Art. 5.4.2.4, Eq. 5.4.2.4-1
double StabilityModulus(double density, double fc);

/// (l / L)^2 - 0.333: where the centre of gravity of the swept (or cambered) arc of a girder `L`
/// long lies relative to the chord of its supports `l` apart, per unit of the arc's offset at
/// mid-length. 0 when L is not positive.
/// Mast, Lateral Stability of Long Prestressed Concrete Beams, Part 1, PCI Journal Jan.-Feb.
/// 1989
double SupportArcFactor(double l, double L);

/// Tilt angle (rad) at which lateral bending of the top flange raises the stress at its edge from
/// `ft` (top-fibre stress with no tilt, ksi, compression positive) to the rupture stress `fr`
/// (ksi, positive): (fr + ft) Iyy / (btf / 2) / (12 |M|), with the weak-axis inertia `Iyy` (in4),
/// the top flange width `btf` (in) and the strong-axis moment at the section `M` (k-ft). The
/// magnitude of M is taken: under a hogging moment the other flange edge cracks. 0 when M, Iyy
/// or btf is 0.
/// Mast, Lateral Stability of Long Prestressed Concrete Beams, Part 1, PCI Journal Jan.-Feb.
/// 1989
double CrackingTiltAngle(double fr, double ft, double Iyy, double btf, double M);

/// A girder hanging from two lifting devices.
struct HangingGirder {
    double L = 0;       ///< girder length, ft
    double a = 0;       ///< left lifting device from the left end, ft
    double b = 0;       ///< right lifting device from the right end, ft
    double w = 0;       ///< self-weight, klf
    double E = 0;       ///< modulus of the concrete at lifting, ksi
    double Iyy = 0;     ///< weak-axis moment of inertia, in4
    double yt = 0;      ///< centroid to the top fibre at mid-span, in (the lifting devices' level)
    double camber = 0;  ///< camber at mid-span at release, in, upward positive
    double btf = 0;     ///< top flange width, in
    double fr = 0;      ///< modulus of rupture at lifting, ksi, positive
    double ft = 0;      ///< top-fibre stress at mid-span, prestress and weight, ksi
    double Mg = 0;      ///< moment of the weight at mid-span, k-ft
};

/// Stability of the hanging girder.
struct HangingStability {
    double ei = 0;        ///< initial lateral eccentricity of the centre of gravity, in
    double yr = 0;        ///< height of the roll axis above the centre of gravity, in
    double z0 = 0;        ///< lateral deflection of the centre of gravity, in
    double thetaI = 0;    ///< initial tilt angle, rad
    double thetaMax = 0;  ///< tilt angle at which the top flange cracks, rad
    double fs = 0;        ///< factor of safety against cracking
};

/// Hanging girder: with l = L - a - b and r = SupportArcFactor(l, L),
/// ei = (L / 10) 0.0625 r + 0.25 (half the sweep tolerance of 1/8 in per 10 ft, plus 1/4 in of
/// device placement); yr = yt - camber r; z0 = 12^3 w / (12 E Iyy L) (0.1 l^5 - a'^2 l^3 +
/// 3 a'^4 l + 1.2 a'^5) with a' = (a + b) / 2; theta_i = ei / yr (0 when yr is not positive);
/// theta_max = CrackingTiltAngle; FS = 1 / (z0 / yr + theta_i / theta_max).
/// FS is 0 where the girder has no margin: yr not positive (the roll axis through or below the
/// centre of gravity, a girder that tips over on its devices), theta_max not positive (the
/// flange edge is cracked before any tilt) or a denominator that is not positive. z0 and FS are
/// 0 when E, Iyy or L is not positive.
/// Mast, Lateral Stability of Long Prestressed Concrete Beams, Part 1, PCI Journal Jan.-Feb.
/// 1989
HangingStability ComputeHangingStability(const HangingGirder& g);

/// A girder on the supports of a truck.
struct TruckGirder {
    double L = 0;            ///< girder length, ft
    double l = 0;            ///< spacing of the truck supports, ft
    double w = 0;            ///< self-weight, klf
    double Ktheta = 0;       ///< total rotational stiffness of the truck supports, in-k/rad
    double alpha = 0;        ///< superelevation of the roadway, rad
    double camber = 0;       ///< camber at mid-span at release, in, upward positive
    double cgAboveRoad = 0;  ///< height of the girder's centre of gravity above the road, in
    double hr = 0;           ///< height of the roll centre above the road, in
    double zmax = 0;         ///< girder centreline to the centre of the dual tires, in
    double z0 = 0;           ///< lateral deflection of the centre of gravity, in
    double thetaMax = 0;     ///< tilt angle at which the top flange cracks, rad
};

/// Stability of the girder on the truck.
struct RollStability {
    double r = 0;             ///< radius of stability K_theta / W, in
    double ei = 0;            ///< initial lateral eccentricity, in
    double y = 0;             ///< height of the centre of gravity above the roll centre, in
    double fsCracking = 0;    ///< factor of safety against cracking
    double thetaFailure = 0;  ///< tilt angle at rollover theta'_max, rad
    double z0Failure = 0;     ///< lateral deflection at rollover z'_0, in
    double fsRollover = 0;    ///< factor of safety against rollover
};

/// Girder on a truck: r = Ktheta / (L w); ei = (L / 10) 0.125 q + 1.0 with
/// q = SupportArcFactor(l, L) (the full sweep tolerance, plus 1 in of placement on the truck);
/// y = camber + cgAboveRoad - hr;
/// FS cracking = (theta_max - alpha) r / (z0 theta_max + ei + y theta_max);
/// theta'_max = (zmax - hr alpha) / r + alpha; z'0 = (1 + 2.5 theta'_max) z0;
/// FS rollover = (theta'_max - alpha) r / (z'0 theta'_max + ei + y theta'_max).
/// FS cracking is 0 when theta_max is not positive (the flange edge is cracked before any tilt);
/// a factor whose denominator is not positive is 0, and so is one below 0 (the girder cracks or
/// rolls over at the superelevation alone). Everything is 0 when L w or Ktheta is not positive.
/// Mast, Lateral Stability of Long Prestressed Concrete Beams, Part 2, PCI Journal Jan.-Feb.
/// 1993
RollStability ComputeRollStability(const TruckGirder& g);

/// The top flange at mid-span of the girder on the truck: what the tilt at cracking needs under
/// any vertical load.
struct TopFlangeAtMidspan {
    double fr = 0;   ///< modulus of rupture, ksi, positive
    double fps = 0;  ///< top-fibre stress of the prestress alone, ksi, compression positive
    double St = 0;   ///< top section modulus, in3, positive
    double Iyy = 0;  ///< weak-axis moment of inertia, in4
    double btf = 0;  ///< top flange width, in
    double M = 0;    ///< strong-axis moment of the girder weight alone, k-ft
};

/// `g`, the girder on the truck under its weight alone, under the vertical load k times its
/// weight: the weight k w, the lateral deflection k z0 and the tilt at cracking of the flange
/// whose edge stress starts from fps + 12 k M / St under the moment k M (CrackingTiltAngle).
TruckGirder UnderVerticalLoad(const TruckGirder& g, const TopFlangeAtMidspan& top, double k);

/// Roll stability on the truck with the shipping impact, the results of two directions.
struct ShippingStability {
    double thetaMax = 0;      ///< tilt angle at cracking, rad
    double z0 = 0;            ///< lateral deflection at cracking, in
    double fsCracking = 0;    ///< factor of safety against cracking
    double thetaFailure = 0;  ///< tilt angle at rollover, rad
    double z0Failure = 0;     ///< lateral deflection at rollover, in
    double fsRollover = 0;    ///< factor of safety against rollover
};

/// The girder on the truck with the fraction `impact` of its weight acting downward (k = 1 +
/// impact) and upward (k = 1 - impact): every term of each direction takes the same vertical
/// load (UnderVerticalLoad: the top-flange stress, the lateral moment that tilts the flange, the
/// lateral deflection and the weight that overturns the girder against the truck's stiffness),
/// and each factor of safety is the lesser of the two directions, with the tilt and the lateral
/// deflection of the direction that gives it. `g` holds the weight alone (its thetaMax is not
/// read). A direction that leaves no downward weight (k not positive) cannot roll the girder
/// over and is left out, for cracking too unless the prestress alone already cracks the flange
/// (fr + fps not positive), which gives 0. With the centre of gravity above the roll centre
/// each factor, as a function of k, rises to a single peak and falls after it, so the lesser of
/// the two directions never rises as the impact grows: more load never makes the girder safer.
/// Mast, Lateral Stability of Long Prestressed Concrete Beams, Part 2, PCI Journal Jan.-Feb.
/// 1993; PCI Bridge Design Manual 3rd ed. Art. 8.10
ShippingStability ComputeShippingStability(const TruckGirder& g, const TopFlangeAtMidspan& top,
                                           double impact);

/// Lateral deflection (in) of the girder on the truck from the lateral deflection `z0Lift` (in)
/// of the hanging girder: brought from the release strength `fci` to the 28-day strength `fc`
/// (z0 varies as 1 / E, E as sqrt(f'c)), then scaled by sqrt(E / Eci) with the modulus of the
/// stage `E` and the modulus at release `Eci` (ksi). 0 when fc or Eci is not positive.
double ShippingLateralDeflection(double z0Lift, double fci, double fc, double E, double Eci);

}  // namespace kordel
