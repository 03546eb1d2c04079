// The seven parametric section types: the dimension checks, the outline builders (by halves for
// the symmetric types, with curved fillets for the I-girder family), the torsion constant and
// the default strand template.
#include "libraries/section_generator.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "document/quantity_bounds.h"
#include "engine/core/polygon.h"

namespace kordel {

namespace {

struct Pt {
    double x;
    double y;
};

// ---- Dimension slots ------------------------------------------------------------------------

/// One dimension slot: B (widths) or D (depths) and its number.
struct Slot {
    char kind;  ///< 'B' or 'D'
    int k;      ///< 1 to 10
};

double Value(const GeneratorInput& in, Slot s) {
    return s.kind == 'B' ? in.widths[s.k] : in.depths[s.k];
}

std::string Name(Slot s) {
    return std::string(1, s.kind) + std::to_string(s.k);
}

constexpr Slot B1{'B', 1}, B2{'B', 2}, B3{'B', 3}, B4{'B', 4}, B5{'B', 5}, B6{'B', 6}, B7{'B', 7},
    B8{'B', 8};
constexpr Slot D1{'D', 1}, D2{'D', 2}, D3{'D', 3}, D4{'D', 4}, D5{'D', 5}, D6{'D', 6}, D7{'D', 7},
    D8{'D', 8}, D9{'D', 9}, D10{'D', 10};

/// The lengths of the side shear keys of the box beam and the slab: the height of the key's
/// upper part u and lower part l, its recess r and its setback s. Single precision, as the
/// section tools have always held them.
struct ShearKeyDimensions {
    float upper;
    float lower;
    float recess;
    float setback;
};
constexpr ShearKeyDimensions kBoxShearKey = {6.0f, 6.0f, 0.75f, 0.375f};   // in
constexpr ShearKeyDimensions kSlabShearKey = {3.0f, 4.0f, 0.75f, 0.375f};  // in

/// The key in the section's unit: metres for a metric section, each length times 0.0254 in
/// single precision.
ShearKeyDimensions KeyInUnits(const ShearKeyDimensions& key, int units) {
    if (units == kUnitsUS) return key;
    const float f = static_cast<float>(kMetresPerInch);
    return {key.upper * f, key.lower * f, key.recess * f, key.setback * f};
}

/// The pitch of the default strand template and the slab's web allowance, in inches.
constexpr double kTemplatePitchInches = 2.0;
constexpr double kSlabWebAllowanceInches = 2.0;

double InUnits(double inches, int units) {
    return units == kUnitsUS ? inches : inches * kMetresPerInch;
}

/// Template layouts.
constexpr int kLayoutInterior = 1;
constexpr int kLayoutExterior = 2;

// ---- Fillets ----------------------------------------------------------------------------------

enum class FilletMode { None, FlangeOnly, WebOnly, Both };

FilletMode ModeOf(const GeneratorInput& in) {
    const bool web = in.curvedWebFillets != 0;
    const bool flange = in.curvedFlangeFillets != 0;
    if (web && flange) return FilletMode::Both;
    if (web) return FilletMode::WebOnly;
    if (flange) return FilletMode::FlangeOnly;
    return FilletMode::None;
}

/// One corner Q of the left half that a fillet may replace: it joins a vertical edge and a
/// sloped edge whose far end is F.
struct FilletCorner {
    Pt q;
    Pt f;
    double rise;
    double run;
    bool upper;           ///< an upper corner: the slope angle is |atan(rise / run)|
    double verticalStep;  ///< +1 when the tangent point on the vertical edge lies above Q
    double dxSign;        ///< direction from F towards Q: (dxSign cos a, dySign sin a)
    double dySign;
    double centreSide;  ///< +1 when F lies right of Q: the centre is R right of that point
    bool tvFirst;       ///< the vertical edge's tangent point comes first in outline order,
                        ///< and the sloped edge follows the corner
};

/// Appends the corner, or with R > 0 its fillet: the first tangent point, the first n - 1 arc
/// points and the second tangent point, n + 1 points in place of one.
void AddFillet(std::vector<Pt>& half, const FilletCorner& c, double R) {
    if (!(R > 0.0)) {
        half.push_back(c.q);
        return;
    }
    double a = std::atan(c.rise / c.run);  // slope angle of the sloped edge, rad
    if (c.upper) a = std::fabs(a);
    const double beta = kFilletRightAngle + a;  // interior angle, rad
    const double t = R / std::tan(beta / 2.0);  // tangent length
    const Pt tv{c.q.x, c.q.y + c.verticalStep * t};
    const double length = std::sqrt(c.rise * c.rise + c.run * c.run);
    const double fromF = length - t;
    Pt ts{};
    if (fromF > 0.0) {
        ts = {c.f.x + fromF * c.dxSign * std::cos(a), c.f.y + fromF * c.dySign * std::sin(a)};
    } else {
        // The edge is shorter than the tangent length: the tangent point falls back to its end.
        ts = c.tvFirst ? c.f : half.back();
    }
    const Pt centre{tv.x + c.centreSide * R, tv.y};
    const double theta = 2.0 * (kFilletRightAngle - beta / 2.0);  // sweep, rad
    const Pt s = c.tvFirst ? tv : ts;
    const Pt e = c.tvFirst ? ts : tv;
    double arc[kArcPointCount][kPointValueCount];
    ComputeArcPoints(R, theta, centre.x, centre.y, kArcPointCount, s.x, s.y, e.x, e.y, arc);
    half.push_back(s);
    for (int k = 0; k + 1 < kArcPointCount; ++k) half.push_back({arc[k][kPointX], arc[k][kPointY]});
    half.push_back(e);
}

// ---- Builders -----------------------------------------------------------------------------------

/// Writes `points` as the outline.
void SetOutline(SectionShape& s, const std::vector<Pt>& points) {
    s.outlineCount = std::min(static_cast<int>(points.size()), kMaxOutlinePoints);
    for (int i = 0; i < s.outlineCount; ++i) {
        s.outline[i][kPointX] = points[static_cast<std::size_t>(i)].x;
        s.outline[i][kPointY] = points[static_cast<std::size_t>(i)].y;
    }
}

/// The left half, then its mirror image in reverse order, then the first point again.
void SetMirroredOutline(SectionShape& s, const std::vector<Pt>& half) {
    std::vector<Pt> all = half;
    for (auto it = half.rbegin(); it != half.rend(); ++it) all.push_back({-it->x, it->y});
    if (!half.empty()) all.push_back(half.front());
    SetOutline(s, all);
}

/// The slots of the I-girder family: the top flange's width, the depth of the deck above it
/// (0 for the I-girder) and the four fillet radii.
struct IGirderSlots {
    Slot flangeWidth;
    Slot deckDepth;  ///< D8 of the decked bulb-tee; unused by the I-girder
    Slot topFlangeRadius;
    Slot bottomFlangeRadius;
    Slot topWebRadius;
    Slot bottomWebRadius;
};
constexpr IGirderSlots kIGirderSlots = {B1, D8, B6, B7, D8, D9};
constexpr IGirderSlots kDeckedSlots = {B6, D8, B7, B8, D9, D10};

/// The I-girder and, under a deck, the decked bulb-tee: the left half by fillet mode.
void BuildIGirderFamily(const GeneratorInput& in, SectionShape& s) {
    const bool decked = in.type == kGenDeckedBulbTee;
    const IGirderSlots& slot = decked ? kDeckedSlots : kIGirderSlots;
    const double b1 = Value(in, slot.flangeWidth);  // the girder's top flange width
    const double b2 = in.widths[2], b3 = in.widths[3], b4 = in.widths[4], b5 = in.widths[5];
    const double d1 = in.depths[1], d2 = in.depths[2], d3 = in.depths[3], d4 = in.depths[4];
    const double d5 = in.depths[5], d6 = in.depths[6], d7 = in.depths[7];
    const double top = decked ? d1 - in.depths[8] : d1;  // top of the girder's flange

    const Pt c1{-b2 / 2, 0};
    const Pt c2{-b2 / 2, d7};
    const Pt c3{-b3 / 2 - b5, d7 + d6};
    const Pt c4{-b3 / 2, d7 + d6 + d5};
    const Pt c5{-b3 / 2, top - d2 - d3 - d4};
    const Pt c6{-b3 / 2 - b4, top - d2 - d3};
    const Pt c7{-b1 / 2, top - d2};
    const Pt c8{-b1 / 2, top};
    const Pt w1{-b3 / 2, d7 + d6};
    const Pt w2{-b3 / 2, top - d2 - d3};

    const FilletMode mode = ModeOf(in);
    const bool web = mode == FilletMode::WebOnly || mode == FilletMode::Both;
    const bool flange = mode == FilletMode::FlangeOnly || mode == FilletMode::Both;
    const double bottomRun = web ? b2 / 2 - b3 / 2 : b2 / 2 - b3 / 2 - b5;
    const double topRun = web ? b1 / 2 - b3 / 2 : b1 / 2 - b3 / 2 - b4;
    const FilletCorner bottomFlange{c2, web ? w1 : c3, d6, bottomRun, false, -1, -1, -1, +1, true};
    const FilletCorner bottomWeb{w1, c2, d6, b2 / 2 - b3 / 2, false, +1, +1, +1, -1, false};
    const FilletCorner topWeb{w2, c7, d3, b1 / 2 - b3 / 2, true, -1, +1, -1, -1, true};
    const FilletCorner topFlange{c7, web ? w2 : c6, d3, topRun, true, +1, -1, +1, +1, false};
    const double noRadius = 0.0;

    std::vector<Pt> half{c1};
    AddFillet(half, bottomFlange, flange ? Value(in, slot.bottomFlangeRadius) : noRadius);
    if (web) {
        AddFillet(half, bottomWeb, Value(in, slot.bottomWebRadius));
        AddFillet(half, topWeb, Value(in, slot.topWebRadius));
    } else {
        half.insert(half.end(), {c3, c4, c5, c6});
    }
    AddFillet(half, topFlange, flange ? Value(in, slot.topFlangeRadius) : noRadius);
    half.push_back(c8);
    if (decked) {
        half.push_back({-in.widths[1] / 2, top});  // underside of the deck
        half.push_back({-in.widths[1] / 2, d1});
    }
    SetMirroredOutline(s, half);

    s.height = d1;
    s.topFlangeThickness = d2;
    s.topFlangeWidth = b1;
    s.webWidth = b3;
    s.bottomFlangeWidth = b2;
    s.bottomFlangeThickness = d7;
    s.bwo = b3;
    s.webCount = 1;
    s.webLocation = 0;
}

void BuildBoxBeam(const GeneratorInput& in, SectionShape& s) {
    const double b1 = in.widths[1], b2 = in.widths[2], b3 = in.widths[3], b4 = in.widths[4];
    const double d1 = in.depths[1], d2 = in.depths[2], d3 = in.depths[3], d4 = in.depths[4];
    const ShearKeyDimensions key = KeyInUnits(kBoxShearKey, in.units);
    const double u = static_cast<double>(key.upper), l = static_cast<double>(key.lower);
    const double r = static_cast<double>(key.recess), k = static_cast<double>(key.setback);
    const double x = b1 / 2;
    SetOutline(s, {{-x, 0},
                   {-x, d1 - (u + l)},
                   {-x + r, d1 - (u + l) + r},
                   {-x + r, d1 - u - k},
                   {-x + k, d1 - l},
                   {-x + k, d1},
                   {x - k, d1},
                   {x - k, d1 - l},
                   {x - r, d1 - l - k},
                   {x - r, d1 - (u + l) + r},
                   {x, d1 - (u + l)},
                   {x, 0},
                   {-x, 0}});
    const std::vector<Pt> hole = {
        {-x + b2 + b4, d3},      {-x + b2, d3 + d4},     {-x + b2, d1 - d2 - d4},
        {-x + b2 + b4, d1 - d2}, {x - b2 - b4, d1 - d2}, {x - b2, d1 - d2 - d4},
        {x - b2, d3 + d4},       {x - b2 - b4, d3},      {-x + b2 + b4, d3}};
    s.voidCount = static_cast<int>(hole.size());
    for (int i = 0; i < s.voidCount; ++i) {
        s.voidOutline[i][kPointX] = hole[static_cast<std::size_t>(i)].x;
        s.voidOutline[i][kPointY] = hole[static_cast<std::size_t>(i)].y;
    }

    s.height = d1;
    s.topFlangeThickness = d2;
    s.topFlangeWidth = b1;
    s.webWidth = b2;
    s.bottomFlangeWidth = b1;
    s.bottomFlangeThickness = d3;
    s.bwo = b1 - b2 / 2 - b3 / 2;
    s.webCount = 2;
    s.webLocation = b1 / 2 - s.webWidth / 2;
}

/// Horizontal width of a U-beam Type A web of thickness B4 square to faces of slope D7.
double UBeamAWebWidth(const GeneratorInput& in) {
    const double b4 = in.widths[4];
    return std::sqrt(b4 * b4 + (b4 / in.depths[7]) * (b4 / in.depths[7]));
}

void BuildUBeamA(const GeneratorInput& in, SectionShape& s) {
    const double b1 = in.widths[1], b2 = in.widths[2], b3 = in.widths[3], b4 = in.widths[4];
    const double b5 = in.widths[5];
    const double d1 = in.depths[1], d2 = in.depths[2], d3 = in.depths[3], d4 = in.depths[4];
    const double d5 = in.depths[5], d6 = in.depths[6], slope = in.depths[7];
    const double w = UBeamAWebWidth(in);
    Pt p[9];
    p[0] = {-b1 / 2, 0};
    p[1] = {p[0].x - d1 / slope, d1};
    p[2] = {p[1].x + b2, d1};
    p[3] = {p[2].x, d1 - d2};
    p[4] = {p[2].x + b3, d1 - d2};
    p[5] = {p[4].x, d1 - d2 - d3};
    p[6] = {p[1].x + w + (d2 + d3 + d4) / slope, d1 - (d2 + d3 + d4)};
    p[7] = {p[6].x + (d1 - d2 - d3 - d4 - d5 - d6) / slope, d5 + d6};
    p[8] = {p[7].x + b5, d6};
    SetMirroredOutline(s, std::vector<Pt>(std::begin(p), std::end(p)));

    s.height = d1;
    s.topFlangeThickness = d2;
    s.topFlangeWidth = 2 * b2;
    s.webWidth = b4;
    s.bottomFlangeWidth = b1;
    s.bottomFlangeThickness = d6;
    s.bwo = 2 * d1 / slope + b1;
    s.webCount = 2;
    s.webLocation = b1 / 2 - w / 2;
}

void BuildUBeamB(const GeneratorInput& in, SectionShape& s) {
    const double b1 = in.widths[1], b2 = in.widths[2], b3 = in.widths[3], b4 = in.widths[4];
    const double b5 = in.widths[5], b6 = in.widths[6];
    const double d1 = in.depths[1], d2 = in.depths[2], d3 = in.depths[3], d4 = in.depths[4];
    const double d5 = in.depths[5], d6 = in.depths[6];
    const double m = (d1 - d2 - d3) / (b1 / 2 - b2 / 2 - b3);  // slope of the webs, rise per run
    Pt p[8];
    p[0] = {-b2 / 2, 0};
    p[1] = {-b1 / 2 + b3, d1 - d2 - d3};
    p[2] = {-b1 / 2, d1 - d2};
    p[3] = {-b1 / 2, d1};
    p[4] = {-b1 / 2 + b4, d1};
    p[5] = {p[4].x, d1 - d4};
    p[6] = {p[5].x + (d1 - d4 - d5 - d6) / m, d5 + d6};
    p[7] = {p[6].x + b6, d6};
    SetMirroredOutline(s, std::vector<Pt>(std::begin(p), std::end(p)));

    s.height = d1;
    s.topFlangeThickness = d2;
    s.topFlangeWidth = 2 * b4;
    s.webWidth = b5;
    s.bottomFlangeWidth = b2;
    s.bottomFlangeThickness = d6;
    s.bwo = b1;
    s.webCount = 2;
    s.webLocation = b2 / 2;
}

void BuildSlab(const GeneratorInput& in, SectionShape& s) {
    const double b1 = in.widths[1], d1 = in.depths[1];
    const ShearKeyDimensions key = KeyInUnits(kSlabShearKey, in.units);
    const double u = static_cast<double>(key.upper), l = static_cast<double>(key.lower);
    const double r = static_cast<double>(key.recess), k = static_cast<double>(key.setback);
    const double x = -b1 / 2;
    SetMirroredOutline(s, {{x, 0},
                           {x, d1 - (u + l)},
                           {x + r, d1 - (u + l) + r},
                           {x + r, d1 - u - k},
                           {x + k, d1 - u},
                           {x + k, d1}});

    s.circleCount = std::clamp(in.circularVoidCount, 0, kMaxCircularVoids);
    std::memcpy(s.circles, in.circularVoids, sizeof s.circles);
    double rmax = 0;  // largest radius
    double rsum = 0;  // sum of the radii
    for (int i = 0; i < s.circleCount; ++i) {
        rmax = std::max(rmax, s.circles[i][kVoidRadius]);
        rsum += s.circles[i][kVoidRadius];
    }
    s.height = d1;
    s.topFlangeThickness = d1 - 2 * rmax;
    s.topFlangeWidth = b1;
    s.webWidth = (b1 - 2 * rsum) / 2;
    s.bottomFlangeWidth = b1;
    s.bottomFlangeThickness = s.topFlangeThickness;
    s.bwo = b1;
    s.webCount = 2;
    s.webLocation = b1 / 2 - InUnits(kSlabWebAllowanceInches, in.units);
}

/// Legs of a double tee: B6 without its fraction.
int LegCount(const GeneratorInput& in) {
    const double legs = std::trunc(in.widths[6]);
    return legs >= 0 && legs <= kMaxDoubleTeeLegs + 1 ? static_cast<int>(legs) : -1;
}

void BuildDoubleTee(const GeneratorInput& in, SectionShape& s) {
    const double b1 = in.widths[1], b2 = in.widths[2], b3 = in.widths[3], b4 = in.widths[4];
    const double b5 = in.widths[5];
    const double d1 = in.depths[1], d2 = in.depths[2];
    const int legs = std::clamp(LegCount(in), 0, kMaxDoubleTeeLegs);
    const double e = -b1 / 2 + b4;  // centreline of the first leg
    const double h = d1 - d2;       // height of the legs
    std::vector<Pt> p = {{e - b3 / 2, 0}, {e - b2 / 2, h}, {-b1 / 2, h},
                         {-b1 / 2, d1},   {b1 / 2, d1},    {b1 / 2, h}};
    for (int k = legs - 1; k >= 1; --k) {
        const double c = e + k * b5;
        p.insert(p.end(), {{c + b2 / 2, h}, {c + b3 / 2, 0}, {c - b3 / 2, 0}, {c - b2 / 2, h}});
    }
    p.insert(p.end(), {{e + b2 / 2, h}, {e + b3 / 2, 0}, p.front()});
    SetOutline(s, p);

    s.height = d1;
    s.topFlangeThickness = d2;
    s.topFlangeWidth = b1;
    s.webWidth = b3;
    s.bottomFlangeWidth = b2;
    s.bottomFlangeThickness = d1 - d2;
    s.bwo = b3;
    s.webCount = legs;
    s.webLocation = legs == 1 ? 0.0 : legs == 2 ? b5 / 2 : b5;
}

// ---- Checks -------------------------------------------------------------------------------------

/// The first dimension fault found, in the order of the calls.
class DimensionChecks {
  public:
    explicit DimensionChecks(const GeneratorInput& in) : m_in(in) {}

