// The design document: what the constructor sets, what it tells the main frame on creation and
// destruction, and the new, open, save and close roads through the scripted host.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

#include "platform/file_io.h"
#include "test_support.h"

namespace kordel::test {
namespace {

class CountingObserver : public AnalysisObserver {
public:
    void OnStage(AnalysisStage s) override {
        if (s == AnalysisStage::ComputeStations) ++runs;
    }
    int runs = 0;
};

using DocumentTest = EngineTest;

TEST_F(DocumentTest, ConstructorBookkeeping) {
    auto doc = NewDoc();
    EXPECT_EQ(doc->m_strFileSignature, "Kordel");
    EXPECT_EQ(doc->m_strFileVersion, "4.62");
    EXPECT_EQ(doc->m_strJobFileName, "Untitled.kdx");
    EXPECT_EQ(doc->m_strDesigner, "");
    EXPECT_EQ(doc->m_strProgramFolder, "/opt/kordel/");
    EXPECT_EQ(doc->m_strSectionLibraryFile, "/opt/kordel/SectionLib.dat");
    EXPECT_EQ(doc->m_strVehicleLibraryFile, "/opt/kordel/TruckLib.dat");
    EXPECT_EQ(doc->m_strSectionLibraryTag, "SectionLib.dat");
    EXPECT_EQ(doc->m_strSectionLibraryVersion, "2.00");
    EXPECT_EQ(doc->m_nReportForm, 2);
    EXPECT_EQ(doc->m_bGraphViewOpen, 0);
    EXPECT_EQ(doc->m_bReportViewOpen, 0);
    EXPECT_EQ(doc->m_bAnalyzing, 0);
    EXPECT_EQ(doc->m_bLoadEffectsDirty, 1);
    EXPECT_EQ(doc->m_saAgencies,
              (std::vector<std::string>{"None", "Caltrans", "MN", "MT", "ND", "ODOT", "FDOT"}));
    EXPECT_EQ(doc->m_saSpecEditions,
              (std::vector<std::string>{"Standard Specs", "LRFD 5th", "LRFD 6th",
                                        "LRFD 6th w/ 2013 Interims", "LRFD 7th"}));
    EXPECT_TRUE(doc->Report().empty());
    EXPECT_TRUE(doc->m_saReportHeader.empty());
    EXPECT_TRUE(doc->GirderSummary().empty());
    EXPECT_FALSE(doc->IsModified());
    // The constructor runs no analysis.
    EXPECT_TRUE(host.StatusHistory(kPaneProgress).empty());
}

TEST_F(DocumentTest, ArchivePathsJoinTheProgramFolderWithOneSeparator) {
    // A program folder handed on without its closing separator still names files inside it.
    frame.m_strProgramFolder = "/opt/kordel";
    auto doc = NewDoc();
    EXPECT_EQ(doc->m_strSectionLibraryFile, "/opt/kordel/SectionLib.dat");
    EXPECT_EQ(doc->m_strVehicleLibraryFile, "/opt/kordel/TruckLib.dat");
}

TEST_F(DocumentTest, ConstructorProjectDefaults) {
    auto doc = NewDoc();
    EXPECT_EQ(doc->m_nAgency, 0);       // "None"
    EXPECT_EQ(doc->m_nSpecEdition, 2);  // "LRFD 6th"
    EXPECT_EQ(doc->m_nSegments, 1);
    EXPECT_EQ(doc->m_dWearingSurfaceThickness, 0.0);
    EXPECT_TRUE(doc->m_saSpanSectionNames.empty());
    for (int s = 0; s < kMaxSpanSlots; ++s) {
        for (int k = 0; k < kSpanSectionPropCount; ++k) EXPECT_EQ(doc->m_adSpanSectionProps[s][k], 0.0);
    }
    // Members the constructor leaves unset start at zero.
    EXPECT_EQ(doc->m_nSpans, 0);
    EXPECT_EQ(doc->m_dDesignSpan, 0.0);
    EXPECT_EQ(doc->m_nSpecification, 0);
}

TEST_F(DocumentTest, MainFrameFollowsTheDocumentLife) {
    frame.m_nStructureType = 2;
    frame.m_bGraphViewOpen = frame.m_bShortTextViewOpen = 1;
    frame.m_bLongTextViewOpen = frame.m_bComplianceViewOpen = 1;
    {
        auto doc = NewDoc();
        EXPECT_EQ(frame.m_bDocumentOpen, 1);
        EXPECT_EQ(frame.m_bNoDocument, 0);
        frame.m_nPrestressType = 2;
        frame.m_nUnits = 2;
    }
    EXPECT_EQ(frame.m_bDocumentOpen, 0);
    EXPECT_EQ(frame.m_bNoDocument, 1);
    EXPECT_EQ(frame.m_bGraphViewOpen + frame.m_bShortTextViewOpen + frame.m_bLongTextViewOpen +
                  frame.m_bComplianceViewOpen,
              0);
    EXPECT_EQ(frame.m_nStructureType, 1);
    EXPECT_EQ(frame.m_nPrestressType, 1);
    EXPECT_EQ(frame.m_nUnits, 1);
    EXPECT_EQ(host.StatusText(1), "    ");
    EXPECT_EQ(host.StatusText(2), "fb:      Mr/Mu:");
    EXPECT_EQ(host.StatusText(3), "s:     d:  ");
    EXPECT_EQ(host.StatusText(4), "f'c:    f'ci:");
    EXPECT_EQ(host.StatusText(5), "   ");
}

/// Pages lying wholly within the `size` bytes at `begin` that are mapped (touched so far).
int MappedPages(const void* begin, std::size_t size) {
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(begin);
    const std::uintptr_t first = (start + page - 1) / page * page;
    const std::uintptr_t end = (start + size) / page * page;
    if (end <= first) return 0;
    std::vector<unsigned char> mapped((end - first) / page);
    if (::mincore(reinterpret_cast<void*>(first), end - first, mapped.data()) != 0) return -1;
    return static_cast<int>(
        std::count_if(mapped.begin(), mapped.end(), [](unsigned char m) { return (m & 1) != 0; }));
}

TEST_F(DocumentTest, TablesADesignDoesNotUseTakeNoMemoryUntilUsed) {
    // Example 1: one span, strain compatibility off, no detensioning analysis. Its analysis and
    // reports leave the steel layers, the span slots past its span, the strand development
    // records past its groups and the detensioning table untouched: no page of them is mapped.
    frame.m_nSeedChoice = SeedSimpleSpan;
    auto doc = NewDoc();
    ASSERT_TRUE(doc->OnNewDocument());
    ASSERT_FALSE(doc->Report().empty());
    ASSERT_EQ(doc->m_nSpans, 1);
    ASSERT_LT(doc->m_nStrandGroupCount, 100);
    EXPECT_EQ(MappedPages(doc->m_aSteelLayer, sizeof doc->m_aSteelLayer), 0);
    EXPECT_EQ(MappedPages(doc->m_aStrandRowDevelopment + 100,
                          sizeof(StrandDevelopment) * (kStrandDevelopmentRecords - 100)),
              0);
    EXPECT_EQ(MappedPages(doc->m_aDetensionStress, sizeof doc->m_aDetensionStress), 0);
    const SpanEnvelope* spanTables[] = {doc->m_aSpanEnvelope1, doc->m_aSpanEnvelope5,
                                        doc->m_aSpanEnvelope9, doc->m_aSpanEnvelope14,
                                        doc->m_aSpanEnvelope18};
    for (const SpanEnvelope* table : spanTables)
        EXPECT_EQ(MappedPages(table + 3, sizeof(SpanEnvelope) * (kMaxSpanSlots - 3)), 0);
    for (const MovingLoadEnvelope& table : doc->m_aMovingLoadEnvelope)
        EXPECT_EQ(MappedPages(table + 3, sizeof table[0] * (kMaxSpanSlots - 3)), 0);

    // They read 0 all the same, and strain compatibility takes its layers when switched on.
    EXPECT_EQ(doc->m_aSteelLayer[kMaxSteelLayers - 1].m_adElevation[kStationMidspan], 0.0);
    EXPECT_EQ(doc->m_aSpanEnvelope1[kMaxSpanSlots - 1][5][kSpanBarrier], 0.0);
    doc->m_bStrainCompatibility = 1;
    doc->RunAnalysis();
    EXPECT_GT(doc->m_nSteelLayers, 0);
    EXPECT_GT(MappedPages(doc->m_aSteelLayer, sizeof doc->m_aSteelLayer), 0);
}

TEST(ExtractFileName, TakesThePartAfterTheLastSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\jobs\\bridge 7\\girder.kdx", "girder.kdx"},
        {"/home/eng/jobs/girder.kdx", "girder.kdx"},
        {"girder.kdx", "girder.kdx"},  // no separator: the whole path
        {"C:\\jobs\\", ""},            // ends in a separator: empty
        {"", ""},
    };
    for (auto [path, name] : cases) EXPECT_EQ(CKordelDoc::ExtractFileName(path), name) << path;
}

class DocumentRoadsTest : public EngineTest {
protected:
    DocumentRoadsTest() : manager([] { return CKordelDoc::CreateObject(); }) {}

