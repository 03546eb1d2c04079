// The report frame's dispatch and gates, the minimum-reinforcement mark and the live-load
// deflection lines.
#include <gtest/gtest.h>

#include <vector>

#include "report/report_test_support.h"
#include "report/text_report.h"

namespace kordel::test {
namespace {

using ReportFrameTest = ReportTest;

const char* const kAllSwitches[] = {
    platform::kIniKeyShowInputData,     platform::kIniKeyShowAnalysisResults,
    platform::kIniKeyShowContinuityAnalysis, platform::kIniKeyShowStresses,
    platform::kIniKeyShowVerticalShear, platform::kIniKeyShowCamberAndDeflection,
    platform::kIniKeyShowInterfaceShear, platform::kIniKeyShowFlexure};

TEST_F(ReportFrameTest, EverySwitchOffLeavesTheOpeningLinesAndTheLastBlank) {
    for (const char* key : kAllSwitches) SetOption(key, "0");

    auto simple = AnalysedExample(1);
    ASSERT_EQ(simple->m_bContinuous, 0);
    simple->m_strProject = "Bridge 12";
    simple->m_strTask = "T";
    simple->m_strJobNumber = "J-7";
    simple->m_strClient = "County";
    simple->m_bIncludeLoadRating = 0;
    simple->BuildTextReport();
    const std::vector<std::string> simpleLines = {
        " ",
        "Project: Bridge 12                       Task  : T                             ",
        "Job No.: J-7                             Client: County                        ",
        " "};
    EXPECT_EQ(simple->Report(), simpleLines);

    auto chain = AnalysedExample(3);
    ASSERT_NE(chain->m_bContinuous, 0);
    chain->m_bIncludeLoadRating = 0;
    chain->BuildTextReport();
    ASSERT_EQ(chain->Report().size(), 9u);
    EXPECT_EQ(chain->Report()[1].rfind("Project: ", 0), 0u);
    EXPECT_EQ(chain->Report()[4].rfind("Client : ", 0), 0u);
    EXPECT_EQ(chain->Report()[5], " ");
    EXPECT_EQ(chain->Report()[6], " ");
    EXPECT_EQ(chain->Report()[7], "GIRDER DESIGN");
    EXPECT_EQ(chain->Report()[8], " ");
}

TEST_F(ReportFrameTest, SwitchesReadAsSettingsFileBooleans) {
    SetOption(platform::kIniKeyShowFlexure, "no");
    SetOption(platform::kIniKeyShowStresses, "yes");
    SetOption(platform::kIniKeyShowVerticalShear, "0");
    SetOption(platform::kIniKeyShowInterfaceShear, "2");
    const ReportSwitches s = ReadReportSwitches();
    EXPECT_FALSE(s.flexure) << "no number, not true or yes";
    EXPECT_TRUE(s.interfaceShear) << "a non-zero number reads as 1";
    EXPECT_TRUE(s.stresses) << "yes reads as 1";
    EXPECT_FALSE(s.verticalShear);
    EXPECT_TRUE(s.inputData) << "a missing key is on";
}

TEST_F(ReportFrameTest, AnUnknownFormSaysSoAndLeavesTheReportEmpty) {
    auto doc = AnalysedExample(1);
    host.ClearMessages();
    doc->m_nReportForm = 3;
    doc->BuildTextReport();
    EXPECT_TRUE(doc->Report().empty());
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text, "No output form selected.");

