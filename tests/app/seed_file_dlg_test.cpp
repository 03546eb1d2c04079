// "Initialize New Design": the choice it returns, its seed-file road and its sketch.
#include "app/seed_file_dlg.h"

#include <gtest/gtest.h>

#include "platform/ui/recording_dc.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using platform::ui::kIdOk;
using Kind = platform::ui::RecordingDC::OpKind;

/// Runs the dialog with `script`; returns its result.
class SeedFileTest : public DesktopTest {
  protected:
    int Run(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        return dlg.DoModal();
    }
    CSeedFile dlg;
};

TEST_F(SeedFileTest, OkAtOnceChoosesTheFirstExample) {
    EXPECT_EQ(Run([](DialogDriver& d) {
                  EXPECT_EQ(d.Caption(), "Initialize New Design");
                  EXPECT_TRUE(d.IsChecked(IDC_SEED_SIMPLE_SPAN));
                  EXPECT_FALSE(d.IsEnabled(IDC_SEED_SELECT_FILE));
                  EXPECT_EQ(d.Text(IDC_SEED_NAME), "default1");
                  d.Ok();
              }),
              kIdOk);
    EXPECT_EQ(dlg.m_nSeedChoice, SeedSimpleSpan);
    EXPECT_EQ(dlg.m_strSeedName, "default1");
}

TEST_F(SeedFileTest, EachExampleGivesItsCodeAndName) {
    const std::pair<int, int> choices[] = {{IDC_SEED_SIMPLE_SPAN, SeedSimpleSpan},
                                           {IDC_SEED_ADJACENT_BOX, SeedAdjacentBox},
                                           {IDC_SEED_CONTINUOUS, SeedContinuous},
                                           {IDC_SEED_SPLICED, SeedSpliced}};
    for (auto [radio, code] : choices) {
        Run([radio = radio](DialogDriver& d) {
            d.Click(radio);
            d.Ok();
        });
        EXPECT_EQ(dlg.m_nSeedChoice, code);
        EXPECT_EQ(dlg.m_strSeedName, "default" + std::to_string(code));
    }
}

TEST_F(SeedFileTest, ASeedFileThenAnExampleAgainGivesTheExample) {
    const std::string path = temp / "previous.kdx";
    host.QueueFileName(path);
    Run([&](DialogDriver& d) {
        EXPECT_TRUE(d.Click(IDC_SEED_FROM_FILE));
        EXPECT_TRUE(d.IsEnabled(IDC_SEED_SELECT_FILE));
        EXPECT_EQ(d.Text(IDC_SEED_NAME), "") << "no file chosen yet";
        EXPECT_TRUE(d.Click(IDC_SEED_SELECT_FILE));
        EXPECT_EQ(d.Text(IDC_SEED_NAME), path);
        EXPECT_TRUE(d.Click(IDC_SEED_CONTINUOUS));
        EXPECT_FALSE(d.IsChecked(IDC_SEED_FROM_FILE));
        EXPECT_FALSE(d.IsEnabled(IDC_SEED_SELECT_FILE));
        EXPECT_EQ(d.Text(IDC_SEED_NAME), "default3");
        d.Ok();
    });
    EXPECT_EQ(dlg.m_nSeedChoice, SeedContinuous);
    EXPECT_EQ(dlg.m_strSeedName, "default3");
}

// The static shows the chosen file as program text ("Brücke" in Windows-1252); the choice keeps
// the path's own UTF-8 bytes to read the file by.
TEST_F(SeedFileTest, ASeedFileNameShowsAsItselfAndKeepsItsOwnBytes) {
    const std::string path = temp / "Br\xC3\xBC" "cke.kdx";
    host.QueueFileName(path);
    Run([&](DialogDriver& d) {
        d.Click(IDC_SEED_FROM_FILE);
        d.Click(IDC_SEED_SELECT_FILE);
        EXPECT_EQ(d.Text(IDC_SEED_NAME), temp / "Br\xFC" "cke.kdx");
        d.Ok();
    });
    EXPECT_EQ(dlg.m_nSeedChoice, SeedFromFile);
    EXPECT_EQ(dlg.m_strSeedName, path);
}

TEST_F(SeedFileTest, ARelativeSeedPathIsMadeAbsolute) {
    host.QueueFileName("designs/../seed.kdx");
    Run([](DialogDriver& d) {
        d.Click(IDC_SEED_FROM_FILE);
        d.Click(IDC_SEED_SELECT_FILE);
        d.Ok();
    });
    EXPECT_EQ(dlg.m_nSeedChoice, SeedFromFile);
    EXPECT_EQ(dlg.m_strSeedName, (std::filesystem::current_path() / "seed.kdx").string());
}

