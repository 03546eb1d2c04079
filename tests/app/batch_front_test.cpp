// The batch front: arguments, the export of an example or a design file, saving, and the exit
// status when a design cannot be read or written.
#include "app/batch_front.h"

#include <fstream>
#include <sstream>

#include "platform/file_io.h"
#include "test_support.h"

namespace kordel::test {
namespace {

struct BatchRun {
    int status;
    std::string out;
    std::string err;
};

BatchRun Batch(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = RunBatch(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(BatchFront, BadArgumentsGiveUsageAndStatus2) {
    const std::vector<std::vector<std::string>> cases = {
        {"--example", "1"},                           // no --batch
        {"--batch"},                                  // nothing to build
        {"--batch", "--example", "5"},                // no such example
        {"--batch", "--example", "x"},
        {"--batch", "--example"},
        {"--batch", "--example", "1", "a.kdx"},       // both
        {"--batch", "--example", "1", "--form", "medium"},
        {"--batch", "--example", "1", "--bogus"},
        {"--batch", "a.kdx", "b.kdx"},
    };
    for (const auto& args : cases) {
        BatchRun r = Batch(args);
        EXPECT_EQ(r.status, kBatchUsage) << args.back();
        EXPECT_NE(r.err.find("usage: kordel --batch"), std::string::npos);
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(BatchFront, ExampleExportsToStandardOutput) {
    BatchRun r = Batch({"--batch", "--example", "1", "--export", "-"});
    EXPECT_EQ(r.status, kBatchOk) << r.err;
    EXPECT_EQ(r.out.rfind("Kordel v. 4.62", 0), 0u);
    EXPECT_NE(r.out.find("Filename: Untitled.kdx "), std::string::npos);
    EXPECT_NE(r.out.find("\r\n"), std::string::npos);
}

TEST(BatchFront, SaveThenExportTheSavedDesign) {
    TempFolder temp;
    const std::string design = temp.Path("ex1.kdx");
    const std::string report = temp.Path("ex1.txt");
    BatchRun saved = Batch({"--batch", "--example", "1", "--save", design});
    EXPECT_EQ(saved.status, kBatchOk) << saved.err;
    EXPECT_TRUE(saved.out.empty());  // --save alone writes no export
    BatchRun exported = Batch({"--batch", design, "--form", "short", "--export", report});
    EXPECT_EQ(exported.status, kBatchOk) << exported.err;
    const auto bytes = platform::ReadWholeFile(report);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("Filename: ex1.kdx "), std::string::npos);
}

TEST(BatchFront, UnreadableOrUnwritableDesignFails) {
    TempFolder temp;
    const std::string junk = temp.Path("junk.kdx");
    std::ofstream(junk) << "not a design";
    BatchRun r = Batch({"--batch", junk});
    EXPECT_EQ(r.status, kBatchFailed);
    EXPECT_EQ(r.err, "kordel: Unexpected file format.\n");
    EXPECT_TRUE(r.out.empty());

    BatchRun missing = Batch({"--batch", temp.Path("none.kdx")});
    EXPECT_EQ(missing.status, kBatchFailed);
    EXPECT_NE(missing.err.find("was not found."), std::string::npos);

    BatchRun unwritable = Batch({"--batch", "--example", "2", "--save", temp.Path("no/dir/x.kdx")});
    EXPECT_EQ(unwritable.status, kBatchFailed);
    BatchRun noExport =
        Batch({"--batch", "--example", "2", "--export", temp.Path("no/dir/x.txt")});
    EXPECT_EQ(noExport.status, kBatchFailed);
}

}  // namespace
}  // namespace kordel::test
