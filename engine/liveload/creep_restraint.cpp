#include "engine/liveload/creep_restraint.h"

#include <algorithm>
#include <cmath>

namespace kordel {

double RestraintCreepTime(double t) {
    const double t6 = std::pow(std::max(t, 0.0), 0.6);
    return t6 / (10.0 + t6);
}

double GirderShrinkageTime(double t) {
    t = std::max(t, 0.0);
    return t / (55.0 + t);
}

double DeckShrinkageTime(double t) {
    t = std::max(t, 0.0);
    return t / (35.0 + t);
}

double ConcreteModulusPsi(double fcPsi, double wPcf) {
    if (!(fcPsi > 0.0) || !(wPcf > 0.0)) return 0.0;
    return 33.0 * std::pow(wPcf, 1.5) * std::sqrt(fcPsi);
}

double RelaxationRatio(double f, double fpy) {
    if (!(fpy > 0.0)) return 0.05;
    return std::max(f / fpy - 0.55, 0.05);
}

double CreepSizeFactor(double VS) {
    return VS > 5.0 ? 0.68 : 1.145 - 0.093 * VS;
}

double ShrinkageSizeFactor(double VS) {
    return 1.13 - 0.0886 * VS;
}

const std::vector<double>& RestraintStandardAges() {
    static const std::vector<double> ages = {
        1,    3,    6,    11,   18,   28,   42,   60,    80,    100,   125,   150,
        200,  250,  300,  400,  500,  600,  800,  1000,  1250,  1500,  1800,  2100,
        2500, 3000, 3500, 4000, 5000, 6000, 8000, 10000, 15000, 20000, 30000, 50000,
    };
    return ages;
}

std::vector<double> AgesToContinuity(double tc) {
    std::vector<double> ages;
    for (double a : RestraintStandardAges())
        if (a <= tc) ages.push_back(a);
    ages.push_back(tc);
    return ages;
}

std::vector<double> TimePointsAfterContinuity(double tc) {
    constexpr double kFinal = 10000.0;  // days
    std::vector<double> points = {tc};
    double previous = 0.0;
    bool first = true;
    for (double a : RestraintStandardAges()) {
        const double candidate = (first || a - previous <= tc) ? a + tc : a;
        first = false;
        previous = a;
        if (candidate >= kFinal) {
            points.push_back(kFinal);
            break;
        }
        points.push_back(candidate);
    }
    return points;
}

double InteriorRestraintFactor(double c) {
    const double k = c + 1.0;
    return (6.0 * k - 3.0) / (1.0 - 4.0 * k * k);
}

StepCreepFactors StepCreep(double phi, double t0, double t1) {
    const double tm = (t0 + t1) / 2.0;
    const double beta = tm > 0.0 ? 1.13 * std::pow(tm, -0.094) : 1.13;
    const double x = beta * phi;
    const double b = 1.0 - std::exp(-x);
    return {x != 0.0 ? b / x : 1.0, b};
}

}  // namespace kordel
