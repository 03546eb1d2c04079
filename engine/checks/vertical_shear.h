// Vertical shear of the girder: the flexural quantities behind the effective shear depth dv.
// The stage itself is CKordelDoc::ComputeVerticalShear (vertical_shear.cpp).
#pragma once

namespace kordel {

/// Steel and compression zone of one station for the dv calculation.
struct ShearDepthSection {
    bool positive = true;  ///< Mu > -0.0001: strands and bottom bars in tension
    double Aps = 0;        ///< developed strand area in tension, in2
    double dp = 0;         ///< strand depth from the compression face, in
    double As = 0;         ///< mild tension steel, in2
    double ds = 0;         ///< its depth from the compression face, in
    double fpu = 0;        ///< strand tensile strength, ksi
    double fy = 0;         ///< bar yield strength, ksi
    double k = 0;          ///< k of fps = fpu (1 - k c / dp)
    double alpha1 = 0;     ///< stress-block factor
    double fc = 0;         ///< f'c of the compression zone, ksi
    double beta1 = 0;      ///< stress-block depth factor
    double b = 0;          ///< compression flange width, in
    double bw = 0;         ///< web width, in
    double hf = 0;         ///< compression flange thickness, in
    double phiF = 0;       ///< resistance factor for flexure
};

/// The flexural quantities of the dv calculation.
struct ShearDepthFlexure {
    double c = 0;    ///< neutral-axis depth, in
    double a = 0;    ///< stress-block depth, in
    double fps = 0;  ///< strand stress, ksi (0 on the negative-moment side)
    double Mr = 0;   ///< phi Mn, k-ft
    double de = 0;   ///< effective depth, in (0 without tension steel force)
    /// Lever arm of the resultants, in: 12 Mr / (Aps fps + As fy) on the positive side, ds - a/2
    /// (0.9 ds when a = 0) on the negative side; 0 where there is no tension force, so that dv
    /// comes from its limits.
    double arm = 0;
};

/// c, a, fps, Mr, de and the lever arm of one station with the rectangular stress block; the
/// flange overhang term carries beta1 in both the neutral axis and the moment.
// AASHTO LRFD 6th ed. Art. 5.7.3.1.1, Eq. 5.7.3.1.1-3 and -4; Art. 5.7.3.2.2; Art. 5.8.2.9
ShearDepthFlexure ComputeShearDepthFlexure(const ShearDepthSection& s);

}  // namespace kordel
