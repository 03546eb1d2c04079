// The results grid on the desktop, before the main window has a command for it: builds and
// analyses an example design and opens the "Results Grid" dialog on it with a result type and a
// point count chosen, for screenshots. The program ends when the dialog closes.
//
//   kordel_results_grid_demo EXAMPLE "RESULT TYPE" POINTS   (e.g. 1 "Final Stresses: P + Pm + L" 10)
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/results/results_grid_dlg.h"
#include "document/kordel_doc.h"
#include "document/main_frame_state.h"
#include "platform/ui/application.h"
#include "platform/ui/toolkit.h"
#include "platform/wx/wx_app.h"

namespace {

using namespace kordel;

/// The dialog opened on a chosen type and point count, as the user would choose them.
class ChosenResultsGrid : public CResultsGridDlg {
  public:
    ChosenResultsGrid(const CKordelDoc& doc, std::string type, int points)
        : CResultsGridDlg(doc), m_type(std::move(type)), m_points(points) {}
    bool OnInitDialog() override {
        CResultsGridDlg::OnInitDialog();
        const int index = [&] {
            for (int i = 0; i < GetCount(IDC_RESULT_TYPE); ++i)
                if (GetItemString(IDC_RESULT_TYPE, i) == m_type) return i;
            return 0;
        }();
        SetCurSel(IDC_RESULT_TYPE, index);
        OnSelchangeResultType();
        const int radio = m_points == 10    ? IDC_POINTS_10
                          : m_points == 20  ? IDC_POINTS_20
                          : m_points == 100 ? IDC_POINTS_100
                                            : IDC_POINTS_4;
        OnPoints(radio, m_points == 10 || m_points == 20 || m_points == 100 ? m_points : 4);
        return true;
    }

  private:
    std::string m_type;
    int m_points;
};

class ResultsGridDemo : public platform::ui::Application {
  public:
    bool InitInstance(const std::vector<std::string>& args) override {
        const int example = args.size() > 0 ? std::atoi(args[0].c_str()) : 1;
        m_type = args.size() > 1 ? args[1] : "Camber & Deflections: Release";
        m_points = args.size() > 2 ? std::atoi(args[2].c_str()) : 4;
        m_frameGuard = std::make_unique<ScopedMainFrame>(m_frame);
        m_doc = CKordelDoc::CreateObject();
        if (example < 1 || example > 4 || !m_doc->BuildExampleDesign(example)) return false;
        m_doc->RunAnalysis();
        // Once the message loop runs: the dialog, then the end of the program.
        m_timer = platform::ui::GetToolkit().SetTimer(100, [this] {
            platform::ui::GetToolkit().KillTimer(m_timer);
            ChosenResultsGrid dlg(*m_doc, m_type, m_points);
            dlg.DoModal();
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
    CMainFrameState m_frame;
    std::unique_ptr<ScopedMainFrame> m_frameGuard;
    std::unique_ptr<CKordelDoc> m_doc;
    std::string m_type;
    int m_points = 4;
    int m_timer = 0;
};

}  // namespace

int main(int argc, char** argv) {
    ResultsGridDemo demo;
    return platform::wx::RunApplication(demo, argc, argv);
}
