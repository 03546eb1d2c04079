#include "document/kordel_doc.h"

#include "document/main_frame_state.h"
#include "platform/folders.h"
#include "platform/text_encoding.h"
#include "platform/zeroed_pages.h"

namespace kordel {

namespace {

/// Stands in for the main frame while a design file is read only to check it: it starts as a
/// copy of the frame, takes everything the scratch design writes into it (the open flags, the
/// copies of its settings, the reset when it goes) and shows no status text.
class ScratchMainFrame : public CMainFrameState {
public:
    explicit ScratchMainFrame(const CMainFrameState& frame) : CMainFrameState(frame) {}
    void SetStatusText(int, const std::string&) override {}
};

}  // namespace

std::unique_ptr<CKordelDoc> CKordelDoc::CreateObject() {
    return std::unique_ptr<CKordelDoc>(new CKordelDoc());
}

void* CKordelDoc::operator new(std::size_t size) {
    return platform::AllocateZeroedPages(size);
}

void CKordelDoc::operator delete(void* memory, std::size_t size) noexcept {
    platform::FreeZeroedPages(memory, size);
}

CKordelDoc::CKordelDoc() {
    CMainFrameState& frame = GetMainFrame();
    frame.m_bDocumentOpen = 1;
    frame.m_bNoDocument = 0;

    m_strProgramFolder = frame.m_strProgramFolder;
    m_strFileSignature = kDesignFileSignature;
    m_strFileVersion = kDesignFileVersion;
    m_strDesigner.clear();

    m_strSectionLibraryFile = platform::JoinPath(m_strProgramFolder, "SectionLib.dat");
    m_strVehicleLibraryFile = platform::JoinPath(m_strProgramFolder, "TruckLib.dat");

    m_nReportForm = kReportLongForm;
    m_bGraphViewOpen = 0;
    m_bReportViewOpen = 0;
    m_strSectionLibraryTag = "SectionLib.dat";
    m_strSectionLibraryVersion = "2.00";

    m_bLoadEffectsDirty = 1;
    ResetDetensionOrder();  // the rest of the design model's defaults are member initializers
    m_bAnalyzing = 0;
    m_strJobFileName = "Untitled.kdx";

    m_saAgencies = {"None", "Caltrans", "MN", "MT", "ND", "ODOT", "FDOT"};
    m_nAgency = 0;
    m_saSpecEditions = {"Standard Specs", "LRFD 5th", "LRFD 6th", "LRFD 6th w/ 2013 Interims",
                        "LRFD 7th"};
    m_nSpecEdition = 2;
}

CKordelDoc::~CKordelDoc() {
    CMainFrameState& frame = GetMainFrame();
    frame.m_bGraphViewOpen = 0;
    frame.m_bDocumentOpen = 0;
    frame.m_bNoDocument = 1;
    frame.m_bShortTextViewOpen = 0;
    frame.m_bLongTextViewOpen = 0;
    frame.m_bComplianceViewOpen = 0;
    frame.m_nStructureType = 1;
    frame.m_nPrestressType = 1;
    frame.m_nUnits = 1;

    frame.SetStatusText(kPaneProgress, "    ");
    frame.SetStatusText(kPaneStress, "fb:      Mr/Mu:");
    frame.SetStatusText(kPaneStrands, "s:     d:  ");
    frame.SetStatusText(kPaneConcrete, "f'c:    f'ci:");
    frame.SetStatusText(kPaneDesignCode, "   ");
}

std::string CKordelDoc::ExtractFileName(const std::string& path) {
    auto sep = path.find_last_of("\\/");
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

bool CKordelDoc::CanReadDesignFile(const std::string& path) {
    ScratchMainFrame scratch(GetMainFrame());
    ScopedMainFrame scratchGuard(scratch);
    // The document's own read and its messages, without the analysis an opened design gets; the
    // scratch design goes while the scratch frame is still installed.
    std::unique_ptr<CKordelDoc> doc = CreateObject();
    return doc->Document::OnOpenDocument(path);
}

bool CKordelDoc::OnOpenDocument(const std::string& path) {
    if (!Document::OnOpenDocument(path)) return false;
    m_strJobFileName = platform::PathText(ExtractFileName(path));
    BuildPageHeader();
    RunAnalysis();
    return true;
}

bool CKordelDoc::OnSaveDocument(const std::string& path) {
    m_strJobFileName = platform::PathText(ExtractFileName(path));
    BuildPageHeader();
    return Document::OnSaveDocument(path);
}

void CKordelDoc::OnCloseDocument() { Document::OnCloseDocument(); }

void CKordelDoc::CloseJob() {
    if (!SaveModified()) return;
    OnCloseDocument();
}

}  // namespace kordel
