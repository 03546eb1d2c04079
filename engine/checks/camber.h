// Elastic deflection of a simply supported girder by the moment-area method. Pure functions;
// CKordelDoc::ComputeCamber passes the document's values.
#pragma once

#include "document/results_stations.h"

namespace kordel {

/// Deflection (in, upward positive) at the hundredth points of a simple span `L` (ft) and the
/// end rotations (radian) under the moment diagram `M` (kip-ft, positive sagging) at the same
/// points, with modulus `E` (ksi) and inertia `I` (in4). Segment k (1 to 100) between points
/// k - 1 and k has the curvature area phi_k = (M[k-1] + M[k]) / 2 dx / (E I[k]), the inertia of
/// its right point. The left rotation is the moment of the curvature areas about the right
/// support over L; the deflection at point j is theta_left x_j less the moment of the areas left
/// of j about j. A segment with an end moment exactly 0 is left out of that moment (not of the
/// rotations). rotation[0] is the left-end rotation, rotation[1] the right-end one.
/// Moment-area theorems: Gere & Timoshenko, Mechanics of Materials, Sec. 9.6
/// Returns false, with both outputs 0, when L, E or an I[1..100] is not positive.
bool IntegrateMomentArea(double E, const double* I, const double* M, double L,
                         double deflection[kHundredthStations], double rotation[2]);

}  // namespace kordel
