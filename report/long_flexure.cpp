// Long form: flexure and load rating.
#include "report/text_report.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "document/kordel_doc.h"
#include "report/format.h"
#include "report/report_units.h"

// The location formats are picked from fixed literals by unit system.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"

namespace kordel {

namespace {

/// A rating factor ready to print: a non-finite factor (a live-load effect of zero met by a
/// division) prints as the no-live-load sentinel, never as "inf" or "nan".
double PrintableFactor(double rf) { return std::isfinite(rf) ? rf : kRatingNoLiveLoad; }

/// A location ready to print, in ft or m.
double PrintableLocation(double xFt, bool metric) {
    if (!std::isfinite(xFt)) return 0.0;
    return metric ? xFt * kFtToM : xFt;
}

// Stations of the rating groups: the eleven-column groups run from transfer point to transfer
// point (stress, negative flexure) or from shear critical section to shear critical section; the
// positive-flexure group prints the nine inner tenth points.
constexpr int kStressGroupStations[11] = {102, 10, 20, 30, 40, 50, 60, 70, 80, 90, 107};
constexpr int kShearGroupStations[11] = {103, 10, 20, 30, 40, 50, 60, 70, 80, 90, 106};
constexpr int kFlexureGroupStations[9] = {10, 20, 30, 40, 50, 60, 70, 80, 90};

/// The location row and the factor row of an eleven-column group.
void AddElevenColumnRows(ReportContext& ctx, const int (&stations)[11], const double* factors) {
    double x[11];
    double rf[11];
    for (int i = 0; i < 11; ++i) {
        x[i] = PrintableLocation(ctx.doc.m_adStationX[stations[i]], ctx.metric);
        rf[i] = PrintableFactor(factors[stations[i]]);
    }
    const char* locFormat =
        ctx.metric ? "  Loc (m)    %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f"
                   : "  Loc (ft)   %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f";
    ctx.Add(Format(locFormat, x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7], x[8], x[9], x[10]));
    ctx.Add(Format("  RF         %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f",
                   rf[0], rf[1], rf[2], rf[3], rf[4], rf[5], rf[6], rf[7], rf[8], rf[9], rf[10]));
}

/// The positive-flexure group (heading, location row, factor row, empty line), the negative
/// flexure group of a continuous girder (US form only) and the shear group.
void AddFlexureAndShearGroups(ReportContext& ctx, const double* positive, const double* negative,
                              const double* shear) {
    const CKordelDoc& d = ctx.doc;
    const bool continuousHeadings = d.m_bContinuous && !ctx.metric;
    ctx.Add(continuousHeadings
                ? "Flexure (+):           0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L        "
                : "Flexure:               0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L        ");
    double x[9];
    double rf[9];
    for (int i = 0; i < 9; ++i) {
        x[i] = PrintableLocation(d.m_adStationX[kFlexureGroupStations[i]], ctx.metric);
        rf[i] = PrintableFactor(positive[kFlexureGroupStations[i]]);
    }
    const char* locFormat = ctx.metric
                                ? "  Loc (m)            %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f"
                                : "  Loc (ft)           %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f";
    ctx.Add(Format(locFormat, x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7], x[8]));
    ctx.Add(Format("  RF                 %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f  %6.2f",
                   rf[0], rf[1], rf[2], rf[3], rf[4], rf[5], rf[6], rf[7], rf[8]));
    ctx.Add("");
    if (continuousHeadings) {
        ctx.Add("Flexure (-):     Lt    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L      Lt");
        AddElevenColumnRows(ctx, kStressGroupStations, negative);
        ctx.Add("");
    }
    ctx.Add("Shear:          h/2    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L     h/2");
    AddElevenColumnRows(ctx, kShearGroupStations, shear);
    ctx.Add("");
}

/// A minimum factor and its location (entry `i` and `i` + 1 of a minimum array).
struct MinimumPair {
    double rf;
    double x;
};
MinimumPair Minimum(const double* minimums, int i, bool metric) {
    return {PrintableFactor(minimums[i]), PrintableLocation(minimums[i + 1], metric)};
}

// ---- Flexure tables ------------------------------------------------------------------------


/// One flexure table layout: heading, units line, dash count and row format.
struct FlexureTable {
    const char* heading;
    const char* units;
    int dashes;
    const char* row;
};

