// The creep and shrinkage stage: the yield strengths capped for design, the strain limits of the
// longitudinal bars, the moduli of elasticity of girder and deck, the concrete density factors
// and, for the detailed loss method, the creep coefficients and shrinkage strains of girder and
// deck. US units only: ksi, kcf, in, days, percent.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <optional>
#include <set>
#include <string>

#include "document/kordel_doc.h"
#include "engine/core/aashto_creep_shrinkage.h"
#include "platform/host.h"

namespace kordel {

namespace {

/// Highest yield strength of the bars used in design, ksi (AASHTO LRFD 7th ed. Art. 5.4.3.1).
constexpr double kMaxDesignBarFy = 100.0;

/// m_nEcMethod: how the moduli are obtained.
constexpr int kEcByHighStrengthFormula = 2;  ///< 1265 sqrt(f) + 1000 for Eci and Ec
constexpr int kEcSpecified = 3;              ///< as entered; any other value: the code equation

/// Share of f'c taken as the strength at loading of the deck concrete, whose f'ci is not an
/// input (AASHTO LRFD 6th ed. Art. 5.4.2.3.2: f'ci may be taken as 0.80 f'c).
constexpr double kDeckFciShare = 0.8;

/// The deck V/S as it is kept: to 0.01 in, the whole part of (V/S + 0.005) x 100 over 100;
/// nullopt when there is none or it is not finite.
std::optional<double> RoundDeckVolumeToSurface(std::optional<double> VS) {
    if (!VS) return std::nullopt;
    const double rounded = std::trunc((*VS + 0.005) * 100.0) / 100.0;  // in
    if (!std::isfinite(rounded)) return std::nullopt;
    return rounded;
}

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

/// The messages of one run of the stage: each distinct text is shown once through the host,
/// then the run goes on with the neutral value.
class StageMessages {
  public:
    /// `value` when there is one, else `neutral` after showing `text`.
    double Take(std::optional<double> value, double neutral, const std::string& text) {
        if (value) return *value;
        Show(text);
        return neutral;
    }

    void Show(const std::string& text) {
        if (m_shown.insert(text).second) platform::ShowMessage(text);
    }

  private:
    std::set<std::string> m_shown;
};

/// Builds the creep and shrinkage records of one run from the inputs they share. A factor that
/// cannot be computed is shown and taken as 0, so the coefficient or strain it enters is 0.
class RecordBuilder {
  public:
    RecordBuilder(StageMessages& messages, double H, double fci, ConcreteEdition edition)
        : m_messages(messages), m_H(H), m_fci(fci), m_edition(edition) {}

    /// psi(t, tLoad) of a concrete with volume-to-surface ratio VS (in) and strength f (ksi) in
    /// kf; ktd always uses the girder's f'ci.
    CreepCoefficient Creep(double t, double tLoad, double VS, double f) {
        const double kvs = Kvs(VS);
        const double khc = m_messages.Take(
            CreepHumidityFactor(m_H), 0.0,
            Format("Creep: the humidity factor khc cannot be computed for H = %g percent; "
                   "khc is taken as 0.",
                   m_H));
        const double kf = Kf(f);
        const double ktd = Ktd(t);
        const double psi = m_messages.Take(
            CreepCoefficientPsi(kvs, khc, kf, ktd, tLoad), 0.0,
            Format("Creep: the creep coefficient cannot be computed for a loading age of %g "
                   "days; psi is taken as 0.",
                   tLoad));
        CreepCoefficient r;
        r.m_fT = Store(t);
        r.m_fTi = Store(tLoad);
        r.m_fKvs = Store(kvs);
        r.m_fKhc = Store(khc);
        r.m_fKf = Store(kf);
        r.m_fKtd = Store(ktd);
        r.m_fPsi = Store(psi);
        return r;
    }

