// "Span Layout", opened from the Input menu on the continuous example: the list of spans and the
// row of edits for one of them, the span spin copying the last span, the girder picker filled
// from the section library folder, and what comes back to the design.
#include "dialogs/input/span_layout_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <fstream>

#include "libraries/library_folders.h"
#include "libraries/section_lib_doc.h"
#include "platform/archive.h"
#include "platform/ui/recording_dc.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;

class SpanLayoutDlgTest : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        NewDesign(IDC_SEED_CONTINUOUS);
        ASSERT_EQ(Doc()->m_bContinuous, 1);
    }
    void SpanLayout(std::function<void(DialogDriver&)> script) {
        toolkit.QueueDialog(std::move(script));
        ASSERT_TRUE(Choose(ID_INPUT_SPAN_LAYOUT));
    }
    std::filesystem::path LibraryFolder() {
        const std::filesystem::path folder =
            std::filesystem::path(temp / "Documents") / kSectionLibraryDefaultSuffix;
        std::filesystem::create_directories(folder);
        return folder;
    }
    void WriteSection(const std::string& file, const std::string& name, double area,
                      double inertia, double centroid, double height) {
        SectionLibRecord r;
        r.m_strName = name;
        r.m_dArea = area;
        r.m_dInertia = inertia;
        r.m_dCentroid = centroid;
        r.m_dHeight = height;
        r.m_nSectionType = kSectionIGirder;
        platform::Archive ar;
        SerializeSectionLibRecord(ar, r);
        std::ofstream out(LibraryFolder() / file, std::ios::binary);
        const auto& bytes = ar.Bytes();
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
};

TEST_F(SpanLayoutDlgTest, TheListShowsEverySpanAndTheEditRowStoresIntoTheSpanItShows) {
    CKordelDoc& doc = *Doc();
    doc.m_nSpans = 3;
    const double lengths[] = {100, 120, 100};
    for (int s = 1; s <= 3; ++s) {
        doc.m_adSpanLength[s] = lengths[s - 1];
        doc.m_adSpanGirderLength[s] = 98.5;
        doc.m_adGirderOffsetLeft[s] = 0.75;
    }
    doc.m_saSpanSectionNames = {"AASHTO Type III girder", "B", "C"};
    SpanLayout([](DialogDriver& d) {
        const std::vector<std::string> lines = d.Items(IDC_SPAN_LIST);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0].find("\t 1\t 2\t 1\t100.000\tAASHTO Type III\t98.500\t 0.750\t"), 0u);
        EXPECT_NE(lines[1].find("\t 2\t 3\t 2\t120.000\tB\t98.500\t 0.750\t20.750"),
                  std::string::npos);
        EXPECT_EQ(d.Selection(IDC_SPAN_LIST), 0) << "span 1 first, whatever the current span";
        EXPECT_EQ(d.Text(IDC_SPAN_GIRDER_OFFSET_RIGHT), " 0.750");
        EXPECT_EQ(d.Text(IDC_SPAN_PIER_RIGHT), " 2");
        d.Type(IDC_SPAN_LENGTH, "105");
        d.Choose(IDC_SPAN_LIST, 2);
        EXPECT_NE(d.Items(IDC_SPAN_LIST)[0].find("105.000"), std::string::npos)
            << "the line of the span left is rewritten";
        EXPECT_EQ(d.Text(IDC_SPAN_NUMBER), " 3");
        d.Type(IDC_SPAN_PAD_RIGHT, "0.5");
        d.Ok();
    });
    EXPECT_EQ(doc.m_adSpanLength[1], 105.0);
    EXPECT_EQ(doc.m_adPadOffsetRight[3], 0.5);
    EXPECT_EQ(doc.m_saSpanSectionNames,
              (std::vector<std::string>{"AASHTO Type III", "B", "C"}));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(SpanLayoutDlgTest, TheSpinCopiesTheLastSpanAndALowerCountCutsTheCurrentSpan) {
    CKordelDoc& doc = *Doc();
    doc.m_nSpans = 3;
    doc.m_adSpanLength[3] = 90;
    doc.m_adPadOffsetLeft[3] = 0.25;
    doc.m_adSpanSectionProps[4][kSpanPropArea] = 123;
    doc.m_saSpanSectionNames = {"A", "B", "C"};
    SpanLayout([](DialogDriver& d) {
        EXPECT_EQ(d.SpinRange(IDC_SPAN_COUNT_SPIN), (std::pair{2, 8}));
        d.Spin(IDC_SPAN_COUNT_SPIN, true);
        EXPECT_EQ(d.Text(IDC_SPAN_COUNT), "4");
        ASSERT_EQ(d.Items(IDC_SPAN_LIST).size(), 4u);
        EXPECT_NE(d.Items(IDC_SPAN_LIST)[3].find("\t90.000\tC\t"), std::string::npos);
        d.Ok();
    });
    EXPECT_EQ(doc.m_nSpans, 4);
    EXPECT_EQ(doc.m_adSpanLength[4], 90.0);
    EXPECT_EQ(doc.m_adPadOffsetLeft[4], 0.25);
    EXPECT_EQ(doc.m_adSpanSectionProps[4][kSpanPropArea], 123.0) << "properties not copied";
    EXPECT_EQ(doc.m_saSpanSectionNames.back(), "C");

    doc.m_nCurrentSpan = 4;
    SpanLayout([](DialogDriver& d) {
        d.Spin(IDC_SPAN_COUNT_SPIN, false);
        d.Spin(IDC_SPAN_COUNT_SPIN, false);
        EXPECT_EQ(d.Items(IDC_SPAN_LIST).size(), 2u);
        d.Ok();
    });
    EXPECT_EQ(doc.m_nSpans, 2);
    EXPECT_EQ(doc.m_nCurrentSpan, 2);
    EXPECT_EQ(doc.m_saSpanSectionNames, (std::vector<std::string>{"A", "B"}));
}

