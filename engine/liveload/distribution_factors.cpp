// The distribution-factor stage: the wrapper that also tries one loaded lane, one computation
// of the factors (one beam, user factors, the Standard Specifications rules, the LRFD formulas by
// cross-section type with their skew corrections and the one-lane multiple presence), and the
// guards that keep every factor finite.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "document/kordel_doc.h"
#include "engine/liveload/aashto_distribution.h"
#include "engine/liveload/standard_distribution.h"
#include "platform/host.h"

namespace kordel {

namespace {

/// The 7th edition ("LRFD 7th") takes the unit forms of the adjacent beams whatever the
/// connection.
constexpr int kEditionLrfd7 = 4;
/// m_nAgency of the agency that does not reduce moment factors for skew ("Caltrans").
constexpr int kAgencyNoMomentSkewReduction = 1;

/// Highest support number of the per-support arrays: m_nSpans + 1, kept inside the arrays.
int LastSupport(const CKordelDoc& doc) {
    return std::clamp(doc.m_nSpans, 0, kMaxSpans) + 1;
}

/// The span lengths (ft) the LRFD formulas are evaluated for.
struct SpanLengths {
    double L0 = 0;                          ///< the current span
    double left = 0;                        ///< the region of its left support
    double right = 0;                       ///< the region of its right support
    double support[kMaxSupportSlots] = {};  ///< support j in slot j
};

SpanLengths LrfdSpanLengths(const CKordelDoc& doc) {
    SpanLengths s;
    const int last = LastSupport(doc);
    if (doc.m_bContinuous == 0) {
        s.L0 = s.left = s.right = doc.m_dDesignSpan;
        for (int j = 1; j <= last; ++j) s.support[j] = doc.m_dDesignSpan;
        return s;
    }
    const double* L = doc.m_adSpanLength;
    const int c = doc.m_nCurrentSpan;
    const int n = doc.m_nSpans;
    s.L0 = L[c];
    s.left = c > 1 ? (L[c - 1] + L[c]) / 2.0 : L[c];
    s.right = c < n ? (L[c] + L[c + 1]) / 2.0 : L[c];
    for (int j = 1; j <= n + 1; ++j) {
        if (j == 1) {
            s.support[j] = L[1];
        } else if (j == n + 1) {
            s.support[j] = L[n];
        } else {
            s.support[j] = (L[j - 1] + L[j]) / 2.0;
        }
    }
    return s;
}

bool Lrfd(const CKordelDoc& doc) {
    return IsLrfd(doc.m_nSpecification);
}
bool Computed(const CKordelDoc& doc) {
    return doc.m_nDistFactorMode == kValueComputed;
}
bool KnownLrfdType(int code) {
    return code >= 0 && code < kLrfdSectionTypeCount;
}

/// LRFD branches by cross-section type (the codes outside 0 to 9 follow the deck).
enum class LrfdBranch {
    SpreadBox,
    AdjacentComposite,
    AdjacentNonComposite,
    ChannelComposite,
    NonCompositeBeam,
    IBeam
};

LrfdBranch BranchOf(const CKordelDoc& doc) {
    switch (doc.m_nSuperstructureType) {
        case kLrfdSpreadBoxClosed:
        case kLrfdSpreadBoxOpen:
            return LrfdBranch::SpreadBox;
        case kLrfdAdjacentBoxComposite:
            return LrfdBranch::AdjacentComposite;
        case kLrfdAdjacentBoxNonComposite:
        case kLrfdVoidedRectangular:
        case kLrfdSolidRectangular:
            return LrfdBranch::AdjacentNonComposite;
        case kLrfdChannelComposite:
            return LrfdBranch::ChannelComposite;
        case kLrfdChannelNonComposite:
        case kLrfdTeeBeamNonComposite:
            return LrfdBranch::NonCompositeBeam;
        case kLrfdIBeamComposite:
            return LrfdBranch::IBeam;
        default:
            return doc.m_bCompositeDeck == 1 ? LrfdBranch::IBeam : LrfdBranch::AdjacentNonComposite;
    }
}

/// Adjacent non-composite beams act as a unit (MA formulas) rather than by S / D.
bool UnitForm(const CKordelDoc& doc) {
    if (doc.m_bSufficientlyConnected != 0) return true;
    return KnownLrfdType(doc.m_nSuperstructureType) && doc.m_nSpecEdition == kEditionLrfd7;
}

/// The LRFD formulas of the design use I / J (the adjacent-box MA and VA formulas); the shear
/// formulas of the adjacent beams use it in the S / D form as well.
bool UsesIOverJ(const CKordelDoc& doc) {
    const LrfdBranch branch = BranchOf(doc);
    return branch == LrfdBranch::AdjacentComposite || branch == LrfdBranch::AdjacentNonComposite;
}

/// The LRFD formulas of the design use Kg (the I-beam formulas and their skew corrections).
bool UsesKg(const CKordelDoc& doc) {
    const LrfdBranch branch = BranchOf(doc);
    return branch == LrfdBranch::IBeam ||
           (branch == LrfdBranch::NonCompositeBeam && doc.m_bSufficientlyConnected != 0);
}

/// Why the computed factors cannot be formed at all; empty when they can. User factors and the
/// one-beam case need nothing.
std::string UnusableInputs(const CKordelDoc& doc) {
    if (doc.m_nBeams == 1 || !Computed(doc)) return {};
    const char* neutral = " The live-load distribution factors are taken as 1.0.";
    if (doc.m_nBeams < 1) return std::string("The number of beams is less than 1.") + neutral;
    if (Lrfd(doc) && doc.m_bContinuous != 0) {
        if (doc.m_nSpans < 1 || doc.m_nSpans > kMaxSpans || doc.m_nCurrentSpan < 1 ||
            doc.m_nCurrentSpan > doc.m_nSpans) {
            return std::string("The current span is not one of the spans of the girder.") + neutral;
        }
        for (int i = 1; i <= doc.m_nSpans; ++i) {
            if (!(doc.m_adSpanLength[i] > 0.0)) {
                return std::string("A span length is zero or less.") + neutral;
            }
        }
        return {};
    }
    if (!(doc.m_dDesignSpan > 0.0))
        return std::string("The design span is zero or less.") + neutral;
    return {};
}

/// Inputs the computation replaces by a neutral value, one message each.
std::vector<std::string> SubstitutedInputs(const CKordelDoc& doc) {
    std::vector<std::string> messages;
    if (doc.m_nBeams == 1 || !Computed(doc) || !Lrfd(doc) || !UnusableInputs(doc).empty()) {
        return messages;
    }
    if (UsesIOverJ(doc) && !(doc.m_dTorsionConstant > 0.0)) {
        messages.push_back(
            "The torsional constant J of the girder is zero or less. The live-load distribution "
            "factors take I/J from the preliminary K of the section.");
    }
    if (UsesKg(doc) && !(doc.m_dDeckModularRatio > 0.0)) {
        messages.push_back(
            "The modular ratio of the deck is zero or less. The live-load distribution factors "
            "take n = 1.0 in Kg.");
    }
    return messages;
}

// ---- Writing the factors ------------------------------------------------------------------------

/// Moment factors from g(L): the current span and both support regions.
template <class Formula>
void SetMoment(CKordelDoc& doc, const SpanLengths& L, Formula g) {
    doc.m_dDfMoment = g(L.L0);
    doc.m_adDfMomentLeftRight[kDfLeft] = g(L.left);
    doc.m_adDfMomentLeftRight[kDfRight] = g(L.right);
}

/// Fatigue factors from g(L), in the pattern of the moment factors.
template <class Formula>
void SetFatigue(CKordelDoc& doc, const SpanLengths& L, Formula g) {
    doc.m_dDfFatigue = g(L.L0);
    doc.m_adDfFatigueLeftRight[kDfLeft] = g(L.left);
    doc.m_adDfFatigueLeftRight[kDfRight] = g(L.right);
}

/// Shear factors from v(L): the current span and every support.
template <class Formula>
void SetShear(CKordelDoc& doc, const SpanLengths& L, Formula v) {
    doc.m_dDfShear = v(L.L0);
    const int last = LastSupport(doc);
    for (int j = 1; j <= last; ++j) doc.m_adDfShearAtBearing[j] = v(L.support[j]);
}

/// Every factor of one computation equal to one value per family.
void SetAll(CKordelDoc& doc, double moment, double shear, double fatigue) {
    SpanLengths unused;
    SetMoment(doc, unused, [&](double) { return moment; });
    SetFatigue(doc, unused, [&](double) { return fatigue; });
    SetShear(doc, unused, [&](double) { return shear; });
}

/// A family filled with the lever-rule value for every L, and its flag set.
void SetLeverRule(CKordelDoc& doc, const SpanLengths& L, DfFamily family, double value) {
    auto lever = [&](double) { return value; };
    if (family == kDfFamilyMoment) SetMoment(doc, L, lever);
    if (family == kDfFamilyShear) SetShear(doc, L, lever);
    if (family == kDfFamilyFatigue) SetFatigue(doc, L, lever);
    doc.m_anDfLeverRuleFlags[family] = 1;
}

// ---- LRFD ---------------------------------------------------------------------------------------

/// The terms the LRFD formulas of one computation share.
struct LrfdTerms {
    double S;       ///< beam spacing, ft
    double d;       ///< girder depth, in
    double b;       ///< top flange width, in
    double ts;      ///< structural slab depth, in
    double bfac;    ///< b / 48, not less than 1.0
    double de;      ///< exterior web to curb, for the correction factors e, ft
    double W;       ///< bridge width, ft
    double lanes;   ///< NL as a real number
    bool oneLane;   ///< NL is 1
    bool interior;  ///< m_nGirderLocation is 1
    double Kg;      ///< in^4
    double k;       ///< adjacent-box k
    double IoverJ;  ///< I / J, from the preliminary K when J is zero or less
    double LR;      ///< exterior lever rule with de_lever, lanes
    SpanLengths L;
};

/// K of a type with a preliminary K, to m_dDfK; m_bDfApprox 0 when J gave it.
double SetTorsionalK(CKordelDoc& doc, double preliminaryK) {
    bool approximate = true;
    const double K =
        TorsionalK(doc.m_dSectionIxx, doc.m_dTorsionConstant, preliminaryK, approximate);
    doc.m_dDfK = K;
    if (!approximate) doc.m_bDfApprox = 0;
    return K;
}

void MarkLowJ(CKordelDoc& doc) {
    if (!(doc.m_dTorsionConstant > kUsableTorsionConstant)) doc.m_bDfJLow = 1;
}

/// The S / D factor as a formula of L, its C and D of L0 stored for the report.
auto SpacingOverDFormula(CKordelDoc& doc, const LrfdTerms& t, double K) {
    const SpacingOverD atL0 = SpacingOverDFactor(t.S, K, t.W, t.L.L0, t.lanes);
    doc.m_adDfBoxKC[kDfBoxC] = atL0.C;
    doc.m_adDfBoxKC[kDfBoxD] = atL0.D;
    return [S = t.S, K, W = t.W, lanes = t.lanes](double L) {
        return SpacingOverDFactor(S, K, W, L, lanes).g;
    };
}

enum class SkewRule { None, SpreadBox, AdjacentBox, IBeam };

/// Skew corrections of Tables 4.6.2.2.2e-1 and 4.6.2.2.3c-1, applied to whatever the branch
/// stored, with L0 for every factor.
void ApplySkew(CKordelDoc& doc, const LrfdTerms& t, SkewRule rule) {
    if (rule == SkewRule::None) return;
    const double skew = std::fabs(doc.m_dSkewAngle);
    const double tanTheta = SkewTangent(doc.m_dSkewAngle);
    const bool adjustMoment = doc.m_bSkewAdjustMomentDf == 1;
    double CFm = 1.0, c1 = 0.0, CFv = 1.0;
    if (rule == SkewRule::IBeam) {
        if (skew >= kMinSkewForMomentReduction) {
            c1 = IBeamSkewC1(t.Kg, t.L.L0, t.ts, t.S);
            if (adjustMoment) CFm = IBeamSkewMomentFactor(c1, tanTheta);
        }
        if (tanTheta > 0.0) CFv = IBeamSkewShearFactor(t.Kg, t.L.L0, t.ts, tanTheta);
    } else if (skew > 0.0) {
        if (adjustMoment) CFm = BoxSkewMomentFactor(tanTheta);
        CFv = rule == SkewRule::SpreadBox ? SpreadBoxSkewShearFactor(tanTheta, t.L.L0, t.d, t.S)
                                          : AdjacentBoxSkewShearFactor(tanTheta, t.L.L0, t.d);
    }
    if (doc.m_nAgency == kAgencyNoMomentSkewReduction) CFm = 1.0;

    doc.m_dDfMoment *= CFm;
    doc.m_dDfFatigue *= CFm;
    for (int side : {kDfLeft, kDfRight}) {
        doc.m_adDfMomentLeftRight[side] *= CFm;
        doc.m_adDfFatigueLeftRight[side] *= CFm;
    }
    doc.m_dDfShear *= CFv;
    const int last = LastSupport(doc);
    for (int j = 1; j <= last; ++j) doc.m_adDfShearAtBearing[j] *= CFv;
    doc.m_adSkewCorrection[kSkewCFm] = CFm;
    doc.m_adSkewCorrection[kSkewC1] = c1;
    doc.m_adSkewCorrection[kSkewCFv] = CFv;
}

// Table 4.6.2.2.2b-1 and 4.6.2.2.3a-1, (b) and (c): spread box beams.
void LrfdSpreadBox(CKordelDoc& doc, const LrfdTerms& t) {
    const double S = t.S, d = t.d;
    const bool wide = S > kLrfdSpreadBoxMaxSpacing;
    auto MB1 = [=](double L) { return SpreadBoxMomentOneLane(S, d, L); };
    auto MB2 = [=](double L) { return SpreadBoxMomentMultiLane(S, d, L); };
    auto VB1 = [=](double L) { return SpreadBoxShearOneLane(S, d, L); };
    auto VB2 = [=](double L) { return SpreadBoxShearMultiLane(S, d, L); };
    if (t.interior) {
        if (wide) {
            SetLeverRule(doc, t.L, kDfFamilyMoment, t.LR);
            SetLeverRule(doc, t.L, kDfFamilyShear, t.LR);
        } else if (t.oneLane) {
            SetMoment(doc, t.L, MB1);
            SetShear(doc, t.L, VB1);
        } else {
            SetMoment(doc, t.L, MB2);
            SetShear(doc, t.L, VB2);
        }
        SetFatigue(doc, t.L, [&](double L) { return MB1(L) / kFatigueMultiplePresence; });
    } else {
        if (t.oneLane || wide) {
            SetLeverRule(doc, t.L, kDfFamilyMoment, t.LR);
            SetLeverRule(doc, t.L, kDfFamilyShear, t.LR);
        } else {
            const double eM = SpreadBoxMomentE(t.de), eV = SpreadBoxShearE(t.de);
            doc.m_adDfWork[kDfWorkMomentE] = eM;
            doc.m_adDfWork[kDfWorkShearE] = eV;
            SetMoment(doc, t.L, [&](double L) { return eM * MB2(L); });
            SetShear(doc, t.L, [&](double L) { return eV * VB2(L); });
        }
        SetLeverRule(doc, t.L, kDfFamilyFatigue, t.LR);
    }
    ApplySkew(doc, t, SkewRule::SpreadBox);
}

// Table 4.6.2.2.2b-1 and 4.6.2.2.3a-1, (f) and (g): adjacent boxes and rectangular beams, as a
// unit (MA formulas) or by S / D with `K`.
void LrfdAdjacentBeams(CKordelDoc& doc, const LrfdTerms& t, bool unitForm, double K) {
    MarkLowJ(doc);
    const double k = t.k, b = t.b, IoverJ = t.IoverJ;
    auto MA1 = [=](double L) { return AdjacentBoxMomentOneLane(k, b, L, IoverJ); };
    auto MA2 = [=](double L) { return AdjacentBoxMomentMultiLane(k, b, L, IoverJ); };
    auto VA1 = [=](double L) { return AdjacentBoxShearOneLane(b, L, IoverJ); };
    auto VA2 = [=](double L) { return AdjacentBoxShearMultiLane(b, L, IoverJ); };
    // The moment formula of each lane count; S / D serves every lane count.
    std::function<double(double)> oneLaneMoment = MA1, multiLaneMoment = MA2;
    if (!unitForm) oneLaneMoment = multiLaneMoment = SpacingOverDFormula(doc, t, K);

    const double eFatigue = t.interior ? 1.0 : AdjacentBoxMomentOneLaneE(t.de);
    if (t.interior) {
        if (t.oneLane) {
            SetMoment(doc, t.L, oneLaneMoment);
            SetShear(doc, t.L, VA1);
        } else {
            SetMoment(doc, t.L, multiLaneMoment);
            SetShear(doc, t.L, [&](double L) { return VA2(L) * t.bfac; });
        }
    } else {
        const double eM =
            t.oneLane ? AdjacentBoxMomentOneLaneE(t.de) : AdjacentBoxMomentMultiLaneE(t.de);
        const double eV =
            t.oneLane ? AdjacentBoxShearOneLaneE(t.de) : AdjacentBoxShearMultiLaneE(t.b, t.de);
        doc.m_adDfWork[kDfWorkMomentE] = eM;
        doc.m_adDfWork[kDfWorkShearE] = eV;
        const auto& moment = t.oneLane ? oneLaneMoment : multiLaneMoment;
        SetMoment(doc, t.L, [&](double L) { return eM * moment(L); });
        if (t.oneLane) {
            SetShear(doc, t.L, [&](double L) { return eV * VA1(L); });
        } else {
            SetShear(doc, t.L, [&](double L) { return eV * VA2(L); });
        }
    }
    SetFatigue(doc, t.L,
               [&](double L) { return eFatigue * oneLaneMoment(L) / kFatigueMultiplePresence; });
    ApplySkew(doc, t, SkewRule::AdjacentBox);
}

// Table 4.6.2.2.2b-1 and 4.6.2.2.3a-1, (h): channel beams on a composite deck.
void LrfdChannelComposite(CKordelDoc& doc, const LrfdTerms& t, double K) {
    if (t.interior) {
        MarkLowJ(doc);
        SetMoment(doc, t.L, SpacingOverDFormula(doc, t, K));
    } else {
        SetLeverRule(doc, t.L, kDfFamilyMoment, t.LR);
    }
    SetLeverRule(doc, t.L, kDfFamilyShear, t.LR);
    // Fatigue follows the moment; the S / D value carries the multiple presence, the lever rule
    // does not.
    const bool lever = doc.m_anDfLeverRuleFlags[kDfFamilyMoment] == 1;
    const double divisor = lever ? 1.0 : kFatigueMultiplePresence;
    doc.m_dDfFatigue = doc.m_dDfMoment / divisor;
    for (int side : {kDfLeft, kDfRight}) {
        doc.m_adDfFatigueLeftRight[side] = doc.m_adDfMomentLeftRight[side] / divisor;
    }
    doc.m_anDfLeverRuleFlags[kDfFamilyFatigue] = doc.m_anDfLeverRuleFlags[kDfFamilyMoment];
}

// Table 4.6.2.2.2b-1 and 4.6.2.2.3a-1, (a, e, k), and (i, j) when sufficiently connected:
// I-beams and the beams that act like them. `connected` false: channel and T-beams by S / D.
void LrfdBeams(CKordelDoc& doc, const LrfdTerms& t, bool connected, double K) {
    const double S = t.S, Kg = t.Kg, ts = t.ts;
    auto MI1 = [=](double L) { return IBeamMomentOneLane(S, L, Kg, ts); };
    auto MI2 = [=](double L) { return IBeamMomentMultiLane(S, L, Kg, ts); };
    auto VI1 = [=](double) { return IBeamShearOneLane(S); };
    auto VI2 = [=](double) { return IBeamShearMultiLane(S); };
    if (t.interior) {
        if (connected) {
            SetMoment(doc, t.L, t.oneLane ? std::function<double(double)>(MI1) : MI2);
            SetShear(doc, t.L, t.oneLane ? std::function<double(double)>(VI1) : VI2);
            SetFatigue(doc, t.L, [&](double L) { return MI1(L) / kFatigueMultiplePresence; });
        } else {
            MarkLowJ(doc);
            const auto SD = SpacingOverDFormula(doc, t, K);
            SetMoment(doc, t.L, SD);
            SetLeverRule(doc, t.L, kDfFamilyShear, t.LR);
            SetFatigue(doc, t.L, [&](double L) { return SD(L) / kFatigueMultiplePresence; });
        }
    } else {
        if (t.oneLane || !connected) {
            SetLeverRule(doc, t.L, kDfFamilyMoment, t.LR);
            SetLeverRule(doc, t.L, kDfFamilyShear, t.LR);
        } else {
            const double eM = IBeamMomentE(t.de), eV = IBeamShearE(t.de);
            doc.m_adDfWork[kDfWorkMomentE] = eM;
            doc.m_adDfWork[kDfWorkShearE] = eV;
            SetMoment(doc, t.L, [&](double L) { return eM * MI2(L); });
            SetShear(doc, t.L, [&](double L) { return eV * VI2(L); });
        }
        SetLeverRule(doc, t.L, kDfFamilyFatigue, t.LR);
    }
    ApplySkew(doc, t, connected ? SkewRule::IBeam : SkewRule::None);
}

void ComputeLrfdFactors(CKordelDoc& doc, double ts, double bfac, double deLever) {
    LrfdTerms t{};
    t.S = doc.m_dBeamSpacing;
    t.d = doc.m_dSectionHeight;
    t.b = doc.m_dTopFlangeWidth;
    t.ts = ts;
    t.bfac = bfac;
    t.de = doc.m_dDe;
    t.W = doc.m_dBridgeWidth;
    t.lanes = static_cast<double>(doc.m_nLanes);
    t.oneLane = doc.m_nLanes == 1;
    t.interior = doc.m_nGirderLocation == 1;
    t.L = LrfdSpanLengths(doc);
    t.LR = doc.LeverRuleExterior(t.S, deLever);

    const LongitudinalStiffness kg = ComputeLongitudinalStiffness(
        doc.m_dSectionHeight, doc.m_adCentroidAtStation[kStationMidspan][kSectionCaseGirder],
        doc.m_dSectionIxx, doc.m_dSectionArea, doc.m_dDeckModularRatio, doc.m_bCompositeDeck != 0,
        doc.m_dHaunchThickness, ts, doc.m_dOverlayThickness);
    doc.m_adDfKgTerms[kDfEg] = kg.eg;
    doc.m_adDfKgTerms[kDfN] = kg.n;
    doc.m_adDfKgTerms[kDfKg] = kg.Kg;
    t.Kg = kg.Kg;
    t.k = doc.m_dDfAdjacentBoxK = AdjacentBoxK(doc.m_nBeams);

    const int code = doc.m_nSuperstructureType;
    const bool composite = doc.m_bCompositeDeck == 1;
    doc.m_strSuperstructureType = LrfdSectionTypeName(code, composite);
    const double preliminaryK = LrfdPreliminaryK(code);
    // Where J gives I / J no value, the preliminary K of the type (of a box for type (f)) does.
    const double boxK = LrfdPreliminaryK(kLrfdAdjacentBoxNonComposite);
    t.IoverJ = doc.m_dTorsionConstant > 0.0 ? doc.m_dSectionIxx / doc.m_dTorsionConstant
                                            : IOverJFromK(preliminaryK > 0.0 ? preliminaryK : boxK);

    switch (BranchOf(doc)) {
        case LrfdBranch::SpreadBox:
            LrfdSpreadBox(doc, t);
            break;
        case LrfdBranch::AdjacentComposite:
            LrfdAdjacentBeams(doc, t, true, 0.0);
            break;
        case LrfdBranch::AdjacentNonComposite: {
            const double K = SetTorsionalK(doc, preliminaryK);
            LrfdAdjacentBeams(doc, t, UnitForm(doc), K);
            break;
        }
        case LrfdBranch::ChannelComposite:
            LrfdChannelComposite(doc, t, SetTorsionalK(doc, preliminaryK));
            break;
        case LrfdBranch::NonCompositeBeam: {
            const double K = SetTorsionalK(doc, preliminaryK);
            LrfdBeams(doc, t, doc.m_bSufficientlyConnected != 0, K);
            break;
        }
        case LrfdBranch::IBeam:
            LrfdBeams(doc, t, true, 0.0);
            break;
    }

    // Multiple presence of one loaded lane on the lever-rule values; the formulas carry it.
    if (doc.m_nLanes == 1) {
        if (doc.m_anDfLeverRuleFlags[kDfFamilyMoment] == 1) {
            doc.m_dDfMoment *= kOneLaneMultiplePresence;
            for (int side : {kDfLeft, kDfRight}) {
                doc.m_adDfMomentLeftRight[side] *= kOneLaneMultiplePresence;
            }
        }
        if (doc.m_anDfLeverRuleFlags[kDfFamilyShear] == 1) {
            doc.m_dDfShear *= kOneLaneMultiplePresence;
            const int last = LastSupport(doc);
            for (int j = 1; j <= last; ++j) doc.m_adDfShearAtBearing[j] *= kOneLaneMultiplePresence;
        }
    }
}

// ---- Standard Specifications --------------------------------------------------------------------

void ComputeStandardFactors(CKordelDoc& doc, double deLever) {
    const double lanes = static_cast<double>(doc.m_nLanes);
    const double Nb = static_cast<double>(doc.m_nBeams);
    const double S = doc.m_dBeamSpacing;
    const double L = doc.m_dDesignSpan;
    const int code = doc.m_nSuperstructureType;
    const bool composite = doc.m_bCompositeDeck != 0;
    const bool interior = doc.m_nGirderLocation == 1;
    doc.m_dDfWork2 = lanes;
    doc.m_adDfStandardTerms[kDfStdBeams] = Nb;
    doc.m_strSuperstructureType = StandardSectionTypeName(code, composite);

    double g = 0;
    const bool knownType = code >= 0 && code < kStdSectionTypeCount;
    if (code == kStdGirder || (!knownType && composite)) {
        if (interior) {
            bool lever = false;
            g = StandardInteriorGirderFactor(S, doc.m_nLanes, lever);
            if (lever) doc.m_anDfLeverRuleFlags[kDfFamilyMoment] = 1;
        } else {
            g = doc.LeverRuleExterior(S, deLever);
            doc.m_anDfLeverRuleFlags[kDfFamilyMoment] = 1;
        }
    } else if (code == kStdSpreadBox) {
        SpreadBoxFactor f{};
        if (interior) {
            f = StandardSpreadBoxInterior(Nb, S, doc.m_dCurbToCurb, lanes, L);
            doc.m_adDfStandardTerms[kDfStdWidth] = f.W;
            doc.m_adDfStandardTerms[kDfStdSpacing] = f.S;
            doc.m_dDfK = f.k;
        } else {
            f = StandardSpreadBoxExterior(Nb, lanes, doc.LeverRuleExterior(S, deLever));
            doc.m_anDfLeverRuleFlags[kDfFamilyMoment] = 1;
        }
        doc.m_adDfStandardTerms[kDfStdBeams] = f.NB;
        g = f.g;
    } else {
        // Multi-beam decks: codes 1 to 4, or any other code on a non-composite deck with K = 1.0.
        double K = 1.0;
        if (knownType) {
            bool approximate = true;
            K = TorsionalK(doc.m_dSectionIxx, doc.m_dTorsionConstant, StandardPreliminaryK(code),
                           approximate);
            if (!approximate) doc.m_bDfApprox = 0;
        }
        doc.m_dDfK = K;
        const MultiBeamFactor f = StandardMultiBeamFactor(
            doc.m_dTopFlangeWidth, K, doc.m_dBridgeWidth, L, lanes,
            knownType ? MultiBeamRule::kArticle : MultiBeamRule::kUnlimitedC);
        doc.m_adDfChannelTerms[kDfChannelD] = f.D;
        doc.m_adDfChannelTerms[kDfChannelC] = f.C;
        doc.m_adDfStandardTerms[kDfStdSpacing] = f.S;
        g = f.g;
    }

    // One factor serves every family.
    doc.m_dDfMoment = g;
    doc.m_dDfShear = g;
    doc.m_dDfFatigue = g;
    for (int side : {kDfLeft, kDfRight}) {
        doc.m_adDfMomentLeftRight[side] = g;
        doc.m_adDfFatigueLeftRight[side] = g;
    }
    doc.m_anDfLeverRuleFlags[kDfFamilyFatigue] = doc.m_anDfLeverRuleFlags[kDfFamilyMoment];
}

// ---- Finite results -----------------------------------------------------------------------------

/// Replaces every result of the stage that is not a finite number by its neutral value (factors
/// 1.0, skew factors 1.0 and c1 0.0, other terms 0.0); true when one was replaced.
bool ReplaceNonFiniteResults(CKordelDoc& doc) {
    struct Block {
        double* values;
        int count;
        double neutral;
    };
    const Block blocks[] = {
        {&doc.m_dDfMoment, 1, 1.0},
        {doc.m_adDfMomentLeftRight, kDfSupportRegionCount, 1.0},
        {&doc.m_dDfShear, 1, 1.0},
        {doc.m_adDfShearAtBearing, kMaxSupportSlots, 1.0},
        {&doc.m_dDfFatigue, 1, 1.0},
        {doc.m_adDfFatigueLeftRight, kDfSupportRegionCount, 1.0},
        {doc.m_adDfMomentByLanes, kDfLaneCaseCount, 1.0},
        {doc.m_adDfSupportMomentByLanes, kDfSupportMomentByLanesCount, 1.0},
        {doc.m_adDfShearByLanes, kDfLaneCaseCount, 1.0},
        {doc.m_adDfSaved1, kMaxSupportSlots, 1.0},
        {doc.m_adDfSaved2, kMaxSupportSlots, 1.0},
        {&doc.m_adSkewCorrection[kSkewCFm], 1, 1.0},
        {&doc.m_adSkewCorrection[kSkewC1], 1, 0.0},
        {&doc.m_adSkewCorrection[kSkewCFv], 1, 1.0},
        {doc.m_adDfKgTerms, kDfKgTermCount, 0.0},
        {&doc.m_dDfAdjacentBoxK, 1, 0.0},
        {&doc.m_dDfK, 1, 0.0},
        {doc.m_adDfBoxKC, kDfBoxKCTermCount, 0.0},
        {doc.m_adDfStandardTerms, kDfStandardTermCount, 0.0},
        {doc.m_adDfChannelTerms, kDfChannelTermCount, 0.0},
        {doc.m_adDfWork, kDfWorkTermCount, 0.0},
        {&doc.m_dDfWork2, 1, 0.0},
    };
    bool replaced = false;
    for (const Block& block : blocks) {
        for (int i = 0; i < block.count; ++i) {
            if (!std::isfinite(block.values[i])) {
                block.values[i] = block.neutral;
                replaced = true;
            }
        }
    }
    return replaced;
}

}  // namespace

// AASHTO LRFD 6th ed. Art. 4.6.2.2.2d, Table 4.6.2.2.2d-1 (lever rule)
double CKordelDoc::LeverRuleExterior(double S, double de) const {
    return kordel::LeverRuleExterior(S, de);
}

// AASHTO LRFD 6th ed. Art. 4.6.2.2.2b, Table 4.6.2.2.2b-1 (lever rule)
double CKordelDoc::LeverRuleInterior(double S) const {
    return kordel::LeverRuleInterior(S, m_nLanes);
}

void CKordelDoc::ComputeDistributionFactors() {
    const std::string unusable = UnusableInputs(*this);
    if (!unusable.empty()) platform::ShowMessage(unusable);
    for (const std::string& message : SubstitutedInputs(*this)) platform::ShowMessage(message);

    if (m_bCheckSingleLane == 1) {
        const int lanesAsSet = m_nLanes;
        const int last = LastSupport(*this);

        ComputeDistributionFactorsForLanes();
        m_adDfMomentByLanes[kDfLanesAsSet] = m_dDfMoment;
        m_adDfSupportMomentByLanes[kDfLanesAsSetLeft] = m_adDfMomentLeftRight[kDfLeft];
        m_adDfSupportMomentByLanes[kDfLanesAsSetRight] = m_adDfMomentLeftRight[kDfRight];
        m_adDfShearByLanes[kDfLanesAsSet] = m_dDfShear;
        for (int j = 1; j <= last; ++j) m_adDfSaved1[j] = m_adDfShearAtBearing[j];

        m_nLanes = 1;
        ComputeDistributionFactorsForLanes();
        m_adDfMomentByLanes[kDfOneLane] = m_dDfMoment;
        m_adDfSupportMomentByLanes[kDfOneLaneLeft] = m_adDfMomentLeftRight[kDfLeft];
        m_adDfSupportMomentByLanes[kDfOneLaneRight] = m_adDfMomentLeftRight[kDfRight];
        m_adDfShearByLanes[kDfOneLane] = m_dDfShear;
        for (int j = 1; j <= last; ++j) m_adDfSaved2[j] = m_adDfShearAtBearing[j];
        m_anDfOneLaneLeverFlags[kDfFamilyMoment] = m_anDfLeverRuleFlags[kDfFamilyMoment];
        m_anDfOneLaneLeverFlags[kDfFamilyShear] = m_anDfLeverRuleFlags[kDfFamilyShear];

        // The lane count that governs moment gives every result of the last computation; ties go
        // to the lanes as set.
        const bool oneLaneMoment =
            m_adDfMomentByLanes[kDfOneLane] > m_adDfMomentByLanes[kDfLanesAsSet];
        m_anDfGoverningLaneCount[kDfGoverningMoment] = oneLaneMoment ? 1 : lanesAsSet;
        m_nLanes = m_anDfGoverningLaneCount[kDfGoverningMoment];
        ComputeDistributionFactorsForLanes();

        // Shear takes its own governing lane count.
        const bool oneLaneShear =
            m_adDfShearByLanes[kDfOneLane] > m_adDfShearByLanes[kDfLanesAsSet];
        m_anDfGoverningLaneCount[kDfGoverningShear] = oneLaneShear ? 1 : lanesAsSet;
        m_dDfShear = m_adDfShearByLanes[oneLaneShear ? kDfOneLane : kDfLanesAsSet];
        const double* saved = oneLaneShear ? m_adDfSaved2 : m_adDfSaved1;
        for (int j = 1; j <= last; ++j) m_adDfShearAtBearing[j] = saved[j];

        m_nLanes = lanesAsSet;
    } else {
        ComputeDistributionFactorsForLanes();
    }

    if (ReplaceNonFiniteResults(*this)) {
        platform::ShowMessage(
            "The live-load distribution factors have no finite value for this design (check the "
            "beam spacing, girder depth, deck thickness and section properties). 1.0 is used "
            "where none was found.");
    }
}

void CKordelDoc::ComputeDistributionFactorsForLanes() {
    // Reset; the per-support shear factors keep their values until a path writes them.
    for (int& flag : m_anDfLeverRuleFlags) flag = 0;
    m_dDfMoment = m_dDfShear = m_dDfFatigue = 0.0;
    for (int side : {kDfLeft, kDfRight}) {
        m_adDfMomentLeftRight[side] = 0.0;
        m_adDfFatigueLeftRight[side] = 0.0;
    }
    m_adSkewCorrection[kSkewCFm] = 1.0;
    m_adSkewCorrection[kSkewC1] = 0.0;
    m_adSkewCorrection[kSkewCFv] = 1.0;
    m_adDfBoxKC[kDfBoxC] = m_adDfBoxKC[kDfBoxD] = 0.0;

    // One beam carries the whole lane; a design whose factors cannot be formed is given the same
    // neutral factors (the wrapper has said why).
    if (m_nBeams == 1 || !UnusableInputs(*this).empty()) {
        SetAll(*this, 1.0, 1.0, 1.0);
        return;
    }

    m_bDfApprox = 1;
    m_bDfJLow = 0;
    const double ts = m_bCompositeDeck != 0 ? m_dDeckThickness - m_dWearingSurfaceThickness
                                            : m_dTopFlangeThickness;  // in
    const double bfac = AdjacentBoxShearWidthFactor(m_dTopFlangeWidth);
    const double deLever = m_dOverhang - (m_dBridgeWidth - m_dCurbToCurb) / 2.0;  // ft

    if (m_nDistFactorMode != kValueComputed) {
        m_strSuperstructureType = IsLrfd(m_nSpecification)
                                      ? LrfdUserFactorTypeName(m_nSuperstructureType)
                                      : StandardUserFactorTypeName(m_nSuperstructureType);
        SetAll(*this, m_dUserDfMoment, m_dUserDfShear, m_dUserDfFatigue);
        return;
    }
    if (!IsLrfd(m_nSpecification)) {
        ComputeStandardFactors(*this, deLever);
        return;
    }
    ComputeLrfdFactors(*this, ts, bfac, deLever);
}

}  // namespace kordel
