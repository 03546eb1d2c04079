// The checks of a field's text before it becomes a number: a table of texts with the answer each
// check must give. The refusals that matter most are the texts a conversion would silently read
// as a number the user never typed ("" and "-" as 0, "1.2.3" as 1.2, "-3.5" stripped to 3.5).
#include "controls/data_validation.h"

#include <gtest/gtest.h>

namespace kordel::test {
namespace {

struct Case {
    const char* text;
    bool real;             ///< IsReal
    bool whole;            ///< IsUnsigned
    const char* stripped;  ///< StripNonNumeric
};

// clang-format off
const Case kCases[] = {
    // text             real   whole  stripped
    {"12",              true,  true,  "12"},
    {"  -3.5  ",        true,  false, "-3.5"},     // blanks at both ends are dropped
    {".5",              true,  false, ".5"},
    {"-.5",             true,  false, "-.5"},
    {"007",             true,  true,  "007"},
    {" 42 ",            true,  true,  "42"},
    {"1.2.3",           false, false, "1.2.3"},    // two points: not one number
    {"-",               false, false, "-"},        // a sign without digits
    {"",                false, false, ""},         // nothing typed is not zero
    {"   ",             false, false, ""},
    {"5.",              false, false, "5."},       // a trailing point
    {".",               false, false, "."},
    {"-.",              false, false, "-."},
    {"1-2",             false, false, "12"},       // a minus that does not lead
    {"1 2",             false, false, "12"},       // a blank inside
    {"+5",              false, false, "5"},
    {"1e5",             false, false, "15"},
    {"12a",             false, false, "12"},
    {"\t3",             false, false, "3"},        // a tab is not a blank
    {"-1",              true,  false, "-1"},
    {"1.0",             true,  false, "1.0"},
    {"12 ft",           false, false, "12"},
    {"a b 1 . 2 x",     false, false, "1.2"},
    {"--5",             false, false, "-5"},       // one leading minus is kept
    {"- 5 kip",         false, false, "-5"},
    {"abc",             false, false, ""},
};
// clang-format on

TEST(DataValidationTest, TableOfTexts) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        EXPECT_EQ(CDataValidation::IsReal(c.text), c.real);
        EXPECT_EQ(CDataValidation::IsUnsigned(c.text), c.whole);
        EXPECT_EQ(CDataValidation::StripNonNumeric(c.text), c.stripped);
    }
}

TEST(DataValidationTest, WhatStrippingKeepsIsRealWhenTheNumberIsWhole) {
    // The stripping dialog strips a text, then checks it: a negative entry stays negative and
    // a stripped text that is no number is refused rather than read as one.
    EXPECT_TRUE(CDataValidation::IsReal(CDataValidation::StripNonNumeric("-3.5 ft")));
    EXPECT_EQ(std::stod(CDataValidation::StripNonNumeric("-3.5 ft")), -3.5);
    EXPECT_FALSE(CDataValidation::IsReal(CDataValidation::StripNonNumeric("ft")));
    EXPECT_FALSE(CDataValidation::IsReal(CDataValidation::StripNonNumeric("1.2.3 in")));
}

}  // namespace
}  // namespace kordel::test
