// "Section Library" and "Section Properties": picking a section, New/Edit/Save writing .ksl
// files (the same bytes from a metric design), the decking check, failed writes, and the import
// of an older section archive.
#include "libraries/section_lib_dlg.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "document/kordel_doc.h"
#include "libraries/library_folders.h"
#include "libraries/section_prop_dlg.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "platform/ini.h"
#include "tests/app/desktop_test_support.h"
#include "tests/libraries/library_fixtures.h"

namespace kordel::test {
namespace {

using platform::MsgResult;
using platform::ui::DialogDriver;
using platform::ui::kIdCancel;
using platform::ui::kIdOk;
using Lines = std::vector<std::string>;

class SectionLibDlgTest : public DesktopTest {
  protected:
    SectionLibDlgTest()
        : library(ResolveLibraryFolder(platform::kIniKeyLibraryFolder,
                                       kSectionLibraryDefaultSuffix)) {
        platform::CreateFolders(library);
    }
    /// Example 1's girder section.
    static SectionLibRecord Example1Section() {
        const auto doc = CKordelDoc::CreateObject();
        EXPECT_TRUE(doc->BuildExampleDesign(1));
        SectionLibRecord r;
        CopySectionFromDesign(*doc, r);
        return r;
    }
    std::string Write(const SectionLibRecord& r, const std::string& file) {
        CSectionLibDoc doc;
        static_cast<SectionLibRecord&>(doc) = r;
        const std::string path = platform::JoinPath(library, file);
        EXPECT_TRUE(doc.OnSaveDocument(path)) << path;
        return path;
    }
    SectionLibRecord Read(const std::string& path) {
        CSectionLibDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(path)) << path;
        return doc;
    }
    /// Runs the library dialog in `mode` on `section` with `scripts` for it and the dialogs it
    /// opens, in order.
    int Run(CSectionLibDoc& section, int mode, int units,
            std::vector<std::function<void(DialogDriver&)>> scripts) {
        for (auto& s : scripts) toolkit.QueueDialog(std::move(s));
        CSectionLibDlg dlg;
        dlg.m_pSection = &section;
        dlg.m_nMode = mode;
        dlg.m_nUnits = units;
        const int result = dlg.DoModal();
        replaced = dlg.m_bSectionReplaced;
        return result;
    }