TEST_F(SpanLayoutDlgTest, ATypedCountGivesEveryNewSpanTheLastSpansDataAndGirderId) {
    CKordelDoc& doc = *Doc();
    doc.m_nSpans = 2;
    doc.m_adSpanLength[2] = 80;
    doc.m_saSpanSectionNames = {"A"};  // a name list shorter than the spans
    SpanLayout([](DialogDriver& d) {
        d.Type(IDC_SPAN_COUNT, "10");
        d.Ok();
        EXPECT_TRUE(d.Ended());
    });
    ASSERT_EQ(doc.m_nSpans, 10);
    ASSERT_EQ(doc.m_saSpanSectionNames.size(), 10u);
    EXPECT_EQ(doc.m_saSpanSectionNames[1], "");
    EXPECT_EQ(doc.m_adSpanLength[10], 80.0);

    SpanLayout([](DialogDriver& d) {
        d.Type(IDC_SPAN_COUNT, "11");
        d.Ok();
        EXPECT_FALSE(d.Ended());
        d.Cancel();
    });
    EXPECT_EQ(Messages().back(), "Enter a number between 1 and 10.");
}

TEST_F(SpanLayoutDlgTest, TheGirderPickerListsTheSectionFilesAndGivesTheShownSpanItsSection) {
    WriteSection("Type IV.ksl", "Type IV", 789, 260741, 24.73, 54);
    WriteSection("Type III.ksl", "Type III", 560, 125390, 20.27, 45);
    std::ofstream(LibraryFolder() / "broken.ksl") << "not a section";
    std::ofstream(LibraryFolder() / "notes.txt") << "not a section file";
    SpanLayout([](DialogDriver& d) {
        std::vector<std::string> items = d.Items(IDC_SPAN_GIRDER_PICKER);
        std::sort(items.begin(), items.end());
        EXPECT_EQ(items, (std::vector<std::string>{"Type III", "Type IV"}));
        d.Choose(IDC_SPAN_LIST, 1);
        d.Choose(IDC_SPAN_GIRDER_PICKER, "Type IV");
        EXPECT_EQ(d.Selection(IDC_SPAN_GIRDER_PICKER), -1) << "the picker is cleared";
        EXPECT_NE(d.Items(IDC_SPAN_LIST)[1].find("\tType IV\t"), std::string::npos);
        d.Ok();
    });
    EXPECT_EQ(Doc()->m_saSpanSectionNames[1], "Type IV");
    EXPECT_EQ(Doc()->m_adSpanSectionProps[2][kSpanPropInertia], 260741.0);
    EXPECT_EQ(Doc()->m_adSpanSectionProps[2][kSpanPropArea], 789.0);
    EXPECT_EQ(Doc()->m_adSpanSectionProps[2][kSpanPropYb], 24.73);
}

TEST_F(SpanLayoutDlgTest, AFolderOfMoreThan301SectionsListsTheFirst301AndSaysSo) {
    for (int i = 0; i < 302; ++i)
        WriteSection("S" + std::to_string(i) + ".ksl", "S" + std::to_string(i), 1, 1, 1, 1);
    SpanLayout([](DialogDriver& d) {
        EXPECT_EQ(d.Items(IDC_SPAN_GIRDER_PICKER).size(), 301u);
        d.Cancel();
    });
    ASSERT_FALSE(Messages().empty());
    EXPECT_NE(Messages().back().find("301"), std::string::npos);
}

