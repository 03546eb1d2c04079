// The parametric section shapes of the section generator: seven section types described by a
// handful of dimensions, turned into the coordinate description the section library keeps (a
// closed outer outline, at most one polygonal void and up to nine circular voids) with the
// descriptive values, the gross properties, the torsion constant and a default strand template.
// Pure functions of (type, dimensions, fillet options, units).
//
// Dimensions live in slots: widths B1 to B10 in widths[1] to widths[10], depths D1 to D10 in
// depths[1] to depths[10]; slot 0 holds nothing, and a type ignores the slots it does not use.
// Lengths are in the section's unit: inches for a US customary section, metres otherwise.
//
// Outlines start at the bottom left corner, run up the left side, along the top to the right,
// down the right side and back along the bottom, and repeat their first point (clockwise with y
// up). x runs across from the centreline (the double tee's flange is centred), y up from the
// bottom at y = 0. The symmetric types are built by halves: the left half from the bottom left
// corner to the left end of the top, then its mirror image in reverse order.
#pragma once

#include <string>

#include "document/model_limits.h"
#include "document/unit_conversions.h"  // kMetresPerInch: the defaults are in inches
#include "libraries/outline_properties.h"

namespace kordel {

/// Generator types, the positions in the generator's type list.
enum GeneratorType : int {
    kGenIGirder = 0,        ///< "I-Girder/Bulb-tee"
    kGenBoxBeam = 1,        ///< "Box beam"
    kGenUBeamA = 2,         ///< "U-Beam Type A", webs leaning outward with a ledge
    kGenUBeamB = 3,         ///< "U-Beam Type B", top flanges overhanging outward
    kGenSlab = 4,           ///< "Voided/solid slab"
    kGenDoubleTee = 5,      ///< "Double tee/channel"
    kGenDeckedBulbTee = 6,  ///< "Decked Bulb-tee"
};
inline constexpr int kGeneratorTypeCount = 7;

/// Points computed for each fillet arc, and the value that stands for a right angle in the
/// fillet geometry (1.57, not pi / 2 at full precision).
inline constexpr int kArcPointCount = 10;
inline constexpr double kFilletRightAngle = 1.57;

/// Legs of a double tee, and circular voids of a slab.
inline constexpr int kMinDoubleTeeLegs = 2;
inline constexpr int kMaxDoubleTeeLegs = 3;
inline constexpr int kMaxSlabVoids = 9;


/// The section type code of the section record (kSectionIGirder ...) that a generator type
/// makes; both U-beams make kSectionUBeam. 0 for an index outside the list.
int SectionTypeOfGenerator(int genType);

/// What the generator is given.
struct GeneratorInput {
    int type = kGenIGirder;                      ///< GeneratorType
    double widths[kSectionGeneratorSlots] = {};  ///< B1 to B10 in [1] to [10]
    double depths[kSectionGeneratorSlots] = {};  ///< D1 to D10 in [1] to [10]
    int curvedWebFillets = 0;     ///< "Include Curved Web Fillets" (I-girder, decked bulb-tee)
    int curvedFlangeFillets = 0;  ///< "Include Curved Flange Fillets" (the same two types)
    int units = kUnitsUS;         ///< kUnitsUS inches; any other value metres
    int circularVoidCount = 0;    ///< the slab's circular voids, 0 to kMaxSlabVoids
    /// [void][kVoidCentreX, kVoidCentreY, kVoidRadius]: the slab's voids, as typed.
    double circularVoids[kMaxCircularVoids][kCircularVoidValueCount] = {};
};

/// The default dimensions of a type (every other slot 0), the slab's three default voids, in
/// inches, or times kMetresPerInch for a metric section; the U-beam's web slope (D7) and the
/// double tee's number of legs (B6) are no lengths and stay as they are. No fillet options.
GeneratorInput DefaultGeneratorInput(int type, int units);

/// The coordinates and descriptive values of a section.
struct SectionShape {
    int sectionType = 0;  ///< section record code (SectionTypeOfGenerator)
    int outlineCount = 0;
    double outline[kMaxOutlinePoints][kPointValueCount] = {};  ///< [point][x, y]
    int voidCount = 0;
    double voidOutline[kMaxOutlinePoints][kPointValueCount] = {};  ///< [point][x, y]
    int circleCount = 0;
    double circles[kMaxCircularVoids][kCircularVoidValueCount] = {};
    double height = 0;
    double topFlangeThickness = 0;
    double topFlangeWidth = 0;
    double webWidth = 0;
    double bottomFlangeWidth = 0;
    double bottomFlangeThickness = 0;
    double bwo = 0;  ///< the web width "bwo"
    int webCount = 0;
    double webLocation = 0;  ///< "Loc:", the start of the exterior strand locations
};

/// The strand template of a section: rows of elevation, positions, draped positions and the
/// horizontal locations ([row][TemplateValue]).
struct StrandTemplate {
    int rowCount = 0;
    int columnCount = 0;  ///< locations per row side
    int layout = 0;       ///< 1 "Interior" (from the centreline out), 2 "Exterior" (inward)
    double values[kMaxPatternRows][kMaxPatternColumns] = {};
};

/// A generated section.
struct GeneratedSection {
    SectionShape shape;                   ///< repeated points removed from the outline
    OutlineSectionProperties properties;  ///< rounded for a US customary section
    double torsionConstant = 0;           ///< J; a whole number for a US customary section
    StrandTemplate strandTemplate;
};

/// The generator's answer: the section, or the reason it refuses the dimensions.
struct Generation {
    std::string error;  ///< empty when `section` holds the generated section
    GeneratedSection section;
    bool Ok() const { return error.empty(); }
};

/// Builds the outline, void, circles and descriptive values of `in` as the shape rules list
/// them, repeated points included (the default I-girder has 17 points). Checks nothing: the
/// caller gives dimensions GenerateSection accepts, or expects what they give. An index outside
/// the types leaves an empty shape.
SectionShape BuildSectionShape(const GeneratorInput& in);

/// The whole generation: checks the dimensions the type needs (positive where the shape needs
/// them, in an order that leaves every division defined), builds the shape, removes repeated
/// points from the outline, checks that the outline and its voids are finite, do not cross
/// themselves or each other and hold area, then computes the properties (rounded for a US
/// section), the torsion constant and the default strand template. A refusal names the
/// dimension at fault where one is.
Generation GenerateSection(const GeneratorInput& in);

/// n points of the arc of radius R about (cx, cy) that sweeps `theta` from the start point
/// (x1, y1) towards (x2, y2): theta0 = |atan((cx - x1) / (cy - y1))| is the start's angle from
/// the downward vertical, and point k - 1 = (cx -/+ R sin(theta0 + k theta / n),
/// cy - R cos(theta0 + k theta / n)), k = 1 to n; the offset is subtracted when the end lies
/// above the centre and the start left of it, or the start below and the end left of it. The
/// start point itself is not among them.
void ComputeArcPoints(double R, double theta, double cx, double cy, int n, double x1, double y1,
                      double x2, double y2, double (*points)[kPointValueCount]);

/// The torsion constant J of a generated section of type `in.type`, from its dimensions and its
/// (rounded) area and inertias; for a US section a whole number (a box beam's without its
/// fraction). Thin-walled closed section for the box beam, open thin walls for the U-beams and
/// the double tee, the solid approximation A^4 / (40 (Ix + Iy)) for the rest.
// Timoshenko and Goodier, Theory of Elasticity, 3rd ed., Ch. 10 (torsion: thin tubular members
// J = 4 A0^2 / sum(s / t), thin open sections J = sum b t^3 / 3, and Saint-Venant's
// J = A^4 / (4 pi^2 Ip) for solid sections, 4 pi^2 taken as 40)
double TorsionConstant(const GeneratorInput& in, double A, double Ixx, double Iyy);

/// The default strand template of a generated section: one pitch g (2 in, or 0.0508 m) serves
/// as horizontal pitch, edge distance, elevation of row 0 and vertical pitch. Row 0 holds
/// n = ((b - 2g) / g + 1) / 2 locations a side (at most 27), g/2 + k g out from the centreline
/// ("Interior": I-girders, double tees, decked bulb-tees) or the web location - k g inward
/// ("Exterior": box beams, U-beams, slabs), all of them 2n positions of which 2 may be draped.
/// U-beams have that row only; the others rows up to (h - 2g) / g + 1 (at most 50, at least 1),
/// each higher by g with 2 positions at g/2 or the web location, both may be draped.
StrandTemplate BuildDefaultStrandTemplate(int type, double bottomFlangeWidth, double height,
                                          double webLocation, int units);

}  // namespace kordel
