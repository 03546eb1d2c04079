// Axle trains of the moving-load analysis of the continuous-beam model: the vehicle's own axles
// (either way round, with variable spacings), the fixed trains of the code (two design trucks,
// fatigue truck, lowboy) and the factor on two design trucks. Pure functions; the continuous-beam
// model (continuous_beam.cpp) places the trains.
#pragma once

#include <initializer_list>

#include "document/model_limits.h"
#include "document/model_records.h"

namespace kordel {

/// A train of axles. Axle 0 leads toward increasing x; gap i is the distance from axle i to
/// axle i + 1 at the first spacing step, and grows by step i at every further step.
struct AxleTrain {
    int count = 0;                         ///< axles, 0 to kMaxVehicleAxles
    double weight[kMaxVehicleAxles] = {};  ///< axle weight, kip
    double gap[kMaxVehicleAxles] = {};     ///< axle i to axle i + 1, ft (first step)
    double step[kMaxVehicleAxles] = {};    ///< growth of gap i per spacing step, ft
};

/// Spacing steps of a vehicle's variable gaps: the minimum, middle and maximum spacing.
inline constexpr int kVehicleSpacingSteps = 3;

/// The axles of `vehicle` (its first m_nAxleCount rows, at most kMaxVehicleAxles) from the front,
/// or from the back when `reversed`; each gap starts at its minimum spacing and grows by half its
/// range per step, so that kVehicleSpacingSteps steps use the minimum, middle and maximum spacing.
/// Reversed, the axles run last to first and every gap stays between the same two axles.
AxleTrain VehicleAxleTrain(const LiveLoadVehicle& vehicle, bool reversed);

/// A train of `weights` (kip, axle 0 first) with `gaps` (ft, one fewer than the weights) and the
/// growth per spacing step of each gap in `steps` (empty: fixed gaps).
AxleTrain FixedAxleTrain(std::initializer_list<double> weights, std::initializer_list<double> gaps,
                         std::initializer_list<double> steps = {});

/// Factor on the axle loads of two design trucks for negative moment: 0.90 of their effect, or,
/// with the increased double-truck option, 0.90 for spans up to 100 ft rising linearly to 1.10 at
/// 200 ft and beyond; `Lmax` is the longest span, ft.
/// AASHTO LRFD 6th ed. Art. 3.6.1.3.1 (90 percent of two design trucks); the increase for long
/// spans is the owner option "Increased double truck loads".
double TwoTruckFactor(bool increased, double Lmax);

}  // namespace kordel
