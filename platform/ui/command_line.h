// The program's command line as the desktop program reads it: an optional design file and a
// few switches.
//
//   kordel [--nosplash] [FILE]             opens FILE
//   kordel --print FILE                    prints FILE and ends
//   kordel --print-to PRINTER FILE         prints FILE on PRINTER and ends
//   kordel --register | --unregister       (re)registers or removes the desktop file type
//
// Any other argument starting with '-' is an unknown switch and is kept aside.
#pragma once

#include <string>
#include <vector>

namespace platform::ui {

struct CommandLineInfo {
    enum ShellCommand {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileNothing,
        AppRegister,
        AppUnregister
    };

    ShellCommand shellCommand = FileNew;
    std::string fileName;
    std::string printerName;
    bool showSplash = true;
    std::vector<std::string> unknownSwitches;
};

/// Parses the arguments after the program name. With no file and no switch the command is
/// FileNew; the first argument that is not a switch is the file.
CommandLineInfo ParseCommandLine(const std::vector<std::string>& args);

}  // namespace platform::ui
