// Load rating of the girder for the design live load: rating factors of the service stresses,
// the strand stress, flexure and shear. Pure functions; CKordelDoc::ComputeLoadRating passes the
// document's values. Stresses in ksi, compression positive.
#pragma once

#include "document/model_records.h"

namespace kordel {

/// Load factors of one strength rating level.
struct RatingLoadFactors {
    double DC = 0;         ///< component dead loads
    double DW = 0;         ///< wearing surface
    double LL = 0;         ///< live load
    double restraint = 0;  ///< time-dependent restraint moments
};

/// What the load effects of a station contribute to a strength rating.
struct RatingEffects {
    double eta = 1.0;        ///< load modifier (1.0 under the Standard Specifications)
    bool ignoreFws = false;  ///< leave the future wearing surface out
};

/// Rating factor `capacity` / `liveLoad`, where `liveLoad` is the factored live-load effect;
/// 999.0 when it is 0 (no live load of that kind at the station).
/// AASHTO Manual for Bridge Evaluation 2nd ed. Art. 6A.4.2.1, Eq. 6A.4.2.1-1
double RatingFactor(double capacity, double liveLoad);

/// The three stress ratings below return kRatingNoLiveLoad where the factored live-load stress
/// does not act toward the limit (zero, or moving the fibre away from it).
///
/// Tension rating at the girder bottom: (fpe,b - ft,allow + fb,perm) / (-fb,LL gammaLL) with the
/// final prestress stress `fPrestress`, the tension limit `fAllow` (negative), the permanent-load
/// stress `fPermanent`, the live-load stress `fLive` and the service live-load factor `gammaLL`.
/// AASHTO Manual for Bridge Evaluation 2nd ed. Art. 6A.5.4.1 (Service III)
double TensionStressRating(double fPrestress, double fAllow, double fPermanent, double fLive,
                           double gammaLL);

/// Compression rating at the girder top: (fc,allow - (fpe,t + ft,perm)) / ft,LL, with no live-load
/// factor. `share` scales the prestress and permanent stresses: 1 for the check with all loads,
/// 0.5 for the Standard Specifications' check of half of them plus the live load.
/// AASHTO Manual for Bridge Evaluation 2nd ed. Art. 6B.5.3.3 (allowable compression)
double CompressionStressRating(double fAllow, double fPrestress, double fPermanent, double fLive,
                               double share);

/// Strand stress rating: (limit - (fse - dfs,DL)) / (-gammaLL dfs,LL) with `limit` 0.8 fpy
/// (inventory) or 0.9 fpy (operating), the effective strand stress `fse` and the strand stress
/// changes `dfsDL` and `dfsLL` (ksi, from bottom-fibre concrete stresses, negative in tension).
/// AASHTO Manual for Bridge Evaluation 2nd ed. Art. 6B.5.3.3 (prestressing steel)
double StrandStressRating(double limit, double fse, double dfsDL, double dfsLL, double gammaLL);

/// Flexure rating for positive moment at a station with resistance `Mr` (k-ft) and moments `M`
/// by load case (k-ft): (Mr - (gR M17 + gDW DW + gDC DC)) / (gLL LL), with DC the loads 1 to 6
/// and 8, DW load 7 and LL the positive live load plus a positive pedestrian moment, the dead and
/// live moments times eta.
/// AASHTO Manual for Bridge Evaluation 2nd ed. Art. 6A.4.2.1, Eq. 6A.4.2.1-1
double PositiveFlexureRating(double Mr, const LoadEffectRecord& M, const RatingLoadFactors& g,
                             const RatingEffects& e);

/// Flexure rating for negative moment with resistance `Mr` given as a positive value (k-ft):
/// (-Mr - (gR M20 + gDW DW + gDC (M6 + M8))) / (gLL LL), LL the negative live load plus a negative
/// pedestrian moment, the dead and live moments times eta.
/// AASHTO Manual for Bridge Evaluation 2nd ed. Art. 6A.4.2.1, Eq. 6A.4.2.1-1
double NegativeFlexureRating(double Mr, const LoadEffectRecord& M, const RatingLoadFactors& g,
                             const RatingEffects& e);

/// Shear rating with factored resistance `phiVn` (kip), shears `V` and moments `M` by load case:
/// (phiVn - (gDW |VDW| + gDC |VDC|)) / (gLL VLL), VLL the larger magnitude of the positive and the
/// negative live-load shear, each with the pedestrian shear when the pedestrian moment has its
/// sign, all times eta.
/// AASHTO Manual for Bridge Evaluation 2nd ed. Art. 6A.4.2.1, Eq. 6A.4.2.1-1
double ShearRating(double phiVn, const LoadEffectRecord& V, const LoadEffectRecord& M,
                   const RatingLoadFactors& g, const RatingEffects& e);

}  // namespace kordel