TEST_F(SpanLayoutDlgTest, TheElevationDrawsPiersAndGirdersAndNothingWithoutALength) {
    SpanLayout([this](DialogDriver& d) {
        const auto dc = d.Paint(IDC_SPAN_ELEVATION);
        const int spans = Doc()->m_nSpans;
        // The frame, the piers and the girders.
        EXPECT_EQ(dc->OpsOf(platform::ui::RecordingDC::OpKind::Rectangle).size(),
                  static_cast<std::size_t>(1 + (spans + 1) + spans));
        d.Cancel();
    });
    for (int s = 1; s < kMaxSpanSlots; ++s) Doc()->m_adSpanLength[s] = 0;
    Doc()->m_dSectionHeight = -60;  // no height either
    SpanLayout([](DialogDriver& d) {
        const auto dc = d.Paint(IDC_SPAN_ELEVATION);
        EXPECT_EQ(dc->OpsOf(platform::ui::RecordingDC::OpKind::Rectangle).size(), 1u)
            << "the frame only";
        d.Cancel();
    });
}

TEST_F(SpanLayoutDlgTest, CancelKeepsTheDesignAndAMetricDesignComesBackAsShown) {
    const auto readBytes = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    Doc()->m_nUnits = kUnitsMetric;
    Main().m_nUnits = kUnitsMetric;
    Doc()->m_adPadOffsetLeft[2] = 0.7;  // 0.21336 m, not the same double once back in feet
    const std::string path = temp / "spans.kdx";
    host.QueueFileName(path);
    Choose(ID_FILE_SAVE_AS);
    const std::string bytes = readBytes(path);
    SpanLayout([](DialogDriver& d) {
        d.Type(IDC_SPAN_LENGTH, "12");
        d.Spin(IDC_SPAN_COUNT_SPIN, true);
        d.Cancel();
    });
    EXPECT_FALSE(Doc()->IsModified());
    SpanLayout([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_SPAN_SPAN_LENGTH_LABEL), "Length,m");
        d.Choose(IDC_SPAN_LIST, 1);
        EXPECT_EQ(d.Text(IDC_SPAN_PAD_LEFT), "0.21336");
        d.Ok();
    });
    EXPECT_TRUE(Doc()->IsModified());
    Choose(ID_FILE_SAVE);
    EXPECT_TRUE(readBytes(path) == bytes) << "the file saved again is the same";

    SpanLayout([](DialogDriver& d) {
        d.Type(IDC_SPAN_LENGTH, "30.48");
        d.Ok();
    });
    EXPECT_DOUBLE_EQ(Doc()->m_adSpanLength[1], 100.0) << "metres back to feet";
}


TEST_F(SpanLayoutDlgTest, TheGirderIdOfTheSpanShownStandsInThePickerWithNoLibrary) {
    Doc()->m_saSpanSectionNames = {"PCI_BT_72", "AASHTO IV", "PCI_BT_72"};
    SpanLayout([](DialogDriver& d) {
        EXPECT_TRUE(d.Items(IDC_SPAN_GIRDER_PICKER).empty()) << "a fresh user has no library";
        EXPECT_EQ(d.Text(IDC_SPAN_GIRDER_PICKER), "PCI_BT_72");
        d.Choose(IDC_SPAN_LIST, 1);
        EXPECT_EQ(d.Text(IDC_SPAN_GIRDER_PICKER), "AASHTO IV");
        d.Cancel();
    });
    WriteSection("Type IV.ksl", "Type IV", 789, 260741, 24.73, 54);
    SpanLayout([](DialogDriver& d) {
        d.Choose(IDC_SPAN_GIRDER_PICKER, "Type IV");
        EXPECT_EQ(d.Text(IDC_SPAN_GIRDER_PICKER), "Type IV") << "the span's new girder";
        d.Cancel();
    });
}

TEST(SpanLayoutTemplate, EveryLengthFieldHoldsSevenCharacters) {
    // A metric offset such as "-0.1524" or a line value "%6.3f" of a negative offset takes seven
    // characters of about 4 dialog units each, with the field's frame and margins.
    constexpr int kSevenCharacters = 7 * 4 + 8;
    for (int id : {IDC_SPAN_LENGTH, IDC_SPAN_GIRDER_LENGTH, IDC_SPAN_GIRDER_OFFSET_LEFT,
                   IDC_SPAN_GIRDER_OFFSET_RIGHT, IDC_SPAN_PAD_LEFT, IDC_SPAN_PAD_RIGHT}) {
        const platform::ui::ControlTemplate* c = CSpanLayoutDlg::Template().Control(id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_GE(c->rect.Width(), kSevenCharacters) << "control " << id;
    }
}

}  // namespace
}  // namespace kordel::test
