// Girder and composite section properties at every station: the kern points, the modular ratios,
// the developed strand area, the effective deck widths, the seven section cases with their
// section moduli, and the web width.
#pragma once

#include "document/model_limits.h"

namespace kordel {

/// Section cases of m_adAreaAtStation, m_adCentroidAtStation and m_adInertiaAtStation
/// (kSectionCaseCount). The deck and haunch are in cases 1, 2, 5 and 6 also when the deck is not
/// composite (then with the modular ratio 1); the stages that use them choose by the composite
/// flag and the load stage. The text report prints 0 to 2 as gross, 3 to 6 as transformed.
enum SectionCase : int {
    kSectionCaseGirder = 0,              ///< girder alone at the station, no strands
    kSectionCaseDeck = 1,                ///< + haunch + deck (t_s, m_dEffFlangeWidth), times n_d
    kSectionCaseOverlay = 2,             ///< + haunch + deck and overlay in one layer, times n_d
    kSectionCaseRelease = 3,             ///< girder + strands transformed with Ep/Eci - 1
    kSectionCaseFinal = 4,               ///< girder + strands transformed with Ep/Ec - 1
    kSectionCaseTransformedDeck = 5,     ///< case 4 + haunch + deck as in case 1
    kSectionCaseTransformedOverlay = 6,  ///< case 4 + haunch + deck with overlay as in case 2
};

/// Fibres of the section moduli, four per section case.
enum SectionFibre : int {
    kFibreGirderBottom = 0,  ///< I / yb
    kFibreGirderTop = 1,     ///< I / (h - yb)
    kFibreDeckTop = 2,       ///< I / ((h + t_h + t_s - yb) n_d), a stress in deck concrete
    kFibreOverlayTop = 3,    ///< I / ((hc - yb) n_d)
};
inline constexpr int kSectionFibreCount = 4;
/// Section moduli per station: fibre f of case k in slot 4 k + f.
inline constexpr int kSectionModulusSlots = kSectionCaseCount * kSectionFibreCount;

/// Slot of m_adSectionModulusAtStation for fibre `fibre` (SectionFibre) of case `sectionCase`.
inline constexpr int SectionModulusSlot(int sectionCase, int fibre) {
    return kSectionFibreCount * sectionCase + fibre;
}

struct SectionResults {
    // ---- Kern points and modular ratios -------------------------------------------------------
    double m_dKernLower = 0;  ///< lower kern point yb - St/A of the gross girder, in above bottom
    double m_dKernUpper = 0;  ///< upper kern point yb + Sb/A of the gross girder, in above bottom
    double m_dTransformFactorRelease = 0;  ///< Ep/Eci - 1, strands into girder concrete at release
    double m_dTransformFactorFinal = 0;    ///< Ep/Ec - 1, strands into girder concrete at final
    /// Ed / Eb, deck modulus over girder modulus; 1.0 when the deck is not composite.
    double m_dDeckModularRatio = 0;

    // ---- Developed strands ----------------------------------------------------------------------
    /// Developed strand (and tendon) area at the girder's effective stress, in2 [station].
    double m_adDevelopedStrandArea[kStationCount] = {};
    /// Centroid height of that area above the girder bottom, in [station]; kept from the last run
    /// where the area is 0.
    double m_adDevelopedStrandCg[kStationCount] = {};

    // ---- Effective flange widths ----------------------------------------------------------------
    double m_dEffFlangeWidth = 0;   ///< effective width of the deck, in (report column "Deck")
    double m_dEffFlangeWidth2 = 0;  ///< effective width of deck and overlay, in ("Overlay")

    // ---- Section properties per station and case ------------------------------------------------
    /// Area, in2 [station][SectionCase].
    double m_adAreaAtStation[kStationCount][kSectionCaseCount] = {};
    /// Centroid height above the girder bottom, in [station][SectionCase].
    double m_adCentroidAtStation[kStationCount][kSectionCaseCount] = {};
    /// Moment of inertia about the case's centroid, in4 [station][SectionCase].
    double m_adInertiaAtStation[kStationCount][kSectionCaseCount] = {};
    /// Section moduli, in3 [station][SectionModulusSlot(case, fibre)]. Slots 2, 3, 7, 14, 15, 18,
    /// 19 and 23 (fibres a case does not have) are never written.
    double m_adSectionModulusAtStation[kStationCount][kSectionModulusSlots] = {};
    double m_adWebWidthAtStation[kStationCount] = {};  ///< web width bw, in [station]
};

}  // namespace kordel
