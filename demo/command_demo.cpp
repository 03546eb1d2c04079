// One menu command of the desktop program on an example design, for screenshots of the dialog
// it opens: the program starts as usual (no splash), makes a new design from the example as
// File/New Design would, switches it to metric display units when asked, and runs the command
// through the same routing as the menu (a disabled command is an error). The program ends when
// the command returns, that is when its dialog is closed.
//
//   kordel_command_demo EXAMPLE us|metric COMMAND-ID     (e.g. 1 metric 32771)
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/kordel_app.h"
#include "app/main_frame.h"
#include "document/kordel_doc.h"
#include "document/model_limits.h"
#include "platform/ui/toolkit.h"
#include "platform/wx/wx_app.h"

namespace {

using namespace kordel;

class CommandDemo : public CKordelApp {
  public:
    bool InitInstance(const std::vector<std::string>& args) override {
        if (args.size() < 3) {
            std::fputs("usage: kordel_command_demo EXAMPLE us|metric COMMAND-ID\n", stderr);
            return false;
        }
        const int example = std::atoi(args[0].c_str());
        const bool metric = args[1] == "metric";
        m_command = std::atoi(args[2].c_str());
        if (example < SeedSimpleSpan || example > SeedSpliced) return false;
        if (!CKordelApp::InitInstance({"--nosplash"})) return false;
        GetMainWnd()->m_nSeedChoice = example;
        CKordelDoc* doc = NewDocumentFile();
        if (!doc) return false;
        if (metric) {
            doc->m_nUnits = kUnitsMetric;
            GetMainWnd()->m_nUnits = kUnitsMetric;
        }
        UpdateAllViews();
        // Once the message loop runs: the command, then the end of the program.
        m_timer = platform::ui::GetToolkit().SetTimer(300, [this] {
            platform::ui::GetToolkit().KillTimer(m_timer);
            if (!RouteUpdate(m_command).enabled) {
                std::fprintf(stderr, "command %d is disabled\n", m_command);
                platform::ui::GetToolkit().Quit(1);
                return;
            }
            RouteCommand(m_command);
            platform::ui::GetToolkit().Quit(0);
        });
        return true;
    }

  private:
    int m_command = 0;
    int m_timer = 0;
};

}  // namespace

int main(int argc, char** argv) {
    CommandDemo demo;
    return platform::wx::RunApplication(demo, argc, argv);
}
