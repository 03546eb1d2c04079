// A valid design with some of its numbers changed: an example design, the options that switch
// whole checks on, and a value for each of a few numeric inputs, each kept within what an
// engineer could type for it. The fuzz target mutated_design_fuzz draws these from its bytes; the
// test tests/fuzz/mutated_design_test.cpp replays a table of them. Every line of every report of
// such a design must hold only finite numbers of a sensible size: ReportNumberProblem says where
// one does not.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "document/kordel_doc.h"

namespace kordel::fuzz {

// ---- Options ---------------------------------------------------------------------------------

/// Options of a mutated design, as bits.
enum DesignOption : unsigned {
    kOptionRating = 1u << 0,     ///< load rating, inventory and operating
    kOptionHandling = 1u << 1,   ///< "Check Stripping" and "Check Handling/Stability"
    kOptionStrain = 1u << 2,     ///< strain-compatibility flexure
    kOptionDetension = 1u << 3,  ///< the detensioning check
    kOptionStandard = 1u << 4,   ///< the Standard Specifications in place of LRFD
    kOptionShipUseFc = 1u << 5,  ///< "Use f'c in Shipping Analysis"
};
inline constexpr unsigned kOptionBits = 6;

// ---- Numeric inputs ------------------------------------------------------------------------

/// One numeric input a mutation may change: its name, the range an engineer could enter
/// (stored US units), and how to read and write it. A few entries stand for a coordinated change
/// (the span with every length that follows it, a pair of supports) or for a pair of nearly
/// equal values (their value is the relative difference).
struct MutableInput {
    const char* name;
    double lo;
    double hi;
    double (*get)(const CKordelDoc&);
    void (*set)(CKordelDoc&, double);
};

namespace detail {

/// The design span `S` (ft) with every length that follows it: the girder and release lengths
/// keep their overhangs, the spans of a chain and the segments of a spliced girder scale alike.
inline void SetSpan(CKordelDoc& d, double S) {
    if (!(d.m_dDesignSpan > 0)) return;
    const double ratio = S / d.m_dDesignSpan;
    const double girderOverhang = d.m_dGirderLength - d.m_dDesignSpan;
    const double releaseOverhang = d.m_dReleaseSpan - d.m_dDesignSpan;
    for (int k = 1; k <= d.m_nSpans && k < kMaxSpanSlots; ++k) {
        const double overhang = d.m_adSpanGirderLength[k] - d.m_adSpanLength[k];
        d.m_adSpanLength[k] *= ratio;
        d.m_adSpanGirderLength[k] = d.m_adSpanLength[k] + overhang;
    }
    const double newGirder = S + girderOverhang;
    if (d.m_nSegments > 1 && d.m_nSegments < kMaxSegmentSlots) {
        double closures = 0;
        double segments = 0;
        for (int s = 1; s <= d.m_nSegments; ++s) {
            closures += d.m_adSegments[s][kSegmentClosure];
            segments += d.m_adSegments[s][kSegmentLength];
        }
        if (segments > 0) {
            const double scale = (newGirder - closures) / segments;
            for (int s = 1; s <= d.m_nSegments; ++s) d.m_adSegments[s][kSegmentLength] *= scale;
        }
    }
    d.m_dDesignSpan = S;
    d.m_dGirderLength = newGirder;
    d.m_dReleaseSpan = S + releaseOverhang;
}

/// The strand size: 0.5, 0.6 or 0.7 in (by the nearest), with its area.
inline void SetStrand(CKordelDoc& d, double db) {
    static const double kSizes[][2] = {{0.5, 0.153}, {0.6, 0.217}, {0.7, 0.294}};  // in, in2
    const auto* best = &kSizes[0];
    for (const auto& s : kSizes) {
        if (std::fabs(s[0] - db) < std::fabs((*best)[0] - db)) best = &s;
    }
    d.m_dStrandDiameter = (*best)[0];
    d.m_dStrandUnitArea = (*best)[1];
}

/// A plain member of the document as an input.
template <auto member>
constexpr MutableInput Member(const char* name, double lo, double hi) {
    return {name, lo, hi, [](const CKordelDoc& d) { return static_cast<double>(d.*member); },
            [](CKordelDoc& d, double v) { d.*member = v; }};
}

/// An integer member of the document (a count or a choice) as an input: the value rounded.
template <auto member>
constexpr MutableInput Whole(const char* name, double lo, double hi) {
    return {name, lo, hi, [](const CKordelDoc& d) { return static_cast<double>(d.*member); },
            [](CKordelDoc& d, double v) { d.*member = static_cast<int>(std::lround(v)); }};
}

/// A pair of nearly equal values set by `set` from their relative difference.
constexpr MutableInput NearlyEqual(const char* name, double lo, double hi,
                                   void (*set)(CKordelDoc&, double)) {
    return {name, lo, hi, [](const CKordelDoc&) { return 0.0; }, set};
}

}  // namespace detail

/// The inputs a mutation may change.
inline const MutableInput kMutableInputs[] = {
    {"design span, ft", 20, 250, [](const CKordelDoc& d) { return d.m_dDesignSpan; },
     detail::SetSpan},
    detail::Member<&CKordelDoc::m_dBeamSpacing>("beam spacing, ft", 3, 16),
    detail::Member<&CKordelDoc::m_dDeckThickness>("deck thickness, in", 4, 12),
    detail::Member<&CKordelDoc::m_dHaunchThickness>("haunch thickness, in", 0, 6),
    detail::Member<&CKordelDoc::m_dSkewAngle>("skew angle, deg", 0, 60),
    detail::Member<&CKordelDoc::m_dOverhang>("deck overhang, ft", 0, 6),
    detail::Member<&CKordelDoc::m_dDe>("exterior web to curb de, ft", -2, 4),
    detail::Whole<&CKordelDoc::m_nBeams>("beams", 3, 12),
    detail::Whole<&CKordelDoc::m_nLanes>("design lanes", 1, 4),
    detail::Whole<&CKordelDoc::m_nGirderLocation>("girder location (1 interior, 2 exterior)", 1,
                                                  2),
    detail::Member<&CKordelDoc::m_dBeamFc>("girder f'c, ksi", 4, 15),
    detail::Member<&CKordelDoc::m_dBeamFci>("girder f'ci, ksi", 3, 10),
    detail::Member<&CKordelDoc::m_dDeckFc>("deck f'c, ksi", 3, 8),
    detail::Member<&CKordelDoc::m_dBeamDensity>("girder density, kcf", 0.09, 0.16),
    detail::Member<&CKordelDoc::m_dDeckDensity>("deck density, kcf", 0.09, 0.16),
    detail::Whole<&CKordelDoc::m_nBeamConcreteType>("girder concrete class", 1, 4),
    detail::Whole<&CKordelDoc::m_nDeckConcreteType>("deck concrete class", 1, 4),
    detail::Member<&CKordelDoc::m_dRelativeHumidity>("relative humidity, %", 30, 100),
    detail::Member<&CKordelDoc::m_dTransferAge>("age at transfer, days", 0.5, 7),
    detail::Member<&CKordelDoc::m_dAgeAtDeckCasting>("age at deck casting, days", 20, 180),
    detail::Member<&CKordelDoc::m_dFinalAge>("final age, days", 1000, 30000),
    detail::Member<&CKordelDoc::m_dUltimateCreep>("ultimate creep coefficient", 1, 3),
    detail::Member<&CKordelDoc::m_dBeamUltimateShrinkage>("girder ultimate shrinkage, x 10^6", 200,
                                                          900),
    detail::Whole<&CKordelDoc::m_nLossMethod>("loss method", 1, 4),
    {"strand diameter, in", 0.5, 0.7, [](const CKordelDoc& d) { return d.m_dStrandDiameter; },
     detail::SetStrand},
    detail::Member<&CKordelDoc::m_dPullFraction>("pull fraction", 0.6, 0.8),
    detail::Member<&CKordelDoc::m_dDrapeFraction>("drape point, fraction of the span", 0.2, 0.5),
    detail::Whole<&CKordelDoc::m_nTransformStrandsMode>("transform strands mode", 0, 3),
    detail::Whole<&CKordelDoc::m_nShearMethod>("shear method", 1, 3),
    detail::Whole<&CKordelDoc::m_nSpecEdition>("specification edition index", 0, 4),
    detail::Member<&CKordelDoc::m_dPedestrianLoad>("pedestrian load, klf", -0.05, 0.5),
    detail::Member<&CKordelDoc::m_dBarrierLoad>("barrier load, klf", -0.05, 1.0),
    detail::Member<&CKordelDoc::m_dWearingSurfaceLoad>("wearing surface load, klf", -0.05, 0.5),
    detail::Member<&CKordelDoc::m_dDiaphragmWeight>("diaphragm weight, kip", 0, 10),
    detail::Member<&CKordelDoc::m_dOtherNonCompositeLoad>("other non-composite load, klf", -0.05,
                                                          1.0),
    detail::Member<&CKordelDoc::m_dOtherCompositeLoad>("other composite load, klf", -0.05, 1.0),
    detail::Member<&CKordelDoc::m_dLiftSupportLeft>("lifting device from the left end, ft", 0, 30),
    detail::Member<&CKordelDoc::m_dLiftSupportRight>("lifting device from the right end, ft", 0,
                                                     30),
    detail::Member<&CKordelDoc::m_dShipSupportLeft>("truck support from the left end, ft", 0, 30),
    detail::Member<&CKordelDoc::m_dShipSupportRight>("truck support from the right end, ft", 0, 30),
    detail::Member<&CKordelDoc::m_dImpactFormSuction>("form suction, %", 0, 50),
    detail::Member<&CKordelDoc::m_dImpactHandling>("handling impact, %", 0, 100),
    detail::Member<&CKordelDoc::m_dImpactShipping>("shipping impact, %", 0, 100),
    detail::Member<&CKordelDoc::m_dTransportStiffness>("transport stiffness, in-k/rad", 10000,
                                                       100000),
    detail::Member<&CKordelDoc::m_dSuperElevation>("superelevation, rad", -0.02, 0.1),
    detail::Member<&CKordelDoc::m_dBeamCgAboveRoad>("centre of gravity above the road, in", 50,
                                                    150),
    detail::Member<&CKordelDoc::m_dRollCenterAboveRoad>("roll centre above the road, in", 10, 40),
    detail::Member<&CKordelDoc::m_dDualTireDistance>("dual tires from the centreline, in", 20, 50),
    detail::Member<&CKordelDoc::m_dDeflLimitRatio>("deflection limit, span /", 300, 2000),
    detail::NearlyEqual("lifting devices a quarter of the girder from each end", -1e-6, 1e-6,
                        [](CKordelDoc& d, double e) {
                            d.m_dLiftSupportLeft = d.m_dLiftSupportRight =
                                d.m_dGirderLength / 4 * (1 + e);
                        }),
    detail::NearlyEqual("truck supports a quarter of the girder from each end", -1e-6, 1e-6,
                        [](CKordelDoc& d, double e) {
                            d.m_dShipSupportLeft = d.m_dShipSupportRight =
                                d.m_dGirderLength / 4 * (1 + e);
                        }),
    detail::NearlyEqual("f'ci equal to f'c", -1e-6, 0,
                        [](CKordelDoc& d, double e) { d.m_dBeamFci = d.m_dBeamFc * (1 + e); }),
    detail::NearlyEqual("roll centre at the centre of gravity", -1e-6, 1e-6,
                        [](CKordelDoc& d, double e) {
                            d.m_dRollCenterAboveRoad = d.m_dBeamCgAboveRoad * (1 + e);
                        }),
};

inline constexpr std::size_t kMutableInputCount = std::size(kMutableInputs);

// ---- A mutated design ------------------------------------------------------------------------

/// One input, by its name in kMutableInputs, and the value it takes.
struct InputValue {
    const char* input;
    double value;  ///< clamped to the input's range when applied
};

/// An example design, its options and the values of the inputs that change, in order.
struct MutatedDesign {
    int example = 1;  ///< 1 to 4
    unsigned options = 0;
    std::vector<InputValue> values;
};

/// The input named `name`, or nullptr.
inline const MutableInput* InputNamed(const char* name) {
    for (const MutableInput& in : kMutableInputs) {
        if (std::strcmp(in.name, name) == 0) return &in;
    }
    return nullptr;
}

/// `value` kept within the range of `in`.
inline double Clamped(const MutableInput& in, double value) {
    return std::clamp(value, in.lo, in.hi);
}

/// Sets `in` of `doc` to `value` clamped to its range (a value that is not a number is left
/// out).
inline void ApplyValue(CKordelDoc& doc, const MutableInput& in, double value) {
    if (std::isfinite(value)) in.set(doc, Clamped(in, value));
}

/// Builds example `example` into `doc` (a new document) with `options` switched on.
inline void BuildExample(CKordelDoc& doc, int example, unsigned options) {
    doc.BuildExampleDesign(std::clamp(example, 1, 4));
    if (options & kOptionRating) {
        doc.m_bIncludeLoadRating = 1;
        doc.m_bRatingInventory = doc.m_bRatingOperating = 1;
    }
    if (options & kOptionHandling) doc.m_bCheckStripping = doc.m_bCheckHandling = 1;
    if (options & kOptionStrain) doc.m_bStrainCompatibility = 1;
    if (options & kOptionDetension) doc.m_bDetensioningAnalysis = 1;
    if (options & kOptionStandard) doc.m_nSpecification = kSpecStandard;
    if (options & kOptionShipUseFc) doc.m_bShipUseFc = 1;
}

/// Builds `m` into `doc` (a new document): the example with its options, then each value in
/// order. False when a value names no input.
inline bool Build(CKordelDoc& doc, const MutatedDesign& m) {
    BuildExample(doc, m.example, m.options);
    for (const InputValue& v : m.values) {
        const MutableInput* in = InputNamed(v.input);
        if (!in) return false;
        ApplyValue(doc, *in, v.value);
    }
    return true;
}

/// `m` as C++ source for a table of mutated designs.
inline std::string Describe(const MutatedDesign& m) {
    std::string text = "{" + std::to_string(m.example) + ", " + std::to_string(m.options) + "u, {";
    for (std::size_t i = 0; i < m.values.size(); ++i) {
        char value[40];
        std::snprintf(value, sizeof value, "%.17g", m.values[i].value);
        text += (i ? ", {\"" : "{\"") + std::string(m.values[i].input) + "\", " + value + "}";
    }
    return text + "}}";
}

// ---- The report check ----------------------------------------------------------------------

/// Most digits a printed number may have before its decimal point.
inline constexpr int kMaxIntegerDigits = 12;

/// The first line of `lines` that prints "nan" or "inf" as a word of its own, or a number with
/// more than kMaxIntegerDigits digits before its decimal point; "" when every line is sound.
inline std::string ReportNumberProblem(const std::vector<std::string>& lines) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (const std::string& line : lines) {
        for (const char* word : {"nan", "inf", "NAN", "INF", "NaN", "Inf"}) {
            for (std::size_t at = line.find(word); at != std::string::npos;
                 at = line.find(word, at + 1)) {
                const bool before = at > 0 && letter(line[at - 1]);
                const bool after = at + 3 < line.size() && letter(line[at + 3]);
                if (!before && !after) return line;
            }
        }
        int digits = 0;
        for (const char c : line) {
            digits = c >= '0' && c <= '9' ? digits + 1 : 0;
            if (digits > kMaxIntegerDigits) return line;
        }
    }
    return "";
}

/// The first unsound line of every report of the analysed `doc`: the page header, the text
/// report and the girder summary, in the short and the long form, in US and metric units. The
/// document's own units and form are restored.
inline std::string ReportsProblem(CKordelDoc& doc) {
    const int units = doc.m_nUnits;
    const int form = doc.m_nReportForm;
    std::string problem;
    for (const int u : {kUnitsUS, kUnitsMetric}) {
        for (const int f : {kReportShortForm, kReportLongForm}) {
            doc.m_nUnits = u;
            doc.m_nReportForm = f;
            doc.BuildPageHeader();
            doc.BuildTextReport();
            doc.BuildGirderSummary();
            for (const auto* lines : {&doc.m_saReportHeader, &doc.m_saReport, &doc.m_saGirderSummary}) {
                problem = ReportNumberProblem(*lines);
                if (!problem.empty()) break;
            }
            if (!problem.empty()) break;
        }
        if (!problem.empty()) break;
    }
    doc.m_nUnits = units;
    doc.m_nReportForm = form;
    return problem;
}

}  // namespace kordel::fuzz