    host.ClearMessages();
    doc->m_nReportForm = kReportLongForm;
    doc->m_nUnits = 0;
    doc->BuildTextReport();
    EXPECT_TRUE(doc->Report().empty());
    EXPECT_TRUE(host.Messages().empty()) << "an unknown unit system writes nothing, silently";
}

TEST_F(ReportFrameTest, MinimumReinforcementMark) {
    auto doc = NewDoc();
    doc->m_bShowAsterisks = 1;
    struct Case {
        double ratio, mu, mcr, mr;
        char mark;
        const char* why;
    } cases[] = {
        {0.99, 100, 50, 500, '*', "Mr/Mu below 1"},
        {1.00, 100, 500, 133, ' ', "ratio exactly 1 passes; limit 1.33 Mu = 133 equals Mr"},
        {1.20, 100, 500, 132.9, '*', "Mr below 1.33 Mu, which is below Mcr"},
        {1.20, 100, 120, 120, ' ', "Mcr below 1.33 Mu governs and equals Mr"},
        {1.20, 100, 120, 119.9, '*', "Mr below Mcr"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(doc->MinReinforcementMark(c.ratio, c.mu, c.mcr, c.mr), c.mark) << c.why;
    }
    doc->m_bShowAsterisks = 0;
    for (const Case& c : cases) {
        EXPECT_EQ(doc->MinReinforcementMark(c.ratio, c.mu, c.mcr, c.mr), ' ') << c.why;
    }
}

TEST_F(ReportFrameTest, LiveLoadDeflectionLines) {
    auto doc = NewDoc();
    doc->m_nSpecification = 1;
    doc->m_dDesignSpan = 100.0;
    doc->m_dDeflLimitRatio = 800;
    doc->m_recVehicle1.m_bIncluded = 1;
    doc->m_recVehicle1.m_strName = "HL-93";
    doc->m_recVehicle2.m_bIncluded = 1;
    doc->m_recVehicle2.m_strName = "P15";
    doc->m_bCheckLowboy = 0;
    // Vehicle 1: truck -1.2 in, lane -0.8 in: lane + 25 % truck = 0.8 + 0.3 = 1.1 < 1.2, the
    // truck controls: 1200 / 1.2 = 1000 >= 800, OK. Vehicle 2: truck 0, lane -1.6: 1.6 controls,
    // 1200 / 1.6 = 750 < 800, NG.
    doc->m_adDeflectionSummary[kDeflSummaryTruck1Mid] = -1.2;
    doc->m_adDeflectionSummary[kDeflSummaryLane1Mid] = -0.8;
    doc->m_adDeflectionSummary[kDeflSummaryTruck2Mid] = 0.0;
    doc->m_adDeflectionSummary[kDeflSummaryLane2Mid] = -1.6;
    std::vector<std::string> lines;
    doc->AddLiveLoadDeflectionLines(lines);
    const std::vector<std::string> expected = {
        " ",
        "Live Load Deflection Ratio (LRFD 2.5.2.6.2):",
        " Vehicle1: HL-93",
        " Truck:  1.200 in   Lane + 25% Truck:  1.100 in   Controlling:  1.200 in   1/1000  "
        "(Limit 1/ 800) OK",
        " ",
        "Live Load Deflection Ratio (LRFD 2.5.2.6.2):",
        " Vehicle2: P15",
        " Truck:  0.000 in   Lane + 25% Truck:  1.600 in   Controlling:  1.600 in   1/ 750  "
        "(Limit 1/ 800) NG",
    };
    EXPECT_EQ(lines, expected);

    // No deflection at all: the ratio is the sentinel 9999, never a division by zero.
    doc->m_recVehicle2.m_bIncluded = 0;
    doc->m_adDeflectionSummary[kDeflSummaryTruck1Mid] = 0;
    doc->m_adDeflectionSummary[kDeflSummaryLane1Mid] = 0;
    lines.clear();
    doc->AddLiveLoadDeflectionLines(lines);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[3].find("1/9999  (Limit 1/ 800) OK"), std::string::npos) << lines[3];
    // A deflection that is round-off of the span (a denormal, or a billionth of the span) is no
    // deflection either: never "1/ inf" or a ratio of twelve digits.
    for (const double truck : {-4.9e-324, -1e-300, -1e-12}) {
        doc->m_adDeflectionSummary[kDeflSummaryTruck1Mid] = truck;
        lines.clear();
        doc->AddLiveLoadDeflectionLines(lines);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_NE(lines[3].find("1/9999  (Limit 1/ 800) OK"), std::string::npos) << lines[3];
    }
    doc->m_adDeflectionSummary[kDeflSummaryTruck1Mid] = 0;

    // The lowboy check leaves vehicle 2 out; the Standard Specifications write nothing.
    doc->m_recVehicle2.m_bIncluded = 1;
    doc->m_bCheckLowboy = 1;
    lines.clear();
    doc->AddLiveLoadDeflectionLines(lines);
    EXPECT_EQ(lines.size(), 4u);
    doc->m_nSpecification = 2;
    lines.clear();
    doc->AddLiveLoadDeflectionLines(lines);
    EXPECT_TRUE(lines.empty());
}

TEST_F(ReportFrameTest, DensityWords) {
    const std::pair<int, const char*> cases[] = {
        {0, ""}, {1, " Normal"}, {2, "Sand LW"}, {3, " All LW"}, {4, "LightWt"}, {5, ""}};
    for (const auto& [type, word] : cases) EXPECT_EQ(ConcreteDensityWord(type), word) << type;
}

}  // namespace
}  // namespace kordel::test