    void Positive(Slot s, const char* meaning) {
        if (Finite(s, meaning) && !(Value(m_in, s) > 0.0)) {
            Fail(Name(s) + " (" + meaning + ") must be greater than 0.");
        }
    }
    void NotNegative(Slot s, const char* meaning) {
        if (Finite(s, meaning) && !(Value(m_in, s) >= 0.0)) {
            Fail(Name(s) + " (" + meaning + ") cannot be negative.");
        }
    }
    /// Refuses unless `ok` (a comparison false for NaN).
    void Require(bool ok, const std::string& message) {
        if (!ok) Fail(message);
    }
    const std::string& Error() const { return m_error; }

  private:
    bool Finite(Slot s, const char* meaning) {
        if (std::isfinite(Value(m_in, s))) return true;
        Fail(Name(s) + " (" + meaning + ") is not a number.");
        return false;
    }
    void Fail(const std::string& message) {
        if (m_error.empty()) m_error = message;
    }
    const GeneratorInput& m_in;
    std::string m_error;
};

/// A length in the section's unit for a message: "12 in", "0.3048 m".
std::string Length(double v, int units) {
    return FormatNumber(v) + (units == kUnitsUS ? " in" : " m");
}

void CheckIGirderFamily(const GeneratorInput& in, DimensionChecks& c) {
    const bool decked = in.type == kGenDeckedBulbTee;
    const IGirderSlots& slot = decked ? kDeckedSlots : kIGirderSlots;
    const FilletMode mode = ModeOf(in);
    const bool web = mode == FilletMode::WebOnly || mode == FilletMode::Both;
    const bool flange = mode == FilletMode::FlangeOnly || mode == FilletMode::Both;
    const double* B = in.widths;
    const double* D = in.depths;

    if (decked) c.Positive(B1, "deck width");
    c.Positive(slot.flangeWidth, "top flange width");
    c.Positive(B2, "bottom flange width");
    c.Positive(B3, "web width");
    c.Positive(D1, "overall depth");
    c.Positive(D2, "top flange thickness at its edge");
    c.NotNegative(D3, "rise of the top flange's underside");
    c.NotNegative(D6, "rise of the bottom flange's top");
    c.Positive(D7, "bottom flange thickness at its edge");
    if (decked) c.Positive(D8, "deck thickness");
    if (!web) {
        c.NotNegative(B4, "chamfer width under the top flange");
        c.NotNegative(B5, "chamfer width over the bottom flange");
        c.NotNegative(D4, "chamfer depth under the top flange");
        c.NotNegative(D5, "chamfer depth over the bottom flange");
    }
    if (flange) {
        c.NotNegative(slot.topFlangeRadius, "radius of the top flange corner");
        c.NotNegative(slot.bottomFlangeRadius, "radius of the bottom flange corner");
    }
    if (web) {
        c.NotNegative(slot.topWebRadius, "radius of the web fillet under the top flange");
        c.NotNegative(slot.bottomWebRadius, "radius of the web fillet over the bottom flange");
    }
    const std::string flangeName = Name(slot.flangeWidth);
    if (web) {
        c.Require(Value(in, slot.flangeWidth) >= B[3],
                  "The top flange width " + flangeName + " cannot be less than the web width B3.");
        c.Require(B[2] >= B[3], "The bottom flange width B2 cannot be less than the web width B3.");
    } else {
        c.Require(Value(in, slot.flangeWidth) >= B[3] + 2 * B[4],
                  "The top flange width " + flangeName +
                      " cannot be less than the web width B3 and its chamfers B4.");
        c.Require(B[2] >= B[3] + 2 * B[5],
                  "The bottom flange width B2 cannot be less than the web width B3 and its "
                  "chamfers B5.");
    }
    if (decked) {
        c.Require(B[1] >= B[6], "The deck width B1 cannot be less than the top flange width B6.");
    }
    const double deck = decked ? D[8] : 0.0;
    const double stacked =
        web ? deck + D[2] + D[3] + D[6] + D[7] : deck + D[2] + D[3] + D[4] + D[5] + D[6] + D[7];
    c.Require(stacked <= D[1], std::string("The depths of the flanges") +
                                   (web ? "" : " and chamfers") + (decked ? " and the deck" : "") +
                                   " add up to more than the overall depth D1.");
}

void CheckBoxBeam(const GeneratorInput& in, DimensionChecks& c) {
    const double* B = in.widths;
    const double* D = in.depths;
    c.Positive(B1, "overall width");
    c.Positive(B2, "web width");
    c.NotNegative(B3, "width of the right web");
    c.NotNegative(B4, "chamfer width in the void");
    c.Positive(D1, "overall depth");
    c.Positive(D2, "top slab thickness");
    c.Positive(D3, "bottom slab thickness");
    c.NotNegative(D4, "chamfer depth in the void");
    c.Require(B[1] > 2 * (B[2] + B[4]),
              "The overall width B1 must exceed twice the web width B2 and the chamfer B4.");
    c.Require(D[1] > D[2] + D[3] + 2 * D[4],
              "The overall depth D1 must exceed the slabs D2 and D3 and twice the chamfer D4.");
    const ShearKeyDimensions key = KeyInUnits(kBoxShearKey, in.units);
    const double keyDepth = static_cast<double>(key.upper) + static_cast<double>(key.lower);
    c.Require(D[1] >= keyDepth, "The overall depth D1 must be at least the " +
                                    Length(keyDepth, in.units) + " of the shear keys.");
}

void CheckUBeamA(const GeneratorInput& in, DimensionChecks& c) {
    const double* D = in.depths;
    c.Positive(B1, "bottom width");
    c.Positive(B2, "width of the web top");
    c.NotNegative(B3, "ledge width");
    c.Positive(B4, "web thickness");
    c.NotNegative(B5, "haunch width");
    c.Positive(D1, "overall depth");
    c.NotNegative(D2, "ledge depth");
    c.NotNegative(D3, "depth of the face below the ledge");
    c.NotNegative(D4, "chamfer depth");
    c.NotNegative(D5, "haunch depth");
    c.Positive(D6, "bottom slab thickness");
    c.Positive(D7, "web slope, rise per unit of run");
    c.Require(D[2] + D[3] + D[4] + D[5] + D[6] <= D[1],
              "The depths D2 to D6 add up to more than the overall depth D1.");
}

void CheckUBeamB(const GeneratorInput& in, DimensionChecks& c) {
    const double* B = in.widths;
    const double* D = in.depths;
    c.Positive(B1, "overall top width");
    c.Positive(B2, "bottom width");
    c.NotNegative(B3, "width of the chamfer under the overhang");
    c.Positive(B4, "top flange width");
    c.Positive(B5, "web thickness");
    c.NotNegative(B6, "haunch width");
    c.Positive(D1, "overall depth");
    c.Positive(D2, "overhang thickness");
    c.NotNegative(D3, "chamfer depth under the overhang");
    c.NotNegative(D4, "depth of the inner face");
    c.NotNegative(D5, "haunch depth");
    c.Positive(D6, "bottom slab thickness");
    // The slope of the webs divides by both of these.
    c.Require(D[1] > D[2] + D[3], "The overall depth D1 must exceed D2 + D3.");
    c.Require(B[1] > B[2] + 2 * B[3], "The overall top width B1 must exceed B2 + 2 x B3.");
    c.Require(D[4] + D[5] + D[6] <= D[1],
              "The depths D4 to D6 add up to more than the overall depth D1.");
}

void CheckSlab(const GeneratorInput& in, DimensionChecks& c) {
    c.Positive(B1, "slab width");
    c.Positive(D1, "slab depth");
    const ShearKeyDimensions key = KeyInUnits(kSlabShearKey, in.units);
    const double keyDepth = static_cast<double>(key.upper) + static_cast<double>(key.lower);
    c.Require(in.depths[1] >= keyDepth, "The slab depth D1 must be at least the " +
                                            Length(keyDepth, in.units) + " of the shear keys.");
    c.Require(in.circularVoidCount >= 0 && in.circularVoidCount <= kMaxSlabVoids,
              "A slab holds 0 to " + std::to_string(kMaxSlabVoids) + " circular voids.");
}

void CheckDoubleTee(const GeneratorInput& in, DimensionChecks& c) {
    const double* B = in.widths;
    const double* D = in.depths;
    c.Positive(B1, "flange width");
    c.Positive(B2, "leg width at the top");
    c.Positive(B3, "leg width at the bottom");
    c.Positive(D1, "overall depth");
    c.Positive(D2, "flange thickness");
    const int legs = LegCount(in);
    c.Require(legs >= kMinDoubleTeeLegs && legs <= kMaxDoubleTeeLegs,
              "The number of legs B6 must be 2 or 3.");
    c.Require(D[1] > D[2], "The overall depth D1 must exceed the flange thickness D2.");
    const double widest = std::max(B[2], B[3]);  // widest part of a leg
    c.Require(B[5] >= widest, "The leg spacing B5 cannot be less than the leg widths B2 and B3.");
    c.Require(B[4] >= widest / 2, "The first leg (B4) must lie within the flange.");
    const double needed = (legs - 1) * B[5] + B[4] + widest / 2;
    c.Require(B[1] >= needed, "The flange width B1 must be at least " + Length(needed, in.units) +
                                  " to hold the legs.");
}

/// The dimension checks of `in`'s type; the first fault, or empty.
std::string CheckDimensions(const GeneratorInput& in) {
    DimensionChecks c(in);
    switch (in.type) {
        case kGenIGirder:
        case kGenDeckedBulbTee:
            CheckIGirderFamily(in, c);
            break;
        case kGenBoxBeam:
            CheckBoxBeam(in, c);
            break;
        case kGenUBeamA:
            CheckUBeamA(in, c);
            break;
        case kGenUBeamB:
            CheckUBeamB(in, c);
            break;
        case kGenSlab:
            CheckSlab(in, c);
            break;
        case kGenDoubleTee:
            CheckDoubleTee(in, c);
            break;
        default:
            return "There is no section type " + std::to_string(in.type) + ".";
    }
    return c.Error();
}

// ---- Checks of the built outline ----------------------------------------------------------------

Pt At(PointList p, int i) {
    return {p[i][kPointX], p[i][kPointY]};
}

/// (b - a) x (c - a).
double Orient(Pt a, Pt b, Pt c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

/// True when p, collinear with a and b, lies on the segment a b.
bool WithinSegment(Pt a, Pt b, Pt p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

/// True when the segments a b and c d have a point in common.
bool SegmentsMeet(Pt a, Pt b, Pt c, Pt d) {
    const double o1 = Orient(a, b, c);
    const double o2 = Orient(a, b, d);
    const double o3 = Orient(c, d, a);
    const double o4 = Orient(c, d, b);
    if (((o1 > 0 && o2 < 0) || (o1 < 0 && o2 > 0)) && ((o3 > 0 && o4 < 0) || (o3 < 0 && o4 > 0))) {
        return true;
    }
    return (o1 == 0 && WithinSegment(a, b, c)) || (o2 == 0 && WithinSegment(a, b, d)) ||
           (o3 == 0 && WithinSegment(c, d, a)) || (o4 == 0 && WithinSegment(c, d, b));
}

/// True when the closed chain (last point = first, no two consecutive points equal) is a simple
/// polygon: edges meet only where they follow each other, and there only at their common point.
bool IsSimpleClosedChain(int n, PointList p) {
    if (n < 4 || p[0][kPointX] != p[n - 1][kPointX] || p[0][kPointY] != p[n - 1][kPointY]) {
        return false;
    }
    const int edges = n - 1;
    for (int i = 0; i < edges; ++i) {
        for (int j = i + 1; j < edges; ++j) {
            const Pt a = At(p, i), b = At(p, i + 1), c = At(p, j), d = At(p, j + 1);
            if (j == i + 1) {
                // Following edges share b = c: they may not fold back over each other.
                if (Orient(a, b, d) == 0 && (WithinSegment(a, b, d) || WithinSegment(c, d, a))) {
                    return false;
                }
            } else if (i == 0 && j == edges - 1) {
                // The last edge ends where the first begins (d = a).
                if (Orient(a, b, c) == 0 && (WithinSegment(a, b, c) || WithinSegment(c, d, b))) {
                    return false;
                }
            } else if (SegmentsMeet(a, b, c, d)) {
                return false;
            }
        }
    }
    return true;
}

/// True when q lies inside the closed chain (even-odd rule).
bool Inside(int n, PointList p, Pt q) {
    bool inside = false;
    for (int i = 0; i + 1 < n; ++i) {
        const Pt a = At(p, i), b = At(p, i + 1);
        if ((a.y > q.y) != (b.y > q.y) && q.x < a.x + (q.y - a.y) * (b.x - a.x) / (b.y - a.y)) {
            inside = !inside;
        }
    }
    return inside;
}

/// Distance from q to the segment a b.
double DistanceToSegment(Pt a, Pt b, Pt q) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((q.x - a.x) * dx + (q.y - a.y) * dy) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(q.x - (a.x + t * dx), q.y - (a.y + t * dy));
}

bool AllFinite(int n, const double (*values)[kPointValueCount]) {
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(values[i][kPointX]) || !std::isfinite(values[i][kPointY])) return false;
    }
    return true;
}

/// The fault of a built shape whose dimensions passed their checks, or empty.
std::string CheckShape(const SectionShape& s, int type) {
    const char* what = type == kGenSlab ? "slab" : "section";
    if (!AllFinite(s.outlineCount, s.outline) || !AllFinite(s.voidCount, s.voidOutline)) {
        return "The dimensions give a section outline that is not finite.";
    }
    if (!IsSimpleClosedChain(s.outlineCount, s.outline)) {
        return "The dimensions give a section outline that crosses itself.";
    }
    if (s.voidCount > 0) {
        if (!IsSimpleClosedChain(s.voidCount, s.voidOutline)) {
            return "The dimensions give a void that crosses itself.";
        }
        for (int i = 0; i + 1 < s.voidCount; ++i) {
            for (int j = 0; j + 1 < s.outlineCount; ++j) {
                if (SegmentsMeet(At(s.voidOutline, i), At(s.voidOutline, i + 1), At(s.outline, j),
                                 At(s.outline, j + 1))) {
                    return "The void meets the outline of the section.";
                }
            }
        }
        if (!Inside(s.outlineCount, s.outline, At(s.voidOutline, 0))) {
            return "The void lies outside the section.";
        }
    }
    for (int i = 0; i < s.circleCount; ++i) {
        const double* ci = s.circles[i];
        const Pt centre{ci[kVoidCentreX], ci[kVoidCentreY]};
        const std::string name = "Circular void " + std::to_string(i + 1);
        const double r = ci[kVoidRadius];
        if (!std::isfinite(centre.x) || !std::isfinite(centre.y) || !std::isfinite(r)) {
            return name + " is not given by finite numbers.";
        }
        if (r < 0) return name + " has a negative radius.";
        bool inside = Inside(s.outlineCount, s.outline, centre);
        for (int j = 0; inside && j + 1 < s.outlineCount; ++j) {
            inside = DistanceToSegment(At(s.outline, j), At(s.outline, j + 1), centre) >= r;
        }
        if (!inside) return name + " does not lie within the " + what + ".";
        for (int k = 0; k < i; ++k) {
            const double* ck = s.circles[k];
            const double apart =
                std::hypot(ck[kVoidCentreX] - centre.x, ck[kVoidCentreY] - centre.y);
            if (apart < r + ck[kVoidRadius]) {
                return "Circular voids " + std::to_string(k + 1) + " and " + std::to_string(i + 1) +
                       " overlap.";
            }
        }
    }
    if (type == kGenSlab) {
        if (!(s.topFlangeThickness > 0)) {
            return "The circular voids leave no concrete above and below them: the largest "
                   "diameter reaches the slab depth D1.";
        }
        if (!(s.webWidth > 0)) {
            return "The circular voids leave no web: their diameters add up to the slab width B1 "
                   "or more.";
        }
    }
    return {};
}

}  // namespace

