// The section-property stage: kern points and modular ratios, the developed strand area at every
// station, the effective deck widths, the seven section cases with their section moduli at every
// station, and the net section about its vertical axis for the handling checks. Lengths in
// inches, areas in2, moduli of elasticity ksi; the span and the girder spacing in ft.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <optional>
#include <string>

#include "document/kordel_doc.h"
#include "engine/core/aashto_section.h"
#include "platform/host.h"

namespace kordel {
namespace {

/// Share of the pull stress taken as the strands' effective stress in the transformed sections
/// (an allowance for the losses before the stresses are known).
constexpr double kEffectiveStressShare = 0.8;
/// Margin that puts the development length just beyond the transfer length, ft, and the full
/// stress just above the effective stress, ksi: every strand counts in proportion to its bond over
/// the transfer length and practically in full beyond it.
constexpr double kDevelopmentMargin = 0.01;

/// Kinds of message of the stage; each is shown at most once a run, for its first occurrence.
enum class SectionMessage {
    Kern,
    TransformRelease,
    TransformFinal,
    DeckRatio,
    CaltransSpan,
    NoArea,
    Modulus,
    WeakAxis,
    Count,
};

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

/// The messages of one run. A design with no girder section yet (the blank design of File New)
/// has nothing to report: its results take their neutral values silently.
class StageMessages {
  public:
    explicit StageMessages(bool quiet) : m_quiet(quiet) {}

    void Show(SectionMessage kind, const std::string& text) {
        bool& shown = m_shown[static_cast<int>(kind)];
        if (m_quiet || shown) return;
        shown = true;
        platform::ShowMessage(text);
    }

