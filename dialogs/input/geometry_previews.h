// The two pictures of the "Geometry" dialog: the whole bridge cross-section (deck, haunches,
// barriers and every girder, the designed one filled grey) and a close view of one girder with
// its haunch and deck. Both are drawn in inches at one scale for both directions, fitted into
// their frame less a margin; a picture with no width or no height draws the bare frame.
#pragma once

#include "document/model_section.h"
#include "platform/ui/dc.h"
#include "platform/ui/geometry.h"

namespace kordel {

/// What the pictures show, in US units whatever the design's display units.
struct GeometryPreview {
    double bridgeWidth = 0;      ///< ft
    double overhang = 0;         ///< ft, bridge edge to the first girder's centreline
    double beamSpacing = 0;      ///< ft
    int beams = 0;               ///< girders in the cross-section
    int activeGirder = 0;        ///< the girder designed, 1-based
    double deckThickness = 0;    ///< in
    double deckWidth = 0;        ///< in
    double haunchThickness = 0;  ///< in
    double haunchWidth = 0;      ///< in
    /// Height, outline, polygonal void and circular voids of the girder (in); never null.
    const SectionModel* section = nullptr;
};

/// Barrier of the cross-section view, in.
inline constexpr double kPreviewBarrierWidth = 12.0;
inline constexpr double kPreviewBarrierHeight = 36.0;

/// The bridge cross-section in a frame of `client` pixels: centred across and hanging from the
/// top margin.
void DrawBridgeCrossSectionPreview(platform::ui::DC& dc, platform::ui::Size client,
                                   const GeometryPreview& p);

/// One girder with its haunch and deck, centred both ways in a frame of `client` pixels.
void DrawGirderPreview(platform::ui::DC& dc, platform::ui::Size client, const GeometryPreview& p);

}  // namespace kordel
