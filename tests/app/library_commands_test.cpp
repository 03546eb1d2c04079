// The library commands through the Libraries menu: Beam Sections opens the section library to
// keep it, and the design stays as it was to the last byte.
#include <gtest/gtest.h>

#include "document/kordel_doc.h"
#include "libraries/section_lib_dlg.h"
#include "platform/file_io.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class LibraryCommandTest : public DesktopTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
};

TEST_F(LibraryCommandTest, BeamSectionsKeepsTheLibraryAndLeavesTheDesignAlone) {
    EXPECT_FALSE(Query(ID_LIBRARIES_BEAM_SECTIONS).enabled) << "no design open";
    const std::string saved = SavedDesign("bridge.kdx");
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Section Library");
        EXPECT_TRUE(d.IsVisible(IDC_SECLIB_NEW));
        EXPECT_TRUE(d.IsVisible(IDC_SECLIB_IMPORT));
        EXPECT_FALSE(d.IsVisible(platform::ui::kIdOk));
        EXPECT_EQ(d.Text(IDC_SECLIB_HEIGHT_LABEL), "Height,m:") << "the design's units";
        d.Cancel();
    });
    // Shown in the design's units (set here alone, and back before the design is saved again).
    Doc()->m_nUnits = kUnitsMetric;
    ASSERT_TRUE(Choose(ID_LIBRARIES_BEAM_SECTIONS));
    Doc()->m_nUnits = kUnitsUS;
    EXPECT_FALSE(Doc()->IsModified());
    host.QueueFileName(temp / "again.kdx");
    Choose(ID_FILE_SAVE_AS);
    EXPECT_EQ(platform::ReadWholeFile(temp / "again.kdx"), platform::ReadWholeFile(saved));
}

}  // namespace
}  // namespace kordel::test
