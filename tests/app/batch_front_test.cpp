// The batch front: arguments (usage, version, options given twice), the export of an example or
// a design file, saving, and the exit status and message when a design cannot be read or written.
#include "app/batch_front.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/file_io.h"
#include "platform/platform_test_support.h"
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

TEST(BatchFront, ArgumentsGiveTheirStatusAndMessage) {
    const std::string usage = std::string(BatchUsage()) + "\n";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;  ///< the start of standard output
        std::string err;  ///< all of standard error
    };
    const Case cases[] = {
        // Usage and version, with or without --batch; they end the reading where they stand.
        {{"--help"}, kBatchOk, usage, ""},
        {{"-h"}, kBatchOk, usage, ""},
        {{"--batch", "--example", "1", "--help"}, kBatchOk, usage, ""},
        {{"--version"}, kBatchOk, "Kordel 4.62\n", ""},
        {{"--batch", "--version", "--bogus"}, kBatchOk, "Kordel 4.62\n", ""},
        // An option given twice.
        {{"--batch", "--batch", "--example", "1"}, kBatchUsage, "",
         "kordel: --batch given twice\n" + usage},
        {{"--batch", "--example", "1", "--example", "2"}, kBatchUsage, "",
         "kordel: --example given twice\n" + usage},
        {{"--batch", "--example", "1", "--form", "short", "--form", "long"}, kBatchUsage, "",
         "kordel: --form given twice\n" + usage},
        {{"--batch", "--example", "1", "--export", "-", "--export", "a.txt"}, kBatchUsage, "",
         "kordel: --export given twice\n" + usage},
        {{"--batch", "--example", "1", "--save", "a.kdx", "--save", "b.kdx"}, kBatchUsage, "",
         "kordel: --save given twice\n" + usage},
        // Other wrong arguments.
        {{"--example", "1"}, kBatchUsage, "", "kordel: --batch is required\n" + usage},
        {{"--batch"}, kBatchUsage, "", "kordel: give either --example N or a design file\n" + usage},
        {{"--batch", "--example", "5"}, kBatchUsage, "",
         "kordel: --example takes a number from 1 to 4\n" + usage},
        {{"--batch", "--example", "x"}, kBatchUsage, "",
         "kordel: --example takes a number from 1 to 4\n" + usage},
        {{"--batch", "--example"}, kBatchUsage, "",
         "kordel: --example takes a number from 1 to 4\n" + usage},
        {{"--batch", "--example", "1", "a.kdx"}, kBatchUsage, "",
         "kordel: give either --example N or a design file\n" + usage},
        {{"--batch", "--example", "1", "--form", "medium"}, kBatchUsage, "",
         "kordel: --form takes short or long\n" + usage},
        {{"--batch", "--example", "1", "--units", "si"}, kBatchUsage, "",
         "kordel: --units takes us or metric\n" + usage},
        {{"--batch", "--example", "1", "--units"}, kBatchUsage, "",
         "kordel: --units takes us or metric\n" + usage},
        {{"--batch", "--example", "1", "--units", "us", "--units", "metric"}, kBatchUsage, "",
         "kordel: --units given twice\n" + usage},
        {{"--batch", "--example", "1", "--bogus"}, kBatchUsage, "",
         "kordel: unknown option --bogus\n" + usage},
        {{"--batch", "a.kdx", "b.kdx"}, kBatchUsage, "",
         "kordel: more than one design file given\n" + usage},
        {{"--batch", "--example", "1", "--export", ""}, kBatchUsage, "",
         "kordel: --export takes a file or -\n" + usage},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& a : c.args) line += a + " ";
        SCOPED_TRACE(line);
        BatchRun r = Batch(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out.substr(0, c.out.size()), c.out);
        if (c.out.empty()) {
            EXPECT_EQ(r.out, "");
        }
        EXPECT_EQ(r.err, c.err);
    }
}

