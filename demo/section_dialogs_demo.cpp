// The section dialogs on the desktop, for a look at their layout: on example 1's girder section,
// "Section Properties" in US or metric units, "Generate Section Properties" with its sketch, or
// "Section Library" picking (with the section written into the library folder first, so that
// the list holds a file). The program ends when the dialog closes.
//
//   kordel_section_dialogs_demo properties-us | properties-metric | generator | library
#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "document/kordel_doc.h"
#include "document/main_frame_state.h"
#include "libraries/library_folders.h"
#include "libraries/section_generator.h"
#include "libraries/section_lib_dlg.h"
#include "libraries/section_prop_dlg.h"
#include "libraries/section_coords_dlg.h"
#include "libraries/section_prop_gen_dlg.h"
#include "platform/folders.h"
#include "platform/ini.h"
#include "platform/ui/application.h"
#include "platform/ui/toolkit.h"
#include "platform/wx/wx_app.h"

namespace {

using namespace kordel;

class SectionDialogsDemo : public platform::ui::Application {
  public:
    bool InitInstance(const std::vector<std::string>& args) override {
        m_which = args.empty() ? "properties-us" : args[0];
        m_frameGuard = std::make_unique<ScopedMainFrame>(m_frame);
        m_doc = CKordelDoc::CreateObject();
        if (!m_doc->BuildExampleDesign(1)) return false;
        CopySectionFromDesign(*m_doc, m_section);
        // Once the message loop runs: the dialog, then the end of the program.
        m_timer = platform::ui::GetToolkit().SetTimer(100, [this] {
            platform::ui::GetToolkit().KillTimer(m_timer);
            Show();
            platform::ui::GetToolkit().Quit(0);
        });
        return true;
    }
    int ExitInstance() override {
        m_doc.reset();
        m_frameGuard.reset();
        return 0;
    }

  private:
    void Show() {
        if (m_which == "library") {
            const std::string folder = ResolveLibraryFolder(platform::kIniKeyLibraryFolder,
                                                            kSectionLibraryDefaultSuffix);
            platform::CreateFolders(folder);
            CSectionLibDoc doc;
            static_cast<SectionLibRecord&>(doc) = m_section;
            doc.OnSaveDocument(
                platform::JoinPath(folder, MakeLibraryFileName(m_section.m_strName, "ksl")));
            CSectionLibDlg dlg;
            dlg.m_pSection = &doc;
            dlg.m_nMode = kSectionLibPick;
            dlg.DoModal();
        } else if (m_which == "generator") {
            CSectionPropGenDlg dlg;
            dlg.m_nSectionType = m_section.m_nSectionType;
            const GeneratorInput in = DefaultGeneratorInput(kGenIGirder, kUnitsUS);
            std::copy(std::begin(in.widths), std::end(in.widths), dlg.m_adGenWidth);
            std::copy(std::begin(in.depths), std::end(in.depths), dlg.m_adGenDepth);
            SetCoordinates(dlg, m_section, 1.0);
            dlg.m_dHeight = m_section.m_dHeight;
            dlg.m_dArea = m_section.m_dArea;
            dlg.m_dCentroid = m_section.m_dCentroid;
            dlg.m_dInertia = m_section.m_dInertia;
            dlg.m_dTorsionConstant = m_section.m_dTorsionConstant;
            dlg.DoModal();
        } else {
            CSectionPropDlg dlg;
            static_cast<SectionLibRecord&>(dlg) = m_section;
            dlg.m_nUnits = m_which == "properties-metric" ? kUnitsMetric : kUnitsUS;
            dlg.DoModal();
        }
    }

    std::string m_which;
    CMainFrameState m_frame;
    std::unique_ptr<ScopedMainFrame> m_frameGuard;
    std::unique_ptr<CKordelDoc> m_doc;
    SectionLibRecord m_section;
    int m_timer = 0;
};

}  // namespace

int main(int argc, char** argv) {
    SectionDialogsDemo demo;
    return platform::wx::RunApplication(demo, argc, argv);
}