  private:
    bool m_quiet;
    std::array<bool, static_cast<int>(SectionMessage::Count)> m_shown{};
};

/// m_nGirderLocation of a girder next to the deck edge.
constexpr int kExteriorGirder = 2;

/// True while a weak-axis property still asks to be computed: 1 or less, or not a number.
bool NeedsComputing(double v) {
    return !(v > 1.0 && std::isfinite(v));
}

}  // namespace

void CKordelDoc::ComputeSectionProperties() {
    StageMessages messages(m_dSectionArea == 0.0 && m_nOutlinePointCount == 0);
    const double h = m_dSectionHeight;                                // girder height, in
    const double ts = m_dDeckThickness - m_dWearingSurfaceThickness;  // structural deck, in
    const double t2 = ts + m_dOverlayThickness;                       // deck and overlay, in
    const double th = m_dHaunchThickness;                             // in
    const double hc = m_dCompositeHeight;                             // in

    // Kern points of the stored gross section.
    if (const auto k = KernPointsOf(m_dSectionArea, m_dSectionYb, m_dSectionIxx, h)) {
        m_dKernLower = k->lower;
        m_dKernUpper = k->upper;
    } else {
        messages.Show(SectionMessage::Kern,
                      Format("The kern points cannot be computed for a girder area of %g in2, a "
                             "centroid %g in above the bottom and a height of %g in; they are "
                             "taken at the centroid.",
                             m_dSectionArea, m_dSectionYb, h));
        m_dKernLower = m_dSectionYb;
        m_dKernUpper = m_dSectionYb;
    }

    // Modular ratios.
    if (const auto f = StrandTransformFactor(m_dStrandEp, m_dBeamEci)) {
        m_dTransformFactorRelease = *f;
    } else {
        messages.Show(SectionMessage::TransformRelease,
                      Format("Ep/Eci - 1 cannot be computed for Eci = %g ksi; the strands are not "
                             "transformed into the girder at release.",
                             m_dBeamEci));
        m_dTransformFactorRelease = 0.0;
    }
    if (const auto f = StrandTransformFactor(m_dStrandEp, m_dBeamEc)) {
        m_dTransformFactorFinal = *f;
    } else {
        messages.Show(SectionMessage::TransformFinal,
                      Format("Ep/Ec - 1 cannot be computed for Ec = %g ksi; the strands are not "
                             "transformed into the girder at final.",
                             m_dBeamEc));
        m_dTransformFactorFinal = 0.0;
    }
    if (const auto n = DeckModularRatio(m_dDeckEc, m_dBeamEc, m_bCompositeDeck != 0)) {
        m_dDeckModularRatio = *n;
    } else {
        messages.Show(SectionMessage::DeckRatio,
                      Format("The deck modular ratio Ec,deck/Ec cannot be computed for a girder "
                             "Ec of %g ksi; it is taken as 1.",
                             m_dBeamEc));
        m_dDeckModularRatio = 1.0;
    }
    const double nd = m_dDeckModularRatio;

    // Developed strand area at the effective stress 0.8 x pull stress.
    const double lt = m_dTransferLength;                                        // ft
    const double fe0 = kEffectiveStressShare * m_dPullFraction * m_dStrandFpu;  // ksi
    ComputeStrandDevelopment(h, m_aStrandGroup, m_adDevelopedStrandArea, m_adDevelopedStrandCg, lt,
                             fe0, lt + kDevelopmentMargin, lt + kDevelopmentMargin,
                             fe0 + kDevelopmentMargin);

    // Effective flange widths.
    switch (m_nEffWidthMethod) {
        case kEffWidthAashto:
            if (IsLrfd(m_nSpecification)) {
                m_dEffFlangeWidth = m_dDeckWidth;
                m_dEffFlangeWidth2 = m_dDeckWidth;
            } else {
                const EffectiveWidths w =
                    StandardEffectiveWidths(m_dDesignSpan, m_dDeckWidth, ts, t2,
                                            m_dTopFlangeThickness, m_dTopFlangeWidth, m_dBwo);
                m_dEffFlangeWidth = w.deck;
                m_dEffFlangeWidth2 = w.overlay;
            }
            break;
        case kEffWidthCaltrans: {
            const CaltransDeck deck{m_dDesignSpan,     m_dBeamSpacing,
                                    m_dSkewAngle,      m_nGirderLocation == kExteriorGirder,
                                    m_dDeckWidth,      ts,
                                    m_dTopFlangeWidth, m_dBwo};
            if (const auto w = CaltransEffectiveWidth(deck)) {
                m_dEffFlangeWidth = *w;
            } else {
                messages.Show(SectionMessage::CaltransSpan,
                              Format("The Caltrans effective deck width needs a design span; "
                                     "the deck width of %g in is taken.",
                                     m_dDeckWidth));
                m_dEffFlangeWidth = m_dDeckWidth;
            }
            m_dEffFlangeWidth2 = m_dEffFlangeWidth;
            break;
        }
        case kEffWidthUser:
            m_dEffFlangeWidth = m_dUserEffWidth;
            m_dEffFlangeWidth2 = m_dUserEffWidth;
            break;
        default:
            break;  // an unknown method leaves the widths as they were
    }

    // The seven section cases at every station; the deck and overlay layers are m_dEffFlangeWidth
    // x t_s and m_dEffFlangeWidth2 x t_2 (the overlay taken with the deck as one layer).
    const SectionPart haunch = TransformedLayer(m_dHaunchWidth, th, h, nd);
    const SectionPart deck = TransformedLayer(m_dEffFlangeWidth, ts, h + th, nd);
    const SectionPart overlay = TransformedLayer(m_dEffFlangeWidth2, t2, h + th, nd);
    const int nGroups = std::clamp(m_nStrandGroupCount, 0, kMaxStrandGroups);
    const int nTendons = std::clamp(m_nTendonCount, 0, kMaxTendons);
    std::array<SectionPart, kMaxStrandGroups + kMaxTendons> steel{};

    for (int i = 0; i < kStationCount; ++i) {
        double* area = m_adAreaAtStation[i];
        double* centroid = m_adCentroidAtStation[i];
        double* inertia = m_adInertiaAtStation[i];
        double* modulus = m_adSectionModulusAtStation[i];

        const auto store = [&](int k, const SectionPart& s) {
            area[k] = s.A;
            centroid[k] = s.y;
            inertia[k] = s.I;
        };
        const auto part = [&](int k) { return SectionPart{area[k], centroid[k], inertia[k]}; };
        // Section modulus of fibre `fibre` of case k, the fibre at distance c from the centroid
        // in concrete of modular ratio n.
        const auto setModulus = [&](int k, int fibre, double c, double n) {
            const std::optional<double> S = SectionModulus(inertia[k], c, n);
            if (!S) {
                messages.Show(SectionMessage::Modulus,
                              Format("A section modulus of section case %d at station %d cannot "
                                     "be computed (I = %g in4, the fibre %g in from the "
                                     "centroid); it is taken as 0.",
                                     k, i, inertia[k], c * n));
            }
            modulus[SectionModulusSlot(k, fibre)] = S.value_or(0.0);
        };
        const auto setModuli = [&](int k, bool deckFibres) {
            const double yb = centroid[k];
            setModulus(k, kFibreGirderBottom, yb, 1.0);
            setModulus(k, kFibreGirderTop, h - yb, 1.0);
            if (!deckFibres) return;
            setModulus(k, kFibreDeckTop, h + th + ts - yb, nd);
        };
        // A case without area keeps the section it is built on.
        const auto orBase = [&](const std::optional<SectionPart>& s, int k, int base) {
            if (s) return *s;
            messages.Show(SectionMessage::NoArea,
                          Format("Section case %d at station %d has no area; it is given the "
                                 "properties of section case %d.",
                                 k, i, base));
            return part(base);
        };

        // Case 0: the girder alone.
        double A0 = 0.0;  // in2
        double y0 = 0.0;  // in
        double I0 = 0.0;  // in4
        double bw = 0.0;  // in
        GetStationSectionProps(i, 0, A0, y0, I0, bw);
        store(kSectionCaseGirder, {A0, y0, I0});
        m_adWebWidthAtStation[i] = bw;
        setModuli(kSectionCaseGirder, false);

        // Cases 1 and 2: the girder with the deck, without and with the overlay.
        const SectionPart girder = part(kSectionCaseGirder);
        const SectionPart withDeck[] = {girder, haunch, deck};
        const SectionPart withOverlay[] = {girder, haunch, overlay};
        store(kSectionCaseDeck,
              orBase(ComposeSection(withDeck), kSectionCaseDeck, kSectionCaseGirder));
        store(kSectionCaseOverlay,
              orBase(ComposeSection(withOverlay), kSectionCaseOverlay, kSectionCaseGirder));
        setModuli(kSectionCaseDeck, true);
        setModuli(kSectionCaseOverlay, true);
        setModulus(kSectionCaseOverlay, kFibreOverlayTop, hc - centroid[kSectionCaseOverlay], nd);

        // Cases 3 and 4: the strand groups and tendons transformed into the girder.
        int nSteel = 0;
        for (int g = 0; g < nGroups; ++g) {
            const StrandDevelopment& r = m_aStrandRowDevelopment[g];
            steel[nSteel++] = {r[kDevArea + i], r[kDevElevation + i], 0.0};
        }
        for (int t = 0; t < nTendons; ++t) {
            const StrandDevelopment& r = m_aTendonDevelopment[t];
            steel[nSteel++] = {r[kDevArea + i], r[kDevElevation + i], 0.0};
        }
        const std::span<const SectionPart> bars(steel.data(), nSteel);
        const double As = m_adDevelopedStrandArea[i];  // in2
        const double ys = m_adDevelopedStrandCg[i];    // in
        store(kSectionCaseRelease,
              orBase(TransformStrands(girder, m_dTransformFactorRelease, As, ys, bars),
                     kSectionCaseRelease, kSectionCaseGirder));
        store(kSectionCaseFinal,
              orBase(TransformStrands(girder, m_dTransformFactorFinal, As, ys, bars),
                     kSectionCaseFinal, kSectionCaseGirder));
        setModuli(kSectionCaseRelease, false);
        setModuli(kSectionCaseFinal, false);

        // Cases 5 and 6: the transformed girder with the deck, without and with the overlay.
        const SectionPart transformed = part(kSectionCaseFinal);
        const SectionPart transformedDeck[] = {transformed, haunch, deck};
        const SectionPart transformedOverlay[] = {transformed, haunch, overlay};
        store(kSectionCaseTransformedDeck, orBase(ComposeSection(transformedDeck),
                                                  kSectionCaseTransformedDeck, kSectionCaseFinal));
        store(kSectionCaseTransformedOverlay,
              orBase(ComposeSection(transformedOverlay), kSectionCaseTransformedOverlay,
                     kSectionCaseFinal));
        setModuli(kSectionCaseTransformedDeck, true);
        setModuli(kSectionCaseTransformedOverlay, true);
        setModulus(kSectionCaseTransformedOverlay, kFibreOverlayTop,
                   hc - centroid[kSectionCaseTransformedOverlay], nd);
    }

    // The net section about its vertical axis, while it is not given.
    const WeakAxisParts weak =
        WeakAxisPartsOf(m_nOutlinePointCount, m_adOutline, m_nVoidPointCount, m_adVoidOutline,
                        m_nCircularVoidCount, m_adCircularVoid);
    if (NeedsComputing(m_dOutlineWidth)) m_dOutlineWidth = weak.width;
    bool haveXbar = true;
    if (NeedsComputing(m_dSectionXbar)) {
        const std::optional<double> xbar = WeakAxisCentroid(weak);
        haveXbar = xbar.has_value();
        m_dSectionXbar = xbar.value_or(0.0);
    }
    if (NeedsComputing(m_dSectionIyy)) {
        m_dSectionIyy = haveXbar ? WeakAxisInertia(weak, m_dSectionXbar) : 0.0;
    }
    if (!haveXbar) {
        messages.Show(SectionMessage::WeakAxis,
                      "The net girder section has no area: its horizontal centroid is taken as "
                      "0, and so is its moment of inertia about the vertical axis unless it is "
                      "given.");
    }

    // Iyy to the nearest whole in4, halves going up, whether computed or given.
    m_dSectionIyy = std::floor(m_dSectionIyy + 0.5);
}

}  // namespace kordel
