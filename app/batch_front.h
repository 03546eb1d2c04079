// The batch front: builds or opens a design, analyses it and writes the results export, with
// no window. Messages the desktop program would show in a box go to the error stream.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kordel {

/// Exit statuses of the batch front.
enum BatchStatus : int { kBatchOk = 0, kBatchFailed = 1, kBatchUsage = 2 };

/// True when the arguments after the program name ask for the batch front: --batch, or --help,
/// -h or --version, which never start the window system either.
bool IsBatchCommandLine(const std::vector<std::string>& args);

/// Runs the batch front on the arguments after the program name (including "--batch"); with
/// --help or -h prints the usage, with --version the version, to `out`.
int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// The one-line usage text.
const char* BatchUsage();

}  // namespace kordel
