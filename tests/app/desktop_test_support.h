// The desktop program on the headless backend: a fresh settings folder, host and toolkit for
// each test, and the application started and driven through its menus as a user would.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/kordel_app.h"
#include "app/main_frame.h"
#include "document/kordel_doc.h"
#include "platform/headless_host.h"
#include "platform/ini.h"
#include "platform/ui/headless_toolkit.h"
#include "resources/resource_ids.h"
#include "tests/platform/platform_test_support.h"

namespace kordel::test {

/// The bytes of the file at `path` (a saved design), empty when it cannot be read.
inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DesktopTest : public ::testing::Test {
  protected:
    DesktopTest()
        : m_docs("XDG_DOCUMENTS_DIR", temp / "Documents"),
          m_config("XDG_CONFIG_HOME", temp / "config"),
          m_hostGuard(host),
          m_toolkitGuard(toolkit) {
        host.FixTime({2019, 7, 4, 9, 5, 3});
    }
    ~DesktopTest() override { app.reset(); }

    /// Starts a new application object with `args`; returns InitInstance's answer.
    bool Start(const std::vector<std::string>& args = {}) {
        app.reset();
        app = std::make_unique<CKordelApp>();
        return app->InitInstance(args);
    }
    /// Ends the program as File/Exit does and drops the application object.
    void Exit() {
        Frame().Choose(ID_APP_EXIT);
        app->ExitInstance();
        app.reset();
    }

    platform::ui::HeadlessFrame& Frame() { return *toolkit.Frame(); }
    CMainFrame& Main() { return *app->GetMainWnd(); }
    CKordelDoc* Doc() { return app->GetDocument(); }
    platform::ui::CmdUI Query(int id) { return Frame().Query(id); }
    bool Choose(int id) { return Frame().Choose(id); }

    /// File/New Design with the dialog's first choice (or the radio button given) and OK.
    void NewDesign(int radio = 0) {
        toolkit.QueueDialog([radio](platform::ui::DialogDriver& d) {
            if (radio) d.Click(radio);
            d.Ok();
        });
        Choose(ID_FILE_NEW);
    }
    /// A new design saved as `name` in the test folder; returns its path (the design stays
    /// open).
    std::string SavedDesign(const std::string& name, const std::string& project = "Bridge 12") {
        NewDesign();
        Doc()->m_strProject = project;
        const std::string path = temp / name;
        host.QueueFileName(path);
        Choose(ID_FILE_SAVE_AS);
        return path;
    }
    std::string Ini(const char* section, const char* key) {
        platform::CIni ini;
        ini.SetUserFile(platform::kIniFileName);
        return ini.GetString(section, key, "(missing)");
    }
    /// The texts of every message box shown, in order.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : host.Messages()) texts.push_back(m.text);
        return texts;
    }

    platform_test::TempFolder temp;

  private:
    platform_test::ScopedEnv m_docs;
    platform_test::ScopedEnv m_config;

  protected:
    platform::HeadlessHost host;
    platform::ui::HeadlessToolkit toolkit{host};

  private:
    platform::ScopedHost m_hostGuard;
    platform::ui::ScopedToolkit m_toolkitGuard;

  protected:
    std::unique_ptr<CKordelApp> app;
};

}  // namespace kordel::test