    CKordelDoc* Active() { return dynamic_cast<CKordelDoc*>(manager.Active()); }

    // A saved design with some project members set.
    std::string SavedDesign(const std::string& name) {
        auto doc = NewDoc();
        doc->m_strProject = "Route 7 over Mill Creek";
        doc->m_nSpecification = 1;
        doc->m_strSpecCode = "LRFD";
        doc->m_nUnits = 2;
        doc->m_bContinuous = 1;
        doc->m_nSpans = 2;
        doc->m_saSpanSectionNames = {"PCI_BT_72", "PCI_BT_72"};
        doc->m_adSpanLength[1] = 106.0;
        doc->m_adSpanLength[2] = 120.0;
        doc->m_nCurrentSpan = 2;
        const std::string path = temp.Path(name);
        EXPECT_TRUE(doc->OnSaveDocument(path));
        return path;
    }

    TempFolder temp;
    platform::DocumentManager manager;
};

TEST_F(DocumentRoadsTest, OpenReadsRunsOneAnalysisAndStaysUnmodified) {
    const std::string path = SavedDesign("bridge.kdx");
    frame.m_nStructureType = 0;
    CountingObserver counter;
    // The observer is installed on every document the manager creates through a custom open.
    auto doc = NewDoc();
    doc->m_pAnalysisObserver = &counter;
    ASSERT_TRUE(doc->OnOpenDocument(path));
    EXPECT_EQ(counter.runs, 1);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->m_strJobFileName, "bridge.kdx");
    EXPECT_EQ(doc->m_strProject, "Route 7 over Mill Creek");
    EXPECT_EQ(doc->m_adSpanLength[2], 120.0);
    EXPECT_EQ(doc->m_saSpanSectionNames.size(), 2u);
    // Loading hands the structure type, prestress type and units to the main frame.
    EXPECT_EQ(frame.m_nStructureType, 1);
    EXPECT_EQ(frame.m_nPrestressType, 1);
    EXPECT_EQ(frame.m_nUnits, 2);
    EXPECT_EQ(doc->m_saReportHeader[2].substr(0, 21), "Filename: bridge.kdx ");
}

