// Shared fixture pieces: a headless host and a main frame installed for one test, and a
// temporary folder removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "document/main_frame_state.h"
#include "document/kordel_doc.h"
#include "platform/headless_host.h"

namespace kordel::test {

/// A fresh headless host and main frame for each test, installed for its duration.
class EngineTest : public ::testing::Test {
protected:
    EngineTest() : m_hostGuard(host), m_frameGuard(frame) {
        frame.m_strProgramFolder = "/opt/kordel/";
        host.FixTime({2019, 4, 1, 9, 5, 0});
    }

    std::unique_ptr<CKordelDoc> NewDoc() { return CKordelDoc::CreateObject(); }

    platform::HeadlessHost host;
    CMainFrameState frame;

private:
    platform::ScopedHost m_hostGuard;
    ScopedMainFrame m_frameGuard;
};

/// A temporary folder, removed with everything in it when the object goes.
class TempFolder {
public:
    TempFolder() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "kordel-test-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
        m_path = tmpl;
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string Path(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& Root() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace kordel::test
