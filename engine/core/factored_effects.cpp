// Factored strength effects: Strength I (design live load and pedestrian load) and Strength II
// (vehicle 2 alone), each with the positive and the negative live load, at every station; the
// moment and shear that act together for the shear design; the shears near the supports held at
// the critical sections; and, on continuous girders, the negative composite moments and the
// factored moments at the piers of the current span.
// AASHTO LRFD 6th ed. Art. 3.4.1, Eq. 3.4.1-1 and Table 3.4.1-1; Standard Specifications
// Art. 3.22, Table 3.22.1A
#include <cmath>

#include "document/kordel_doc.h"

namespace kordel {
namespace {

/// Below this (kip-ft) a continuous girder's Strength I negative moment governs the design moment.
constexpr double kNegativeMomentThreshold = -0.00001;

/// Load factors of one strength group.
struct GroupFactors {
    double gammaDC;     ///< component dead loads
    double gammaDW;     ///< wearing surface
    double gammaLL;     ///< live load
    int restraintCase;  ///< LoadCase of the restraint moment
};

/// The live-load terms of one group at one station, kip-ft and kip.
struct LiveTerms {
    double Mdesign;      ///< with the design live-load moment
    double Vdesign;      ///< with the design live-load shear
    double Mgoverning;   ///< governing live-load moment (18)
    double Vconcurrent;  ///< shear concurrent with the governing moment (19)
    double Vgoverning;   ///< governing live-load shear (18)
    double Mconcurrent;  ///< moment concurrent with the governing shear (19)
};

/// Larger of `a` and `b`, `b` on ties.
double LargerPreferSecond(double a, double b) {
    return a > b ? a : b;
}

}  // namespace

double CKordelDoc::StrengthLoadModifier() const {
    // AASHTO LRFD 6th ed. Art. 1.3.2.1, Eq. 1.3.2.1-2; the Standard Specifications have no eta.
    if (!IsLrfd(m_nSpecification)) return 1.0;
    return m_dLoadModDuctility * m_dLoadModRedundancy * m_dLoadModImportance;
}

void CKordelDoc::ComputeFactoredEffects() {
    const double eta = StrengthLoadModifier();
    const double gRM = m_dRestrainingMomentFactor;
    const bool continuous = m_bContinuous != 0;
    const bool withStrengthII = m_bIncludeStrengthII != 0;

    for (int i = 0; i < kStationCount; ++i) {
        for (int j = 0; j < kStrengthGroupCount; ++j) {
            m_aMuFlexure[i][j] = 0.0;
            m_aFactoredMomentEnvelope[i][j] = 0.0;
        }
        m_adVuStrengthI[i] = m_adMuStrengthI[i] = 0.0;
        m_adVuStrengthII[i] = m_adMuStrengthII[i] = 0.0;
    }

    const GroupFactors kFactors[kStrengthGroupCount] = {
        {m_dStrengthIDeadLoadFactor, m_dStrengthIWearingSurfaceFactor, m_dStrengthILiveLoadFactor,
         kCaseRestraintPositive},
        {m_dStrengthIIDeadLoadFactor, m_dStrengthIIWearingSurfaceFactor,
         m_dStrengthIILiveLoadFactor, kCaseRestraintPositive},
        {m_dStrengthIDeadLoadFactor, m_dStrengthIWearingSurfaceFactor, m_dStrengthILiveLoadFactor,
         kCaseRestraintNegative},
        {m_dStrengthIIDeadLoadFactor, m_dStrengthIIWearingSurfaceFactor,
         m_dStrengthIILiveLoadFactor, kCaseRestraintNegative},
    };

    // The live-load terms of group j at station i; the pedestrian load is Strength I's only.
    auto liveTerms = [&](int j, int i) {
        const LoadEffectRecord& M = m_aMoment[i];
        const LoadEffectRecord& V = m_aShear[i];
        if (j == kStrengthIPositive || j == kStrengthINegative) {
            const int design = j == kStrengthIPositive ? kCaseLiveLoad : kCaseLiveLoadNegative;
            const double Mp = M[kCasePedestrian];
            const double Vp = V[kCasePedestrian];
            return LiveTerms{M[design] + Mp,
                             V[design] + Vp,
                             M[kCaseLiveLoadGoverning] + Mp,
                             V[kCaseLiveLoadConcurrent] + Vp,
                             V[kCaseLiveLoadGoverning] + Vp,
                             M[kCaseLiveLoadConcurrent] + Mp};
        }
        const int design = j == kStrengthIIPositive ? kVehiclePositive : kVehicleNegative;
        const double* E2M = m_aVehicle2Moment[i];
        const double* E2V = m_aVehicle2Shear[i];
        return LiveTerms{E2M[design],
                         E2V[design],
                         E2M[kVehicleGoverning],
                         E2V[kVehicleConcurrent],
                         E2V[kVehicleGoverning],
                         E2M[kVehicleConcurrent]};
    };

    for (int j = 0; j < kStrengthGroupCount; ++j) {
        const GroupFactors& F = kFactors[j];
        for (int i = 0; i < kStationCount; ++i) {
            const LoadEffectRecord& M = m_aMoment[i];
            const LoadEffectRecord& V = m_aShear[i];
            const double DCm = M[kCaseGirder] + M[kCaseDeck] + M[kCaseOverlay] +
                               M[kCaseDiaphragms] + M[kCaseOtherNonComposite] + M[kCaseBarriers] +
                               M[kCaseOtherComposite];  // kip-ft
            const double DCv = V[kCaseGirder] + V[kCaseDeck] + V[kCaseOverlay] +
                               V[kCaseDiaphragms] + V[kCaseOtherNonComposite] + V[kCaseBarriers] +
                               V[kCaseOtherComposite];  // kip
            const double deadM =
                F.gammaDC * DCm + gRM * M[F.restraintCase] + F.gammaDW * M[kCaseWearingSurface];
            const double deadV = F.gammaDC * DCv + F.gammaDW * V[kCaseWearingSurface];
            const LiveTerms L = liveTerms(j, i);
            m_aMuFlexure[i][j] = eta * (deadM + F.gammaLL * L.Mdesign);
            m_aFactoredShearMagnitude[i][j] = eta * std::abs(deadV + F.gammaLL * L.Vdesign);
            m_aFactoredMomentByGroup[i][j] = eta * (deadM + F.gammaLL * L.Mgoverning);
            m_aFactoredWork1[i][j] = eta * std::abs(deadV + F.gammaLL * L.Vconcurrent);
            m_aFactoredWork2[i][j] = eta * std::abs(deadV + F.gammaLL * L.Vgoverning);
            m_aFactoredWork3[i][j] = eta * (deadM + F.gammaLL * L.Mconcurrent);
        }

        // Between each support and its critical section the shear is held at the critical
        // section's value (AASHTO LRFD 6th ed. Art. 5.8.3.2).
        const double xLeft = m_adStationX[kStationLeftCritical];
        const double xRight = m_adStationX[kStationRightCritical];
        for (int i = 0; i < kStationCount; ++i) {
            int held = -1;
            if (m_adStationX[i] < xLeft) held = kStationLeftCritical;
            if (m_adStationX[i] > xRight) held = kStationRightCritical;
            if (held < 0) continue;
            m_aFactoredShearMagnitude[i][j] = m_aFactoredShearMagnitude[held][j];
            m_aFactoredWork1[i][j] = m_aFactoredWork1[held][j];
            m_aFactoredWork2[i][j] = m_aFactoredWork2[held][j];
        }

        if (!continuous) continue;
        if (j == kStrengthINegative) {
            for (int i = 0; i < kStationCount; ++i) {
                const LoadEffectRecord& M = m_aMoment[i];
                m_aFactoredMomentEnvelope[i][j] =
                    eta * (F.gammaDC * (M[kCaseBarriers] + M[kCaseOtherComposite]) +
                           F.gammaDW * M[kCaseWearingSurface] + gRM * M[kCaseRestraintNegative] +
                           F.gammaLL * (M[kCaseLiveLoadNegative] + M[kCasePedestrian]));
            }
            ComputePierMoments();
        } else if (j == kStrengthIINegative) {
            for (int i = 0; i < kStationCount; ++i) {
                const LoadEffectRecord& M = m_aMoment[i];
                m_aFactoredMomentEnvelope[i][j] =
                    eta *
                    (F.gammaDC * (M[kCaseBarriers] + M[kCaseOtherComposite]) +
                     F.gammaDW * M[kCaseWearingSurface] + gRM * M[kCaseRestraintNegative] +
                     F.gammaLL * (m_aVehicle2Moment[i][kVehicleNegative] + M[kCasePedestrian]));
            }
        }
    }

    for (int i = 0; i < kStationCount; ++i) {
        const double* Mu = m_aMuFlexure[i];
        const double* Vu = m_aFactoredShearMagnitude[i];
        m_adVuStrengthI[i] =
            LargerPreferSecond(std::abs(Vu[kStrengthIPositive]), std::abs(Vu[kStrengthINegative]));
        m_adMuStrengthI[i] = continuous && Mu[kStrengthINegative] < kNegativeMomentThreshold
                                 ? Mu[kStrengthINegative]
                                 : Mu[kStrengthIPositive];
        m_adVuStrengthII[i] = LargerPreferSecond(std::abs(Vu[kStrengthIIPositive]),
                                                 std::abs(Vu[kStrengthIINegative]));
        m_adMuStrengthII[i] = continuous && Mu[kStrengthIINegative] < kNegativeMomentThreshold
                                  ? Mu[kStrengthIINegative]
                                  : Mu[kStrengthIIPositive];

        m_aMuStrengthI[i][kStrengthMomentPositive] = Mu[kStrengthIPositive];
        m_aMuStrengthII[i][kStrengthMomentPositive] = Mu[kStrengthIIPositive];
        m_aMuStrengthIEnd[i][kStrengthMomentNegativeComposite] =
            m_aFactoredMomentEnvelope[i][kStrengthINegative];
        m_aMuStrengthIIEnd[i][kStrengthMomentNegativeComposite] =
            m_aFactoredMomentEnvelope[i][kStrengthIINegative];

        if (withStrengthII) {
            m_aMuFlexure[i][kStrengthIPositive] = LargerPreferSecond(
                m_aMuFlexure[i][kStrengthIPositive], m_aMuFlexure[i][kStrengthIIPositive]);
            m_aFactoredShearMagnitude[i][kStrengthIPositive] =
                LargerPreferSecond(m_aFactoredShearMagnitude[i][kStrengthIPositive],
                                   m_aFactoredShearMagnitude[i][kStrengthIIPositive]);
            double& negative = m_aFactoredMomentEnvelope[i][kStrengthINegative];
            negative = std::min(negative, m_aFactoredMomentEnvelope[i][kStrengthIINegative]);
            const bool second = m_adVuStrengthII[i] >= m_adVuStrengthI[i];
            m_adVu[i] = second ? m_adVuStrengthII[i] : m_adVuStrengthI[i];
            m_adMu[i] = second ? m_adMuStrengthII[i] : m_adMuStrengthI[i];
        } else {
            m_adVu[i] = m_adVuStrengthI[i];
            m_adMu[i] = m_adMuStrengthI[i];
        }

        // Shear design: the moment pair (governing moment, shear acting with it) and the shear
        // pair (governing shear, moment acting with it), each from the group that governs.
        auto momentPair = [&](int j) {
            m_aFactoredForShear1[i][kShearDesignGoverning] = m_aFactoredMomentByGroup[i][j];
            m_aFactoredForShear2[i][kShearDesignConcurrent] = std::abs(m_aFactoredWork1[i][j]);
        };
        auto shearPair = [&](int j) {
            m_aFactoredForShear2[i][kShearDesignGoverning] = std::abs(m_aFactoredWork2[i][j]);
            m_aFactoredForShear1[i][kShearDesignConcurrent] = m_aFactoredWork3[i][j];
        };
        momentPair(kStrengthIPositive);
        if (std::abs(m_aFactoredMomentByGroup[i][kStrengthINegative]) >=
            std::abs(m_aFactoredMomentByGroup[i][kStrengthIPositive]))
            momentPair(kStrengthINegative);
        shearPair(kStrengthIPositive);
        if (std::abs(m_aFactoredWork2[i][kStrengthINegative]) >=
            std::abs(m_aFactoredWork2[i][kStrengthIPositive]))
            shearPair(kStrengthINegative);
        if (withStrengthII) {
            for (const int j : {kStrengthIIPositive, kStrengthIINegative}) {
                if (std::abs(m_aFactoredMomentByGroup[i][j]) >
                    std::abs(m_aFactoredForShear1[i][kShearDesignGoverning]))
                    momentPair(j);
                if (std::abs(m_aFactoredWork2[i][j]) >
                    m_aFactoredForShear2[i][kShearDesignGoverning])
                    shearPair(j);
            }
        }
    }
}

void CKordelDoc::ComputePierMoments() {
    const int s = CurrentSpanSlot();
    if (s == 0) return;
    auto pierMoment = [&](int point) {
        const double* S = m_aSpanEnvelope1[s][point];
        double LL = S[kSpanDesignMin];  // kip-ft
        if (m_bIncludeStrengthII != 0) {
            const double v1 = m_aSpanEnvelope5[s][point][kSpanDesignMin];
            const double v2 = m_aSpanEnvelope9[s][point][kSpanDesignMin];
            LL = std::abs(v1) > std::abs(v2) ? v1 : v2;
        }
        return m_dStrengthIDeadLoadFactor * (S[kSpanBarrier] + S[kSpanOtherComposite]) +
               m_dStrengthIWearingSurfaceFactor * S[kSpanWearingSurface] +
               m_dRestrainingMomentFactor * S[kSpanValue17] +
               m_dStrengthILiveLoadFactor * (LL + S[kSpanPedestrian]) +
               m_dStrengthIRestraintFactor * S[kSpanValue14];
    };
    m_dLeftPierMoment = pierMoment(0);
    m_dRightPierMoment = pierMoment(kSpanTenthPoints - 1);
}

}  // namespace kordel