TEST(BatchFront, HelpAndVersionNeverStartTheWindowSystem) {
    struct Case {
        std::vector<std::string> args;
        bool batch;
    };
    const Case cases[] = {
        {{"--help"}, true},      {{"-h"}, true},         {{"--version"}, true},
        {{"--batch"}, true},     {{"x.kdx", "--version"}, true},
        {{}, false},             {{"--nosplash", "x.kdx"}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsBatchCommandLine(c.args), c.batch) << (c.args.empty() ? "" : c.args[0]);
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

TEST(BatchFront, UnreadableOrUnwritableDesignFailsNamingTheFile) {
    TempFolder temp;
    const std::string junk = temp.Path("junk.kdx");
    std::ofstream(junk) << "not a design";
    BatchRun r = Batch({"--batch", junk});
    EXPECT_EQ(r.status, kBatchFailed);
    EXPECT_EQ(r.err, "kordel: " + junk + ": Unexpected file format.\n");
    EXPECT_TRUE(r.out.empty());

    // A message that names the file already is not given its name twice.
    BatchRun missing = Batch({"--batch", temp.Path("none.kdx")});
    EXPECT_EQ(missing.status, kBatchFailed);
    EXPECT_EQ(missing.err, "kordel: " + temp.Path("none.kdx") + " was not found.\n");

    BatchRun unwritable = Batch({"--batch", "--example", "2", "--save", temp.Path("no/dir/x.kdx")});
    EXPECT_EQ(unwritable.status, kBatchFailed);
    EXPECT_EQ(unwritable.err, "kordel: The folder of " + temp.Path("no/dir/x.kdx") +
                                  " was not found.\n");
    BatchRun noExport =
        Batch({"--batch", "--example", "2", "--export", temp.Path("no/dir/x.txt")});
    EXPECT_EQ(noExport.status, kBatchFailed);
}

TEST(BatchFront, ExportAndSaveSayWhyTheyFail) {
    TempFolder temp;
    const std::string folder = temp.Path("folder");
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    const std::string full = platform_test::CharDevice(temp.Root().string(), "full", 7, "/dev/full");
    const std::string null = platform_test::CharDevice(temp.Root().string(), "null", 3, "/dev/null");
    struct Case {
        const char* option;
        std::string target;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {"--export", folder, kBatchFailed, "kordel: " + folder + " is a folder, not a file.\n"},
        {"--save", folder, kBatchFailed, "kordel: " + folder + " is a folder, not a file.\n"},
        {"--export", full, kBatchFailed,
         "kordel: " + full + " could not be written: the disk is full.\n"},
        {"--save", full, kBatchFailed,
         "kordel: " + full + " could not be written: the disk is full.\n"},
        {"--export", null, kBatchOk, ""},
        {"--save", null, kBatchOk, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.target);
        BatchRun r = Batch({"--batch", "--example", "1", c.option, c.target});
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err, c.err);
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(platform_test::IsCharDevice(full));
    EXPECT_TRUE(platform_test::IsCharDevice(null));

    // Standard output that cannot be written.
    std::ostream broken(nullptr);
    std::ostringstream err;
    EXPECT_EQ(RunBatch({"--batch", "--example", "1"}, broken, err), kBatchFailed);
    EXPECT_EQ(err.str(), "kordel: The export could not be written to standard output.\n");
}

TEST(BatchFront, ReadOnlyFolderIsNoPermission) {
    // Root may write anywhere: the run is made as an unprivileged user.
    TempFolder temp;
    const std::string locked = temp.Path("locked");
    ASSERT_TRUE(std::filesystem::create_directory(locked));
    ASSERT_EQ(::chmod(temp.Root().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);
    const std::string report = locked + "/x.txt";
    const std::string design = locked + "/x.kdx";
    platform_test::ExpectAsUnprivilegedUser([&] {
        const BatchRun exported = Batch({"--batch", "--example", "1", "--export", report});
        const BatchRun saved = Batch({"--batch", "--example", "1", "--save", design});
        const bool ok = exported.status == kBatchFailed && saved.status == kBatchFailed &&
                        exported.err == "kordel: Access to " + report + " was denied.\n" &&
                        saved.err == "kordel: Access to " + design + " was denied.\n";
        if (!ok) std::cerr << exported.err << saved.err;
        return ok;
    });
    EXPECT_TRUE(std::filesystem::is_empty(locked));
}

// A UTF-8 file name: the export's page header names it in the report's own Windows-1252, and a
// message prints it in UTF-8 again.
TEST(BatchFront, AUtf8FileNameInTheReportAndInAMessage) {
    TempFolder temp;
    const std::string design = temp.Path("Br\xC3\xBC" "cke.kdx");
    ASSERT_EQ(Batch({"--batch", "--example", "1", "--save", design}).status, kBatchOk);
    BatchRun exported = Batch({"--batch", design});
    EXPECT_EQ(exported.status, kBatchOk) << exported.err;
    EXPECT_NE(exported.out.find("Filename: Br\xFC" "cke.kdx "), std::string::npos);

    std::filesystem::remove(design);
    BatchRun missing = Batch({"--batch", design});
    EXPECT_EQ(missing.status, kBatchFailed);
    EXPECT_EQ(missing.err, "kordel: " + design + " was not found.\n");

    // A message that does not name the file is preceded by the name, once.
    platform_test::WriteText(design, "not a design");
    BatchRun junk = Batch({"--batch", design});
    EXPECT_EQ(junk.status, kBatchFailed);
    EXPECT_EQ(junk.err, "kordel: " + design + ": Unexpected file format.\n");
}

}  // namespace
}  // namespace kordel::test