// Positive envelope by code formulas: [0..2] with Strength II (LRFD 5th, LRFD later, Standard),
// [3..5] without.
constexpr FlexureTable kCodePositive[6] = {
    {"   Loc   Aps     dp    As     ds     c     a   fps   MuI  MuII    Mu     Mr    Mcr Mr/Mcr    phi  Mr/Mu",
     "    ft   in2     in   in2     in    in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft (>1.2)          (>1)", 103,
     "%6.2f %5.2f %6.2f %5.2f %6.2f %5.2f %5.2f %5.1f %5.0f %5.0f %5.0f %6.0f%c%6.0f %6.2f %6.3f %6.2f"},
    {"   Loc   Aps     dp    As     ds     c     a   fps   MuI  MuII    Mu     Mr    Mcr  Mr/    phi  Mr/Mu",
     "    ft   in2     in   in2     in    in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft  Mcr          (>1)", 101,
     "%6.2f %5.2f %6.2f %5.2f %6.2f %5.2f %5.2f %5.1f %5.0f %5.0f %5.0f %6.0f%c%6.0f %5.2f %6.3f %5.2f"},
    {"   Loc   Aps     dp    As     ds     c     a  f*su   MuI  MuII    Mu Mr,cmp     Mr    Mcr Mr/Mcr    c/d  Mr/Mu",
     "    ft   in2     in   in2     in    in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft   k-ft (>1.2) (<0.42)  (>1)", 110,
     "%6.2f %5.2f %6.2f %5.2f %6.2f %5.2f %5.2f %5.1f %5.0f %5.0f %5.0f %6.0f %6.0f%c%6.0f %6.3f %6.2f %6.2f"},
    {"   Loc   Aps     dp    As     ds     c     a     fps     Mu     Mr    Mcr Mr/Mcr    phi  Mr/Mu",
     "    ft   in2     in   in2     in    in    in     ksi   k-ft   k-ft   k-ft (>1.2)          (>1)", 94,
     "%6.2f %5.2f %6.2f %5.2f %6.2f %5.2f %5.2f %7.1f %6.0f %6.0f%c%6.0f %6.2f %6.3f %6.2f"},
    {"   Loc   Aps     dp    As     ds     c     a     fps     Mu     Mr    Mcr   Mr/   phi  Mr/Mu",
     "    ft   in2     in   in2     in    in    in     ksi   k-ft   k-ft   k-ft   Mcr         (>1)", 92,
     "%6.2f %5.2f %6.2f %5.2f %6.2f %5.2f %5.2f %7.1f %6.0f %6.0f%c%6.0f %5.2f %6.3f %5.2f"},
    {"   Loc   Aps     dp    As     ds     c     a    f*su     Mu Mr,cmp     Mr    Mcr Mr/Mcr    c/d  Mr/Mu",
     "    ft   in2     in   in2     in    in    in     ksi   k-ft   k-ft   k-ft   k-ft (>1.2) (<0.42)  (>1)", 101,
     "%6.2f %5.2f %6.2f %5.2f %6.2f %5.2f %5.2f %7.1f %6.0f %6.0f %6.0f%c%6.0f %6.2f %6.3f %6.2f"},
};

