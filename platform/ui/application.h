// The application object: the program's start, its end, and the first look at every input
// message. The backend creates the message loop around the one installed application.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/command.h"
#include "platform/ui/window.h"

namespace platform::ui {

class Application : public CommandTarget {
  public:
    ~Application() override = default;
    /// Starts the program with the command-line arguments after the program name; false ends
    /// it at once.
    virtual bool InitInstance(const std::vector<std::string>& args) = 0;
    /// The program ends; returns its exit status.
    virtual int ExitInstance() { return 0; }
    /// Sees every input message before its window; true swallows it.
    virtual bool PreTranslateMessage(const InputMessage&) { return false; }
};

}  // namespace platform::ui
