#include <iostream>
#include <string>
#include <vector>

#include "app/batch_front.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args) {
        if (a == "--batch") return kordel::RunBatch(args, std::cout, std::cerr);
    }
    std::cerr << kordel::BatchUsage() << '\n';
    return kordel::kBatchUsage;
}