    /// eps_sh over time t of a concrete with volume-to-surface ratio VS (in) and strength f
    /// (ksi) in kf; ktd always uses the girder's f'ci.
    ShrinkageStrain Shrinkage(double t, double VS, double f) {
        const double kvs = Kvs(VS);
        const double khs = m_messages.Take(
            ShrinkageHumidityFactor(m_H), 0.0,
            Format("Shrinkage: the humidity factor khs cannot be computed for H = %g percent; "
                   "khs is taken as 0.",
                   m_H));
        const double kf = Kf(f);
        const double ktd = Ktd(t);
        const double strain = m_messages.Take(ShrinkageStrainEpsilon(kvs, khs, kf, ktd), 0.0,
                                              "Shrinkage: the shrinkage strain cannot be "
                                              "computed; it is taken as 0.");
        ShrinkageStrain r;
        r.m_fT = Store(t);
        r.m_fKvs = Store(kvs);
        r.m_fKhs = Store(khs);
        r.m_fKf = Store(kf);
        r.m_fKtd = Store(ktd);
        r.m_fStrain = Store(strain);
        return r;
    }

    /// `v` in single precision; a value beyond its range is shown and stored as 0.
    float Store(double v) {
        if (std::isfinite(v) &&
            std::abs(v) <= static_cast<double>(std::numeric_limits<float>::max())) {
            return static_cast<float>(v);
        }
        m_messages.Show(
            Format("Creep and shrinkage: the value %g is out of range; it is taken as 0.", v));
        return 0.0f;
    }