TEST_F(DocumentRoadsTest, SaveRunsNoAnalysisAndNamesTheFileInTheHeader) {
    auto doc = NewDoc();
    CountingObserver counter;
    doc->m_pAnalysisObserver = &counter;
    doc->SetModifiedFlag();
    ASSERT_TRUE(doc->DoSave(temp.Path("saved.kdx")));
    EXPECT_EQ(counter.runs, 0);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->m_strJobFileName, "saved.kdx");
    EXPECT_EQ(doc->GetPathName(), temp.Path("saved.kdx"));
    EXPECT_EQ(doc->m_saReportHeader[2].substr(0, 20), "Filename: saved.kdx ");
}

TEST_F(DocumentRoadsTest, FailedSaveKeepsTheDocumentModifiedAndTheOldFile) {
    const std::string path = temp.Path("missing-folder/x.kdx");
    auto doc = NewDoc();
    doc->SetModifiedFlag();
    EXPECT_FALSE(doc->DoSave(path));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_strJobFileName, "x.kdx");  // the tried path is already named
    ASSERT_EQ(host.Messages().size(), 1u);
}

TEST_F(DocumentRoadsTest, OpenFailuresAreReportedAndLeaveNoDesign) {
    const std::string garbage = temp.Path("garbage.kdx");
    std::ofstream(garbage) << "this is no design file";
    const std::string truncated = temp.Path("short.kdx");
    {
        const std::string good = SavedDesign("good.kdx");
        auto bytes = platform::ReadWholeFile(good);
        bytes.resize(bytes.size() / 2);
        platform::WriteFileAtomically(truncated, bytes);
    }
    const std::pair<std::string, std::string> cases[] = {
        {garbage, "Unexpected file format."},
        {truncated, "Unexpected file format."},
        {temp.Path("nowhere.kdx"), temp.Path("nowhere.kdx") + " was not found."},
    };
    for (const auto& [path, message] : cases) {
        host.ClearMessages();
        EXPECT_EQ(manager.OpenDocument(path), nullptr) << path;
        EXPECT_EQ(frame.m_bNoDocument, 1);
        ASSERT_EQ(host.Messages().size(), 1u) << path;
        EXPECT_EQ(host.Messages()[0].text, message);
    }
}