    std::string library;
    int replaced = 0;
};

TEST_F(SectionLibDlgTest, PickModeShowsTheCallersSectionAndReturnsTheFileClickedFreshlyLoaded) {
    SectionLibRecord other = Example1Section();
    other.m_strName = "Other";
    other.m_dHeight = 54;
    Write(other, "Other.ksl");
    CSectionLibDoc section;
    static_cast<SectionLibRecord&>(section) = Example1Section();
    section.m_dHeight = 72;
    ASSERT_EQ(Run(section, kSectionLibPick, kUnitsUS,
                  {[&](DialogDriver& d) {
                      EXPECT_EQ(d.Caption(), "Section Library");
                      EXPECT_EQ(d.Text(IDC_SECLIB_HEIGHT), "  72.00") << "the caller's own";
                      EXPECT_FALSE(d.IsVisible(IDC_SECLIB_NEW));
                      EXPECT_EQ(d.Items(IDC_SECLIB_FILES), (Lines{"[Up one directory]", "Other.ksl"}));
                      d.Choose(IDC_SECLIB_FILES, "Other.ksl");
                      EXPECT_EQ(d.Text(IDC_SECLIB_NAME), "Other");
                      EXPECT_EQ(d.Text(IDC_SECLIB_HEIGHT), "  54.00");
                      d.Ok();
                  }}),
              kIdOk);
    EXPECT_EQ(static_cast<const SectionLibRecord&>(section), Read(library + "Other.ksl"));
    EXPECT_EQ(replaced, 1);
}

TEST_F(SectionLibDlgTest, MaintenanceNewSavesASectionThatIsListedAtOnce) {
    CSectionLibDoc section;
    const std::string target = platform::JoinPath(library, "Girder X.ksl");
    host.QueueFileName(target);
    Run(section, kSectionLibMaintenance, kUnitsUS,
        {[](DialogDriver& d) {
             EXPECT_FALSE(d.IsVisible(kIdOk));
             EXPECT_EQ(d.Text(kIdCancel), "Close");
             d.Click(IDC_SECLIB_NEW);
             EXPECT_EQ(d.Items(IDC_SECLIB_FILES), (Lines{"[Up one directory]", "Girder X.ksl"}));
             d.Cancel();
         },
         [](DialogDriver& d) {
             EXPECT_EQ(d.Caption(), "Section Properties");
             EXPECT_EQ(d.Text(IDC_SECTION_NAME), "NewSection");
             EXPECT_EQ(d.Text(kIdOk), "Save");
             EXPECT_FALSE(d.IsVisible(IDC_SECTION_SAVE));
             EXPECT_FALSE(d.IsVisible(IDC_SECTION_LIBRARY));
             d.Type(IDC_SECTION_NAME, "Girder X");
             d.Type(IDC_SECTION_HEIGHT, "63");
             d.Ok();
         }});
    EXPECT_EQ(host.FileDialogsShown(), 1);
    const SectionLibRecord written = Read(target);
    EXPECT_EQ(written.m_strName, "Girder X");
    EXPECT_EQ(written.m_dHeight, 63);
    EXPECT_EQ(written.m_nSectionType, kSectionIGirder);
    EXPECT_EQ(written.m_nWebCount, 1);
}

// Edit carries every member in, the decking thickness too, and a metric design writes the
// same bytes as a US one.
TEST_F(SectionLibDlgTest, EditAndSaveWritesTheSameBytesInEitherUnitsDeckingIncluded) {
    SectionLibRecord deck = Example1Section();
    deck.m_strName = "Decked";
    deck.m_nSectionType = kSectionDeckedBulbTee;
    deck.m_dDeckingThickness = 3.5;
    deck.m_adGenDepth[8] = 8;  // the deck's depth
    deck.m_dInertiaY = 0;      // a saved section carries none
    deck.m_dCentroid = 35.123456789;
    deck.m_adStrandTemplate[2][kTemplateFirstLocation] = 1.1;
    Write(deck, "Decked.ksl");
    std::vector<Bytes> saved;
    for (int units : {kUnitsUS, kUnitsMetric}) {
        CSectionLibDoc section;
        const std::string target = temp / std::string(units == kUnitsUS ? "us.ksl" : "metric.ksl");
        host.QueueFileName(target);
        Run(section, kSectionLibMaintenance, units,
            {[](DialogDriver& d) {
                 d.Choose(IDC_SECLIB_FILES, "Decked.ksl");
                 d.Click(IDC_SECLIB_EDIT);
                 d.Cancel();
             },
             [units](DialogDriver& d) {
                 EXPECT_EQ(d.Text(IDC_SECTION_DECKING), units == kUnitsUS ? "3.5" : "0.0889");
                 EXPECT_TRUE(d.IsEnabled(IDC_SECTION_DECKING));
                 d.Ok();
             }});
        saved.push_back(platform::ReadWholeFile(target));
    }
    EXPECT_EQ(saved[0], saved[1]);
    EXPECT_EQ(saved[0], platform::ReadWholeFile(library + "Decked.ksl"));
    EXPECT_TRUE(Messages().empty()) << Messages()[0];
}

TEST_F(SectionLibDlgTest, DeckingIsCheckedAgainstTheDeckDepthOfAGeneratedDeckedBulbTeeOnly) {
    struct Case {
        int type;
        double depth8;  // D8: the deck's depth of a decked bulb-tee, a fillet radius otherwise
        const char* decking;
        bool refused;
    };
    for (const Case c : {Case{kSectionDeckedBulbTee, 8, "9", true},
                         Case{kSectionDeckedBulbTee, 8, "7.5", false},
                         Case{kSectionIGirder, 2, "5", false},
                         Case{kSectionDeckedBulbTee, 0, "5", false}}) {
        host.ClearMessages();
        CSectionPropDlg dlg;
        static_cast<SectionLibRecord&>(dlg) = SectionLibRecord{};
        dlg.m_nSectionType = c.type;
        dlg.m_adGenDepth[8] = c.depth8;
        dlg.m_dDeckingThickness = atof(c.decking);
        toolkit.QueueDialog([&](DialogDriver& d) {
            d.Ok();
            if (c.refused) d.Cancel();
        });
        EXPECT_EQ(dlg.DoModal(), c.refused ? kIdCancel : kIdOk) << c.type << " " << c.decking;
        EXPECT_EQ(Messages(), c.refused ? Lines{"Decking cannot be greater than the overall height "
                                                "of the deck ( 8.00)."}
                                        : Lines{});
    }
}

TEST_F(SectionLibDlgTest, AFailedSaveSaysWhyAndKeepsTheDialogOpenWithItsEdits) {
    CSectionPropDlg dlg;
    static_cast<SectionLibRecord&>(dlg) = Example1Section();
    dlg.m_nMode = kSectionPropLibrary;
    const std::string inFolder = temp / "folder.ksl";
    std::filesystem::create_directory(inFolder);
    host.QueueFileName(inFolder);                      // a folder: cannot be written
    host.QueueFileName(std::optional<std::string>());  // then the save-as is cancelled
    host.ClearMessages();
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Type(IDC_SECTION_HEIGHT, "80");
        d.Ok();
        EXPECT_FALSE(d.Ended()) << "not written";
        EXPECT_EQ(d.Text(IDC_SECTION_HEIGHT), "80");
        d.Ok();
        EXPECT_FALSE(d.Ended()) << "cancelled";
        d.Cancel();
    });
    EXPECT_EQ(dlg.DoModal(), kIdCancel);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("folder"), std::string::npos) << Messages()[0];
}