  private:
    double Kvs(double VS) {
        return m_messages.Take(
            VolumeToSurfaceFactor(VS), 0.0,
            Format("Creep and shrinkage: the factor ks cannot be computed for V/S = %g in; ks "
                   "is taken as 0.",
                   VS));
    }
    double Kf(double f) {
        return m_messages.Take(
            ConcreteStrengthFactor(f), 0.0,
            Format("Creep and shrinkage: kf = 5/(1 + f'ci) cannot be computed for f'ci = %g "
                   "ksi; kf is taken as 0.",
                   f));
    }
    double Ktd(double t) {
        return m_messages.Take(
            TimeDevelopmentFactor(t, m_fci, m_edition), 0.0,
            Format("Creep and shrinkage: the time-development factor ktd cannot be computed "
                   "for t = %g days and f'ci = %g ksi; ktd is taken as 0.",
                   t, m_fci));
    }
    StageMessages& m_messages;
    double m_H;    // relative humidity, percent
    double m_fci;  // f'ci of the girder, ksi
    ConcreteEdition m_edition;
};

}  // namespace

void CKordelDoc::ComputeCreepShrinkage() {
    StageMessages messages;
    const ConcreteEdition edition = ConcreteEditionOf(m_nSpecEdition);

    // Yield strengths used in design.
    m_dLongitudinalFy = std::min(m_dLongitudinalFy, kMaxDesignBarFy);
    m_dStirrupFy = std::min(m_dStirrupFy, kMaxDesignBarFy);

    // Strain limits of the longitudinal bars and the c/dt ratios at them.
    const ReinforcementStrainLimits limits = StrainLimits(m_dLongitudinalFy);
    m_dStrainLimitCompression = limits.eps_cl;
    m_dStrainLimitTension = limits.eps_tl;
    const double eps_cu = m_dConcreteUltimateStrain;
    const std::string cdtMessage = Format(
        "The usable concrete strain ecu = %g gives no c/dt limits for flexure; they are taken "
        "as 0.",
        eps_cu);
    m_dCdtCompressionLimit =
        messages.Take(DepthRatioAtStrain(eps_cu, limits.eps_cl), 0.0, cdtMessage);
    m_dCdtTensionLimit = messages.Take(DepthRatioAtStrain(eps_cu, limits.eps_tl), 0.0, cdtMessage);

    // Moduli of elasticity, unless entered.
    if (m_nEcMethod != kEcSpecified) {
        const auto byCode = [&](const char* name, double f, double w, double K) {
            return messages.Take(ConcreteModulus(f, w, K, edition), 0.0,
                                 Format("%s cannot be computed for a strength of %g ksi and a "
                                        "unit weight of %g kcf; %s is taken as 0.",
                                        name, f, w, name));
        };
        if (m_nEcMethod == kEcByHighStrengthFormula) {
            const auto byHs = [&](const char* name, double f) {
                return messages.Take(HighStrengthConcreteModulus(f), 0.0,
                                     Format("%s cannot be computed by the HS formula for a "
                                            "strength of %g ksi; %s is taken as 0.",
                                            name, f, name));
            };
            m_dBeamEci = byHs("Eci", m_dBeamFci);
            m_dBeamEc = byHs("Ec", m_dBeamFc);
        } else {
            m_dBeamEci = byCode("Eci", m_dBeamFci, m_dEcUnitWeight, m_dEcFactor);
            m_dBeamEc = byCode("Ec", m_dBeamFc, m_dEcUnitWeight, m_dEcFactor);
        }
        m_dDeckEc = byCode("Ect", m_dDeckFc, m_dWct, m_dEctFactor);
    }

    // Concrete density modification factors: the 7th edition's lambda, else 1.0.
    if (edition == ConcreteEdition::Lrfd7th) {
        const auto lambda = [&](double w) {
            return messages.Take(ConcreteDensityFactor(w), 1.0,
                                 Format("The density factor lambda cannot be computed for a "
                                        "unit weight of %g kcf; lambda is taken as 1.0.",
                                        w));
        };
        m_dLambdaGirder = lambda(m_dBeamDensity);
        m_dLambdaDeck = lambda(m_dDeckDensity);
    } else {
        m_dLambdaGirder = 1.0;
        m_dLambdaDeck = 1.0;
    }

    // Creep coefficients and shrinkage strains, for the detailed loss method only; with any
    // other method the records keep what they hold.
    if (m_nLossMethod != kLossLrfd6thDetailed) return;

    const double ti = m_dTransferAge;                  // girder age at transfer, days
    const double td = m_dAgeAtDeckCasting;             // girder age at deck placement, days
    const double tf = m_dFinalAge;                     // girder age at the end of service, days
    const double fci = m_dBeamFci;                     // ksi
    const double fciDeck = kDeckFciShare * m_dDeckFc;  // ksi
    RecordBuilder build(messages, m_dRelativeHumidity, fci, edition);

    m_recCreepGirderFinalFromTransfer = build.Creep(tf - ti, ti, m_dVolumeToSurface, fci);
    m_recCreepGirderDeckFromTransfer = build.Creep(td - ti, ti, m_dVolumeToSurface, fci);
    m_recCreepGirderFinalFromDeck = build.Creep(tf - ti, td, m_dVolumeToSurface, fci);
    m_recShrinkGirderTransferToFinal = build.Shrinkage(tf - ti, m_dVolumeToSurface, fci);
    m_recShrinkGirderTransferToDeck = build.Shrinkage(td - ti, m_dVolumeToSurface, fci);
    m_fShrinkGirderDeckToFinal =
        build.Store(static_cast<double>(m_recShrinkGirderTransferToFinal.m_fStrain) -
                    static_cast<double>(m_recShrinkGirderTransferToDeck.m_fStrain));

    if (m_bCompositeDeck == 0) return;
    if (m_nDeckVolumeToSurfaceMode != 0) {
        m_dDeckVolumeToSurface = messages.Take(
            RoundDeckVolumeToSurface(
                DeckVolumeToSurface(m_dDeckWidth, m_dDeckThickness, m_dTopFlangeWidth)),
            0.0,
            Format("The deck V/S cannot be computed for a deck %g in wide and %g in thick on a "
                   "top flange %g in wide; V/S is taken as 0.",
                   m_dDeckWidth, m_dDeckThickness, m_dTopFlangeWidth));
    }
    m_recCreepDeckFinal = build.Creep(tf - ti, ti, m_dDeckVolumeToSurface, fciDeck);
    m_recShrinkDeckToFinal = build.Shrinkage(tf - td, m_dDeckVolumeToSurface, fciDeck);
}

}  // namespace kordel
