// The input summary sheet's common parts: the unit table, the drawing objects, the line height,
// what each drawing prepares before its pages, and the drawing elements the pages share (drawing
// boxes, the section outline, strand dots, the beam elevation, closure pours, table frames).
//
// The sheet is drawn in MapMode::LoEnglish (0.01 inch, y up, so the sheet runs into negative y).
// A coordinate computed from a double is truncated toward zero (ToLogical).
#pragma once

#include <string>

#include "document/model_limits.h"
#include "platform/ui/dc.h"

namespace kordel {

class CKordelDoc;
struct SectionModel;

// ---- The unit table -----------------------------------------------------------------------------

/// Slots of the unit table: what each converts from the document's US units.
enum UnitSlot : int {
    kUnitFeet = 0,            ///< ft, or m
    kUnitInchesAsMetres = 1,  ///< in, or m
    kUnitInches = 2,          ///< in, or mm
    kUnitSquareInches = 3,    ///< in2, or mm2
    kUnitAreaAsMetres = 4,    ///< in2, or m2
    kUnitModulus = 5,         ///< in3, or m3
    kUnitInertia = 6,         ///< in4, or m4
    kUnitKips = 7,            ///< kip, or kN
    kUnitKsi = 8,             ///< ksi, or MPa
    kUnitDensity = 9,         ///< kcf, or kg/m3
    kUnitLineLoad = 10,       ///< klf, or kN/m
    kUnitAreaPerLength = 11,  ///< in2/ft, or mm2/mm
};
inline constexpr int kUnitSlotCount = 12;

/// Fills `factors` and `labels` for a design of `units` (metric unless kUnitsUS): a printed value
/// is the document's value times the slot's factor, followed by its label.
void FillUnitTable(int units, double (&factors)[kUnitSlotCount],
                   std::string (&labels)[kUnitSlotCount]);

// ---- Drawing objects
// ------------------------------------------------------------------------------

namespace sheet {

inline const platform::ui::Font kLargeFont{"Arial", -13};   ///< all text unless said otherwise
inline const platform::ui::Font kMiddleFont{"Arial", -10};  ///< table headings
inline const platform::ui::Font kSmallFont{"Arial", -8};    ///< debonding symbols on the views

inline const platform::ui::Pen kBlackPen{platform::ui::PenStyle::Solid, 1, {0, 0, 0}};
inline const platform::ui::Pen kGreyPen{platform::ui::PenStyle::Solid, 1, {200, 200, 200}};
inline const platform::ui::Pen kRedDottedPen{platform::ui::PenStyle::Dot, 1, {255, 0, 0}};
inline const platform::ui::Pen kTealPen{platform::ui::PenStyle::Solid, 1, {55, 155, 155}};

inline const platform::ui::Brush kWhiteBrush{platform::ui::BrushStyle::Solid, {255, 255, 255}};
inline const platform::ui::Brush kBlueBrush{platform::ui::BrushStyle::Solid, {0, 0, 255}};
inline const platform::ui::Brush kGreyBrush{platform::ui::BrushStyle::Solid, {195, 195, 195}};
inline const platform::ui::Brush kCyanBrush{platform::ui::BrushStyle::Solid, {0, 255, 255}};

/// The text whose height in the large font is the sheet's line height.
inline constexpr const char* kLineHeightSample = "This is a string.";

/// The debonding symbols: the n-th symbol (from 0) is the character at n. "K" stands at both
/// the tenth and the eleventh place, and there is no "J".
inline constexpr const char* kDebondSymbols = "ABCDEFGHIKKLMNOPQRSTUVWXYZ";

}  // namespace sheet

/// The height of sheet::kLineHeightSample in the font selected on `dc`.
int MeasureLineHeight(const platform::ui::DC& dc);

// ---- What one drawing prepares ---------------------------------------------------------------

/// The state of one drawing of the sheet, prepared before its pages and kept for that drawing
/// only: the unit table, the line height, the end outline, the span data and the debonding
/// symbols.
struct SheetDrawing {
    SheetDrawing(const CKordelDoc& doc, const double (&factors)[kUnitSlotCount],
                 const std::string (&labels)[kUnitSlotCount]);

    const CKordelDoc& doc;
    const double (&unitFactor)[kUnitSlotCount];
    const std::string (&unitLabel)[kUnitSlotCount];
    int h = 0;  ///< line height of the large font, logical units