TEST_F(SectionLibDlgTest, ImportAsksPerExistingTargetAndLeavesTheArchiveAsItWas) {
    // S1 exists already; the archive holds S1, S2 and S3 of the earlier format, read-only.
    SectionLibRecord mine = Example1Section();
    mine.m_strName = "S1";
    Write(mine, "S1.ksl");
    const std::string archive = temp / "SectionLib.dat";
    const Bytes bytes = SectionArchiveFixture(3, "2.50", 3, false);
    platform::WriteFileAtomically(archive, bytes);
    std::filesystem::permissions(archive, std::filesystem::perms::owner_read);
    host.QueueFileName(archive);
    host.QueueAnswer(MsgResult::Yes);  // convert
    host.QueueAnswer(MsgResult::No);   // S1: keep mine
    CSectionLibDoc section;
    Run(section, kSectionLibMaintenance, kUnitsUS,
        {[](DialogDriver& d) {
            d.Click(IDC_SECLIB_IMPORT);
            EXPECT_EQ(d.Items(IDC_SECLIB_FILES),
                      (Lines{"[Up one directory]", "S1.ksl", "S2.ksl", "S3.ksl"}));
            d.Cancel();
        }});
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0].substr(0, 43), "Earlier version of SectionLib.dat detected.");
    EXPECT_EQ(Messages()[1], "S1 already exists. Overwrite?");
    EXPECT_EQ(platform::ReadWholeFile(archive), bytes) << "the archive is only read";
    EXPECT_EQ(Read(library + "S1.ksl"), mine);
    const SectionLibRecord s2 = Read(library + "S2.ksl");
    EXPECT_EQ(s2.m_strName, "S2");
    EXPECT_EQ(s2.m_nTemplateColumnCount, 0);
    EXPECT_EQ(s2.m_adStrandTemplate[0][kTemplateFirstLocation], 0) << "converted in memory";
    std::filesystem::permissions(archive, std::filesystem::perms::owner_all);
}

TEST_F(SectionLibDlgTest, AnArchiveOfAnotherTagOrAConversionDeclinedImportsNothingAndCloses) {
    struct Case {
        std::string tag, version;
        MsgResult answer;
    };
    for (const Case& c : {Case{"sectionlib.dat", "3.00", MsgResult::Ok},
                          Case{"SectionLib.dat", "x3", MsgResult::No}}) {
        host.ClearMessages();
        const std::string archive = temp / "old.dat";
        platform::WriteFileAtomically(archive, SectionArchiveFixture(1, c.version, 1, true, c.tag));
        host.QueueFileName(archive);
        host.QueueAnswer(c.answer);
        CSectionLibDoc section;
        EXPECT_EQ(Run(section, kSectionLibMaintenance, kUnitsUS,
                      {[](DialogDriver& d) {
                          d.Click(IDC_SECLIB_IMPORT);
                          EXPECT_TRUE(d.Ended());
                      }}),
                  kIdCancel);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].substr(0, 8), c.answer == MsgResult::Ok ? "Version " : "Earlier ");
        EXPECT_FALSE(std::filesystem::exists(library + "S1.ksl"));
    }
}

// What the geometry dialog's Properties... does: the design's section in, OK, and back in
// inches to the last bit, in either units; "Template..." runs the installed template editor.
TEST_F(SectionLibDlgTest, AMetricRunHandsTheSectionBackUnchangedAndTemplateGoesThroughItsHook) {
    // The main window installs the strand template dialog; here there is none to begin with.
    const StrandTemplateEditor installed = SetStrandTemplateEditor({});
    const SectionLibRecord example = Example1Section();
    CSectionPropDlg dlg;
    static_cast<SectionLibRecord&>(dlg) = example;
    dlg.m_nUnits = kUnitsMetric;
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_FALSE(d.IsEnabled(IDC_SECTION_TEMPLATE)) << "no template dialog installed";
        EXPECT_EQ(d.Text(IDC_SECTION_HEIGHT), "1.8288");
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), kIdOk);
    EXPECT_EQ(static_cast<const SectionLibRecord&>(dlg), example);
    EXPECT_EQ(dlg.m_bSectionReplaced, 0);

    StrandTemplateEdit seen;
    const StrandTemplateEditor previous = SetStrandTemplateEditor([&](StrandTemplateEdit& e) {
        seen = e;
        e.rowCount = 3;
        e.webLocation = 0.5;  // m
        e.sectionReplaced = 1;
        return true;
    });
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Click(IDC_SECTION_TEMPLATE);
        d.Ok();
    });
    ASSERT_EQ(dlg.DoModal(), kIdOk);
    SetStrandTemplateEditor(previous);
    EXPECT_EQ(seen.height, example.m_dHeight * 0.0254) << "in the design's units";
    EXPECT_EQ(dlg.m_nTemplateRowCount, 3);
    EXPECT_EQ(dlg.m_dWebLocation, 0.5 / 0.0254) << "back in inches";
    EXPECT_EQ(dlg.m_bSectionReplaced, 1);
    SetStrandTemplateEditor(installed);
}

}  // namespace
}  // namespace kordel::test
