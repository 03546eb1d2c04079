// The results exports of the batch front, byte for byte: examples 1 to 4 in the short and the
// long form, in US units (the built-in examples) and in metric units (each example stored in
// metric units and opened from its design file). The export of each run is compared with its
// golden file, the date and time of the page header masked. A change of the engine or the report
// that moves any byte of an export shows here; a deliberate change rewrites the goldens with
// KORDEL_UPDATE_GOLDEN=1 and is reviewed line by line.
#include <regex>
#include <sstream>

#include "app/batch_front.h"
#include "report/report_test_support.h"

namespace kordel::test {
namespace {

/// The export's lines, split at each CR LF, with the header's "date @ time" masked; empty when
/// the text does not end with CR LF. A form feed stays at the start of the line it opens.
std::vector<std::string> ExportLines(const std::string& text) {
    static const std::regex stamp(R"(\d{1,2}/\d{1,2}/\d\d? ? @ \d\d:\d\d:\d\d$)");
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(
            std::regex_replace(text.substr(from, end - from), stamp, "D/D/YY @ HH:MM:SS"));
    if (from != text.size()) lines.clear();
    return lines;
}

/// `lines` with the page headers' "Filename: ..." lines (the name and its rule) masked.
std::vector<std::string> WithoutFileName(std::vector<std::string> lines) {
    static const std::regex name(R"(Filename: .*)");
    for (std::string& line : lines) line = std::regex_replace(line, name, "Filename: F");
    return lines;
}

class BatchExportsTest : public ReportTest {
  protected:
    /// The export that the batch front writes to standard output for `args`.
    std::string Export(std::vector<std::string> args) {
        args.insert(args.end(), {"--export", "-"});
        std::ostringstream out, err;
        EXPECT_EQ(RunBatch(args, out, err), kBatchOk) << err.str();
        EXPECT_EQ(err.str(), "");
        return out.str();
    }

    platform_test::TempFolder m_files;
};

TEST_F(BatchExportsTest, ExamplesInBothFormsAndUnitsMatchTheirGoldens) {
    for (int n = 1; n <= 4; ++n) {
        // The metric design: the example stored in metric units, as a user would save it.
        const std::string metric = m_files / ("example" + std::to_string(n) + "_metric.kdx");
        {
            auto doc = NewDoc();
            ASSERT_TRUE(doc->BuildExampleDesign(n));
            doc->m_nUnits = 2;
            doc->RunAnalysis();
            ASSERT_TRUE(doc->DoSave(metric));
        }
        for (const char* form : {"short", "long"}) {
            const std::string name = "example" + std::to_string(n) + "_" + form;
            SCOPED_TRACE(name);
            const std::string us =
                Export({"--batch", "--example", std::to_string(n), "--form", form});
            const std::vector<std::string> usLines = ExportLines(us);
            ASSERT_FALSE(usLines.empty()) << "the export does not end with CR LF";
            ExpectMatchesGolden(usLines, "export_" + name + "_us");

            const std::vector<std::string> metricLines =
                ExportLines(Export({"--batch", metric, "--form", form}));
            ASSERT_FALSE(metricLines.empty()) << "the export does not end with CR LF";
            ExpectMatchesGolden(metricLines, "export_" + name + "_metric");

            // A unit switch gives the other units' export of the same design, line for line;
            // only the file name in the page header differs.
            EXPECT_EQ(WithoutFileName(ExportLines(Export(
                          {"--batch", "--example", std::to_string(n), "--form", form,
                           "--units", "metric"}))),
                      WithoutFileName(metricLines));
            EXPECT_EQ(WithoutFileName(
                          ExportLines(Export({"--batch", metric, "--form", form, "--units", "us"}))),
                      WithoutFileName(usLines));
        }
    }
}

}  // namespace
}  // namespace kordel::test