    /// Two copies of the debonding symbols: the end and mid views with the end table, and the
    /// mid table.
    std::string symbols = sheet::kDebondSymbols;
    std::string midTableSymbols = sheet::kDebondSymbols;

    /// The girder outline at its end: the end-block outline when end blocks are included,
    /// otherwise the document's outline.
    double endOutline[kMaxOutlinePoints][kPointValueCount] = {};
    int endOutlineCount = 0;

    /// Per span 1 to m_nSpans: span length, girder length, left girder offset and the left and
    /// right pad offsets, ft.
    double spanLength[kMaxSpanSlots] = {};
    double girderLength[kMaxSpanSlots] = {};
    double girderOffset[kMaxSpanSlots] = {};
    double padOffsetLeft[kMaxSpanSlots] = {};
    double padOffsetRight[kMaxSpanSlots] = {};

    /// Width of the framing plan, in: beams times spacing, or 1.5 outline widths when that is 0.
    double planWidth = 0.0;

    double Factor(int slot) const { return unitFactor[slot]; }
    const std::string& Label(int slot) const { return unitLabel[slot]; }
    bool Metric() const;
};

/// The width of a section's outline (the design's own, or one a dialog shows): its largest x
/// less its smallest, in.
double OutlineWidth(const SectionModel& section);

// ---- Shared drawing elements -------------------------------------------------------------------

/// A drawing box: the rectangle in the grey pen and the white brush, and its caption in the large
/// font centred at `caption`. The black pen is selected afterwards and the alignment is left.
void DrawBox(platform::ui::DC& dc, const platform::ui::Rect& box, const std::string& title,
             platform::ui::Point caption);

/// An outline's points in inches as a polyline at origin (X, Y), scale `s` (logical units per
/// inch): a move to the first point, then a line to each next one. Not closed by the drawing.
void DrawOutlinePolyline(platform::ui::DC& dc, const double (*points)[kPointValueCount], int count,
                         int X, int Y, double s);

/// The section outline at (X, Y), scale `s`: `outline` (the document's or the end outline),
/// then, unless `withoutVoids`, the polygonal void and each circular void filled with the white
/// brush.
void DrawSectionOutline(platform::ui::DC& dc, const CKordelDoc& doc,
                        const double (*outline)[kPointValueCount], int count, int X, int Y,
                        double s, bool withoutVoids = false);
/// The same with the document's own outline and its voids.
void DrawSectionOutline(platform::ui::DC& dc, const CKordelDoc& doc, int X, int Y, double s);

/// A strand dot of 0.9 in diameter around (x, y) in, filled blue; with `pair` a second dot at -x.
void DrawStrandDot(platform::ui::DC& dc, double x, double y, int X, int Y, double s, bool pair);

/// The beam elevation at (15, Y), scale `s`: the girder length by the section height, black pen.
void DrawBeamElevation(platform::ui::DC& dc, const CKordelDoc& doc, int Y, double s);

/// The closure pours of a spliced girder along its elevation at (15, Y), scale `s`, in the grey
/// brush.
void DrawClosurePours(platform::ui::DC& dc, const CKordelDoc& doc, int Y, double s);

/// A table frame: the rectangle in the black pen and the white brush.
void DrawTableFrame(platform::ui::DC& dc, const platform::ui::Rect& frame);

/// A rule of a table: one segment in the pen selected.
void DrawRule(platform::ui::DC& dc, platform::ui::Point from, platform::ui::Point to);

/// `text` centred at `at` (top-aligned); the alignment is left afterwards.
void DrawCentredText(platform::ui::DC& dc, platform::ui::Point at, const std::string& text);

/// The larger scale that keeps `a` within `roomA` and `b` within `roomB` logical units: the
/// smaller of the two ratios. A size of nothing does not limit the scale (with both of nothing
/// it is 1), so a degenerate design draws at a finite scale.
double FitScale(double roomA, double a, double roomB, double b);

/// The scale of a section view that fits `points` into `width` by `height` logical units: the
/// smaller of width / (x range) and height / (y range), each range taken from 0 so that it
/// always holds the origin (see FitScale).
double SectionScale(const double (*points)[kPointValueCount], int count, double width,
                    double height);

/// The debonding symbol at place `n` (from 0) of `symbols`: its character there, and past its
/// end a pair of characters (the (n / size)-th, then the (n % size)-th) so that every place has
/// a symbol of its own.
std::string DebondSymbol(const std::string& symbols, int n);

}  // namespace kordel