// ---- Public functions -------------------------------------------------------------------------

int SectionTypeOfGenerator(int genType) {
    switch (genType) {
        case kGenIGirder:
            return kSectionIGirder;
        case kGenBoxBeam:
            return kSectionBoxBeam;
        case kGenUBeamA:
        case kGenUBeamB:
            return kSectionUBeam;
        case kGenSlab:
            return kSectionSlab;
        case kGenDoubleTee:
            return kSectionChannel;
        case kGenDeckedBulbTee:
            return kSectionDeckedBulbTee;
        default:
            return 0;
    }
}

GeneratorInput DefaultGeneratorInput(int type, int units) {
    struct Defaults {
        double widths[kSectionGeneratorSlots];  // B1 to B10 from slot 1, in
        double depths[kSectionGeneratorSlots];  // D1 to D10 from slot 1, in
    };
    // clang-format off
    static const Defaults kDefaults[kGeneratorTypeCount] = {
        // I-girder: B1 to B7, D1 to D9
        {{0, 42, 26, 6, 2, 0, 0, 0}, {0, 72, 3.5, 2, 2, 0, 4.5, 6, 0, 0}},
        // Box beam: B1 to B4, D1 to D4
        {{0, 36, 5, 5, 3}, {0, 39, 5, 5, 3}},
        // U-beam Type A: B1 to B5, D1 to D7
        {{0, 59.06, 13.78, 2.95, 7.87, 2.95}, {0, 72.83, 1.97, 4.92, 4.92, 2.95, 6.89, 4}},
        // U-beam Type B: B1 to B6, D1 to D6
        {{0, 106, 56, 9, 16, 5.5, 3}, {0, 72, 7, 1, 21, 3, 10}},
        // Slab: B1, D1
        {{0, 48}, {0, 21}},
        // Double tee: B1 to B6, D1, D2
        {{0, 84, 8, 6, 18, 48, 2}, {0, 32, 2}},
        // Decked bulb-tee: B1 to B8, D1 to D10
        {{0, 60, 26, 6, 2, 0, 42, 0, 0}, {0, 72, 3.5, 2, 2, 0, 4.5, 6, 4, 0, 0}},
    };
    /// The slab's three voids: x, y of the centre, radius, in.
    static const double kSlabVoids[3][kCircularVoidValueCount] = {
        {-14, 10.5, 6}, {0, 10.5, 5}, {14, 10.5, 6}};
    // clang-format on
    GeneratorInput in;
    in.type = type;
    in.units = units;
    if (type < 0 || type >= kGeneratorTypeCount) return in;
    for (int k = 0; k < kSectionGeneratorSlots; ++k) {
        in.widths[k] = InUnits(kDefaults[type].widths[k], units);
        in.depths[k] = InUnits(kDefaults[type].depths[k], units);
    }
    // Two slots hold no length and keep their value in metres: the U-beam's web slope (rise per
    // unit of run) and the double tee's number of legs. Scaled, the metric U-beam's webs would
    // lean 0.1 to 1 and cross each other, and the double tee would have no legs.
    if (type == kGenUBeamA) in.depths[7] = kDefaults[type].depths[7];
    if (type == kGenDoubleTee) in.widths[6] = kDefaults[type].widths[6];
    if (type == kGenSlab) {
        in.circularVoidCount = 3;
        for (int i = 0; i < 3; ++i) {
            for (int c = 0; c < kCircularVoidValueCount; ++c) {
                in.circularVoids[i][c] = InUnits(kSlabVoids[i][c], units);
            }
        }
    }
    return in;
}

