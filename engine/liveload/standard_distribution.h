// Live-load distribution factors of the AASHTO Standard Specifications: the girder rule of
// Table 3.23.1, the multi-beam deck rule of Art. 3.23.4 and the spread box beam rule of Art. 3.28.
// Pure functions; CKordelDoc::ComputeDistributionFactors calls them.
//
// The Standard Specifications count wheel lines; every factor here is multiplied by
// kLanesPerWheelLine so that it counts design lanes, as the LRFD factors do. The lever rules are
// those of engine/liveload/aashto_distribution.h, which already count lanes.
#pragma once

namespace kordel {

/// Cross-section type codes of m_nSuperstructureType under the Standard Specifications. Any other
/// code is a girder on a composite deck, or a multi-beam box deck on a non-composite one.
enum StandardSectionType : int {
    kStdGirder = 0,            ///< girders, Table 3.23.1
    kStdMultiBeamSolid = 1,    ///< multi-beam deck, non-voided rectangular beams
    kStdMultiBeamVoided = 2,   ///< multi-beam deck, rectangular beams with circular voids
    kStdMultiBeamBox = 3,      ///< multi-beam deck, box beams
    kStdMultiBeamChannel = 4,  ///< multi-beam deck, channel beams
    kStdSpreadBox = 5,         ///< spread box beams, Art. 3.28
};
inline constexpr int kStdSectionTypeCount = 6;

/// One wheel line is half a design lane.
inline constexpr double kLanesPerWheelLine = 0.5;

/// Name of the Standard cross-section type whose factors were computed; codes outside 0 to 5
/// name the girder when `composite` (m_bCompositeDeck nonzero), else the multi-beam box deck.
const char* StandardSectionTypeName(int code, bool composite);

/// Name of the Standard cross-section type when the user typed the factors; codes outside 0 to 5
/// name the girder.
const char* StandardUserFactorTypeName(int code);

/// Preliminary K of the multi-beam types (codes 1 to 4), used when J is not usable; 0 for the
/// others. AASHTO Standard Specifications 17th ed. Art. 3.23.4.3
double StandardPreliminaryK(int code);

/// Interior girder: S / 7.0 wheel lines for one lane below S = 10 ft, S / 5.5 for two or more
/// lanes below S = 14 ft, the interior lever rule beyond; `leverRule` tells which. Lanes.
/// AASHTO Standard Specifications 17th ed. Art. 3.23.2.2, Table 3.23.1 (prestressed concrete
/// girders) and its footnote (lever rule)
double StandardInteriorGirderFactor(double S, int lanes, bool& leverRule);

/// How C and D of the multi-beam rule are taken.
enum class MultiBeamRule {
    kArticle,     ///< C = K W / L, not more than K; D by the article's formula
    kUnlimitedC,  ///< C = K W / L without a limit; D = 5.75 - 0.5 NL when C > 5.0
};

/// The multi-beam load fraction and its terms.
struct MultiBeamFactor {
    double S;  ///< width of one beam, b / 12, ft
    double C;  ///< stiffness parameter
    double D;  ///< ft
    double g;  ///< S / D wheel lines, as lanes
};

/// Multi-beam deck of beams `b` (in) wide, with K, W and L (ft) and `lanes` NL as a real number.
/// AASHTO Standard Specifications 17th ed. Art. 3.23.4.3
MultiBeamFactor StandardMultiBeamFactor(double b, double K, double W, double L, double lanes,
                                        MultiBeamRule rule);

/// The spread box beam factor and its terms, the inputs raised or lowered to the article's
/// limits.
struct SpreadBoxFactor {
    double NB;  ///< beams, 4 to 10
    double W;   ///< curb-to-curb width, 32 to 66 ft (interior girders)
    double S;   ///< beam spacing, 6.57 to 11.0 ft (interior girders)
    double k;   ///< 0.07 W - NL (0.10 NL - 0.26) - 0.20 NB - 0.12 (interior girders)
    double g;   ///< lanes
};

/// Interior spread box beam: 2 NL / NB + k S / L wheel lines, as lanes.
/// AASHTO Standard Specifications 17th ed. Art. 3.28.1
SpreadBoxFactor StandardSpreadBoxInterior(double Nb, double S, double curbToCurb, double lanes,
                                          double L);

/// Exterior spread box beam: the exterior lever-rule value `leverRule` (lanes), or NL / NB
/// lanes (2 NL / NB wheel lines) when that is not less; W, S and k are left 0.
/// AASHTO Standard Specifications 17th ed. Art. 3.28.2
SpreadBoxFactor StandardSpreadBoxExterior(double Nb, double lanes, double leverRule);

}  // namespace kordel