// CloseJob with a modified design: the answer to "Save changes to ...?" decides.
TEST_F(DocumentRoadsTest, CloseJobSavePrompt) {
    struct Case {
        platform::MsgResult answer;
        std::optional<std::string> saveAs;  // the name given to the save dialog
        bool closed;
        bool written;
    };
    const Case cases[] = {
        {platform::MsgResult::Cancel, std::nullopt, false, false},
        {platform::MsgResult::No, std::nullopt, true, false},
        {platform::MsgResult::Yes, std::string("answer.kdx"), true, true},
        {platform::MsgResult::Yes, std::nullopt, false, false},  // save dialog cancelled
    };
    for (const Case& c : cases) {
        const std::string target = temp.Path("answer.kdx");
        std::filesystem::remove(target);
        frame.m_nSeedChoice = 0;
        ASSERT_NE(manager.NewDocument(), nullptr);
        Active()->SetModifiedFlag();
        host.ClearMessages();
        host.QueueAnswer(c.answer);
        if (c.saveAs) host.QueueFileName(temp.Path(*c.saveAs));
        Active()->CloseJob();
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].text, "Save changes to Untitled?");
        EXPECT_EQ(host.Messages()[0].buttons, platform::MsgButtons::YesNoCancel);
        EXPECT_EQ(manager.Active() == nullptr, c.closed);
        EXPECT_EQ(frame.m_bDocumentOpen, c.closed ? 0 : 1);
        EXPECT_EQ(std::filesystem::exists(target), c.written);
        manager.CloseAll();
    }
}

TEST_F(DocumentRoadsTest, UnmodifiedDesignClosesWithoutAsking) {
    frame.m_nSeedChoice = 0;
    ASSERT_NE(manager.NewDocument(), nullptr);
    EXPECT_FALSE(Active()->IsModified());  // a new design is not modified
    Active()->CloseJob();
    EXPECT_EQ(manager.Active(), nullptr);
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(frame.m_bNoDocument, 1);
}

TEST_F(DocumentRoadsTest, NewDocumentChoices) {
    // Choices that name no example keep the constructor's design and still analyse it.
    for (int choice : {0, 5, -1, 1000}) {
        frame.m_nSeedChoice = choice;
        frame.m_nUnits = 7;
        auto doc = NewDoc();
        CountingObserver counter;
        doc->m_pAnalysisObserver = &counter;
        EXPECT_TRUE(doc->OnNewDocument()) << choice;
        EXPECT_EQ(counter.runs, 1);
        EXPECT_EQ(frame.m_nUnits, doc->m_nUnits);
        EXPECT_FALSE(doc->IsModified());
    }
}

TEST_F(DocumentRoadsTest, SeedFileIsReadAndKeepsTheDefaultName) {
    const std::string seed = SavedDesign("seed.kdx");
    std::filesystem::permissions(seed, std::filesystem::perms::owner_read);  // read-only works
    frame.m_nSeedChoice = SeedFromFile;
    frame.m_strSeedName = seed;
    CKordelDoc* doc = dynamic_cast<CKordelDoc*>(manager.NewDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_strProject, "Route 7 over Mill Creek");
    EXPECT_EQ(doc->m_strJobFileName, "Untitled.kdx");
    EXPECT_EQ(doc->GetPathName(), "");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(frame.m_nStructureType, 1);
}

TEST_F(DocumentRoadsTest, MissingSeedFileLeavesNoDesignAndTheFrameCopies) {
    frame.m_nSeedChoice = SeedFromFile;
    frame.m_strSeedName = temp.Path("gone.kdx");
    EXPECT_EQ(manager.NewDocument(), nullptr);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text, temp.Path("gone.kdx") + " was not found.");
    EXPECT_EQ(frame.m_bNoDocument, 1);
}

}  // namespace
}  // namespace kordel::test