constexpr FlexureTable kStrainPositive[6] = {
    {"   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   fps   MuI  MuII    Mu     Mr    Mcr Mr/Mcr   phi Mr/Mu",
     "    ft   in2     in   in2    in     k    in     in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft (>1.2)        (>1)", 113,
     "%6.2f %5.2f %6.2f %5.2f %5.2f %5.0f %5.2f %6.2f %5.2f %5.1f %5.0f %5.0f %5.0f %6.0f%c%6.0f %5.2f %6.3f %5.2f"},
    {"   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   fps   MuI  MuII    Mu     Mr    Mcr   Mr/   phi Mr/Mu",
     "    ft   in2     in   in2    in     k    in     in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft   Mcr        (>1)", 112,
     "%6.2f %5.2f %6.2f %5.2f %5.2f %5.0f %5.2f %6.2f %5.2f %5.1f %5.0f %5.0f %5.0f %6.0f%c%6.0f %5.2f %5.2f %5.2f"},
    {"   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   fps   MuI  MuII    Mu     Mr    Mcr Mr/Mcr   c/d Mr/Mu",
     "    ft   in2     in   in2    in     k    in     in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft (>1.2)(<0.42) (>1)", 113,
     "%6.2f %5.2f %6.2f %5.2f %5.2f %5.0f %5.2f %6.2f %5.2f %5.1f %5.0f %5.0f %5.0f %6.0f%c%6.0f %5.2f %6.3f%c%5.2f"},
    {"   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   fps     Mu     Mr    Mcr Mr/Mcr  phi Mr/Mu",
     "    ft   in2     in   in2    in     k    in     in    in   ksi   k-ft   k-ft   k-ft (>1.2)       (>1)", 102,
     "%6.2f %5.2f %6.2f %5.2f %5.2f %5.0f %5.2f %6.2f %5.2f %5.1f %6.0f %6.0f%c%6.0f %5.2f %5.2f %5.2f"},
    {"   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   fps    Mu     Mr    Mcr   Mr/   phi Mr/Mu",
     "    ft   in2     in   in2    in     k    in     in    in   ksi  k-ft   k-ft   k-ft   Mcr        (>1)", 100,
     "%6.2f %5.2f %6.2f %5.2f %5.2f %5.0f %5.2f %6.2f %5.2f %5.1f %5.0f %6.0f%c%6.0f %5.2f %5.2f %5.2f"},
    {"   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   fps     Mu     Mr    Mcr Mr/Mcr   c/d Mr/Mu",
     "    ft   in2     in   in2    in     k    in     in    in   ksi   k-ft   k-ft   k-ft (>1.2)(<0.42) (>1)", 102,
     "%6.2f %5.2f %6.2f %5.2f %5.2f %5.0f %5.2f %6.2f %5.2f %5.1f %6.0f %6.0f%c%6.0f %5.2f %6.3f%c%5.2f"},
};

constexpr FlexureTable kCodeNegative[6] = {
    {"   Loc   Aps     dp    As     ds     c     a   fps   MuI  MuII    Mu     Mr    Mcr Mr/Mcr  c/ds  phi  Mr/Mu",
     "    ft   in2     in   in2     in    in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft (>1.2) (<0.6)       (>1)", 107,
     "%6.2f %5.2f %6.2f %5.2f %6.2f %5.2f %5.2f %5.1f %5.0f %5.0f %5.0f %6.0f%c%6.0f %6.2f %5.2f %5.2f %5.2f"},
    {"   Loc   Aps     dp    As     ds     c     a   fps   MuI  MuII    Mu     Mr    Mcr   Mr/  c/ds   phi Mr/Mu",
     "    ft   in2     in   in2     in    in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft   Mcr (<0.6)       (>1)", 106,
     "%6.2f %5.2f %6.2f %5.2f %6.2f %5.2f %5.2f %5.1f %5.0f %5.0f %5.0f %6.0f%c%6.0f %5.2f %5.2f %5.2f %5.2f"},
    {"   Loc   Aps     dp    As     ds     c     a  f*su   MuI  MuII    Mu Mr,cmp     Mr    Mcr Mr/Mcr    c/d  Mr/Mu",
     "    ft   in2     in   in2     in    in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft   k-ft (>1.2) (<0.42)  (>1)", 110,
     "%6.2f %5.2f %6.2f %5.2f %6.2f %5.2f %5.2f %5.1f %5.0f %5.0f %5.0f %6.0f %6.0f%c%6.0f %6.3f %6.2f %6.2f"},
    {"   Loc   Aps     dp    As     ds     c     a     fps     Mu     Mr    Mcr Mr/Mcr  c/ds   phi   Mr/Mu",
     "    ft   in2     in   in2     in    in    in     ksi   k-ft   k-ft   k-ft (>1.2) (<0.6)         (>1)", 100,
     "%6.2f %5.2f %6.2f %5.2f %6.2f %5.2f %5.2f %7.1f %6.0f %6.0f%c%6.0f %6.2f %5.2f %6.3f %6.2f"},
    {"   Loc   Aps     dp    As     ds     c     a     fps     Mu     Mr    Mcr   Mr/  c/ds   phi  Mr/Mu",
     "    ft   in2     in   in2     in    in    in     ksi   k-ft   k-ft   k-ft   Mcr (<0.6)        (>1)", 98,
     "%6.2f %5.2f %6.2f %5.2f %6.2f %5.2f %5.2f %7.1f %6.0f %6.0f%c%6.0f %5.2f %5.2f %6.3f %5.2f"},
    {"   Loc   Aps     dp    As     ds     c     a    f*su     Mu Mr,cmp     Mr    Mcr Mr/Mcr    c/d  Mr/Mu",
     "    ft   in2     in   in2     in    in    in     ksi   k-ft   k-ft   k-ft   k-ft (>1.2) (<0.42)  (>1)", 101,
     "%6.2f %5.2f %6.2f %5.2f %6.2f %5.2f %5.2f %7.1f %6.0f %6.0f %6.0f%c%6.0f %6.2f %6.3f %6.2f"},
};

