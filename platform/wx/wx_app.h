// The desktop program's message loop on wxWidgets (GTK 3): installs the windowed toolkit and
// host, starts the application object and runs until its main window closes. This header
// includes no toolkit header, so the program's main() can call it.
#pragma once

#include "platform/ui/application.h"

namespace platform::wx {

/// Runs `app` as a desktop program with the process's arguments. Returns the exit status: the
/// application's ExitInstance, or 1 when no display can be opened.
int RunApplication(ui::Application& app, int argc, char** argv);

}  // namespace platform::wx
