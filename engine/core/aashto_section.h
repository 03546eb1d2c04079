// Section properties of a precast girder and its composite deck: the kern points, the modular
// ratios that transform strands and deck into girder concrete, the effective width of the deck
// by the method the design chooses, the composition of a section from parts by the parallel-axis
// theorem, the section moduli, and the net section about its vertical axis for the handling
// checks. Pure functions; lengths in inches and areas in in2 unless a comment says ft, moduli of
// elasticity in ksi. A function whose formula divides by zero for its arguments, or whose result
// is not finite, returns std::nullopt; the caller reports it and goes on with a neutral value.
#pragma once

#include <numbers>
#include <optional>
#include <span>

#include "document/model_limits.h"
#include "engine/core/polygon.h"

namespace kordel {

// ---- Kern points and modular ratios -------------------------------------------------------------

/// Lower and upper kern points, in above the girder bottom.
struct KernPoints {
    double lower;  ///< yb - I / ((h - yb) A), in
    double upper;  ///< yb + I / (A yb), in
};

/// Kern points of a section of area A (in2), centroid height yb (in), inertia I (in4) and height
/// h (in): a prestress force inside them leaves no tension in the section. nullopt when A, yb or
/// h - yb is 0 or a result is not finite.
// Lin and Burns, Design of Prestressed Concrete Structures, 3rd ed. (kern points kt = r^2/cb and
// kb = r^2/ct, r^2 = I/A)
std::optional<KernPoints> KernPointsOf(double A, double yb, double I, double h);

/// Factor that adds the strands to the girder concrete as a transformed area: n - 1 with
/// n = Ep / Ec, the strand displacing concrete of its own area. Ep and Ec in ksi. nullopt when Ec
/// is 0 or the result is not finite.
// AASHTO LRFD 6th ed. Art. 5.7.1 (transformed section, modular ratio n = Es/Ec)
std::optional<double> StrandTransformFactor(double Ep, double Ec);

/// Modular ratio of the deck, n_d = Ec,deck / Ec,girder, that turns the deck into girder concrete
/// (its width times n_d); 1.0 for a deck that does not act compositely. nullopt when a composite
/// deck meets Ec,girder = 0 or the result is not finite.
// AASHTO LRFD 6th ed. Art. 4.6.2.6.1 and Art. 5.7.1 (transformed section, modular ratio)
std::optional<double> DeckModularRatio(double EcDeck, double EcGirder, bool composite);

// ---- Effective flange width ---------------------------------------------------------------------

/// Effective width of the deck, in: `deck` with the structural deck thickness t_s, `overlay`
/// with the deck and overlay thickness t_2 taken as one layer.
struct EffectiveWidths {
    double deck;     ///< in
    double overlay;  ///< in
};

/// Standard Specifications: the least of a quarter of the span L (ft), the deck width belonging
/// to the girder and twelve times the slab thickness plus the effective web width
/// b_we = min(bwo + 12 t_f, b_tf), for t = t_s and t = t_2 in turn. In and ft as named.
// AASHTO Standard Specifications 17th ed. Art. 9.8.3.1 (effective flange width) and Art. 9.8.3.2
// (effective web width)
EffectiveWidths StandardEffectiveWidths(double L, double deckWidth, double ts, double t2, double tf,
                                        double btf, double bwo);

/// Inputs of the Caltrans effective width.
struct CaltransDeck {
    double L;          ///< design span, ft
    double S;          ///< girder spacing, ft
    double skew;       ///< skew angle, degrees
    bool exterior;     ///< an exterior girder
    double deckWidth;  ///< deck width belonging to the girder, in
    double ts;         ///< structural deck thickness, in
    double btf;        ///< top flange width, in
    double bwo;        ///< web width, in
};

/// Caltrans effective width, in, the same for the deck and the deck with overlay. With, for an
/// interior girder, L_c = 12 L / 4 and b_c = 12 t_s + max(bwo, b_tf / 2), for an exterior girder
/// L_c = 12 L / 8 and b_c = 6 t_s + max(bwo / 2, b_tf / 4):
///   skew > 60 degrees          min(12 S, L_c, b_c)
///   S / L <= 0.32              the deck width (the full tributary width)
///   S / L > 0.32               max((1.24 - 0.74 S / L) deck width, min(L_c, b_c))
/// nullopt when the skew is 60 degrees or less and L is 0 (S / L has no value).
// California Amendments to AASHTO LRFD 6th ed. (Caltrans), Art. 4.6.2.6.1
std::optional<double> CaltransEffectiveWidth(const CaltransDeck& d);

// ---- Composition of a section -------------------------------------------------------------------

/// One part of a section. Areas and inertias are signed, so that a void is a negative part.
struct SectionPart {
    double A;  ///< area, in2
    double y;  ///< centroid height above the girder bottom (or the reference line), in
    double I;  ///< moment of inertia about its own centroidal axis, in4
};

/// The section made of `parts`: A = sum A_j, y = sum A_j y_j / A and, by the parallel-axis
/// theorem, I = sum (I_j + A_j (y - y_j)^2). nullopt when A is 0 or a result is not finite.
// Beer and Johnston, Vector Mechanics for Engineers: Statics, Ch. 9 (parallel-axis theorem,
// moments of inertia of composite areas)
std::optional<SectionPart> ComposeSection(std::span<const SectionPart> parts);

/// Layer of a deck (or haunch) of width b and thickness t (in) whose bottom lies at `bottom` (in
/// above the girder bottom), turned into girder concrete by the modular ratio n: area n b t at
/// bottom + t / 2, own inertia n b t^3 / 12.
// AASHTO LRFD 6th ed. Art. 4.6.2.6.1 (effective flange width) and Art. 5.7.1 (transformed
// section)
SectionPart TransformedLayer(double b, double t, double bottom, double n);

/// The girder (A_0, y_0, I_0) with the developed strands and tendons added as transformed area,
/// factor phi = n - 1 (StrandTransformFactor). The centroid comes from the summed developed area
/// As (in2) at its centroid ys (in): y = (phi As ys + A_0 y_0) / (A_0 + phi As). The inertia adds
/// each strand group and tendon of `steel` (area a, elevation e; own inertia neglected) about that
/// centroid: I = I_0 + A_0 (y - y_0)^2 + sum phi a (y - e)^2. nullopt when A_0 + phi As is 0 or a
/// result is not finite.
// AASHTO LRFD 6th ed. Art. 5.7.1 (transformed section); Beer and Johnston, Vector Mechanics for
// Engineers: Statics, Ch. 9 (parallel-axis theorem)
std::optional<SectionPart> TransformStrands(const SectionPart& girder, double phi, double As,
                                            double ys, std::span<const SectionPart> steel);

/// Section modulus I / (c n), in3, of a fibre at distance c (in) from the centroid, n the modular
/// ratio of the fibre's concrete (a stress M / S is then in that concrete). nullopt when c n is 0
/// or the result is not finite.
// AASHTO LRFD 6th ed. Art. 5.7.1 (elastic stresses of a transformed section)
std::optional<double> SectionModulus(double I, double c, double n = 1.0);

// ---- Net section of an outline with voids ------------------------------------------------------

/// |area|, centroid height and |inertia about that centroid| of a point list (polygon.h), area
/// and inertia multiplied by `sign`: +1 for solid concrete, -1 for a void. The centroid is the
/// same whichever way the points run, and lies below y = 0 for a figure below it.
SectionPart PolygonPart(int count, PointList points, double sign = 1.0);

/// The net section as three signed parts: the outline, the polygonal void and the circular
/// voids (voids negative whichever way their points run).
struct NetSectionParts {
    SectionPart outline;        ///< |area|, centroid, |inertia| of the outline
    SectionPart polygonalVoid;  ///< -|area|, centroid, -|inertia|; all 0 without points
    SectionPart circularVoids;  ///< -|sum pi r^2|, their centroid, -|inertia|; 0 without circles
};

/// Parts of the net section about its horizontal axis, heights being y. The counts are clamped
/// to the arrays (kMaxOutlinePoints, kMaxCircularVoids). Each circle (x, y of the centre,
/// radius r) has area pi r^2 at its centre and inertia pi r^4 / 4 about it; the circles are
/// taken about their common centroid, which is 0 when their areas sum to 0. `pi` is the value
/// of pi the caller's convention uses.
// Beer and Johnston, Vector Mechanics for Engineers: Statics, Ch. 5 (centroids of composite areas)
// and Ch. 9 (parallel-axis theorem)
NetSectionParts NetSectionPartsOf(int outlineCount, PointList outline, int voidCount,
                                  PointList voidOutline, int circleCount,
                                  const double (*circles)[kCircularVoidValueCount], double pi);

// ---- Net section about its vertical axis --------------------------------------------------------

/// The net section turned a quarter turn, its height measured from the leftmost outline point:
/// the outline, the polygonal void and the circular voids as signed parts (voids negative), the
/// parts' heights being horizontal distances from that point.
struct WeakAxisParts : NetSectionParts {
    double width;  ///< largest x - smallest x of the outline, in
};

/// Parts of the net section about the vertical axis: the outline (`outlineCount` points), the
/// polygonal void and the circle centres are turned a quarter turn, (x, y) -> (-y - m, x - x_min),
/// and NetSectionPartsOf takes x - x_min as the height. `pi` as there (full precision unless the
/// caller's convention says otherwise).
WeakAxisParts WeakAxisPartsOf(int outlineCount, PointList outline, int voidCount,
                              PointList voidOutline, int circleCount,
                              const double (*circles)[kCircularVoidValueCount],
                              double pi = std::numbers::pi);

/// Horizontal centroid of the net section from the leftmost outline point, in:
/// sum A_j c_j / sum A_j over the three parts. nullopt when the net area is 0.
std::optional<double> WeakAxisCentroid(const WeakAxisParts& p);

/// Moment of inertia of the net section about the vertical axis at `xbar` (in from the leftmost
/// outline point), in4: sum (A_j (xbar - c_j)^2 + I_j) over the three parts.
double WeakAxisInertia(const WeakAxisParts& p, double xbar);

}  // namespace kordel