constexpr FlexureTable kStrainNegative[6] = {
    {"   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   fps   MuI  MuII    Mu     Mr    Mcr Mr/Mcr  phi Mr/Mu",
     "    ft   in2     in   in2    in     k    in     in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft (>1.2)       (>1)", 112,
     "%6.2f %5.2f %6.2f %5.2f %5.2f %5.0f %5.2f %6.2f %5.2f %5.1f %5.0f %5.0f %5.0f %6.0f%c%6.0f %5.2f %5.2f %5.2f"},
    {"   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   fps   MuI  MuII    Mu     Mr    Mcr   Mr/   phi Mr/Mu",
     "    ft   in2     in   in2    in     k    in     in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft   Mcr        (>1)", 112,
     "%6.2f %5.2f %6.2f %5.2f %5.2f %5.0f %5.2f %6.2f %5.2f %5.1f %5.0f %5.0f %5.0f %6.0f%c%6.0f %5.2f %5.2f %5.2f"},
    {"   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   fps   MuI  MuII    Mu     Mr    Mcr Mr/Mcr   c/d Mr/Mu",
     "    ft   in2     in   in2    in     k    in     in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft (>1.2)(<0.42) (>1)", 113,
     "%6.2f %5.2f %6.2f %5.2f %5.2f %5.0f %5.2f %6.2f %5.2f %5.1f %5.0f %5.0f %5.0f %6.0f%c%6.0f %5.2f %6.3f%c%5.2f"},
    {"   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   fps     Mu     Mr    Mcr Mr/Mcr  phi Mr/Mu",
     "    ft   in2     in   in2    in     k    in     in    in   ksi   k-ft   k-ft   k-ft (>1.2)       (>1)", 101,
     "%6.2f %5.2f %6.2f %5.2f %5.2f %5.0f %5.2f %6.2f %5.2f %5.1f %6.0f %6.0f%c%6.0f %5.2f %5.2f %5.2f"},
    {"   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   fps     Mu     Mr    Mcr   Mr/   phi  Mr/Mu",
     "    ft   in2     in   in2    in     k    in     in    in   ksi   k-ft   k-ft   k-ft   Mcr         (>1)", 102,
     "%6.2f %5.2f %6.2f %5.2f %5.2f %5.0f %5.2f %6.2f %5.2f %5.1f %6.0f %6.0f%c%6.0f %5.2f %6.3f %5.2f"},
    {"   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   fps     Mu     Mr    Mcr Mr/Mcr   c/d Mr/Mu",
     "    ft   in2     in   in2    in     k    in     in    in   ksi   k-ft   k-ft   k-ft (>1.2)(<0.42) (>1)", 102,
     "%6.2f %5.2f %6.2f %5.2f %5.2f %5.0f %5.2f %6.2f %5.2f %5.1f %6.0f %6.0f%c%6.0f %5.2f %6.3f%c%5.2f"},
};

/// The metric units line of a table: each US unit word replaced by its metric word, right
/// aligned where the US word ended. The nth "k-ft" word (1-based) becomes `nthMoment` when given.
std::string MetricUnitsLine(const std::string& us, int nth = 0, const char* nthMoment = nullptr) {
    std::string out(us.size() + 2, ' ');
    int moments = 0;
    std::size_t i = 0;
    while (i < us.size()) {
        if (us[i] == ' ') {
            ++i;
            continue;
        }
        std::size_t j = us.find(' ', i);
        if (j == std::string::npos) j = us.size();
        std::string word = us.substr(i, j - i);
        if (word == "ft") word = "m";
        else if (word == "in2") word = "mm2";
        else if (word == "in") word = "m";
        else if (word == "ksi") word = "MPa";
        else if (word == "k") word = "kN";
        else if (word == "k-ft") {
            ++moments;
            word = (nthMoment && moments == nth) ? nthMoment : "kN-m";
        }
        const std::size_t start = j >= word.size() ? j - word.size() : 0;
        out.replace(start, word.size(), word);
        i = j;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    // Keep a trailing blank run the US line had (none of the units lines has one).
    return out;
}

/// Writes `format` with `values` in order: each conversion takes the next value, "%c" takes it
/// as a character code.
std::string FormatCells(const std::string& format, const std::vector<double>& values) {
    std::string out;
    out.reserve(format.size() * 2);  // a cell is about as wide as its conversion
    std::size_t v = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        std::size_t j = i + 1;
        while (j < format.size() && format[j] != '\0' && std::strchr("0123456789.-+ #", format[j]) != nullptr) ++j;
        const std::string spec = format.substr(i, j - i + 1);
        const double value = v < values.size() ? values[v] : 0.0;
        ++v;
        if (format[j] == 'c') {
            out += static_cast<char>(static_cast<int>(value));
        } else {
            AppendFormat(out, spec.c_str(), Fin(value));
        }
        i = j + 1;
    }
    return out;
}

