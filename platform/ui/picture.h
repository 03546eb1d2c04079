// Pictures that dialogs draw into a frame of their own (a girder section, a strand pattern, a
// span layout): the frame's ground, the scale that fits a drawing into the frame less a
// margin, and drawing lengths turned into whole pixels. A scale is never infinite or not a
// number, and no length reaches a conversion to int that it would overflow: a drawing of
// nothing, or of a damaged design, draws the bare frame instead of undefined behaviour.
#pragma once

#include "platform/ui/dc.h"
#include "platform/ui/geometry.h"

namespace platform::ui {

/// The frame's ground and border, and the grey of filled parts (a deck, a haunch).
inline constexpr Colour kPictureGround = kWhite;
inline constexpr Colour kPictureInk = kBlack;
inline constexpr Colour kPictureGrey = Rgb(195, 195, 195);
/// Pixels kept free inside the frame's border.
inline constexpr int kPictureMargin = 4;
/// The largest offset in pixels a picture draws at, either sign.
inline constexpr int kMaxPictureOffset = 1 << 20;

/// Pixels as a picture draws them: truncated towards zero, 0 for a value that is not a
/// number, and kept within kMaxPictureOffset.
int PicturePixels(double pixels);

/// Pixels per drawing unit in each direction.
struct PictureScale {
    double x = 0.0;
    double y = 0.0;
};

/// The scale that fits `width` x `height` drawing units into `client` less `margin` pixels on
/// every side: the smaller of the two directions for both, or each its own when
/// `expandVertical`. A direction with no extent (0, negative or not finite) or no room scales
/// by 0; with one scale for both, the direction that has an extent decides alone.
PictureScale FitPicture(Size client, int margin, double width, double height,
                        bool expandVertical = false);

/// Drawing units (x to the right, y up) to frame pixels from `origin` (y down).
class PictureMapping {
  public:
    PictureMapping(Point origin, PictureScale scale) : m_origin(origin), m_scale(scale) {}
    Point At(double x, double y) const {
        return {m_origin.x + PicturePixels(m_scale.x * x), m_origin.y - PicturePixels(m_scale.y * y)};
    }
    int Width(double units) const { return PicturePixels(m_scale.x * units); }
    int Height(double units) const { return PicturePixels(m_scale.y * units); }
    PictureScale Scale() const { return m_scale; }

  private:
    Point m_origin;
    PictureScale m_scale;
};

/// Paints a picture frame's ground over `client`: white with a black border of one pixel.
/// Leaves the device context's pen and brush as they were.
void PaintPictureGround(DC& dc, Size client);

}  // namespace platform::ui
