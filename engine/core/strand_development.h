// Stress of a pretensioned strand along the girder: nothing where it is debonded, the effective
// stress built up over the transfer length from where its bond begins, the full stress over the
// development length, and the same in reverse towards where its bond ends. Pure functions; the
// document's ComputeStrandDevelopment sums them over the strand groups at every station.
#pragma once

#include "document/model_records.h"

namespace kordel {

/// Lengths and stresses of one development calculation.
struct StrandBond {
    double lt;          ///< transfer length, ft
    double ld;          ///< development length of a fully bonded strand, ft
    double ldDebonded;  ///< development length of a strand whose bond starts at a debonded zone, ft
    double fe;          ///< effective stress, reached at the end of the transfer length, ksi
    double fps;         ///< full stress, reached at the end of the development length, ksi
};

/// Debonding of a strand group: end debonding at both girder ends, mid debonding about
/// mid-length, both, or none.
enum class DebondCase { None, End, Mid, Both };

/// The case of a group with end debond length `dE` and mid debond length `dM` (ft; a length of 0
/// or less is no debonding).
DebondCase DebondCaseOf(double dE, double dM);

/// Text of the case in the development routine's messages: "None", "E", "M", "E&M".
const char* DebondCaseText(DebondCase c);

/// The strand groups sorted by their debonding. Groups with the same end and mid debond lengths
/// (bit for bit) have the same bonded fraction and the same developed stress at every position,
/// so the stages that walk the stations compute these once a class, not once a group.
struct DebondClasses {
    int count = 0;                          ///< classes
    int classOf[kMaxStrandGroups] = {};     ///< class of each group
    int firstGroup[kMaxStrandGroups] = {};  ///< first group of each class, in group order
};

/// The debond classes of the first `n` groups of `groups` (n from 0 to kMaxStrandGroups), in the
/// order their first groups come.
DebondClasses DebondClassesOf(const StrandGroup* groups, int n);

/// Stress (ksi) at `x` ft from the left end of a girder `G` ft long, of a strand debonded `dE` ft
/// at each end and `dM` ft either side of mid-length. The strand is bonded over one zone (end
/// debonding or none: from dE to G - dE) or two (mid debonding: up to G/2 - dM and from G/2 + dM),
/// and nothing where it is debonded. In a zone the stress rises from each of its ends: linearly
/// from 0 to fe over the transfer length, then linearly to fps at the development length (ld from
/// a girder end, ldDebonded from the end of a debonded length), fps beyond; the stress at x is the
/// smaller of the rise from the zone's start and the rise from its end, so that in a zone too
/// short for the full stress neither end is credited with more than it develops. False, with
/// `stress` untouched, when `x` lies off the girder (below 0 or beyond G).
/// AASHTO LRFD 6th ed. Art. 5.11.4.1, 5.11.4.2 (Fig. C5.11.4.2-1) and 5.11.4.3; AASHTO Standard
/// Specifications 17th ed. Art. 9.27 and 9.28
bool DevelopedStrandStress(double x, double G, double dE, double dM, const StrandBond& b,
                           double& stress);

}  // namespace kordel