/// The metric row format: the second and fourth cells (steel areas in mm2) to whole numbers.
std::string MetricRowFormat(const char* us) {
    std::string f = us;
    int cell = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] != '%') continue;
        ++cell;
        if (cell == 2 || cell == 4) {
            f.replace(i, 5, "%5.0f");
        }
    }
    return f;
}

enum class FlexureCode { kLrfdFifth, kLrfdLater, kStandard };

}  // namespace

void WriteFlexureBlock(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool metric = ctx.metric;
    const bool strain = d.m_bStrainCompatibility != 0;
    const bool strengthII = d.m_bIncludeStrengthII != 0;
    const FlexureCode code = !IsLrfd(d.m_nSpecification) ? FlexureCode::kStandard
                             : d.m_nSpecEdition == 1     ? FlexureCode::kLrfdFifth
                                                         : FlexureCode::kLrfdLater;
    const int tableIndex = (strengthII ? 0 : 3) + static_cast<int>(code);
    const int span = d.m_nCurrentSpan >= 0 && d.m_nCurrentSpan < kMaxSpanSlots ? d.m_nCurrentSpan : 0;
    const double fLen = metric ? kFtToM : 1.0;
    const double fIn = metric ? kInToM : 1.0;
    const double fArea = metric ? kSqInToSqMm : 1.0;
    const double fStress = metric ? kKsiToMpa : 1.0;
    const double fForce = metric ? kKipToKn : 1.0;
    const double fMoment = metric ? kKipFtToKnM : 1.0;
    static const int kTenthStations[11] = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};

    auto parameterLine = [&](int sign) {
        if (strain) {
            ctx.Add("Using strain compatibility");
            return;
        }
        // b, bw and hf are stored in inches: metres are inches x 0.0254.
        const double fc = Fin(d.m_aFlexureFc[50][sign] * fStress);
        const double beta1 = Fin(d.m_aFlexureBeta1[50][sign]);
        const double b = Fin(d.m_aFlexureB[50][sign] * fIn);
        const double bw = Fin(d.m_adWebWidthAtStation[50] * fIn);
        const double hf = Fin(d.m_aFlexureHf[50][sign] * fIn);
        if (code != FlexureCode::kStandard) {
            ctx.Add(Format(metric ? "f'c-ult=%6.3f MPa, beta_1=%5.3f, b=%6.3f m, bw=%6.3f m, hf=%6.3f m, k=%4.2f"
                                  : "f'c-ult=%6.3f ksi, beta_1=%5.3f, b=%6.3f in, bw=%6.3f in, hf=%6.3f in, k=%4.2f",
                           fc, beta1, b, bw, hf, Fin(d.m_dFpsFactorK)));
        } else {
            ctx.Add(Format(metric ? "f'c-ult=%6.3f MPa, beta_1=%5.3f, b=%6.3f m, b'=%6.3f m, t=%6.3f m"
                                  : "f'c-ult=%6.3f ksi, beta_1=%5.3f, b=%6.3f in, b'=%6.3f in, t=%6.3f in",
                           fc, beta1, b, bw, hf));
        }
    };

    auto tableHead = [&](const FlexureTable& t, bool negative) {
        ctx.Add(t.heading);
        if (!metric) {
            ctx.Add(t.units);
        } else if (!strain && code == FlexureCode::kStandard && strengthII) {
            ctx.Add("     m   mm2      m    m2      m     m     m   Mpa  kN-m  kN-m  kN-m   kN-m   kN-m   kN-m (>1.2) (<0.42)  (>1)");
        } else if (strain && negative && tableIndex == 0) {
            ctx.Add(MetricUnitsLine(t.units, 5, "kM-m"));
        } else {
            ctx.Add(MetricUnitsLine(t.units));
        }
        int dashes = t.dashes;
        if (metric && strain && !negative && tableIndex == 1) dashes = 113;
        if (metric && strain && !negative && tableIndex == 3) dashes = 101;
        ctx.Add(std::string(static_cast<std::size_t>(dashes), '-'));
    };

    auto rowFormat = [&](const FlexureTable& t, bool negative) {
        std::string f = metric ? MetricRowFormat(t.row) : std::string(t.row);
        if (metric && strain && !negative && tableIndex == 1) {
            f = f.substr(0, f.size() - std::string("%5.2f %5.2f %5.2f").size()) + "%5.2f %6.3f %5.2f";
        }
        return f;
    };

    auto mark = [&](int s, int sign, double mu) -> double {
        const double ratio = d.m_aFlexureMrMuRatio[s][sign];
        if (code == FlexureCode::kLrfdLater) {
            return d.MinReinforcementMark(ratio, mu, d.m_aFlexureMcr[s][sign], d.m_aFlexureMr[s][sign]);
        }
        return (ratio < 1.0 && d.m_bShowAsterisks) ? '*' : ' ';
    };

    // The values of one row, in the order of the table's row format.
    auto rowValues = [&](int s, int sign, double location) {
        const bool negative = sign == kFlexureNegative;
        const double muI = negative ? d.m_aMuStrengthIEnd[s][kStrengthMomentNegativeComposite]
                                    : d.m_aMuStrengthI[s][kStrengthMomentPositive];
        const double muII = negative ? d.m_aMuStrengthIIEnd[s][kStrengthMomentNegativeComposite]
                                     : d.m_aMuStrengthII[s][kStrengthMomentPositive];
        const double mu = negative ? d.m_aFactoredMomentEnvelope[s][kStrengthINegative]
                                   : d.m_aMuFlexure[s][kStrengthIPositive];
        std::vector<double> v{location * fLen};
        if (strain) {
            const StrainCompatResult& r = d.m_aStrainCompat[s];
            v.insert(v.end(), {r.m_adTensionArea[sign] * fArea, r.m_adTensionDepth[sign] * fIn,
                               r.m_adCompressionArea[sign] * fArea, r.m_adCompressionSteelDepth[sign] * fIn,
                               r.m_adConcreteForce[sign] * fForce, r.m_adConcreteDepth[sign] * fIn,
                               r.m_adCompressionDepth[sign] * fIn, d.m_aFlexureC[s][sign] * fIn,
                               r.m_adPrestressStress[sign] * fStress});
        } else {
            const double as = negative ? d.m_adDeckBarArea[s] : d.m_aFlexureAs[s][sign];
            const double ds = negative ? d.m_adDeckBarDepth[s] : d.m_aFlexureDs[s][sign];
            v.insert(v.end(), {d.m_aFlexureAps[s][sign] * fArea, d.m_aFlexureDp[s][sign] * fIn, as * fArea, ds * fIn,
                               d.m_aFlexureC[s][sign] * fIn, d.m_aFlexureA[s][sign] * fIn,
                               d.m_aFlexureFps[s][sign] * fStress});
        }
        if (strengthII) v.insert(v.end(), {muI * fMoment, muII * fMoment});
        v.push_back(mu * fMoment);
        if (!strain && code == FlexureCode::kStandard) v.push_back(d.m_aFlexureMn[s][sign] * fMoment);
        v.insert(v.end(), {d.m_aFlexureMr[s][sign] * fMoment, mark(s, sign, mu), d.m_aFlexureMcr[s][sign] * fMoment,
                           d.m_aFlexureMrMcrRatio[s][sign]});
        if (code == FlexureCode::kStandard) {
            v.push_back(d.m_aFlexureDepthRatio[s][sign]);
            if (strain) v.push_back((d.m_aFlexureDepthRatio[s][sign] > 0.42 && d.m_bShowAsterisks) ? '*' : ' ');
        } else {
            if (!strain && negative) v.push_back(d.m_aFlexureDepthRatio[s][sign]);
            v.push_back(d.m_aFlexurePhi[s][sign]);
        }
        v.push_back(d.m_aFlexureMrMuRatio[s][sign]);
        return v;
    };

    auto rows = [&](const FlexureTable& t, int sign) {
        const bool negative = sign == kFlexureNegative;
        const std::string format = rowFormat(t, negative);
        const double offset = negative ? d.m_adGirderOffsetLeft[span] + d.m_adPadOffsetLeft[span] : 0.0;
        for (int s : kTenthStations) {
            if (negative && !(metric && !strain) && !(d.m_aFactoredMomentEnvelope[s][kStrengthINegative] < -0.000001)) {
                continue;
            }
            const double location = d.m_adStationX[s] + offset;
            if (strain && !metric && d.m_aStrainCompat[s].m_anConverged[sign] != 1) {
                ctx.Add(Format("%6.2f Unable to build compression block at this location", Fin(location * fLen)));
                continue;
            }
            ctx.Add(FormatCells(format, rowValues(s, sign, location)));
        }
    };

    ctx.Add("Strength Limit State: Flexure (+M Envelope)");
    ctx.Add("-------------------------------------------");
    parameterLine(kFlexurePositive);
    const FlexureTable& positive = strain ? kStrainPositive[tableIndex] : kCodePositive[tableIndex];
    tableHead(positive, false);
    rows(positive, kFlexurePositive);

    auto writeNegativeEnvelope = [&]() {
        ctx.Add(" ");
        ctx.Add("Strength Limit State: Flexure (-M Envelope)");
        ctx.Add("-------------------------------------------");
        parameterLine(kFlexureNegative);
        const FlexureTable& negative = strain ? kStrainNegative[tableIndex] : kCodeNegative[tableIndex];
        tableHead(negative, true);
        const int blanks = strain ? (strengthII ? 50 : 39) : (strengthII ? 38 : 29);
        const bool pierLines = !(metric && strain && tableIndex > 1);  // metric strain tables: Q1, Q2 only
        if (pierLines && d.m_dLeftPierMoment < -0.000001) {
            ctx.Add(Format("%6.2f (CL of Left Pier)", 0.0) + std::string(static_cast<std::size_t>(blanks), ' ') +
                    Format("%6.0f", Fin(d.m_dLeftPierMoment * fMoment)));
        }
        rows(negative, kFlexureNegative);
        if (pierLines && d.m_dRightPierMoment < -0.000001) {
            ctx.Add(Format("%6.2f (CL of Right Pier)", Fin(d.m_adSpanLength[span] * fLen)) +
                    std::string(static_cast<std::size_t>(blanks - 1), ' ') +
                    Format("%6.0f", Fin(d.m_dRightPierMoment * fMoment)));
        }
    };

    if (d.m_bContinuous) writeNegativeEnvelope();
    // The metric form closes the flexure section with a blank line, whether or not the load
    // rating follows.
    if (metric) ctx.Add(" ");
}