void ComputeArcPoints(double R, double theta, double cx, double cy, int n, double x1, double y1,
                      double x2, double y2, double (*points)[kPointValueCount]) {
    const double step = theta / n;
    const double theta0 = std::fabs(std::atan((cx - x1) / (cy - y1)));
    const bool subtract = (y2 > cy && x1 < cx) || (y1 < cy && x2 < cx);
    for (int k = 1; k <= n; ++k) {
        const double angle = theta0 + k * step;
        const double dx = R * std::sin(angle);
        points[k - 1][kPointX] = subtract ? cx - dx : cx + dx;
        points[k - 1][kPointY] = cy - R * std::cos(angle);
    }
}

SectionShape BuildSectionShape(const GeneratorInput& in) {
    SectionShape s;
    s.sectionType = SectionTypeOfGenerator(in.type);
    switch (in.type) {
        case kGenIGirder:
        case kGenDeckedBulbTee:
            BuildIGirderFamily(in, s);
            break;
        case kGenBoxBeam:
            BuildBoxBeam(in, s);
            break;
        case kGenUBeamA:
            BuildUBeamA(in, s);
            break;
        case kGenUBeamB:
            BuildUBeamB(in, s);
            break;
        case kGenSlab:
            BuildSlab(in, s);
            break;
        case kGenDoubleTee:
            BuildDoubleTee(in, s);
            break;
        default:
            break;
    }
    return s;
}

