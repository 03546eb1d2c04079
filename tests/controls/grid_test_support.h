// What the grid tests share: a headless toolkit installed for the test (its classic look: the
// 12-pixel Arial of the recording device context, whose characters are 7.2 pixels wide, so a
// default cell is 101 x 18 pixels with a 7-pixel margin), grids in headless control windows,
// and the recorded drawing summed up as short readable lines.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "controls/grid_ctrl.h"
#include "platform/headless_host.h"
#include "platform/ui/headless_controls.h"
#include "platform/ui/headless_toolkit.h"
#include "platform/ui/recording_dc.h"

namespace kordel::test {

/// Sizes the classic look gives a grid on the recording device context.
inline constexpr int kRowHeight = 18;     ///< 12-pixel text, one and a half times
inline constexpr int kColumnWidth = 101;  ///< " XXXXXXXXXXXX " at 7.2 pixels a character
inline constexpr int kMargin = 7;         ///< " "
inline constexpr int kBar = platform::ui::HeadlessControl::kScrollBarSize;
/// Where the test window's parent sits on the screen.
inline constexpr platform::ui::Point kParentOrigin{100, 100};

class GridTest : public ::testing::Test {
  protected:
    GridTest() : m_hostGuard(host), m_toolkitGuard(toolkit) {}

    /// Gives `grid` a headless window of `size` pixels at (10, 20) of the parent.
    platform::ui::HeadlessControl& Show(CGridCtrl& grid, platform::ui::Size size) {
        auto peer = std::make_unique<platform::ui::HeadlessControl>(
            grid, platform::ui::Rect{10, 20, 10 + size.cx, 20 + size.cy}, kParentOrigin);
        platform::ui::HeadlessControl& window = *peer;
        grid.Attach(std::move(peer), 1000);
        return window;
    }
    static platform::ui::HeadlessControl& Window(CGridCtrl& grid) {
        return static_cast<platform::ui::HeadlessControl&>(*grid.GetPeer());
    }

    platform::HeadlessHost host;
    platform::ui::HeadlessToolkit toolkit{host};

  private:
    platform::ScopedHost m_hostGuard;
    platform::ui::ScopedToolkit m_toolkitGuard;
};

inline std::string Hex(platform::ui::Colour c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02x%02x%02x", c.r, c.g, c.b);
    return buffer;
}

/// One line per drawing operation, clips left out: "fill L,T,R,B rrggbb",
/// "frame L,T,R,B rrggbb", "line x,y-x,y rrggbb", "text 'abc' x,y rrggbb".
inline std::vector<std::string> Summary(const platform::ui::RecordingDC& dc) {
    using Kind = platform::ui::RecordingDC::OpKind;
    std::vector<std::string> lines;
    char buffer[160];
    for (const auto& op : dc.Ops()) {
        switch (op.kind) {
            case Kind::Rectangle:
                std::snprintf(buffer, sizeof buffer, "%s %g,%g,%g,%g %s",
                              op.hasFill ? "fill" : "frame", op.points[0].x, op.points[0].y,
                              op.points[1].x, op.points[1].y,
                              Hex(op.hasFill ? op.fill : op.penColour).c_str());
                break;
            case Kind::Polyline:
                std::snprintf(buffer, sizeof buffer, "line %g,%g-%g,%g %s", op.points[0].x,
                              op.points[0].y, op.points.back().x, op.points.back().y,
                              Hex(op.penColour).c_str());
                break;
            case Kind::Text:
                std::snprintf(buffer, sizeof buffer, "text '%s' %g,%g %s", op.text.c_str(),
                              op.points[0].x, op.points[0].y, Hex(op.textColour).c_str());
                break;
            default:
                continue;
        }
        lines.emplace_back(buffer);
    }
    return lines;
}

/// The lines of Summary that start with `prefix`.
inline std::vector<std::string> SummaryOf(const platform::ui::RecordingDC& dc,
                                          const std::string& prefix) {
    std::vector<std::string> lines;
    for (const std::string& line : Summary(dc)) {
        if (line.rfind(prefix, 0) == 0) lines.push_back(line);
    }
    return lines;
}

}  // namespace kordel::test
