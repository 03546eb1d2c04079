// The two pictures of the "Geometry" dialog drawn on a recording: the bridge cross-section
// (deck, haunches, barriers, every girder and the designed one filled grey) and the close view
// of one girder; a picture with nothing to draw draws its bare frame.
#include "dialogs/input/geometry_previews.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/ui/picture.h"
#include "platform/ui/recording_dc.h"

namespace kordel::test {
namespace {

using platform::ui::RecordingDC;
using platform::ui::Size;
using Op = RecordingDC::Op;
using OpKind = RecordingDC::OpKind;

constexpr Size kCrossSectionFrame{684, 100};
constexpr Size kGirderFrame{198, 104};

/// A box girder 48 in wide and 36 in high, closed outline, with a polygonal void and one
/// circular void.
SectionModel BoxGirder() {
    SectionModel s;
    s.m_dSectionHeight = 36;
    const double outline[][2] = {{-24, 0}, {24, 0}, {24, 36}, {-24, 36}, {-24, 0}};
    s.m_nOutlinePointCount = 5;
    std::copy(&outline[0][0], &outline[0][0] + 10, &s.m_adOutline[0][0]);
    const double hollow[][2] = {{-18, 6}, {18, 6}, {18, 30}, {-18, 30}, {-18, 6}};
    s.m_nVoidPointCount = 5;
    std::copy(&hollow[0][0], &hollow[0][0] + 10, &s.m_adVoidOutline[0][0]);
    s.m_nCircularVoidCount = 1;
    s.m_adCircularVoid[0][kVoidCentreX] = 0;
    s.m_adCircularVoid[0][kVoidCentreY] = 18;
    s.m_adCircularVoid[0][kVoidRadius] = 3;
    return s;
}

/// Four girders 8 ft apart on a 30 ft bridge with 3 ft overhangs, an 8 in deck on a 2 in haunch.
GeometryPreview Bridge(const SectionModel& section) {
    GeometryPreview p;
    p.bridgeWidth = 30;
    p.overhang = 3;
    p.beamSpacing = 8;
    p.beams = 4;
    p.activeGirder = 2;
    p.deckThickness = 8;
    p.deckWidth = 96;
    p.haunchThickness = 2;
    p.haunchWidth = 48;
    p.section = &section;
    return p;
}

std::vector<Op> Drawn(OpKind kind, void (*draw)(platform::ui::DC&, Size, const GeometryPreview&),
                      Size frame, const GeometryPreview& p) {
    RecordingDC dc;
    draw(dc, frame, p);
    return dc.OpsOf(kind);
}

double MidX(const Op& op) {
    double low = op.points.front().x, high = low;
    for (const auto& pt : op.points) {
        low = std::min(low, pt.x);
        high = std::max(high, pt.x);
    }
    return (low + high) / 2.0;
}

TEST(GeometryPreviews, TheCrossSectionShowsEveryGirderHaunchDeckAndBarrier) {
    const SectionModel box = BoxGirder();
    const GeometryPreview p = Bridge(box);
    RecordingDC dc;
    DrawBridgeCrossSectionPreview(dc, kCrossSectionFrame, p);
    // Frame, four haunches, the deck, two barriers.
    EXPECT_EQ(dc.OpsOf(OpKind::Rectangle).size(), 1u + 4u + 1u + 2u);
    // Outline and void of each girder; one circular void each.
    EXPECT_EQ(dc.OpsOf(OpKind::Polyline).size(), 8u);
    EXPECT_EQ(dc.OpsOf(OpKind::Ellipse).size(), 4u);
    // The designed girder filled grey with its void white: girder 2, 11 ft from the left edge.
    const std::vector<Op> fills = dc.OpsOf(OpKind::Polygon);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].fill, platform::ui::kPictureGrey);
    EXPECT_EQ(fills[1].fill, platform::ui::kWhite);
    // Scale: the smaller of (684 - 8) / 360 in and (100 - 8) / (36 + 8 + 2 + 36) in = 1.1220 px/in;
    // the bridge is centred, so its left edge is at 342 - 180 x 1.1220 = 140.0 px.
    const double scale = 92.0 / 82.0;
    const double left = 342.0 - 180.0 * scale;
    EXPECT_NEAR(MidX(fills[0]), left + 132.0 * scale, 1.5);