double TorsionConstant(const GeneratorInput& in, double A, double Ixx, double Iyy) {
    const double* B = in.widths;
    const double* D = in.depths;
    const bool us = in.units == kUnitsUS;
    double J = 0;
    switch (in.type) {
        case kGenBoxBeam: {
            const double b = B[1] - B[2];                 // width between the webs' centres
            const double h = D[1] - D[2] / 2 - D[3] / 2;  // height between the slabs' centres
            const double A0 = b * h;                      // enclosed area
            const double walls[4][2] = {{b, D[3]}, {h, B[2]}, {b, D[2]}, {h, B[3]}};  // s, t
            double S = 0;
            for (const auto& wall : walls) {
                if (wall[1] != 0.0) S += wall[0] / wall[1];
            }
            J = 4 * A0 * A0 / S;
            if (us) J = std::trunc(J);
            break;
        }
        case kGenUBeamA: {
            const double rise = D[1] - D[6];
            const double Lw = std::sqrt(rise * rise + (rise / D[7]) * (rise / D[7]));
            J = (B[1] * D[6] * D[6] * D[6] + 2 * Lw * B[4] * B[4] * B[4]) / 3;
            break;
        }
        case kGenUBeamB: {
            const double rise = D[1] - D[6];
            const double run = B[1] / 2 - B[2] / 2;
            const double Lw = std::sqrt(rise * rise + run * run);
            J = (B[2] * D[6] * D[6] * D[6] + 2 * Lw * B[5] * B[5] * B[5]) / 3;
            break;
        }
        case kGenDoubleTee: {
            const double legs = std::trunc(B[6]);
            const double leg = (B[2] + B[3]) / 2;  // mean leg width
            J = (B[1] * D[2] * D[2] * D[2] + legs * (D[1] - D[2]) * leg * leg * leg) / 3;
            break;
        }
        default:
            J = A * A * A * A / (40 * (Ixx + Iyy));
            break;
    }
    return us ? RoundWhole(J) : J;
}