void WriteLoadRatingBlock(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool metric = ctx.metric;
    const bool standard = !IsLrfd(d.m_nSpecification);
    ctx.Add("---page break---");
    ctx.Add(" ");
    ctx.Add("Load Rating");
    ctx.Add("===========");
    ctx.Add("");

    if (d.m_bRatingInventory == 1) {
        ctx.Add("Inventory Rating");
        ctx.Add("----------------");
        ctx.Add(Format("Load Factors: Dead Load(DC)=%5.2f, FWS(DW)=%5.2f, Live Load=%5.2f",
                       d.m_dStrengthIDeadLoadFactor, d.m_dStrengthIWearingSurfaceFactor,
                       d.m_dStrengthILiveLoadFactor));
        ctx.Add(metric ? "Stress-tens      Lt    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L      Lt"
                       : "Stress-Tens      Lt    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L      Lt");
        AddElevenColumnRows(ctx, kStressGroupStations, d.m_aRatingFactor[kRatingInvTension]);
        ctx.Add("");
        ctx.Add(metric ? "Stress-comp      Lt    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L      Lt"
                       : "Stress-Comp      Lt    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L      Lt");
        AddElevenColumnRows(ctx, kStressGroupStations, d.m_aRatingFactor[kRatingInvCompression]);
        if (standard) {
            ctx.Add("");
            ctx.Add("Stress-Comp(Alt) Lt    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L      Lt");
            AddElevenColumnRows(ctx, kStressGroupStations, d.m_aRatingFactor2[kRatingInvAltCompression]);
            ctx.Add("");
            ctx.Add("Strand Stress    Lt    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L      Lt");
            AddElevenColumnRows(ctx, kStressGroupStations, d.m_aRatingFactor2[kRatingInvStrand]);
        }
        ctx.Add("");
        AddFlexureAndShearGroups(ctx, d.m_aRatingFactor[kRatingInvFlexurePos],
                                 d.m_aRatingFactor[kRatingInvFlexureNeg], d.m_aRatingFactor[kRatingInvShear]);
        const MinimumPair tension = Minimum(d.m_adRatingMinimum, kRatingMinTension, metric);
        const MinimumPair compression = Minimum(d.m_adRatingMinimum, kRatingMinCompression, metric);
        const MinimumPair flexure = Minimum(d.m_adRatingMinimum, kRatingMinInvFlexure, metric);
        const MinimumPair shear = Minimum(d.m_adRatingMinimum, kRatingMinInvShear, metric);
        ctx.Add(Format(metric ? "  Minimums: Stress-tens RF=%6.2f @ %6.2f m,  Flexure RF=%6.2f @ %6.2f m"
                              : "  Minimums: Stress-Tens RF=%6.2f @ %6.2f ft,  Flexure RF=%6.2f @ %6.2f ft",
                       tension.rf, tension.x, flexure.rf, flexure.x));
        ctx.Add(Format(metric ? "            Stress-comp RF=%6.2f @ %6.2f m,  Shear RF  =%6.2f @ %6.2f m"
                              : "            Stress-Comp RF=%6.2f @ %6.2f ft,  Shear RF  =%6.2f @ %6.2f ft",
                       compression.rf, compression.x, shear.rf, shear.x));
        if (standard) {
            const MinimumPair alt = Minimum(d.m_adRatingMinimum2, kRatingMinAltCompression, metric);
            const MinimumPair strand = Minimum(d.m_adRatingMinimum2, kRatingMinInvStrand, metric);
            ctx.Add(Format(metric ? "               Alt-Comp RF=%6.2f @ %6.2f m,  Str Stress=%6.2f @ %6.2f m"
                                  : "               Alt-Comp RF=%6.2f @ %6.2f ft,  Str Stress=%6.2f @ %6.2f ft",
                           alt.rf, alt.x, strand.rf, strand.x));
        }
        ctx.Add("");
    }

    if (d.m_bRatingOperating == 1) {
        ctx.Add("Operating Rating");
        ctx.Add("----------------");
        ctx.Add(Format("Load Factors: Dead Load(DC)=%5.2f, FWS(DW)=%5.2f, Live Load=%5.2f",
                       d.m_dStrengthIIDeadLoadFactor, d.m_dStrengthIIWearingSurfaceFactor,
                       d.m_dStrengthIILiveLoadFactor));
        if (standard) {
            ctx.Add("Strand Stress    Lt    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L      Lt");
            AddElevenColumnRows(ctx, kStressGroupStations, d.m_aRatingFactor2[kRatingOprStrand]);
            ctx.Add("");
        }
        AddFlexureAndShearGroups(ctx, d.m_aRatingFactor[kRatingOprFlexurePos],
                                 d.m_aRatingFactor[kRatingOprFlexureNeg], d.m_aRatingFactor[kRatingOprShear]);
        const MinimumPair flexure = Minimum(d.m_adRatingMinimum, kRatingMinOprFlexure, metric);
        const MinimumPair shear = Minimum(d.m_adRatingMinimum, kRatingMinOprShear, metric);
        ctx.Add(Format(metric ? "  Minimums: Flexure RF=%6.2f @ %6.2f m,  Shear RF=%6.2f @ %6.2f m"
                              : "  Minimums: Flexure RF=%6.2f @ %6.2f ft,  Shear RF=%6.2f @ %6.2f ft",
                       flexure.rf, flexure.x, shear.rf, shear.x));
        if (standard) {
            const MinimumPair strand = Minimum(d.m_adRatingMinimum2, kRatingMinOprStrand, metric);
            ctx.Add(Format(metric ? "            Str Stress=%6.2f @ %6.2f m" : "            Str Stress=%6.2f @ %6.2f ft",
                           strand.rf, strand.x));
        }
        ctx.Add("");
        ctx.Add("Note: Rating Factor calculations are performed at 100th points along the girder.");
    }
}

}  // namespace kordel
