#include <iostream>
#include <string>
#include <vector>

#include "app/batch_front.h"

#if KORDEL_DESKTOP
#include "app/kordel_app.h"
#include "platform/wx/wx_app.h"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // The batch front (and --help, --version) is decided first: it never starts the window
    // system.
    if (kordel::IsBatchCommandLine(args)) return kordel::RunBatch(args, std::cout, std::cerr);
#if KORDEL_DESKTOP
    kordel::CKordelApp app;
    return platform::wx::RunApplication(app, argc, argv);
#else
    std::cerr << kordel::BatchUsage() << '\n';
    return kordel::kBatchUsage;
#endif
}