StrandTemplate BuildDefaultStrandTemplate(int type, double bottomFlangeWidth, double height,
                                          double webLocation, int units) {
    const double g = InUnits(kTemplatePitchInches, units);
    StrandTemplate t;
    const double perSide = ((bottomFlangeWidth - 2 * g) / g + 1) / 2;
    const int n =
        perSide > 0 ? static_cast<int>(std::min<double>(perSide, kMaxTemplateLocations)) : 0;
    t.columnCount = n;
    const bool exterior =
        type == kGenBoxBeam || type == kGenUBeamA || type == kGenUBeamB || type == kGenSlab;
    t.layout = exterior ? kLayoutExterior : kLayoutInterior;
    const auto location = [&](int k) { return exterior ? webLocation - k * g : g / 2 + k * g; };

    double* row0 = t.values[0];
    row0[kTemplateElevation] = g;
    row0[kTemplatePositions] = 2 * n;
    row0[kTemplateDrapedPositions] = 2;
    for (int k = 0; k < n; ++k) row0[kTemplateFirstLocation + k] = location(k);
    if (type == kGenUBeamA || type == kGenUBeamB) {
        t.rowCount = 1;
        return t;
    }
    // Rows up the height: at least row 0, at most the template's rows.
    const double rows = (height - 2 * g) / g + 1;
    t.rowCount = rows >= 1 ? static_cast<int>(std::min<double>(rows, kMaxPatternRows)) : 1;
    for (int i = 1; i < t.rowCount; ++i) {
        double* row = t.values[i];
        row[kTemplateElevation] = g + i * g;
        row[kTemplatePositions] = 2;
        row[kTemplateDrapedPositions] = 2;
        row[kTemplateFirstLocation] = location(0);
    }
    return t;
}

Generation GenerateSection(const GeneratorInput& in) {
    Generation g;
    g.error = CheckDimensions(in);
    if (!g.Ok()) return g;
    SectionShape& s = g.section.shape;
    s = BuildSectionShape(in);
    s.outlineCount = RemoveRepeatedPoints(s.outline, s.outlineCount);
    g.error = CheckShape(s, in.type);
    if (!g.Ok()) return g;

    const auto p = ComputeSectionProperties(s.outlineCount, s.outline, s.voidCount, s.voidOutline,
                                            s.circleCount, s.circles, in.units == kUnitsUS);
    if (!p) {
        g.error = "The dimensions give a section of no area.";
        return g;
    }
    g.section.properties = *p;
    g.section.torsionConstant = TorsionConstant(in, p->area, p->inertia, p->inertiaY);
    if (!std::isfinite(g.section.torsionConstant) || !(g.section.torsionConstant > 0)) {
        g.error = "The dimensions give no torsion constant.";
        return g;
    }
    g.section.strandTemplate =
        BuildDefaultStrandTemplate(in.type, s.bottomFlangeWidth, s.height, s.webLocation, in.units);
    return g;
}

}  // namespace kordel
