// The splash window: shown by the main frame's creation, closed by its timer or by the first key
// or mouse-button press, which goes no further.
#include "app/splash_wnd.h"

#include <gtest/gtest.h>

#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::InputMessage;
using platform::ui::MessageKind;

TEST_F(DesktopTest, TheSplashShowsCentredOverTheMainWindow) {
    ASSERT_TRUE(Start());
    ASSERT_NE(CSplashWnd::Instance(), nullptr);
    ASSERT_EQ(toolkit.Popups().size(), 1u);
    const auto rect = toolkit.Popups()[0]->WindowRect();
    EXPECT_EQ(rect.Width(), 520);
    EXPECT_EQ(rect.Height(), 250);
    const auto frame = Frame().GetPlacement().normal;
    EXPECT_EQ(rect.left - frame.left, frame.right - rect.right);
    // It shows its picture and nothing else.
    auto dc = toolkit.Popups()[0]->PaintNow();
    ASSERT_EQ(dc->Ops().size(), 1u);
    EXPECT_EQ(dc->Ops()[0].kind, platform::ui::RecordingDC::OpKind::Bitmap);
}

TEST_F(DesktopTest, TheSplashClosesAfterTwoSeconds) {
    ASSERT_TRUE(Start());
    const int updates = Frame().Updates();
    toolkit.AdvanceTime(CSplashWnd::kShowMilliseconds - 1);
    EXPECT_NE(CSplashWnd::Instance(), nullptr);
    toolkit.AdvanceTime(1);
    EXPECT_EQ(CSplashWnd::Instance(), nullptr);
    EXPECT_TRUE(toolkit.Popups().empty());
    EXPECT_EQ(toolkit.ActiveTimers(), 0);
    EXPECT_GT(Frame().Updates(), updates) << "the window behind repaints at once";
}

TEST_F(DesktopTest, AKeyOrAClickClosesTheSplashAndGoesNoFurther) {
    struct Case {
        MessageKind kind;
        bool closes;
    };
    const Case cases[] = {
        {MessageKind::KeyDown, true},       {MessageKind::SysKeyDown, true},
        {MessageKind::LButtonDown, true},   {MessageKind::RButtonDown, true},
        {MessageKind::MButtonDown, true},   {MessageKind::NcLButtonDown, true},
        {MessageKind::NcRButtonDown, true}, {MessageKind::NcMButtonDown, true},
        {MessageKind::MouseMove, false},    {MessageKind::KeyUp, false},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Start());
        ASSERT_NE(CSplashWnd::Instance(), nullptr);
        InputMessage message{c.kind, 'A'};
        EXPECT_EQ(app->PreTranslateMessage(message), c.closes) << static_cast<int>(c.kind);
        EXPECT_EQ(CSplashWnd::Instance() == nullptr, c.closes) << static_cast<int>(c.kind);
    }
    // With no splash every message goes on to its window.
    ASSERT_TRUE(Start());
    CSplashWnd::Instance()->Hide();
    EXPECT_FALSE(app->PreTranslateMessage({MessageKind::KeyDown, 'A'}));
}

TEST_F(DesktopTest, TheCommandLineCanTurnTheSplashOff) {
    ASSERT_TRUE(Start({"--nosplash"}));
    EXPECT_EQ(CSplashWnd::Instance(), nullptr);
    EXPECT_TRUE(toolkit.Popups().empty());
    EXPECT_FALSE(CSplashWnd::IsEnabled());
}

TEST_F(DesktopTest, ThereIsOnlyEverOneSplash) {
    ASSERT_TRUE(Start());
    CSplashWnd* first = CSplashWnd::Instance();
    CSplashWnd::ShowOnce(&Frame());
    EXPECT_EQ(CSplashWnd::Instance(), first);
    EXPECT_EQ(toolkit.Popups().size(), 1u);
    first->Hide();
    CSplashWnd::ShowOnce(&Frame());  // a later one may show once the first is gone
    EXPECT_NE(CSplashWnd::Instance(), nullptr);
}

}  // namespace
}  // namespace kordel::test
