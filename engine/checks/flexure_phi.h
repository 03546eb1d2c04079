// Resistance factor phi for flexure from the net tensile strain of the extreme tension steel.
// Shared by the flexural strength of the girder in service, its strain-compatibility solution
// and the strength of the girder during handling.
#pragma once

namespace kordel {

/// What the resistance factor of one section depends on besides its neutral axis.
struct FlexurePhiRule {
    bool lrfd = true;          ///< false: the Standard Specifications keep phiDefault
    bool oldEdition = false;   ///< LRFD 5th edition and older (edition index 0 or 1)
    bool reinforced = false;   ///< a reinforced-concrete section (an interior pier so treated)
    double phiDefault = 1.0;   ///< the design's phi for flexure, used outside LRFD
    double cdtCompression = 0.6;   ///< CL: c/dt at the compression-controlled limit
    double cdtTension = 0.375;     ///< TL: c/dt at the tension-controlled limit
};

/// Net tensile strain of the extreme tension steel at depth `dt` with the neutral axis at depth
/// `c` and the concrete crushing at 0.003.
double NetTensileStrain(double dt, double c);

/// phi for flexure at neutral-axis depth `c` (in) and extreme-steel depth `dt` (in).
///
/// Between the compression- and tension-controlled limits phi varies linearly with the net
/// tensile strain et = 0.003 (dt / c - 1), not with c / dt: the limits CL and TL given as c / dt
/// ratios become the strains ecl = 0.003 (1 / CL - 1) and etl = 0.003 (1 / TL - 1).
///   prestressed: phi = 0.75 + 0.25 (et - ecl) / (etl - ecl), within 0.75 .. 1.0
///   reinforced:  phi = 0.75 + 0.15 (et - ecl) / (etl - ecl), within 0.75 .. 0.9
/// The older editions fix ecl = 0.002 and etl = 0.005, which gives their 0.583 + 0.25 (dt/c - 1)
/// and 0.65 + 0.15 (dt/c - 1). No compression zone (c <= 0) is tension-controlled; no depth to
/// the steel (dt <= 0) is compression-controlled.
/// AASHTO LRFD 6th ed. Art. 5.5.4.2.1, Eq. 5.5.4.2.1-1 and -2; AASHTO LRFD 5th ed. Art. 5.5.4.2.1
double FlexureResistanceFactor(const FlexurePhiRule& rule, double c, double dt);

}  // namespace kordel