    GeometryPreview moved = p;
    moved.activeGirder = 4;
    const std::vector<Op> movedFills =
        Drawn(OpKind::Polygon, DrawBridgeCrossSectionPreview, kCrossSectionFrame, moved);
    ASSERT_EQ(movedFills.size(), 2u);
    EXPECT_NEAR(MidX(movedFills[0]), left + 324.0 * scale, 1.5) << "girder 4, 27 ft across";
}

TEST(GeometryPreviews, ANonCompositeDeckShowsNoHaunchAndNoDeckOverTheGirder) {
    const SectionModel box = BoxGirder();
    GeometryPreview p = Bridge(box);
    p.deckThickness = 0;
    p.haunchThickness = 0;
    const std::vector<Op> boxes =
        Drawn(OpKind::Rectangle, DrawBridgeCrossSectionPreview, kCrossSectionFrame, p);
    ASSERT_EQ(boxes.size(), 1u + 1u + 2u) << "frame, a deck of no height, two barriers";
    EXPECT_EQ(boxes[1].points[0].y, boxes[1].points[1].y) << "the deck has no height";
    EXPECT_EQ(Drawn(OpKind::Rectangle, DrawGirderPreview, kGirderFrame, p).size(), 1u)
        << "the girder view has its frame only, no haunch and no deck";
    EXPECT_EQ(Drawn(OpKind::Polyline, DrawGirderPreview, kGirderFrame, p).size(), 2u)
        << "the girder's outline and void";
}

TEST(GeometryPreviews, OneBeamStandsInTheMiddleOfTheBridge) {
    const SectionModel box = BoxGirder();
    GeometryPreview p = Bridge(box);
    p.beams = 1;
    p.activeGirder = 1;
    p.overhang = p.bridgeWidth / 2;
    p.beamSpacing = 0;
    const std::vector<Op> lines =
        Drawn(OpKind::Polyline, DrawBridgeCrossSectionPreview, kCrossSectionFrame, p);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NEAR(MidX(lines[0]), kCrossSectionFrame.cx / 2.0, 1.5);
}

TEST(GeometryPreviews, APictureWithNoExtentDrawsItsFrameOnly) {
    const SectionModel box = BoxGirder();
    SectionModel flat = box;
    flat.m_dSectionHeight = 0;
    struct Case {
        const char* what;
        GeometryPreview p;
        void (*draw)(platform::ui::DC&, Size, const GeometryPreview&);
    };
    GeometryPreview noWidth = Bridge(box);
    noWidth.bridgeWidth = 0;
    GeometryPreview negativeWidth = Bridge(box);
    negativeWidth.bridgeWidth = -30;
    GeometryPreview notANumber = Bridge(box);
    notANumber.bridgeWidth = std::nan("");
    GeometryPreview noSpacing = Bridge(box);  // two beams or more: the view is a spacing wide
    noSpacing.beamSpacing = 0;
    noSpacing.deckWidth = 0;
    GeometryPreview noHeight = Bridge(flat);
    noHeight.deckThickness = 0;
    noHeight.haunchThickness = 0;
    const Case cases[] = {
        {"no bridge width", noWidth, DrawBridgeCrossSectionPreview},
        {"a negative bridge width", negativeWidth, DrawBridgeCrossSectionPreview},
        {"a bridge width that is no number", notANumber, DrawBridgeCrossSectionPreview},
        {"no spacing and no deck width", noSpacing, DrawGirderPreview},
        {"no girder, deck or haunch height", noHeight, DrawGirderPreview},
    };
    for (const Case& c : cases) {
        RecordingDC dc;
        c.draw(dc, kGirderFrame, c.p);
        ASSERT_EQ(dc.Ops().size(), 1u) << c.what;
        EXPECT_EQ(dc.Ops()[0].kind, OpKind::Rectangle) << c.what;
    }
    // A frame with no room draws at no scale either.
    RecordingDC dc;
    DrawGirderPreview(dc, {6, 6}, Bridge(box));
    EXPECT_EQ(dc.Ops().size(), 1u);
}

}  // namespace
}  // namespace kordel::test
