// Concrete fibre stresses of an uncracked section, ksi, compression positive: the stress of a
// moment and the stress of an eccentric prestress force. Pure functions; the load-case and
// prestress stages apply them at every station.
#pragma once

#include <optional>

namespace kordel {

/// Stress at a fibre of section modulus S (in3) under a moment M (kip-ft, sagging positive):
/// -12 M / S at the girder bottom (`bottom`), +12 M / S at every fibre above the centroid. 0 for
/// no moment; nullopt when a moment meets a modulus of 0 or the result is not finite.
// PCI Bridge Design Manual, 3rd ed., Art. 8.2 (service stresses, f = M / S)
std::optional<double> MomentFibreStress(double M, double S, bool bottom);

/// Stress at a fibre of section modulus S (in3) under a prestress force P (kip, compression) at
/// eccentricity e (in below the centroid; negative above it) on a section of area A (in2):
/// P (1/A + e/S) at the girder bottom (`bottom`), P (1/A - e/S) at every fibre above the centroid.
/// 0 for no force; nullopt when a force meets an area or modulus of 0 or the result is not
/// finite.
// PCI Bridge Design Manual, 3rd ed., Art. 8.2 (service stresses, f = P/A +- P e / S)
std::optional<double> PrestressFibreStress(double P, double A, double e, double S, bool bottom);

}  // namespace kordel