TEST_F(SeedFileTest, OkWithoutAChosenFileWarnsAndStaysOpen) {
    host.QueueFileName(std::nullopt);  // the file dialog is cancelled
    const int result = Run([](DialogDriver& d) {
        d.Click(IDC_SEED_FROM_FILE);
        d.Click(IDC_SEED_SELECT_FILE);
        d.Ok();
        EXPECT_FALSE(d.Ended());
        d.Cancel();
    });
    EXPECT_NE(result, kIdOk);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "Specify a Kordel file (.KDX) or \nselect one of the default jobs.");
    EXPECT_EQ(host.Messages()[0].icon, platform::MsgIcon::Error);
}

// A message box or a file dialog raised while the dialog runs belongs to the dialog, so that it
// shows over it and gives it back the focus; once the dialog has closed, they belong to the main
// window again.
TEST_F(SeedFileTest, BoxesRaisedOverTheDialogBelongToIt) {
    ASSERT_TRUE(Start());
    const std::string caption = "Initialize New Design";
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Click(IDC_SEED_FROM_FILE);
        d.Click(IDC_SEED_SELECT_FILE);  // the file dialog, cancelled
        d.Ok();                         // no file chosen: the message
        d.Cancel();
    });
    Choose(ID_FILE_NEW);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].owner, caption);
    EXPECT_EQ(host.FileDialogOwners(), std::vector<std::string>{caption});

    host.ClearMessages();
    Choose(ID_FILE_OPEN);  // cancelled
    EXPECT_EQ(host.FileDialogOwners().back(), "") << "the main window's";
    NewDesign();
    Doc()->SetModifiedFlag();
    host.QueueAnswer(platform::MsgResult::Cancel);
    Choose(ID_FILE_CLOSE);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].owner, "") << "the save prompt is the main window's";
}

/// The sketch as drawn for a choice: its lines and its filled rectangles.
struct Sketch {
    size_t lines = 0;
    size_t greyRectangles = 0;
    size_t rectangles = 0;
};

TEST_F(SeedFileTest, TheSketchShowsTheChosenCrossSection) {
    struct Case {
        const char* what;
        int radio;
        size_t lines;           // outline and void segments
        size_t greyRectangles;  // deck (and haunch) slabs
    };
    const Case cases[] = {
        {"I-girder with its deck", IDC_SEED_SIMPLE_SPAN, 14, 1},
        {"box beam with its void, no deck", IDC_SEED_ADJACENT_BOX, 12 + 8, 0},
        {"spliced girder with its deck", IDC_SEED_SPLICED, 16, 1},
        {"a seed file: only the frame", IDC_SEED_FROM_FILE, 0, 0},
    };
    for (const Case& c : cases) {
        Sketch s;
        Run([&](DialogDriver& d) {
            d.Click(c.radio);
            auto dc = d.Paint(IDC_SEED_SKETCH);
            s.lines = dc->OpsOf(Kind::Polyline).size();
            for (const auto& op : dc->OpsOf(Kind::Rectangle)) {
                ++s.rectangles;
                if (op.hasFill && op.fill == platform::ui::Rgb(195, 195, 195)) ++s.greyRectangles;
            }
            d.Cancel();
        });
        EXPECT_EQ(s.lines, c.lines) << c.what;
        EXPECT_EQ(s.greyRectangles, c.greyRectangles) << c.what;
        EXPECT_EQ(s.rectangles, 1 + c.greyRectangles) << c.what << ": the white frame first";
    }
}

TEST_F(SeedFileTest, TheSketchFitsTheDeckInsideTheFrame) {
    Run([](DialogDriver& d) {
        const platform::ui::Size size{159, 158};  // the sketch control in pixels
        auto dc = d.Paint(IDC_SEED_SKETCH);
        const auto rects = dc->OpsOf(Kind::Rectangle);
        ASSERT_EQ(rects.size(), 2u);
        const auto& frame = rects[0];
        const auto& deck = rects[1];
        EXPECT_EQ(frame.points[1], (platform::ui::PointD{159, 158}));
        // The deck (108 in) is the widest part: 6-pixel margins at the scale of the narrower
        // direction, centred.
        EXPECT_GE(deck.points[0].x, 6.0);
        EXPECT_LE(deck.points[1].x, size.cx - 6.0);
        EXPECT_NEAR(deck.points[0].x + deck.points[1].x, size.cx, 1.0);
        d.Cancel();
    });
}

}  // namespace
}  // namespace kordel::test
