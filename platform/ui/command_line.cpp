#include "platform/ui/command_line.h"

namespace platform::ui {

CommandLineInfo ParseCommandLine(const std::vector<std::string>& args) {
    CommandLineInfo info;
    bool print = false;
    bool printTo = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--nosplash") {
            info.showSplash = false;
        } else if (a == "--print" || a == "-p") {
            print = true;
            info.showSplash = false;
        } else if (a == "--print-to") {
            printTo = true;
            info.showSplash = false;
            if (i + 1 < args.size()) info.printerName = args[++i];
        } else if (a == "--register") {
            info.shellCommand = CommandLineInfo::AppRegister;
        } else if (a == "--unregister") {
            info.shellCommand = CommandLineInfo::AppUnregister;
        } else if (a.size() > 1 && a[0] == '-') {
            info.unknownSwitches.push_back(a);
        } else if (info.fileName.empty()) {
            info.fileName = a;
        }
    }
    if (printTo) {
        info.shellCommand = CommandLineInfo::FilePrintTo;
    } else if (print) {
        info.shellCommand = CommandLineInfo::FilePrint;
    } else if (!info.fileName.empty() && info.shellCommand == CommandLineInfo::FileNew) {
        info.shellCommand = CommandLineInfo::FileOpen;
    }
    return info;
}

}  // namespace platform::ui
