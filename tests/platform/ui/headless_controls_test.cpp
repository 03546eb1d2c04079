// Headless control windows: placed in their top-level window on the screen, their client area
// the window less the scroll bars shown, and the mouse going to the pop-up that holds the
// capture.
#include "platform/ui/headless_controls.h"

#include <gtest/gtest.h>

#include "platform/headless_host.h"
#include "platform/ui/headless_toolkit.h"

namespace platform::ui {
namespace {

struct Recorder : ControlHandler, FloatHandler, TopWindowHandler {
    void Paint(DC&) override { ++paints; }
    void OnMouse(const MouseEvent& e) override {
        heard.push_back(std::to_string(e.point.x) + "," + std::to_string(e.point.y));
    }
    void OnClose() override { closed = true; }
    int paints = 0;
    bool closed = false;
    std::vector<std::string> heard;
};

TEST(HeadlessControls, TopWindowsHoldControlsWhereTheScreenHasThem) {
    HeadlessHost host;
    HeadlessToolkit toolkit(host);
    Recorder top;
    auto window = toolkit.CreateTopWindow(top, "Tool", {400, 300});
    ASSERT_NE(window, nullptr);
    window->AddLabel("A label", {10, 10, 200, 30});
    EXPECT_EQ(static_cast<HeadlessTopWindow&>(*window).Labels(),
              std::vector<std::string>{"A label"});

    // The top-level window's client area starts at (100, 100) on the screen.
    Recorder grid;
    auto control = window->CreateControl(grid, {10, 40, 210, 140});
    auto& headless = static_cast<HeadlessControl&>(*control);
    EXPECT_EQ(control->ClientToScreen({5, 6}), (Point{115, 146}));
    EXPECT_EQ(control->ScreenToClient({115, 146}), (Point{5, 6}));

    EXPECT_EQ(control->ClientSize(), (Size{200, 100}));
    control->ShowScrollBar(true, true);
    control->ShowScrollBar(false, true);
    EXPECT_EQ(control->ClientSize(), (Size{200 - 17, 100 - 17}));

    // A pop-up holding the capture hears the control's mouse in its own pixels.
    Recorder tip;
    auto pop = control->CreateFloat(tip);
    pop->ShowAt({150, 160, 200, 180});
    pop->CaptureMouse();
    headless.Mouse(MouseAction::Move, {60, 30});  // (170, 170) on the screen
    EXPECT_EQ(tip.heard, std::vector<std::string>{"20,10"});
    EXPECT_TRUE(grid.heard.empty());
    pop->ReleaseMouse();
    headless.Mouse(MouseAction::Move, {60, 30});
    EXPECT_EQ(grid.heard, std::vector<std::string>{"60,30"});

    // The control's own capture goes when a pop-up takes it.
    control->CaptureMouse();
    EXPECT_TRUE(control->HasCapture());
    pop->CaptureMouse();
    EXPECT_FALSE(control->HasCapture());
    pop.reset();
    EXPECT_TRUE(headless.Floats().empty());

    static_cast<HeadlessTopWindow&>(*window).Close();
    EXPECT_TRUE(top.closed);
}

}  // namespace
}  // namespace platform::ui
